// Loading and saving the progress record, and resetting one course's
// records from the start dialog.
#include "app/TForm1.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

char* block1(ProgressRecord& p) { return reinterpret_cast<char*>(&p); }
char* block2(ProgressRecord& p) { return reinterpret_cast<char*>(&p) + kSave2Offset; }

}  // namespace

// A short file fills only what it holds; the rest keeps the start-up values.
void TForm1::dLoad() {
  if (readFileInto(kSaveFile1, block1(*this), kSaveSize1) < 0) {
    initialize();
    dSave();
  }
}

void TForm1::dLoad2() {
  if (readFileInto(kSaveFile2, block2(*this), kSaveSize2) < 0) {
    initialize2();
    dSave2();
  }
}

// Failures are silent: the game goes on with the record in memory.
void TForm1::dSave() { writeFileReplacing(kSaveFile1, block1(*this), kSaveSize1); }
void TForm1::dSave2() { writeFileReplacing(kSaveFile2, block2(*this), kSaveSize2); }

void TForm1::initialize() { initializeProgress(*this); }
void TForm1::initialize2() { initializeAlternates(*this); }

void TForm1::formatScore(int course) {
  if (course < 1 || course > 3) return;
  QString question = QString(courseRecordName(course)) + "の記録を初期化しますか？";
  if (!MessageYesNo("Pinvale", question)) return;
  clearCourseRecords(*this, course);
  dSave();
  dSave2();
  ShowMessage("初期化しました");
}

void TForm1::LbformatClick() { formatScore(courseKind); }
void TForm1::LbformatMouseMove(int, int) { Lbformat->SetColor(0xFF4E4E); }
void TForm1::LbformatMouseLeave() { Lbformat->SetColor(0xFFFFFF); }
