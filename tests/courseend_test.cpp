// The end of a game: the record tables, the unlock rules, the record export
// and the ending with its closing messages, on the virtual clock.
#include <QDir>
#include <QStringList>
#include <cstdio>
#include <functional>

#include "platform/clock.h"
#include "platform/files.h"
#include "progress/export.h"
#include "tests/support.h"

namespace {

using CourseEnd = FormTest;

// Finishes a game of `course` with `slot` (and `alt`) at `score`.
void finish(TForm1& f, uint8_t slot, uint8_t alt, uint8_t course, int8_t score,
            int16_t longest = 200) {
  f.charSlot = slot;
  f.altChar = alt;
  f.scoreToPar = score;
  f.longestShot = longest;
  f.setScore(course);
}

TEST_F(CourseEnd, FirstFinishStandsThenOnlyBetterScoresAndLongerShotsReplace) {
  TForm1& f = start();
  finish(f, 3, 0, 1, 7, 250);
  EXPECT_EQ(f.courseCleared(3, 1), 1);
  EXPECT_EQ(f.bestScore(3, 1), 7);  // worse than the stored 0, still the first finish
  EXPECT_EQ(f.recordBest, 7);
  EXPECT_EQ(f.recordLongest, 250);

  finish(f, 3, 0, 1, 9, 240);
  EXPECT_EQ(f.bestScore(3, 1), 7);
  EXPECT_EQ(f.longestRecord(3, 1), 250);
  EXPECT_EQ(f.recordBest, 7);
  EXPECT_EQ(f.recordLongest, 250);

  finish(f, 3, 0, 1, -2, 260);
  EXPECT_EQ(f.bestScore(3, 1), -2);
  EXPECT_EQ(f.recordLongest, 260);
  // Other courses and characters untouched.
  EXPECT_EQ(f.courseCleared(3, 2), 0);
  EXPECT_EQ(f.courseCleared(4, 1), 0);
}

TEST_F(CourseEnd, AlternatesKeepTheirOwnTables) {
  TForm1& f = start();
  finish(f, 1, 1, 2, 5, 300);  // Pizza Happy Man
  EXPECT_EQ(f.altCourseCleared(1, 2), 1);
  EXPECT_EQ(f.altBestScore(1, 2), 5);
  EXPECT_EQ(f.altLongestRecord(1, 2), 300);
  EXPECT_EQ(f.courseCleared(1, 2), 0);
  EXPECT_EQ(f.longestRecord(1, 2), 0);

  finish(f, 1, 0, 2, -1, 280);  // Mina
  EXPECT_EQ(f.bestScore(1, 2), -1);
  EXPECT_EQ(f.altBestScore(1, 2), 5);
  EXPECT_EQ(f.altLongestRecord(1, 2), 300);

  finish(f, 2, 1, 3, 4, 100);  // K. Yamada
  EXPECT_EQ(f.altCourseCleared(2, 3), 1);
  EXPECT_EQ(f.courseCleared(2, 3), 0);
  // altChar means nothing past slot 2.
  finish(f, 4, 1, 1, 2, 100);
  EXPECT_EQ(f.courseCleared(4, 1), 1);
  EXPECT_EQ(f.altCourseCleared(4, 1), 0);
}

struct Game {
  uint8_t course;
  int8_t score;
  int16_t longest;
  uint8_t holeInOnes, fourUnder, albatrosses, eagles;
};

// The notices one game sets on a fresh record: editor, Tsuduru, Kyoko, Philip, Hatao.
std::string notices(TForm1& f, const Game& g) {
  for (uint8_t* flag : {&f.editorUnlocked, &f.tsuzuruUnlocked, &f.kyokoUnlocked, &f.philipUnlocked,
                        &f.hataoUnlocked, &f.noticeEditor, &f.noticeTsuzuru, &f.noticeKyoko,
                        &f.noticePhilip, &f.noticeHatao})
    *flag = 0;
  f.courseKind = g.course;
  f.scoreToPar = g.score;
  f.longestShot = g.longest;
  f.holeInOnes = g.holeInOnes;
  f.fourUnderHoles = g.fourUnder;
  f.albatrosses = g.albatrosses;
  f.eagles = g.eagles;
  f.aftrclr();
  std::string out;
  for (uint8_t n : {f.noticeEditor, f.noticeTsuzuru, f.noticeKyoko, f.noticePhilip, f.noticeHatao})
    out += n ? '1' : '0';
  EXPECT_EQ(f.editorUnlocked, f.noticeEditor);
  EXPECT_EQ(f.hataoUnlocked, f.noticeHatao);
  return out;
}

TEST_F(CourseEnd, UnlockRulesAtTheirEdges) {
  TForm1& f = start();
  EXPECT_EQ(notices(f, {1, 3, 200, 0, 0, 0, 0}), "11000");
  EXPECT_EQ(notices(f, {1, 4, 200, 0, 0, 0, 0}), "10000");
  EXPECT_EQ(notices(f, {1, 4, 449, 0, 0, 0, 0}), "10000");
  EXPECT_EQ(notices(f, {3, 4, 450, 0, 0, 0, 0}), "10100");
  EXPECT_EQ(notices(f, {1, 8, 100, 1, 0, 0, 0}), "10100");
  // Philip and Hatao only on the championship course.
  EXPECT_EQ(notices(f, {1, -9, 200, 0, 1, 1, 0}), "11000");
  EXPECT_EQ(notices(f, {2, 1, 200, 0, 0, 0, 0}), "11000");
  EXPECT_EQ(notices(f, {2, 0, 200, 0, 0, 0, 0}), "11010");
  EXPECT_EQ(notices(f, {2, -5, 200, 0, 1, 0, 1}), "11011");
  EXPECT_EQ(notices(f, {2, -5, 200, 0, 0, 0, 1}), "11010");
  EXPECT_EQ(notices(f, {2, -4, 200, 0, 0, 1, 1}), "11010");
  EXPECT_EQ(notices(f, {2, -6, 200, 2, 0, 0, 0}), "11111");

  // An item already unlocked gives no notice again.
  f.noticeEditor = 0;
  f.noticeTsuzuru = 0;
  f.aftrclr();
  EXPECT_EQ(f.noticeEditor, 0);
  EXPECT_EQ(f.noticeTsuzuru, 0);
}

GameReport report() {
  GameReport r;
  r.courseKind = 1;
  r.charSlot = 1;
  r.longestShot = 231;
  r.recordLongest = 245;
  r.scoreToPar = -2;
  r.recordBest = 0;
  r.points = 1375;
  r.dateTime = "2024/05/06 12:34:56";
  return r;
}

TEST_F(CourseEnd, ReportLeavesOutTheCountsNeverReached) {
  const QStringList lines = recordLines(report());
  const QStringList expected = {"Pinvale ver 1.31",
                                "",
                                "　★ 練習コース　【一之瀬 水無】",
                                "",
                                "",
                                "　　　最長ショット：　231 yd",
                                "　　　最長記録：　245 yd",
                                "　　　スコア：　－2",
                                "　　　ベストスコア：　±0",
                                "",
                                "　　　ポイント：　1375",
                                "",
                                "　[ 2024/05/06 12:34:56 ]"};
  EXPECT_EQ(lines, expected);

  GameReport r = report();
  r.courseKind = 3;
  r.charSlot = 5;
  r.courseName = "Hill";
  r.albatrosses = 1;
  r.chipIns = 3;
  const QStringList edited = recordLines(r);
  ASSERT_EQ(edited.size(), 15);
  EXPECT_EQ(edited[2], "　★ Edited [ Hill ]　【フィリップ 北崎】");
  EXPECT_EQ(edited[4], "　　　アルバトロス：　1 回");
  EXPECT_EQ(edited[5], "　　　チップイン：　3 回");
  EXPECT_EQ(edited[6], "");

  EXPECT_EQ(recordBaseName(1, 1, 0), "pr_mina");
  EXPECT_EQ(recordBaseName(2, 2, 1), "ch_yamada");
  EXPECT_EQ(recordBaseName(3, 5, 1), "ed_philip");
  EXPECT_EQ(recordBaseName(0, 1, 0), "");
  EXPECT_TRUE(recordLines(GameReport{}).isEmpty());
}

TEST_F(CourseEnd, ExportWritesShiftJisWithCrLfAndReplacesTheOldReport) {
  TForm1& f = start();
  writeFile("record/ch_yamada.txt", QByteArray(4000, 'x'));
  f.courseKind = 2;
  f.charSlot = 2;
  f.altChar = 1;
  f.holeInOnes = 1;
  f.birdies = 4;
  f.longestShot = 301;
  f.recordLongest = 301;
  f.scoreToPar = 3;
  f.recordBest = 3;
  f.points = 88;
  f.txtout();
  EXPECT_EQ(f.exportFailed, 0);
  EXPECT_EQ(f.recordName, "ch_yamada");

  const QStringList head = {"Pinvale ver 1.31",
                            "",
                            "　★ 選手権コース　【山田 コウイチロウ】",
                            "",
                            "　　　ホールインワン：　1 回",
                            "　　　バーディー：　4 回",
                            "",
                            "　　　最長ショット：　301 yd",
                            "　　　最長記録：　301 yd",
                            "　　　スコア：　＋3",
                            "　　　ベストスコア：　＋3",
                            "",
                            "　　　ポイント：　88",
                            ""};
  QByteArray expected;
  for (const QString& l : head) expected += toShiftJis(l) + "\r\n";
  const QByteArray bytes = readFile("record/ch_yamada.txt");
  ASSERT_TRUE(bytes.startsWith(expected));
  const QByteArray last = bytes.mid(expected.size());
  EXPECT_TRUE(last.startsWith(toShiftJis("　[ ")));
  EXPECT_TRUE(last.endsWith(" ]\r\n"));
  EXPECT_EQ(last.count("\r\n"), 1);
  EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
}

TEST_F(CourseEnd, ExportWithoutRecordFolderFails) {
  TForm1& f = start();
  ASSERT_TRUE(QDir("record").removeRecursively());
  f.courseKind = 1;
  f.charSlot = 1;
  f.txtout();
  EXPECT_EQ(f.exportFailed, 1);
  EXPECT_EQ(f.recordName, "pr_mina");
  EXPECT_FALSE(exists("record/pr_mina.txt"));
}

class Ending : public FormTest {
 protected:
  // The last hole of a practice game with Mina, finished with proceed.
  TForm1& finishGame(int8_t score) {
    TForm1& f = start();
    f.charSlot = 1;
    f.applyCharacter(TMouseButton::mbLeft);
    f.courseKind = 1;
    f.holeNo = 6;
    f.par = 4;
    f.scoreToPar = score;
    f.longestShot = 260;
    f.points = 900;
    f.endFadeLevel = 0;
    f.finishCourse();
    dialogLines();
    return f;
  }
  // Virtual milliseconds until `done` holds (at most `limit`).
  int until(const std::function<bool()>& done, int limit = 200000) {
    const uint32_t from = timeGetTime();
    while (!done() && static_cast<int>(timeGetTime() - from) < limit) wait(1);
    return static_cast<int>(timeGetTime() - from);
  }
};

TEST_F(Ending, CourseEndSavesAndOpensTheEndingScreen) {
  TForm1& f = finishGame(2);
  EXPECT_EQ(f.bgmTrack, 19);
  EXPECT_EQ(f.courseCleared(1, 1), 1);
  EXPECT_EQ(readFile("dat/data.bin")[5], 1);  // the editor, saved before the ending
  EXPECT_TRUE(exists("record/pr_mina.txt"));
  EXPECT_TRUE(f.noti->Visible());
  EXPECT_FALSE(f.shot->Visible());
  EXPECT_EQ(f.Box3->Left(), 20);
  EXPECT_EQ(f.Label1->Left(), 197);
  EXPECT_EQ(f.nmPhilip->Top(), 84);
  EXPECT_EQ(f.scTsuduru->Top(), 128);
  EXPECT_STREQ(Application::instance().idleName(), "Ending");
}

TEST_F(Ending, TitlePhaseAtNormalSpeed) {
  TForm1& f = finishGame(2);
  const int normal = until([&] { return f.endPhase == 1; });
  EXPECT_NEAR(normal, 12000, 300);
  std::printf("title phase, normal: %d ms\n", normal);
}

TEST_F(Ending, TitlePhaseAndPageWithTheButtonHeld) {
  TForm1& g = finishGame(2);
  g.FormMouseDown(TMouseButton::mbLeft, 0, 0);
  const int fast = until([&] { return g.endPhase == 1; });
  EXPECT_NEAR(fast, 5200, 100);
  std::printf("title phase, button held: %d ms\n", fast);
  // A fast credits page: 17 fade-in, 45 hold, 17 fade-out ticks of 46 ms.
  const int page = until([&] { return g.endPhase == 2; });
  EXPECT_NEAR(page, 79 * 46, 100);
  std::printf("first credits page, button held: %d ms\n", page);
}

TEST_F(Ending, PagesThenMessagesInOrder) {
  TForm1& f = finishGame(2);  // editor and Tsuduru
  f.exportFailed = 1;
  f.holeInOnes = 0;
  f.recordBest = 0;
  f.FormMouseDown(TMouseButton::mbLeft, 0, 0);
  until([&] { return f.endPhase == 2 && f.endPhaseShown == 1; });
  EXPECT_FALSE(f.noti->Visible());
  EXPECT_EQ(f.nmHatao->Caption(), "・ホールインワン");
  EXPECT_EQ(f.nmMina->Caption(), "0");
  EXPECT_EQ(f.scHatao->Caption(), "");
  EXPECT_FALSE(f.Label2->Visible());
  until([&] { return f.endPhase == 3 && f.endPhaseShown == 1; });
  EXPECT_EQ(f.Label12->Caption(), "±0");
  EXPECT_FALSE(f.Label13->Visible());
  until([&] { return f.endPhase == 4 && f.endPhaseShown == 1; });
  EXPECT_FALSE(f.Box3->Visible());
  EXPECT_TRUE(f.Img->Visible());
  EXPECT_EQ(f.Label1->Caption(), "【 キャラグラフィック 】");

  // Back to normal speed in the middle of a page.
  f.FormMouseUp(TMouseButton::mbLeft, 0, 0);
  until([&] { return f.endPhase == 5; });
  EXPECT_EQ(f.Label1->Caption(), "【 制作 】");
  EXPECT_FALSE(f.Label10->Visible());
  EXPECT_TRUE(dialogLines().empty());
  until([&] { return !Application::instance().hasIdle(); });
  EXPECT_TRUE(f.Label10->Visible());
  EXPECT_EQ(f.Label10->Caption(), "終");
  EXPECT_EQ(dialogLines(), (std::vector<std::string>{"message: 成績の出力に失敗しました",
                                                     "message: コースエディタを追加しました",
                                                     "message: 柴田 綴が使用可能になりました"}));
}

TEST_F(Ending, SuccessMessageNamesTheFile) {
  TForm1& f = finishGame(6);  // only the editor
  f.endFadeMs = f.endTitleMs = 0;
  until([&] { return !Application::instance().hasIdle(); });
  EXPECT_EQ(dialogLines(),
            (std::vector<std::string>{"message: recordフォルダにpr_mina.txtを出力しました",
                                      "message: コースエディタを追加しました"}));
}

}  // namespace
