// The two save files as a start reads them, then everything that uses what
// they hold: the unlocked portraits, a finished course recorded against the
// stored records, the record export, the ending's record page and the
// saves written back.
//
// Input: one byte for the length of dat\data.bin (255: no such file), that
// many bytes of it, the rest dat\data2.bin; a last byte picks the character,
// the course and the game's score.
#include <QFile>
#include <cstring>

#include "tests/fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TForm1& f = fuzzForm();
  if (size < 2) return 0;
  const uint8_t choice = data[size - 1];
  --size;
  const size_t first = data[0] == 255 ? 0 : std::min<size_t>(data[0], size - 1);
  QFile::remove("dat/data.bin");
  if (data[0] != 255) writeInput("dat/data.bin", data + 1, first);
  writeInput("dat/data2.bin", data + 1 + first, size - 1 - first);

  // The record as a start finds it, then the loads.
  std::memset(static_cast<ProgressRecord*>(&f), 0, sizeof(ProgressRecord));
  f.bgmOn = 1;
  f.dLoad();
  f.dLoad2();
  f.Check1->SetChecked(f.bgmOn != 0, false);
  f.chara3->SetPicture(f.tsuzuruUnlocked ? *f.imgtdr : *f.unknown);

  // A finished game with the stored records.
  f.charSlot = static_cast<uint8_t>(1 + choice % 6);
  f.altChar = (choice >> 3) & 1;
  f.courseKind = static_cast<uint8_t>(1 + (choice >> 4) % 3);
  f.scoreToPar = static_cast<int8_t>(choice);
  f.longestShot = static_cast<int16_t>(choice * 3);
  f.noticeEditor = f.noticeTsuzuru = f.noticeKyoko = f.noticePhilip = f.noticeHatao = 0;
  f.setScore(f.courseKind);
  f.txtout();
  f.aftrclr();
  f.showEndingContent(3);
  f.showdia();
  f.dSave();
  f.dSave2();
  // The music switch saves the record too.
  f.Check1->SetChecked(!f.Check1->Checked());
  f.formatScore(f.courseKind);  // answered no: nothing changes
  dropRecords();
  return 0;
}
