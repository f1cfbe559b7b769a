// The small dialogs between the course list and the first shot: the
// nickname, the edited course's name with its loading, and the start dialog.
#include "app/TForm1.h"
#include "model/characters.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

const char kCourseNameKeys[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

bool isCourseNameChar(char16_t c) {
  for (const char* k = kCourseNameKeys; *k; ++k)
    if (c == static_cast<char16_t>(*k)) return true;
  return false;
}

}  // namespace

// ---- nickname

void TForm1::LabelNameMouseDown(TMouseButton b, int x, int y) {
  if (b == TMouseButton::mbRight) {
    LabelName->SetCaption(
        InputBox("NAME ENTRY", "Please enter your nickname", LabelName->Caption()));
  } else if (b == TMouseButton::mbLeft) {
    FormMouseDown(b, x, y);
    // The nickname covers the right half of the title bar; a press there
    // takes the window along as the bar does, except on the ending, where
    // holding the button only winds the ending forward.
    if (LabelName->Top() + y < winmove->Top() + winmove->Height() && !onEndingScreen())
      beginTitleDrag(x, y);
  }
}

void TForm1::LabelNameMouseUp(TMouseButton b, int x, int y) {
  if (b != TMouseButton::mbLeft) return;
  FormMouseUp(b, x, y);
  titleDrag = 0;
}

void TForm1::LabelNameMouseMove(int x, int y) { titleDragMove(LabelName, x, y); }

// ---- course-name entry

void TForm1::EditCsKeyPress(char16_t& key) {
  if (key == 8 || isCourseNameChar(key))
    playEffect(20);
  else
    key = 0;
}

void TForm1::okClick() {
  playCourseName = EditCs->Text();
  if (playCourseName.isEmpty()) {
    playEffect(2);
    backToCourseSelect();
    return;
  }
  // The keys let only letters and digits in, but a pasted name could carry
  // anything, a path included; such a name never reaches the file system.
  const bool loaded = isCourseName(playCourseName) &&
                      readFileInto(courseFilePath(playCourseName),
                                   static_cast<EditedCourseRecord*>(this), kCourseFileSize) >= 0;
  if (!loaded) {
    ShowMessage("ロードできませんでした");
    backToCourseSelect();
    return;
  }
  playEffect(2);
  entr->Hide();
  EditCs->SetText("");
  EditCs->Hide();
  EditCs->SetEnabled(false);
  ok->Hide();
  Lbformat->Show();
  ready->Show();
  yes->Show();
  no->Show();
  valpts->SetCaption(editPoints);
  points = editPoints;
  courseKind = kEditedCourse;
}

void TForm1::backToCourseSelect() {
  entr->Hide();
  EditCs->SetText("");
  EditCs->Hide();
  EditCs->SetEnabled(false);
  ok->Hide();
  Imgprac->SetPicture(*Imgprac1);
  Imgchamp->SetPicture(*Imgchamp1);
  Imgedtd->SetPicture(*Imgedtd1);
  Imgprac->Show();
  Imgchamp->Show();
  Imgedtd->Show();
  course->Show();
  sele->Show();
  phase = 2;
}

// ---- start dialog

void TForm1::yesClick() {
  playEffect(2);
  Lbformat->Hide();

  uint8_t track = 2;
  if (courseKind == kChampionshipCourse)
    track = 3;
  else if (courseKind == kEditedCourse)
    track = editBgm[1];
  startTrack(track);

  phase = 4;
  ready->Hide();
  yes->Hide();
  no->Hide();

  Visoff2();

  scoreToPar = 0;
  holeNo = 1;
  holeInOnes = fourUnderHoles = albatrosses = eagles = birdies = 0;

  if (const CharacterRow* row = characterRow(charSlot, altChar))
    if (auto* large = dynamic_cast<TImage*>(controlByName(row->largePicture)))
      Img->SetPicture(*large);

  holestart();
  Map();
}

void TForm1::Visoff2() {
  nmLabel->Hide();
  hlLabel->Show();
  valhl->Show();
  for (TLabel* l : {Lbwan, Lbkiyo, Lbtochi, powLabel, techLabel, geoLabel, speLabel}) l->Hide();
  for (TControl* c : std::initializer_list<TControl*>{
           moji,     Box1,  Lbzen, Lbrest, Lbhikyo, yd1,    yd2,    yd3,    ydLabel1, ydLabel2,
           ydLabel3, gauge, waku,  scale1, scale2,  scale3, scale4, scale5, scale50,  scale100})
    c->Show();
  scale6->SetVisible(charSlot == 3 || charSlot == 6);
  for (TButton* c : {shot, wndcont, vwcourse, ussp}) c->Show();
}

void TForm1::noClick() {
  playEffect(2);
  phase = 1;
  charSlot = 0;
  courseKind = 0;
  for (TControl* c :
       std::initializer_list<TControl*>{ready, yes, no, Lbformat, ptsLabel, valpts, Shape4})
    c->Hide();
  Shape6->Show();
  face->Hide();
  for (TImage* c : {chara1, chara2, chara3, chara4, chara5, chara6, character, course, sele})
    c->Show();
  moji->Hide();
  for (TLabel* l : {nmMina, nmSouma, nmTsuduru, nmKyoko, nmPhilip, nmHatao, scMina, scSouma,
                    scTsuduru, scKyoko, scPhilip, scHatao})
    l->SetColor(0xFFFFFF);
  for (TLabel* l :
       {nmLabel, Lbwan, Lbkiyo, Lbtochi, powLabel, techLabel, geoLabel, speLabel, hlsLabel, valhls})
    l->SetCaption("");
}
