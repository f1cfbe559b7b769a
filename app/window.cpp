// The main window: creation, destruction, the title bar and its buttons,
// and the form-wide mouse handlers.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <cstring>

#include "app/TForm1.h"
#include "app/layout.h"
#include "app/style.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/random.h"

TForm1::TForm1() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  std::memset(static_cast<ProgressRecord*>(this), 0, sizeof(ProgressRecord));
  std::memset(static_cast<EditedCourseRecord*>(this), 0, sizeof(EditedCourseRecord));
  setObjectName("Form1");
  setWindowTitle("Pinvale");
  setAutoFillBackground(true);
  style::apply(this);
  setMouseTracking(true);
  resize(layout::kDesignWidth, layout::kDesignHeight);
  Timer1 = new TTimer(60);
  buildControls();
  bindHandlers();
  dialogs::setOwner(this);
}

TForm1::~TForm1() {
  FormDestroy();
  dialogs::setOwner(nullptr);
  delete Timer1;
}

// Where window creation puts the controls parked outside the window.
namespace {

struct Place {
  const char* name;
  int left, top;
};

const Place kRunTimePlaces[] = {
    {"title", 152, 40},   {"title2", 24, 153},    {"copyi", 365, 252},     {"copyy", 409, 252},
    {"chara1", 12, 34},   {"chara2", 110, 34},    {"chara3", 208, 34},     {"chara4", 12, 132},
    {"chara5", 110, 132}, {"chara6", 208, 132},   {"character", 239, 246}, {"course", 269, 246},
    {"sele", 339, 246},   {"ready", 144, 102},    {"entr", 130, 102},      {"yes", 167, 128},
    {"no", 215, 128},     {"ok", 218, 121},       {"Imgstart", 279, 172},  {"Imgedit", 279, 198},
    {"Imgprac", 148, 82}, {"Imgchamp", 148, 110}, {"Imgedtd", 148, 138},
};

}  // namespace

void TForm1::FormCreate() {
  Randomize();

  // Qt paints every widget double-buffered already.
  setFixedSize(layout::kWindowWidth, layout::kWindowHeight);

  toji->SetPicture(*tojiA);
  chiji->SetPicture(*chijiA);
  Imgstart->SetPicture(*Imgstart1);
  Imgedit->SetPicture(*Imgedit1);

  for (const Place& p : kRunTimePlaces) {
    TControl* c = controlByName(p.name);
    c->SetLeft(p.left);
    c->SetTop(p.top);
  }

  // A save cut short (a crash, a kill) leaves its temporary file behind.
  for (const char* folder : {"dat", "edit", "record"}) removeSaveLeftovers(folder);

  bgmOn = 1;
  dLoad();
  dLoad2();
  // The box is on in the layout; clearing it here must not run the switch,
  // which would save at every start.
  if (bgmOn == 0) Check1->SetChecked(false, false);

  if (editorUnlocked == 1) Imgedit->Show();

  chara3->SetPicture(tsuzuruUnlocked ? *imgtdr : *unknown);
  chara4->SetPicture(kyokoUnlocked ? *imgkyk : *unknown);
  chara5->SetPicture(philipUnlocked ? *imgplp : *unknown);
  chara6->SetPicture(hataoUnlocked ? *imght : *unknown);

  TLabel* labels[] = {r1,  r2,  r3,  w1,  w2,  w3,  b1,  b2,  b3,
                      rd1, rd2, rd3, wd1, wd2, wd3, bd1, bd2, bd3};
  TShape* bars[] = {arrough1,  arrough2,  arrough3,  arwater1,   arwater2,   arwater3,
                    arbunker1, arbunker2, arbunker3, arroughh1,  arroughh2,  arroughh3,
                    arwaterr1, arwaterr2, arwaterr3, arbunkerr1, arbunkerr2, arbunkerr3};
  for (int i = 1; i <= 18; ++i) {
    mapLabels[i] = labels[i - 1];
    mapBars[i] = bars[i - 1];
  }
}

void TForm1::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  Application::instance().clearIdle();
  StopBGM();
  StopSE();
}

void TForm1::closeEvent(QCloseEvent* e) {
  // Closing detaches the frame handler first, then the window goes.
  Application::instance().clearIdle();
  FormDestroy();
  e->accept();
}

// The title bar picture ends at the bar's buttons; the bar itself goes on
// under them to the window's right edge, continued from the picture's last
// column so there is no gap behind the buttons.
void TForm1::paintEvent(QPaintEvent*) {
  const QPixmap& bar = winmove->Pixmap();
  const int from = winmove->Left() + winmove->Width();
  if (bar.isNull() || !winmove->Visible() || from >= width()) return;
  QPainter p(this);
  p.drawPixmap(QRect(from, winmove->Top(), width() - from, winmove->Height()), bar,
               QRect(bar.width() - 1, 0, 1, bar.height()));
}

// ---- title bar

void TForm1::winmoveMouseDown(TMouseButton b, int x, int y) {
  if (b == TMouseButton::mbLeft) beginTitleDrag(x, y);
}

void TForm1::winmoveMouseUp(TMouseButton b, int, int) {
  if (b == TMouseButton::mbLeft) titleDrag = 0;
}

void TForm1::winmoveMouseMove(int x, int y) { titleDragMove(winmove, x, y); }

void TForm1::beginTitleDrag(int x, int y) {
  titleDrag = 1;
  dragFrom_ = QPoint(x, y);
  dragByHand_ = false;
}

void TForm1::titleDragMove(const TControl* by, int x, int y) {
  if (titleDrag != 1) return;
  // The button went up where the window could not see it (the window system
  // kept the release): the drag is over.
  if (!by->LeftHeld()) {
    titleDrag = 0;
    return;
  }
  if (!dragByHand_) {
    // The press is handed to the window system once. It moves the window
    // and keeps the release for itself, so the game's part of the drag ends
    // here and no later move can start another.
    if (QWindow* w = windowHandle(); w && w->startSystemMove()) {
      titleDrag = 0;
      return;
    }
    // No window manager to hand it to: the window follows the pointer
    // while the button is held.
    dragByHand_ = true;
  }
  move(pos() + QPoint(x, y) - dragFrom_);
}

// The ending is the one screen without the music switch.
bool TForm1::onEndingScreen() const { return !Check1->Visible(); }

void TForm1::tojiMouseDown(TMouseButton b, int, int) {
  if (b == TMouseButton::mbLeft) toji->SetPicture(*tojiB);
}

void TForm1::tojiMouseUp(TMouseButton b, int, int) {
  if (b != TMouseButton::mbLeft) return;
  toji->SetPicture(*tojiA);
  Application::instance().clearIdle();
  close();
}

void TForm1::chijiMouseDown(TMouseButton b, int, int) {
  if (b == TMouseButton::mbLeft) chiji->SetPicture(*chijiB);
}

void TForm1::chijiMouseUp(TMouseButton b, int, int) {
  if (b != TMouseButton::mbLeft) return;
  chiji->SetPicture(*chijiA);
  showMinimized();
}

// ---- the window background

void TForm1::FormMouseMove(int, int) {
  switch (phase) {
    case 0:
      Imgstart->SetPicture(*Imgstart1);
      Imgedit->SetPicture(*Imgedit1);
      break;
    case 1:
      Imgwaku->Hide();
      for (TLabel* l : {nmLabel, Lbwan, Lbkiyo, Lbtochi, powLabel, techLabel, geoLabel, speLabel})
        l->SetCaption("");
      break;
    case 2:
      Imgprac->SetPicture(*Imgprac1);
      Imgchamp->SetPicture(*Imgchamp1);
      Imgedtd->SetPicture(*Imgedtd1);
      for (TLabel* l : {ptsLabel, valpts, hlsLabel, valhls}) l->SetCaption("");
      break;
    default:
      break;
  }
}

// Holding the left button anywhere on the ending screen runs it faster.
void TForm1::FormMouseDown(TMouseButton b, int, int) {
  if (b != TMouseButton::mbLeft) return;
  endTitleMs = 400;
  endFadeMs = 45;
  endHoldTicks = 45;
  endLastTicks = 30;
  endFadeStep = 15;
}

void TForm1::FormMouseUp(TMouseButton b, int, int) {
  if (b != TMouseButton::mbLeft) return;
  endTitleMs = 910;
  endFadeMs = 115;
  endHoldTicks = 90;
  endLastTicks = 59;
  endFadeStep = 5;
}

void TForm1::mousePressEvent(QMouseEvent* e) {
  FormMouseDown(toButton(e->button()), e->position().toPoint().x(), e->position().toPoint().y());
}

void TForm1::mouseReleaseEvent(QMouseEvent* e) {
  FormMouseUp(toButton(e->button()), e->position().toPoint().x(), e->position().toPoint().y());
}

void TForm1::mouseMoveEvent(QMouseEvent* e) {
  FormMouseMove(e->position().toPoint().x(), e->position().toPoint().y());
}
