// The menus from the title to the first hole: title, character grid, course
// list, nickname, course-name entry and the start dialog.
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cstring>

#include "model/characters.h"
#include "platform/dialogs.h"
#include "sound/tracks.h"
#include "tests/support.h"

namespace {

class Menus : public FormTest {
 protected:
  // How many times effect `id` was played since the last look.
  int plays(uint8_t id) {
    const std::string file = effectFile(id);
    auto c = commands();
    return static_cast<int>(std::count_if(c.begin(), c.end(), [&](const std::string& s) {
      return s.rfind("open", 0) == 0 && s.find(file) != std::string::npos;
    }));
  }

  // Title -> grid -> slot `slot` with `button` -> course list.
  TForm1& toCourseList(uint8_t slot = 1, TMouseButton button = TMouseButton::mbLeft) {
    TForm1& f = form_ ? *form_ : start();
    f.ImgstartClick();
    f.charaMouseMove(slot);
    f.ImgwakuMouseDown(button, 5, 5);
    commands();
    return f;
  }

  void typeKey(TEdit* e, QChar c) {
    QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
    QApplication::sendEvent(e, &press);
  }

  void writeCourse(const QString& path, const EditedCourseRecord& r, size_t size) {
    writeFile(path, QByteArray(reinterpret_cast<const char*>(&r), static_cast<int>(size)));
  }
};

TEST_F(Menus, StartLeadsToTheGridOnlyFromTheTitle) {
  TForm1& f = start();
  f.phase = 2;
  f.ImgstartClick();
  EXPECT_EQ(f.bgmTrack, 0);
  EXPECT_TRUE(f.Imgstart->Visible());

  f.phase = 0;
  f.Label3->SetColor(0xFFFFFF);
  f.endFadeLevel = 200;
  f.ImgstartClick();
  EXPECT_EQ(plays(2), 1);
  EXPECT_EQ(f.phase, 1);
  EXPECT_EQ(f.bgmTrack, 1);
  EXPECT_TRUE(f.isEnabled());
  EXPECT_EQ(std::tuple(f.Box2->Left(), f.Box2->Top(), f.face->Left()), std::tuple(135, 47, 16));
  EXPECT_EQ(f.Label3->Color(), 0x000000u);
  EXPECT_EQ(f.endFadeLevel, 0);
  for (TControl* c : std::initializer_list<TControl*>{f.chara1, f.chara6, f.Shape6, f.character})
    EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
  for (TControl* c : std::initializer_list<TControl*>{f.title, f.copyy, f.Imgstart, f.Imgedit})
    EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
}

TEST_F(Menus, TitleHighlights) {
  TForm1& f = start();
  f.ImgeditMouseMove(1, 1);
  EXPECT_EQ(f.Imgstart->PictureName(), "Imgstart1");
  EXPECT_EQ(f.Imgedit->PictureName(), "Imgedit2");
  f.ImgstartMouseMove(1, 1);
  EXPECT_EQ(f.Imgstart->PictureName(), "Imgstart2");
  EXPECT_EQ(f.Imgedit->PictureName(), "Imgedit1");
}

TEST_F(Menus, LockedSlotEmptiesThePanelAndStays) {
  TForm1& f = start();
  f.ImgstartClick();
  f.charaMouseMove(2);
  EXPECT_EQ(f.charSlot, 2);
  EXPECT_EQ(f.Lbtochi->Caption(), "土地勘：");
  f.charaMouseMove(5);
  EXPECT_EQ(f.charSlot, 0);
  EXPECT_EQ(std::tuple(f.Imgwaku->Left(), f.Imgwaku->Top()), std::tuple(109, 131));
  EXPECT_TRUE(f.Imgwaku->Visible());
  EXPECT_EQ(f.nmLabel->Caption(), "");
  EXPECT_EQ(f.speLabel->Caption(), "");
  commands();
  f.ImgwakuMouseDown(TMouseButton::mbRight, 5, 5);
  EXPECT_EQ(plays(3), 0);
  f.ImgwakuMouseDown(TMouseButton::mbLeft, 5, 5);
  EXPECT_EQ(plays(3), 1);
  EXPECT_EQ(f.phase, 1);

  // Unlocked at the moment of the move.
  f.philipUnlocked = 1;
  f.chara5MouseMove(1, 1);
  EXPECT_EQ(f.charSlot, 5);
  EXPECT_NE(f.nmLabel->Caption(), "");
  // A right press on slots 3 to 6 chooses nobody.
  f.ImgwakuMouseDown(TMouseButton::mbRight, 5, 5);
  EXPECT_EQ(f.phase, 1);
  EXPECT_EQ(f.reach1W, 0);
}

TEST_F(Menus, RightPressOnSlotOneChoosesPizzaHappyMan) {
  TForm1& f = start();
  f.editorUnlocked = 0;
  f.ImgstartClick();
  f.chara1MouseMove(1, 1);
  EXPECT_EQ(f.nmLabel->Caption(), QString::fromUtf8(characterRow(1, 0)->panelName));
  f.ImgwakuMouseDown(TMouseButton::mbRight, 5, 5);
  EXPECT_EQ(f.phase, 2);
  EXPECT_EQ(f.nmLabel->Caption(), "ピザハッピーマン");
  EXPECT_EQ(std::tuple(f.powLabel->Caption(), f.techLabel->Caption(), f.geoLabel->Caption()),
            std::tuple(QString("★"), QString("★★★★"), QString("★★")));
  EXPECT_EQ(f.speLabel->Caption(), "ハッピーショット");
  EXPECT_EQ(f.face->PictureName(), "ImgHCYPHM");
  EXPECT_TRUE(f.face->Visible());
  EXPECT_FALSE(f.Shape6->Visible() || f.Imgwaku->Visible() || f.chara1->Visible());
  EXPECT_EQ(f.Radio1->Caption(), "1W 180 yd");
  EXPECT_EQ(f.Radio5->Caption(), "PT 30 m");
  EXPECT_EQ(f.chikei->PictureName(), "Imgfair");
  EXPECT_TRUE(f.Imgprac->Visible() && f.Imgchamp->Visible() && f.Shape4->Visible());
  EXPECT_FALSE(f.Imgedtd->Visible());
}

TEST_F(Menus, CourseHoverAndChampionshipStartAndBack) {
  TForm1& f = start();
  f.editorUnlocked = 1;
  toCourseList();
  EXPECT_TRUE(f.Imgedtd->Visible());
  f.ImgchampMouseMove(1, 1);
  EXPECT_EQ(std::tuple(f.valpts->Caption(), f.valhls->Caption(), f.hlsLabel->Caption()),
            std::tuple(QString("1300"), QString("9"), QString("ホール数：")));
  EXPECT_EQ(f.Imgchamp->PictureName(), "Imgchamp2");
  f.ImgedtdMouseMove(1, 1);
  EXPECT_EQ(std::tuple(f.valpts->Caption(), f.valhls->Caption()),
            std::tuple(QString("????"), QString("6")));
  EXPECT_EQ(f.Imgchamp->PictureName(), "Imgchamp1");
  EXPECT_EQ(f.Imgedtd->PictureName(), "Imgedtd2");

  f.ImgchampMouseMove(1, 1);
  f.ImgchampClick();
  EXPECT_EQ(std::tuple(f.phase, f.courseKind, f.points), std::tuple(uint8_t(3), uint8_t(2), 1300));
  EXPECT_EQ(f.valpts->Caption(), "1300");
  EXPECT_TRUE(f.yes->Visible() && f.no->Visible() && f.ready->Visible() && f.Lbformat->Visible());
  EXPECT_FALSE(f.Imgprac->Visible() || f.course->Visible());

  f.noClick();
  EXPECT_EQ(std::tuple(f.phase, f.charSlot, f.courseKind), std::tuple(1, 0, 0));
  EXPECT_EQ(f.nmMina->Color(), 0xFFFFFFu);
  EXPECT_TRUE(f.chara1->Visible() && f.Shape6->Visible() && f.character->Visible());
  EXPECT_FALSE(f.face->Visible() || f.yes->Visible() || f.valpts->Visible());
  f.chara2MouseMove(1, 1);
  EXPECT_EQ(f.charSlot, 2);
}

TEST_F(Menus, YesStartsTheFirstHole) {
  TForm1& f = start();
  toCourseList(3);  // locked: the press stays on the grid
  EXPECT_EQ(f.phase, 1);
  f.tsuzuruUnlocked = 1;
  f.charaMouseMove(3);
  f.ImgwakuMouseDown(TMouseButton::mbLeft, 5, 5);
  f.ImgchampClick();
  f.birdies = 4;
  f.scoreToPar = 3;
  f.yesClick();
  EXPECT_EQ(f.bgmTrack, 3);
  EXPECT_EQ(std::tuple(f.phase, f.holeNo, f.birdies, f.scoreToPar), std::tuple(4, 1, 0, 0));
  EXPECT_EQ(f.Img->PictureName(), "Img3");
  EXPECT_TRUE(f.scale6->Visible() && f.moji->Visible() && f.Box1->Visible() && f.shot->Visible());
  EXPECT_FALSE(f.yes->Visible() || f.Lbformat->Visible() || f.speLabel->Visible());
  EXPECT_EQ(f.ryakuLabel->Caption(), "1 番ホール：");
  EXPECT_EQ(f.holeLength, builtinHole(2, 1).length);
}

TEST_F(Menus, CourseNameKeysAndEmptyName) {
  TForm1& f = start();
  f.editorUnlocked = 1;
  toCourseList();
  f.ImgedtdClick();
  EXPECT_EQ(std::tuple(f.phase, f.courseKind), std::tuple(3, 3));
  EXPECT_TRUE(f.EditCs->Visible() && f.EditCs->Enabled() && f.ok->Visible() && f.entr->Visible());
  commands();
  for (QChar c : QString("ab!1")) typeKey(f.EditCs, c);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
  QApplication::sendEvent(f.EditCs, &enter);
  EXPECT_EQ(f.EditCs->Text(), "ab1");
  EXPECT_EQ(plays(20), 3);

  f.EditCs->SetText("");
  f.okClick();
  EXPECT_EQ(plays(2), 1);
  EXPECT_TRUE(dialogLines().empty());
  EXPECT_EQ(f.phase, 2);
  EXPECT_TRUE(f.Imgprac->Visible() && f.Imgedtd->Visible() && f.sele->Visible());
  EXPECT_FALSE(f.EditCs->Visible() || f.EditCs->Enabled() || f.ok->Visible());
}

TEST_F(Menus, CourseFileMissingOrNameNotAllowed) {
  TForm1& f = start();
  f.editorUnlocked = 1;
  // A file a pasted name with a path in it would reach.
  EditedCourseRecord outside{};
  outside.editPoints = 4242;
  writeCourse("ab.dat", outside, sizeof outside);
  toCourseList();
  for (const char* name : {"nofil", "..\\ab", "../ab", "a b"}) {
    f.ImgedtdClick();
    f.EditCs->SetText(name);
    commands();
    f.okClick();
    EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: ロードできませんでした"}) << name;
    EXPECT_EQ(plays(2), 0) << name;
    EXPECT_EQ(f.phase, 2) << name;
    EXPECT_EQ(f.EditCs->Text(), "") << name;
    EXPECT_NE(f.editPoints, 4242) << name;
  }
}

TEST_F(Menus, EditedCourseLoadsAndStartsItsTrack) {
  TForm1& f = start();
  f.editorUnlocked = 1;
  EditedCourseRecord r{};
  r.editBgm[1] = 7;
  r.editLength[1] = 300;
  r.editGreen[1] = 10;
  r.editPar[1] = 4;
  r.editRough1From[1] = 120;
  r.editRough1To[1] = 185;
  r.editPoints = 2500;
  writeCourse("edit/Mine1.dat", r, sizeof r);
  // A short file reads what it has; the rest keeps what was there.
  EditedCourseRecord s{};
  s.editBgm[1] = 9;
  writeCourse("edit/short.dat", s, 6);

  toCourseList();
  f.ImgedtdClick();
  f.EditCs->SetText("Mine1");
  commands();
  f.okClick();
  EXPECT_TRUE(dialogLines().empty());
  EXPECT_EQ(plays(2), 1);
  EXPECT_EQ(std::tuple(f.points, f.courseKind, f.phase), std::tuple(2500, 3, 3));
  EXPECT_EQ(f.playCourseName, "Mine1");
  EXPECT_EQ(f.valpts->Caption(), "2500");
  EXPECT_TRUE(f.yes->Visible() && f.ready->Visible());
  EXPECT_FALSE(f.EditCs->Visible() || f.entr->Visible() || f.ok->Visible());
  EXPECT_EQ(f.EditCs->Text(), "");

  f.noClick();
  f.charaMouseMove(1);
  f.ImgwakuMouseDown(TMouseButton::mbLeft, 5, 5);
  f.ImgedtdClick();
  f.EditCs->SetText("short");
  f.okClick();
  EXPECT_EQ(std::tuple(f.editBgm[1], f.editPoints, f.editLength[1]),
            std::tuple(uint8_t(9), 2500, int16_t(300)));

  f.yesClick();
  EXPECT_EQ(f.bgmTrack, 9);
  EXPECT_EQ(f.holeLength, 300);
  EXPECT_EQ(f.rd1->Caption(), "(120 - 185)");
  EXPECT_EQ(f.Img->PictureName(), "Img1");
}

TEST_F(Menus, NicknameAndItsEndingSpeed) {
  TForm1& f = start();
  dialogs::queue(dialogs::Answer::Text, "Bob");
  f.LabelNameMouseDown(TMouseButton::mbRight, 1, 1);
  EXPECT_EQ(f.LabelName->Caption(), "Bob");
  dialogs::queue(dialogs::Answer::Cancel);
  f.LabelNameMouseDown(TMouseButton::mbRight, 1, 1);
  EXPECT_EQ(f.LabelName->Caption(), "Bob");
  auto lines = dialogLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[1].find("NAME ENTRY: Please enter your nickname [Bob]"), std::string::npos);

  f.LabelNameMouseDown(TMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(f.endFadeStep, 15);
  EXPECT_TRUE(dialogLines().empty());
  f.LabelNameMouseUp(TMouseButton::mbRight, 1, 1);
  EXPECT_EQ(f.endFadeStep, 15);
  f.LabelNameMouseUp(TMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(f.endFadeStep, 5);
}

}  // namespace
