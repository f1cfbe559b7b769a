// The save files: what a start reads, what it writes, and the records reset.
#include <QDir>
#include <QFile>

#include "platform/dialogs.h"
#include "tests/support.h"

namespace {

using Progress = FormTest;

TEST_F(Progress, FirstStartWritesDefaultsAndLocksAllButTwo) {
  TForm1& f = start();
  QByteArray one = readFile("dat/data.bin"), two = readFile("dat/data2.bin");
  ASSERT_EQ(one.size(), 78);
  ASSERT_EQ(two.size(), 72);
  EXPECT_EQ(one[0], 1);
  EXPECT_EQ(one.count('\0'), 77);
  EXPECT_EQ(two.count('\0'), 72);
  EXPECT_TRUE(f.Check1->Checked());
  EXPECT_FALSE(f.Imgedit->Visible());
  for (TImage* slot : {f.chara3, f.chara4, f.chara5, f.chara6})
    EXPECT_EQ(slot->PictureName(), "unknown");
}

TEST_F(Progress, ShortFileFillsWhatItHoldsAndIsNotRewritten) {
  // Music off, Tsuduru and Philip unlocked; the editor flag is past the end.
  writeFile("dat/data.bin", QByteArray::fromHex("0001000100"));
  writeFile("dat/data2.bin", QByteArray());
  TForm1& f = start();
  EXPECT_EQ(f.bgmOn, 0);
  EXPECT_FALSE(f.Check1->Checked());
  EXPECT_EQ(f.tsuzuruUnlocked, 1);
  EXPECT_EQ(f.philipUnlocked, 1);
  EXPECT_EQ(f.editorUnlocked, 0);
  EXPECT_EQ(f.chara3->PictureName(), "imgtdr");
  EXPECT_EQ(f.chara4->PictureName(), "unknown");
  EXPECT_EQ(readFile("dat/data.bin").size(), 5);
  EXPECT_EQ(readFile("dat/data2.bin").size(), 0);
  EXPECT_TRUE(commands().empty());  // clearing the box at start sends nothing
}

TEST_F(Progress, LongFilesAreReadUpToTheRecordAndOffsetsHold) {
  QByteArray one(100, '\0');
  one[0] = 1;
  one[5] = 1;                            // editor
  one[24 + 3 * 1 + 1] = char(0xFB);      // Souma's best on the championship course: -5
  one[42 + 6 * 2 + 2 * 0] = char(0xC2);  // Tsuduru's longest on practice: 450
  one[42 + 6 * 2 + 2 * 0 + 1] = 0x01;
  one[78] = 7;  // past the record: ignored
  writeFile("dat/data.bin", one);
  QByteArray two(72, '\0');
  two[3 * 1 + 2] = 1;  // K. Yamada finished the edited course
  writeFile("dat/data2.bin", two);
  TForm1& f = start();
  EXPECT_TRUE(f.Imgedit->Visible());
  EXPECT_EQ(f.bestScore(2, 2), -5);
  EXPECT_EQ(f.longestRecord(3, 1), 450);
  EXPECT_EQ(f.altCourseCleared(2, 3), 1);
  EXPECT_EQ(f.altCourseCleared(1, 1), 0);
}

TEST_F(Progress, MissingFolderIsSilentAndPlayGoesOn) {
  QDir("dat").removeRecursively();
  TForm1& f = start();
  EXPECT_EQ(f.bgmOn, 1);
  EXPECT_FALSE(exists("dat/data.bin"));
  EXPECT_TRUE(dialogLines().empty());
}

TEST_F(Progress, SaveReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
  writeFile("dat/data.bin", QByteArray(78, '\0'));
  TForm1& f = start();
  f.kyokoUnlocked = 1;
  f.bestScore(4, 2) = -5;
  f.dSave();
  QByteArray one = readFile("dat/data.bin");
  ASSERT_EQ(one.size(), 78);
  EXPECT_EQ(one[2], 1);
  EXPECT_EQ(static_cast<uint8_t>(one[24 + 9 + 1]), 0xFB);
  EXPECT_EQ(QDir("dat").entryList(QDir::Files).size(), 2);
}

TEST_F(Progress, ResetAsksAndClearsOnlyThatCourse) {
  TForm1& f = start();
  f.courseCleared(1, 1) = f.courseCleared(1, 2) = 1;
  f.bestScore(1, 2) = -3;
  f.altLongestRecord(2, 2) = 300;
  f.kyokoUnlocked = 1;
  f.dSave();
  f.dSave2();
  QByteArray before = readFile("dat/data.bin");

  dialogs::queue(dialogs::Answer::No);
  f.formatScore(2);
  EXPECT_EQ(readFile("dat/data.bin"), before);
  EXPECT_EQ(f.courseCleared(1, 2), 1);

  dialogs::queue(dialogs::Answer::Yes);
  f.formatScore(2);
  EXPECT_EQ(f.courseCleared(1, 2), 0);
  EXPECT_EQ(f.bestScore(1, 2), 0);
  EXPECT_EQ(f.altLongestRecord(2, 2), 0);
  EXPECT_EQ(f.courseCleared(1, 1), 1);
  EXPECT_EQ(f.kyokoUnlocked, 1);
  EXPECT_EQ(readFile("dat/data2.bin").count('\0'), 72);
  auto lines = dialogLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "question: Pinvale: CHAMPIONSHIPの記録を初期化しますか？ -> no");
  EXPECT_EQ(lines[1], "question: Pinvale: CHAMPIONSHIPの記録を初期化しますか？ -> yes");
  EXPECT_EQ(lines[2], "message: 初期化しました");
}

TEST_F(Progress, ResetLinkLightsUpUnderThePointer) {
  TForm1& f = start();
  f.LbformatMouseMove(1, 1);
  EXPECT_EQ(f.Lbformat->Color(), 0xFF4E4Eu);
  f.LbformatMouseLeave();
  EXPECT_EQ(f.Lbformat->Color(), 0xFFFFFFu);
}

}  // namespace
