// Saving and loading the edited course: the record's 1836 bytes, as they
// are in memory, in edit\NAME.dat.
#include "platform/files.h"

#include <cstring>

#include "app/TForm1.h"
#include "platform/dialogs.h"

void TForm1::btsaveClick() {
  const EditedCourseRecord& r = *this;
  const bool saved = isCourseName(editCourseName) &&
                     writeFileReplacing(courseFilePath(editCourseName), &r, kCourseFileSize);
  ShowMessage(saved ? "セーブしました" : "セーブできませんでした");
}

void TForm1::btloadClick() {
  EditedCourseRecord& r = *this;
  // A short file replaces only its own bytes, so the read starts from the
  // record as it is; a failed read leaves the record untouched.
  unsigned char bytes[kCourseFileSize];
  std::memcpy(bytes, &r, kCourseFileSize);
  if (!isCourseName(editCourseName) ||
      readFileInto(courseFilePath(editCourseName), bytes, kCourseFileSize) < 0) {
    ShowMessage("ロードできませんでした");
    return;
  }
  std::memcpy(&r, bytes, kCourseFileSize);
  editHole = 1;
  changeEditHole();
  ShowMessage("ロードしました");
}
