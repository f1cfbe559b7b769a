// The menu screens from the title to a chosen course: the title menu, the
// character grid with its information panel, and the course list.
#include "app/TForm1.h"
#include "model/characters.h"

namespace {

struct GridPlace {
  int left, top;
};
// Where the hover frame goes over each portrait: one pixel up and left of it.
constexpr GridPlace kFramePlaces[7] = {{0, 0},    {11, 33},   {109, 33}, {207, 33},
                                       {11, 131}, {109, 131}, {207, 131}};

}  // namespace

// ---- title menu

void TForm1::ImgstartMouseMove(int, int) {
  Imgstart->SetPicture(*Imgstart2);
  Imgedit->SetPicture(*Imgedit1);
}

void TForm1::ImgeditMouseMove(int, int) {
  Imgstart->SetPicture(*Imgstart1);
  Imgedit->SetPicture(*Imgedit2);
}

void TForm1::ImgstartClick() {
  if (phase != 0) return;
  // No click may reach the grid while the music starts and messages run.
  setEnabled(false);
  Imgstart->Hide();
  Imgedit->Hide();
  playEffect(2);
  startTrack(1);
  Application::instance().ProcessMessages();
  phase = 1;
  face->SetLeft(16);
  face->SetTop(44);
  for (TGroupBox* box : {Box1, Box2, Box3}) {
    box->SetLeft(135);
    box->SetTop(47);
  }
  for (TControl* c : std::initializer_list<TControl*>{title, title2, copyi, copyy}) c->Hide();
  for (TControl* c : std::initializer_list<TControl*>{Shape1, Shape2, Shape6, chara1, chara2,
                                                      chara3, chara4, chara5, chara6})
    c->Show();
  // The ending fades the credits in from black.
  endFadeLevel = 0;
  for (TLabel* l :
       {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10})
    l->SetColor(0x000000);
  character->Show();
  course->Show();
  sele->Show();
  setEnabled(true);
}

// ---- character grid

void TForm1::charaMouseMove(uint8_t slot) {
  Imgwaku->SetLeft(kFramePlaces[slot].left);
  Imgwaku->SetTop(kFramePlaces[slot].top);
  Imgwaku->Show();

  const uint8_t unlocked[7] = {
      0, 1, 1, tsuzuruUnlocked, kyokoUnlocked, philipUnlocked, hataoUnlocked};
  if (unlocked[slot] != 1) {
    for (TLabel* l : {nmLabel, Lbwan, Lbkiyo, Lbtochi, powLabel, techLabel, geoLabel, speLabel})
      l->SetCaption("");
    charSlot = 0;
    return;
  }
  // The hover shows the main golfer of the slot, never its alternate.
  const CharacterRow& row = *characterRow(slot, 0);
  showCharacterPanel(row);
  charSlot = slot;
}

void TForm1::chara1MouseMove(int, int) { charaMouseMove(1); }
void TForm1::chara2MouseMove(int, int) { charaMouseMove(2); }
void TForm1::chara3MouseMove(int, int) { charaMouseMove(3); }
void TForm1::chara4MouseMove(int, int) { charaMouseMove(4); }
void TForm1::chara5MouseMove(int, int) { charaMouseMove(5); }
void TForm1::chara6MouseMove(int, int) { charaMouseMove(6); }

// The frame lies above the portraits, so every press on a framed portrait
// arrives here.
void TForm1::ImgwakuMouseDown(TMouseButton b, int, int) {
  if (charSlot == 0) {
    if (b == TMouseButton::mbLeft) playEffect(3);
    return;
  }
  const bool chosen = b == TMouseButton::mbLeft || (b == TMouseButton::mbRight && charSlot <= 2);
  if (!chosen) return;
  applyCharacter(b);
  playEffect(2);
  phase = 2;
  Shape6->Hide();
  Imgwaku->Hide();
  face->Show();
  Visoff1();
  Application::instance().ProcessMessages();
}

void TForm1::Visoff1() {
  Imgprac->SetPicture(*Imgprac1);
  Imgchamp->SetPicture(*Imgchamp1);
  Imgedtd->SetPicture(*Imgedtd1);
  Imgprac->Show();
  Imgchamp->Show();
  Imgedtd->SetVisible(editorUnlocked == 1);

  for (TImage* c : {chara1, chara2, chara3, chara4, chara5, chara6, character}) c->Hide();

  Shape4->Show();
  valpts->Show();
  ptsLabel->Show();

  // The lie shown before the first shot.
  chikei->SetPicture(*Imgfair);

  Radio1->SetCaption(QString("1W %1 yd").arg(reach1W));
  Radio2->SetCaption(QString("3W %1 yd").arg(reach3W));
  Radio3->SetCaption(QString("5I %1 yd").arg(reach5I));
  Radio4->SetCaption(QString("8I %1 yd").arg(reach8I));
  Radio5->SetCaption(QString("PT %1 m").arg(reachPT1));
  Radio6->SetCaption(QString("PT %1 m").arg(reachPT2));
}

// ---- course list

void TForm1::courseMouseMove(uint8_t kind) {
  Imgprac->SetPicture(kind == kPracticeCourse ? *Imgprac2 : *Imgprac1);
  Imgchamp->SetPicture(kind == kChampionshipCourse ? *Imgchamp2 : *Imgchamp1);
  Imgedtd->SetPicture(kind == kEditedCourse ? *Imgedtd2 : *Imgedtd1);
  ptsLabel->SetCaption("pts");
  switch (kind) {
    case kPracticeCourse:
      valpts->SetCaption("1600");
      valhls->SetCaption("6");
      break;
    case kChampionshipCourse:
      valpts->SetCaption("1300");
      valhls->SetCaption("9");
      break;
    default:
      // The edited course's points are known only once its file is read.
      valpts->SetCaption("????");
      valhls->SetCaption("6");
      break;
  }
  hlsLabel->SetCaption("ホール数：");
}

void TForm1::ImgpracMouseMove(int, int) { courseMouseMove(kPracticeCourse); }
void TForm1::ImgchampMouseMove(int, int) { courseMouseMove(kChampionshipCourse); }
void TForm1::ImgedtdMouseMove(int, int) { courseMouseMove(kEditedCourse); }

void TForm1::ImgpracClick() {
  normalCourseSelected();
  courseKind = kPracticeCourse;
  points = 1600;
}

void TForm1::ImgchampClick() {
  normalCourseSelected();
  courseKind = kChampionshipCourse;
  points = 1300;
}

void TForm1::normalCourseSelected() {
  playEffect(2);
  phase = 3;
  for (TImage* c : {Imgprac, Imgchamp, Imgedtd, course, sele}) c->Hide();
  // valpts keeps the hover text: the chosen course's starting points.
  Lbformat->Show();
  yes->Show();
  no->Show();
  ready->Show();
}

void TForm1::ImgedtdClick() {
  playEffect(2);
  phase = 3;
  for (TImage* c : {Imgprac, Imgchamp, Imgedtd, course, sele}) c->Hide();
  EditCs->Show();
  EditCs->SetEnabled(true);
  EditCs->SetFocus();
  entr->Show();
  ok->Show();
  courseKind = kEditedCourse;
}
