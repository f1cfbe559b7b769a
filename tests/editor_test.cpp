// The course editor: entering it, the key filters, the button rules, hole
// navigation and music, leaving it, and saving and loading course files.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <algorithm>
#include <cstring>

#include "sound/tracks.h"
#include "tests/support.h"

namespace {

class Editor : public FormTest {
 protected:
  TForm1& open() {
    TForm1& f = start();
    f.ImgeditClick();
    commands();
    return f;
  }

  void typeKey(TEdit* e, char16_t c) {
    const QString text(QChar{c});
    const int key = c == 8 ? int{Qt::Key_Backspace} : int{QChar{c}.toUpper().unicode()};
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, c == 8 ? QString() : text);
    QApplication::sendEvent(e, &press);
  }

  // Whether the music was stopped and track `track` opened since the last look.
  bool started(uint8_t track) {
    const auto c = commands();
    const std::string file = trackOf(track)->file;
    return std::any_of(c.begin(), c.end(), [&](const std::string& s) {
      return s.rfind("open", 0) == 0 && s.find(file) != std::string::npos;
    });
  }

  static QByteArray bytesOf(const EditedCourseRecord& r) {
    return QByteArray(reinterpret_cast<const char*>(&r), static_cast<int>(kCourseFileSize));
  }
  static void setBytes(EditedCourseRecord& r, const QByteArray& b) {
    std::memcpy(&r, b.constData(), std::min<size_t>(kCourseFileSize, b.size()));
  }

  static void setLetter(ShortString& s, const char* text) {
    s.len = static_cast<uint8_t>(std::strlen(text));
    std::memcpy(s.chars, text, s.len);
  }

  // A course that a check of hole 1 leaves exactly as it is, with leftovers
  // behind the letters of holes 2..6 and in the spare bytes.
  static QByteArray sampleCourse() {
    EditedCourseRecord r;
    std::memset(&r, 0, sizeof r);
    const uint8_t tracks[7] = {0, 2, 5, 7, 9, 11, 13};
    for (int h = 1; h <= 6; ++h) {
      r.editBgm[h] = tracks[h];
      // "A" for hole 1, then "B".."F" with old text behind them.
      setLetter(r.editBgmLetter[h], h == 1 ? "A" : "?LEFTOVER");
      r.editBgmLetter[h].chars[0] = kMusicLetters[h - 1];
      r.editBgmLetter[h].len = 1;
      r.editLength[h] = static_cast<int16_t>(200 + 100 * h);
      r.editGreen[h] = 10;
      r.editPar[h] = static_cast<int16_t>(3 + h % 3);
    }
    r.editRough1From[1] = 50;
    r.editRough1To[1] = 120;
    r.editWater2From[1] = 130;
    r.editWater2To[1] = 150;
    r.editBunker3From[1] = 200;
    r.editBunker3To[1] = 289;
    r.editWindFrom[1] = -2;
    r.editWindTo[1] = 3;
    r.editWindKind[1] = 1;
    r.editSlopeFrom[1] = 1;
    r.editSlopeTo[1] = 4;
    r.editSlopeKind[1] = 2;
    r.editWindFrom[4] = 5;  // hole 4 is never shown, so never checked
    r.editWindTo[4] = -5;
    r.editReserved[0] = 0xAB;
    r.editReserved[1] = 0xCD;
    r.editPoints = 2500;
    return bytesOf(r);
  }

  // A name typed into the name field, key by key.
  void typeName(TForm1& f, const char* name) {
    for (const char* c = name; *c; ++c) typeKey(f.coursnm, static_cast<char16_t>(*c));
  }
};

TEST_F(Editor, EntersEmptyOnHoleOneWithMusicA) {
  TForm1& f = start();
  f.editLength[2] = 700;  // the record is not cleared on entry
  f.Imgedit->OnClick();
  EXPECT_EQ(f.phase, 0);
  EXPECT_EQ(f.bgmTrack, 2);
  EXPECT_TRUE(started(2));
  EXPECT_EQ(f.seId, 2);
  EXPECT_EQ(f.editHole, 1);
  EXPECT_EQ(f.editLength[2], 700);
  EXPECT_EQ(f.msc->Caption(), "A");
  EXPECT_EQ(f.hllb->Caption(), "1 番 ホール");
  EXPECT_EQ(f.coursnm->Text(), "");
  EXPECT_EQ(std::tuple(f.epts->Text(), f.ezen->Text(), f.epar->Text(), f.egrn->Text()),
            std::tuple(QString("800"), QString("100"), QString("2"), QString("3")));
  for (TEdit* e : {f.ewnda, f.ewndz, f.eslpa, f.eslpz, f.e1, f.e9, f.e18})
    EXPECT_EQ(e->Text(), "0") << e->Name().toStdString();
  EXPECT_EQ(std::tuple(f.Box4->Left(), f.Box4->Top()), std::tuple(7, 20));
  for (TControl* c : std::initializer_list<TControl*>{f.Box4, f.imp, f.confirm, f.btload, f.btsave})
    EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
  EXPECT_TRUE(f.Box4->Enabled());
  EXPECT_TRUE(f.confirm->Enabled());
  for (TControl* c : std::initializer_list<TControl*>{f.btload, f.btsave, f.Btbck, f.Btfwd})
    EXPECT_FALSE(c->Enabled()) << c->Name().toStdString();
  for (TControl* c : std::initializer_list<TControl*>{f.Imgstart, f.Imgedit, f.title, f.title2,
                                                      f.copyi, f.copyy, f.LabelName})
    EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
}

TEST_F(Editor, KeyFiltersLetOnlyTheirCharactersIn) {
  TForm1& f = open();
  f.ezen->SetText("");
  typeKey(f.ezen, 'x');
  typeKey(f.ezen, '-');
  typeKey(f.ezen, '4');
  EXPECT_EQ(f.ezen->Text(), "4");
  f.eslpa->SetText("");
  typeKey(f.eslpa, '7');
  typeKey(f.eslpa, '5');
  EXPECT_EQ(f.eslpa->Text(), "5");
  typeKey(f.eslpa, 8);
  EXPECT_EQ(f.eslpa->Text(), "");
  f.ewndz->SetText("");
  typeKey(f.ewndz, '-');
  typeKey(f.ewndz, '9');
  EXPECT_EQ(f.ewndz->Text(), "-9");
  typeName(f, "a!B/7");
  EXPECT_EQ(f.coursnm->Text(), "aB7");
  // The filter makes no sound.
  EXPECT_TRUE(commands().empty());

  char16_t key = u'ア';
  f.checkKeyAccept(key, "0123456789");
  EXPECT_EQ(key, 0);
}

TEST_F(Editor, SavingAndLeavingWaitForAConfirmation) {
  TForm1& f = open();
  typeName(f, "ab");
  EXPECT_EQ(f.editCourseName, "ab");
  EXPECT_TRUE(f.btload->Enabled());
  EXPECT_FALSE(f.btsave->Enabled());

  f.confirm->OnClick();
  EXPECT_TRUE(f.btsave->Enabled());
  EXPECT_TRUE(f.Btfwd->Enabled());
  EXPECT_FALSE(f.Btbck->Enabled());

  typeKey(f.e5, '7');
  for (TControl* c : std::initializer_list<TControl*>{f.btsave, f.Btbck, f.Btfwd})
    EXPECT_FALSE(c->Enabled()) << c->Name().toStdString();
  f.confirmClick();
  EXPECT_TRUE(f.btsave->Enabled());

  // Music stepped: confirm again before saving.
  f.BtupClick();
  EXPECT_FALSE(f.btsave->Enabled());
  EXPECT_FALSE(f.Btfwd->Enabled());
  EXPECT_TRUE(f.Btup->Enabled());
  EXPECT_TRUE(f.Btdw->Enabled());
  f.confirmClick();

  // Emptying the name shuts both file buttons.
  f.coursnm->SetText("");
  EXPECT_FALSE(f.btload->Enabled());
  EXPECT_FALSE(f.btsave->Enabled());
  EXPECT_EQ(f.editCourseName, "");
  f.confirmClick();
  EXPECT_FALSE(f.btsave->Enabled());
}

TEST_F(Editor, HoleNavigationStopsAtBothEnds) {
  TForm1& f = open();
  f.BtbckClick();
  EXPECT_EQ(f.editHole, 1);
  f.confirmClick();
  f.editLength[3] = 450;
  f.editPar[3] = 5;
  f.editGreen[3] = 20;
  f.editWater1From[3] = 100;
  f.editWater1To[3] = 200;
  f.editWindFrom[3] = -4;
  f.editWindTo[3] = -1;
  f.editPoints = 3000;
  for (int h = 2; h <= 6; ++h) {
    ASSERT_TRUE(f.Btfwd->Enabled()) << h;
    f.Btfwd->OnClick();
    EXPECT_EQ(f.editHole, h);
    EXPECT_EQ(f.hllb->Caption(), QString("%1 番 ホール").arg(h));
    EXPECT_TRUE(f.Btbck->Enabled());
    for (TControl* c : std::initializer_list<TControl*>{f.confirm, f.toji4, f.Btup, f.Btdw})
      EXPECT_TRUE(c->Enabled()) << c->Name().toStdString();
    if (h == 3) {
      EXPECT_EQ(std::tuple(f.ezen->Text(), f.epar->Text(), f.egrn->Text(), f.epts->Text()),
                std::tuple(QString("450"), QString("5"), QString("20"), QString("3000")));
      EXPECT_EQ(std::tuple(f.e7->Text(), f.e8->Text(), f.ewnda->Text(), f.ewndz->Text()),
                std::tuple(QString("100"), QString("200"), QString("-4"), QString("-1")));
    }
  }
  EXPECT_FALSE(f.Btfwd->Enabled());
  f.BtfwdClick();
  EXPECT_EQ(f.editHole, 6);
  EXPECT_EQ(f.hllb->Caption(), "6 番 ホール");
  f.BtbckClick();
  EXPECT_EQ(f.editHole, 5);
  EXPECT_EQ(f.ezen->Text(), "100");
}

TEST_F(Editor, MusicLettersWrapRound) {
  TForm1& f = open();
  f.Btdw->OnClick();
  EXPECT_EQ(f.msc->Caption(), "R");
  EXPECT_EQ(f.bgmTrack, 18);
  EXPECT_TRUE(started(18));
  f.Btup->OnClick();
  EXPECT_EQ(f.msc->Caption(), "A");
  EXPECT_EQ(f.bgmTrack, 2);
  EXPECT_TRUE(started(2));
  f.BtupClick();
  f.BtupClick();
  EXPECT_EQ(f.msc->Caption(), "C");
  EXPECT_EQ(f.bgmTrack, 7);
  // A caption that is no music letter stays, and the same track plays again.
  f.msc->SetCaption("?");
  f.BtupClick();
  EXPECT_EQ(f.msc->Caption(), "?");
  EXPECT_EQ(f.bgmTrack, 7);
}

TEST_F(Editor, AHoleWithTheSameMusicKeepsItPlaying) {
  TForm1& f = open();
  f.confirmClick();  // every hole gets music "A"
  f.editBgm[3] = 13;
  setLetter(f.editBgmLetter[3], "f");
  commands();
  f.BtfwdClick();
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(f.msc->Caption(), "A");
  f.BtfwdClick();
  EXPECT_EQ(f.msc->Caption(), "F");
  EXPECT_EQ(f.bgmTrack, 13);
  EXPECT_TRUE(started(13));
  EXPECT_EQ(f.editBgm[3], 13);
}

TEST_F(Editor, LeavingClearsTheCourseAndShowsTheTitle) {
  TForm1& f = open();
  typeName(f, "keep");
  f.confirmClick();
  setBytes(f, sampleCourse());
  commands();
  f.toji4->OnClick();
  EXPECT_EQ(f.bgmTrack, 0);
  EXPECT_EQ(commands(), (std::vector<std::string>{"stop audio1", "close audio1"}));
  EXPECT_EQ(f.editCourseName, "keep");
  EXPECT_EQ(f.editPoints, 0);
  EXPECT_EQ(std::tuple(f.editReserved[0], f.editReserved[1]), std::tuple(0xAB, 0xCD));
  for (int h = 1; h <= 6; ++h) {
    EXPECT_EQ(f.editBgm[h], 0);
    EXPECT_EQ(f.editLength[h], 0);
    EXPECT_EQ(f.editBgmLetter[h].len, 0);
  }
  EXPECT_EQ(f.editRough1From[1], 0);
  EXPECT_EQ(f.editWindFrom[4], 0);
  for (TControl* c :
       std::initializer_list<TControl*>{f.Box4, f.imp, f.confirm, f.btload, f.btsave, f.arfairr1,
                                        f.argreenn, f.mapBars[10], f.mapBars[18]})
    EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
  EXPECT_FALSE(f.Box4->Enabled());
  EXPECT_FALSE(f.confirm->Enabled());
  for (TControl* c : std::initializer_list<TControl*>{f.title, f.title2, f.Imgstart, f.Imgedit,
                                                      f.copyi, f.copyy, f.LabelName})
    EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
  EXPECT_EQ(f.Imgedit->PictureName(), "Imgedit1");
}

TEST_F(Editor, SavedCourseLoadsBackByteForByte) {
  TForm1& f = open();
  typeName(f, "c0ur5");
  f.confirmClick();
  const QByteArray course = sampleCourse();
  setBytes(f, course);
  dialogLines();
  f.btsave->OnClick();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: セーブしました"});
  EXPECT_EQ(readFile("edit/c0ur5.dat"), course);

  // Leave, come back, and load it by name.
  f.toji4Click();
  f.ImgeditClick();
  typeName(f, "c0ur5");
  f.btload->OnClick();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: ロードしました"});
  EXPECT_EQ(bytesOf(f), course);
  EXPECT_EQ(f.editHole, 1);
  EXPECT_EQ(std::tuple(f.ezen->Text(), f.e17->Text(), f.e18->Text(), f.epts->Text()),
            std::tuple(QString("300"), QString("200"), QString("289"), QString("2500")));
  EXPECT_TRUE(f.btsave->Enabled());
  EXPECT_TRUE(f.Btfwd->Enabled());

  // Saving again under the same name overwrites without asking.
  f.editPoints = 4000;
  f.btsaveClick();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: セーブしました"});
  EXPECT_EQ(readFile("edit/c0ur5.dat"), bytesOf(f));
}

TEST_F(Editor, ShortAndLongFilesLoadWhatTheyHold) {
  TForm1& f = open();
  typeName(f, "x");
  const QByteArray before = sampleCourse();
  setBytes(f, before);
  // Other music and kinds for holes 2..6.
  QByteArray other = before;
  for (int i = 1; i <= 5; ++i) other[i] = static_cast<char>(13 + i);
  for (int i : {7, 8, 9, 13, 14}) other[i] = 3;
  writeFile("edit/x.dat", other.left(100));
  f.btloadClick();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: ロードしました"});
  EXPECT_EQ(bytesOf(f), other.left(100) + before.mid(100));

  QByteArray longer = before;
  longer[1832] = 0x10;  // 4112 points
  longer[1833] = 0x10;
  writeFile("edit/x.dat", longer + QByteArray(500, '\x7F'));
  f.btloadClick();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: ロードしました"});
  EXPECT_EQ(bytesOf(f), longer);
  EXPECT_EQ(f.epts->Text(), "4112");
}

TEST_F(Editor, LoadedRangeOnTheGreenIsReportedBeforeTheLoad) {
  TForm1& f = open();
  typeName(f, "g");
  EditedCourseRecord r;
  setBytes(r, sampleCourse());
  r.editBunker3To[1] = 295;  // 300 yards, green 10: the green starts at 290
  writeFile("edit/g.dat", bytesOf(r));
  f.btloadClick();
  EXPECT_EQ(dialogLines(), (std::vector<std::string>{"message: 地形の範囲は 2 ～ 289 です",
                                                     "message: ロードしました"}));
  EXPECT_EQ(f.editBunker3To[1], 0);
}

TEST_F(Editor, FailedFilesChangeNothing) {
  TForm1& f = open();
  typeName(f, "none");
  f.confirmClick();
  f.BtfwdClick();
  const QByteArray record = bytesOf(f);
  dialogLines();
  f.btloadClick();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: ロードできませんでした"});
  EXPECT_EQ(f.editHole, 2);
  EXPECT_EQ(f.hllb->Caption(), "2 番 ホール");
  EXPECT_EQ(bytesOf(f), record);

  // No edit folder: nothing is created.
  ASSERT_TRUE(QDir("edit").removeRecursively());
  f.btsaveClick();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: セーブできませんでした"});
  EXPECT_FALSE(exists("edit"));
}

TEST_F(Editor, PastedNameNeverReachesTheFiles) {
  TForm1& f = open();
  f.coursnm->SetText("../ab");  // a paste passes no key filter
  f.confirmClick();
  ASSERT_TRUE(f.btsave->Enabled());
  f.btsaveClick();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: セーブできませんでした"});
  EXPECT_FALSE(exists("ab.dat"));
  writeFile("ab.dat", sampleCourse());
  f.btloadClick();
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: ロードできませんでした"});
  EXPECT_NE(f.editPoints, 2500);
}

}  // namespace
