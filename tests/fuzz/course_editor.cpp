// A course file loaded into the course editor: the load shows hole 1 and
// checks it, every other hole is shown and checked in turn (each check
// repairs the hole on screen and draws its preview), the music is stepped,
// and the course is saved again and the editor left.
//
// Input: the course file; a short input is a short file.
#include <cstring>

#include "platform/application.h"
#include "tests/fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TForm1& f = fuzzForm();
  writeInput("edit/fz.dat", data, std::min<size_t>(size, kCourseFileSize + 8));

  std::memset(static_cast<EditedCourseRecord*>(&f), 0, sizeof(EditedCourseRecord));
  f.ImgeditClick();
  f.coursnm->SetText("fz");
  f.btloadClick();
  for (int hole = 2; hole <= 6; ++hole) {
    f.Btfwd->SetEnabled(true);
    f.BtfwdClick();
    if (hole == 3) f.BtupClick();
    if (hole == 4) f.BtdwClick();
  }
  for (int hole = 5; hole >= 1; --hole) {
    f.Btbck->SetEnabled(true);
    f.BtbckClick();
  }
  f.confirmClick();
  f.btsaveClick();
  f.toji4Click();
  Application::instance().clearIdle();
  dropRecords();
  return 0;
}
