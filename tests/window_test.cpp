// The window: its controls, the title screen, the title bar, the form-wide
// mouse handlers, and the hole and character set-up on the form.
#include <QApplication>
#include <QMouseEvent>

#include "app/layout.h"
#include "model/characters.h"
#include "platform/random.h"
#include "tests/support.h"

namespace {

using Window = FormTest;

TEST_F(Window, EveryLaidOutControlIsAMemberAndTheTitleIsShown) {
  TForm1& f = start();
  for (size_t i = 0; i < layout::kLayoutCount; ++i)
    EXPECT_NE(f.controlByName(layout::kLayout[i].name), nullptr) << layout::kLayout[i].name;
  EXPECT_EQ(f.width(), 439);
  EXPECT_EQ(f.height(), 268);
  for (TControl* c :
       std::initializer_list<TControl*>{f.title, f.title2, f.copyi, f.copyy, f.Imgstart, f.winmove,
                                        f.toji, f.chiji, f.Check1, f.bgmLabel, f.Shape3})
    EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
  for (TControl* c : std::initializer_list<TControl*>{f.Imgedit, f.chara1, f.Box1, f.Box2, f.Box3,
                                                      f.Box4, f.shot, f.moji})
    EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
  EXPECT_EQ(f.phase, 0);
  EXPECT_FALSE(f.Timer1->enabled());
  EXPECT_FALSE(Application::instance().hasIdle());
}

TEST_F(Window, ParkedControlsComeToTheirPlaces) {
  TForm1& f = start();
  const std::tuple<TControl*, int, int> places[] = {
      {f.title, 152, 40},      {f.title2, 24, 153}, {f.chara6, 208, 132},  {f.yes, 167, 128},
      {f.no, 215, 128},        {f.ok, 218, 121},    {f.Imgedit, 279, 198}, {f.Imgedtd, 148, 138},
      {f.character, 239, 246}, {f.sele, 339, 246}};
  for (auto [c, left, top] : places) {
    EXPECT_EQ(c->Left(), left) << c->Name().toStdString();
    EXPECT_EQ(c->Top(), top) << c->Name().toStdString();
  }
  EXPECT_EQ(f.toji->PictureName(), "tojiA");
  EXPECT_EQ(f.Imgstart->PictureName(), "Imgstart1");
  EXPECT_EQ(f.mapLabels[1], f.r1);
  EXPECT_EQ(f.mapLabels[18], f.bd3);
  EXPECT_EQ(f.mapBars[10], f.arroughh1);
}

TEST_F(Window, TitleBarButtonsAndDrag) {
  TForm1& f = start();
  f.tojiMouseDown(TMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(f.toji->PictureName(), "tojiB");
  f.tojiMouseDown(TMouseButton::mbRight, 1, 1);
  f.chijiMouseDown(TMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(f.chiji->PictureName(), "chijiB");
  f.winmoveMouseDown(TMouseButton::mbLeft, 5, 5);
  EXPECT_EQ(f.titleDrag, 1);
  f.winmoveMouseUp(TMouseButton::mbLeft, 5, 5);
  EXPECT_EQ(f.titleDrag, 0);
  f.show();
  f.tojiMouseUp(TMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(f.toji->PictureName(), "tojiA");
  EXPECT_FALSE(f.isVisible());
}

// A pointer event at x, y of control `c`, with `held` the buttons down after it.
void pointer(TControl* c, QEvent::Type type, int x, int y, Qt::MouseButton b,
             Qt::MouseButtons held) {
  QWidget* w = c->Widget();
  QMouseEvent e(type, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), b, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

TEST_F(Window, TheTitleBarDragsOnlyWhileTheButtonIsHeld) {
  // Offscreen there is no window system to hand the drag to: the window
  // follows the pointer itself.
  TForm1& f = start();
  f.move(100, 100);
  const auto L = Qt::LeftButton;
  pointer(f.winmove, QEvent::MouseButtonPress, 50, 10, L, L);
  pointer(f.winmove, QEvent::MouseMove, 60, 15, Qt::NoButton, L);
  EXPECT_EQ(f.pos(), QPoint(110, 105));
  pointer(f.winmove, QEvent::MouseMove, 70, 20, Qt::NoButton, L);
  EXPECT_EQ(f.pos(), QPoint(130, 115));
  // The release went elsewhere: the next move sees no button and ends it.
  pointer(f.winmove, QEvent::MouseMove, 80, 30, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(f.titleDrag, 0);
  pointer(f.winmove, QEvent::MouseMove, 90, 40, Qt::NoButton, L);
  EXPECT_EQ(f.pos(), QPoint(130, 115));

  // The nickname covers the right half of the bar and drags as well.
  pointer(f.LabelName, QEvent::MouseButtonPress, 100, 10, L, L);
  pointer(f.LabelName, QEvent::MouseMove, 90, 10, Qt::NoButton, L);
  EXPECT_EQ(f.pos(), QPoint(120, 115));
  pointer(f.LabelName, QEvent::MouseButtonRelease, 90, 10, L, Qt::NoButton);
  EXPECT_EQ(f.titleDrag, 0);
  // Below the bar, or on the ending, a press there only winds the ending on.
  pointer(f.LabelName, QEvent::MouseButtonPress, 100, 30, L, L);
  EXPECT_EQ(f.titleDrag, 0);
  pointer(f.LabelName, QEvent::MouseButtonRelease, 100, 30, L, Qt::NoButton);
  f.Check1->Hide();
  pointer(f.LabelName, QEvent::MouseButtonPress, 100, 10, L, L);
  EXPECT_EQ(std::tuple(f.titleDrag, f.endFadeMs), std::tuple(uint8_t(0), 45));
}

TEST_F(Window, BackgroundUndoesHighlightsAndSetsEndingSpeed) {
  TForm1& f = start();
  f.Imgstart->SetPicture(*f.Imgstart2);
  f.FormMouseMove(1, 1);
  EXPECT_EQ(f.Imgstart->PictureName(), "Imgstart1");
  f.phase = 2;
  f.valpts->SetCaption("1600");
  f.Imgchamp->SetPicture(*f.Imgchamp2);
  f.FormMouseMove(1, 1);
  EXPECT_EQ(f.valpts->Caption(), "");
  EXPECT_EQ(f.Imgchamp->PictureName(), "Imgchamp1");

  f.FormMouseDown(TMouseButton::mbRight, 1, 1);
  EXPECT_EQ(f.endTitleMs, 0);
  f.FormMouseDown(TMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(std::tuple(f.endTitleMs, f.endFadeMs, f.endHoldTicks, f.endLastTicks, f.endFadeStep),
            std::tuple(400, 45, 45, 30, uint8_t(15)));
  f.FormMouseUp(TMouseButton::mbLeft, 1, 1);
  EXPECT_EQ(std::tuple(f.endTitleMs, f.endFadeMs, f.endHoldTicks, f.endLastTicks, f.endFadeStep),
            std::tuple(910, 115, 90, 59, uint8_t(5)));
}

TEST_F(Window, ChoosingAnAlternateAndBack) {
  TForm1& f = start();
  f.charSlot = 1;
  f.applyCharacter(TMouseButton::mbMiddle);
  EXPECT_EQ(f.reach1W, 0);
  f.applyCharacter(TMouseButton::mbRight);
  EXPECT_EQ(f.altChar, 1);
  EXPECT_EQ(std::tuple(f.reach1W, f.reach3W, f.reach5I, f.reach8I), std::tuple(180, 160, 130, 100));
  EXPECT_EQ(std::tuple(f.cost1W, f.cost3W, f.cost5I, f.cost8I, f.costPT1, f.costPT2),
            std::tuple(100, 80, 70, 50, 20, 10));
  EXPECT_EQ(f.nmMina->Caption(), "・Pizza Happy");
  EXPECT_EQ(f.nmLabel->Caption(), "ピザハッピーマン");
  EXPECT_EQ(f.powLabel->Caption(), "★");
  EXPECT_EQ(f.face->PictureName(), "ImgHCYPHM");
  EXPECT_EQ(f.ImgSpe->PictureName(), "Imgspe1_2");
  EXPECT_EQ(f.nmMina->Color(), 0xFF4E4Eu);
  EXPECT_EQ(f.waku->Width(), 107);
  f.applyCharacter(TMouseButton::mbLeft);
  EXPECT_EQ(f.altChar, 0);
  EXPECT_EQ(f.nmMina->Caption(), "・M. Ichinose");
  EXPECT_EQ(f.reach1W, 200);
  EXPECT_EQ(f.reachPT1, 30);
  EXPECT_EQ(f.reachPT2, 15);
}

TEST_F(Window, LockedAndOtherSlots) {
  TForm1& f = start();
  f.charSlot = 6;
  f.applyCharacter(TMouseButton::mbRight);
  EXPECT_EQ(f.reach1W, 0);
  f.ImgSpe->SetPicture(*f.Imgspe4);
  f.applyCharacter(TMouseButton::mbLeft);
  EXPECT_EQ(f.specialStock, 0);
  EXPECT_EQ(f.priceSpecial, 0);
  EXPECT_EQ(f.ImgSpe->PictureName(), "Imgspe4");  // Hatao has no banner of his own
  f.charSlot = 3;
  f.applyCharacter(TMouseButton::mbLeft);
  EXPECT_EQ(f.waku->Width(), 135);
  EXPECT_EQ(f.windWaitsPerHole, 2);
}

TEST_F(Window, HoleStartShowsTheHoleAndWaitingForTheWind) {
  TForm1& f = start();
  Randomize(7);
  f.charSlot = 1;
  f.applyCharacter(TMouseButton::mbLeft);
  f.courseKind = 2;
  f.holeNo = 2;
  f.points = 1300;
  f.holestart();
  EXPECT_EQ(f.holeLength, 155);
  EXPECT_EQ(f.yd1->Caption(), "155");
  EXPECT_EQ(f.valpar->Caption(), "3");
  EXPECT_EQ(f.valhl->Caption(), "2");
  EXPECT_EQ(f.ussp->Caption(), "特 3");
  EXPECT_TRUE(f.ussp->Enabled());
  EXPECT_EQ(f.Lbmpt1->Caption(), "-90");
  EXPECT_EQ(f.Lbmpt6->Caption(), "-0");
  EXPECT_EQ(f.windValue <= -3 && f.windValue >= -7, true);
  EXPECT_EQ(f.plmi->Caption(), "－");
  EXPECT_EQ(f.shot->Caption(), "打つ");
  EXPECT_FALSE(f.shot->Enabled());
  EXPECT_FALSE(f.Radio5->Enabled());
  EXPECT_TRUE(f.Radio1->Enabled());
  EXPECT_TRUE(f.Box1->Visible());
  EXPECT_EQ(f.chikei->PictureName(), "Imgfair");
  EXPECT_EQ(f.gauge->Color(), 0xFF0000u);
  EXPECT_EQ(f.wndcont->Caption(), "7");

  // Seven waits, each a new value, then the button gives out.
  for (int i = 0; i < 7; ++i) {
    int8_t old = f.windValue;
    f.wndcontClick();
    EXPECT_NE(f.windValue, old);
    EXPECT_EQ(f.valplmi->Caption(), QString::number(-f.windValue));
  }
  EXPECT_EQ(f.windWaitsLeft, 0);
  EXPECT_FALSE(f.wndcont->Enabled());
  EXPECT_TRUE(f.wndcont->Visible());
}

TEST_F(Window, CalmHoleAndImpossibleEditedWindsEnd) {
  TForm1& f = start();
  f.courseKind = 3;
  f.holeNo = 1;
  f.editLength[1] = 300;
  f.editPar[1] = 4;
  f.editGreen[1] = 10;
  f.editWindKind[1] = 2;
  f.editWindFrom[1] = 7;  // out of order: only what a damaged file can hold
  f.editWindTo[1] = 2;
  f.windWaitsPerHole = 3;
  f.holestart();
  EXPECT_EQ(f.windValue, 7);
  f.wndcontClick();
  EXPECT_EQ(f.windValue, 7);
  f.windKind = 0;
  f.windLow = f.windHigh = 0;
  f.wndcontClick();
  EXPECT_EQ(f.windValue, 0);
  EXPECT_EQ(f.plmi->Caption(), "±");
  EXPECT_EQ(f.windWaitsLeft, 1);
}

TEST_F(Window, TakenBackWindComesFromTheCourse) {
  TForm1& f = start();
  f.courseKind = 1;
  f.holeNo = 5;
  f.windKind = 3;  // the slope triple of the green
  f.windLow = 1;
  f.windHigh = 4;
  f.windWaitsLeft = 2;
  f.kazemodoshi();
  EXPECT_EQ(std::tuple(f.windKind, f.windLow, f.windHigh),
            std::tuple(int8_t(1), int8_t(5), int8_t(5)));
  EXPECT_EQ(f.wndcont->Caption(), "2");
}

}  // namespace
