// The course editor screen: entering it from the title, the key filters of
// its fields, the buttons that follow an edit, stepping between the six
// holes, choosing each hole's music, and leaving it again.
#include <cstring>

#include "app/TForm1.h"
#include "sound/tracks.h"

namespace {

const char kDigitKeys[] = "0123456789";
const char kWindKeys[] = "+-0123456789";
const char kSlopeKeys[] = "+-012345";
const char kNameKeys[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

constexpr int kLetterCount = sizeof(kMusicLetters) - 1;

// Position of the caption's letter among the eighteen, or -1.
int letterIndex(const QString& caption) {
  if (caption.size() != 1) return -1;
  const char16_t c = caption[0].unicode();
  for (int i = 0; i < kLetterCount; ++i)
    if (c == static_cast<char16_t>(kMusicLetters[i])) return i;
  return -1;
}

QString shortText(const ShortString& s) { return QString::fromLatin1(s.chars, s.len); }

}  // namespace

// ---- entering from the title

void TForm1::ImgeditClick() {
  for (TControl* c :
       std::initializer_list<TControl*>{Imgstart, Imgedit, title, title2, copyi, copyy, LabelName})
    c->Hide();
  playEffect(2);
  // The empty editor: hole 1, music "A", every field at its starting value.
  // The record itself keeps whatever it holds.
  msc->SetCaption("A");
  editHole = 1;
  hllb->SetCaption("1 番 ホール");
  coursnm->SetText("");
  epts->SetText("800");
  ezen->SetText("100");
  epar->SetText("2");
  egrn->SetText("3");
  for (TEdit* e : {ewnda, ewndz, eslpa, eslpz, e1,  e2,  e3,  e4,  e5,  e6,  e7,
                   e8,    e9,    e10,   e11,   e12, e13, e14, e15, e16, e17, e18})
    e->SetText("0");
  startTrack(2);
  Application::instance().ProcessMessages();
  Btbck->SetEnabled(false);
  Btfwd->SetEnabled(false);
  Box4->SetLeft(7);
  Box4->SetTop(20);
  Box4->Show();
  Box4->SetEnabled(true);
  imp->Show();
  confirm->Show();
  confirm->SetEnabled(true);
  btload->Show();
  btload->SetEnabled(false);
  btsave->Show();
  btsave->SetEnabled(false);
  coursnm->SetFocus();
}

// ---- key filters

void TForm1::checkKeyAccept(char16_t& key, const char* allowed) {
  if (key == 8) return;
  for (const char* k = allowed; *k; ++k)
    if (key == static_cast<char16_t>(*k)) return;
  key = 0;
}

void TForm1::e1KeyPress(char16_t& key) { checkKeyAccept(key, kDigitKeys); }
void TForm1::ewndaKeyPress(char16_t& key) { checkKeyAccept(key, kWindKeys); }
void TForm1::eslpaKeyPress(char16_t& key) { checkKeyAccept(key, kSlopeKeys); }
void TForm1::coursnmKeyPress(char16_t& key) { checkKeyAccept(key, kNameKeys); }

// ---- edits

// An edited number has to be confirmed before the hole can be saved or left.
void TForm1::ezenChange() {
  btsave->SetEnabled(false);
  Btbck->SetEnabled(false);
  Btfwd->SetEnabled(false);
}

// Only a confirmation enables saving; the name alone allows loading.
void TForm1::coursnmChange() {
  if (coursnm->Text().isEmpty()) {
    btload->SetEnabled(false);
    btsave->SetEnabled(false);
  } else {
    btload->SetEnabled(true);
  }
  editCourseName = coursnm->Text().left(255);
}

void TForm1::confirmClick() { kakunin(); }

// ---- holes

void TForm1::BtfwdClick() {
  if (editHole >= 6) return;
  ++editHole;
  changeEditHole();
}

void TForm1::BtbckClick() {
  if (editHole <= 1) return;
  --editHole;
  changeEditHole();
}

void TForm1::changeEditHole() {
  for (TButton* b : {confirm, btload, btsave, toji4, Btup, Btdw}) b->SetEnabled(false);
  hllb->SetCaption(QString("%1 番 ホール").arg(editHole));
  arfairr1->Hide();
  for (int i = 10; i <= 18; ++i) mapBars[i]->Hide();
  argreenn->Hide();

  const int h = editHole;
  epts->SetText(QString::number(editPoints));
  ezen->SetText(QString::number(editLength[h]));
  epar->SetText(QString::number(editPar[h]));
  egrn->SetText(QString::number(editGreen[h]));
  ewnda->SetText(QString::number(editWindFrom[h]));
  ewndz->SetText(QString::number(editWindTo[h]));
  eslpa->SetText(QString::number(editSlopeFrom[h]));
  eslpz->SetText(QString::number(editSlopeTo[h]));
  const Arr<int16_t, 1, 6>* ranges[18] = {
      &editRough1From, &editRough1To,    &editRough2From,  &editRough2To,   &editRough3From,
      &editRough3To,   &editWater1From,  &editWater1To,    &editWater2From, &editWater2To,
      &editWater3From, &editWater3To,    &editBunker1From, &editBunker1To,  &editBunker2From,
      &editBunker2To,  &editBunker3From, &editBunker3To};
  TEdit* fields[18] = {e1,  e2,  e3,  e4,  e5,  e6,  e7,  e8,  e9,
                       e10, e11, e12, e13, e14, e15, e16, e17, e18};
  for (int i = 0; i < 18; ++i) fields[i]->SetText(QString::number((*ranges[i])[h]));
  Btbck->SetEnabled(false);
  Btfwd->SetEnabled(false);

  // The music goes on undisturbed when the hole keeps the piece playing.
  if (editBgm[h] != bgmTrack) {
    msc->SetCaption(shortText(editBgmLetter[h]).toUpper());
    startTrack(editBgm[h]);
  }
  Application::instance().ProcessMessages();

  confirm->SetEnabled(true);
  coursnmChange();
  toji4->SetEnabled(true);
  Btup->SetEnabled(true);
  Btdw->SetEnabled(true);
  kakunin();
}

// ---- music

void TForm1::stepMusic(int step) {
  for (TButton* b : {Btup, Btdw, btsave, Btbck, Btfwd}) b->SetEnabled(false);
  const int i = letterIndex(msc->Caption());
  if (i >= 0) {
    const char next = kMusicLetters[(i + step + kLetterCount) % kLetterCount];
    msc->SetCaption(QString(QChar(next)));
    bgmTrack = letterTrack(next);
  }
  startTrack(bgmTrack);
  Application::instance().ProcessMessages();
  Btup->SetEnabled(true);
  Btdw->SetEnabled(true);
}

void TForm1::BtupClick() { stepMusic(1); }
void TForm1::BtdwClick() { stepMusic(-1); }

// ---- leaving

void TForm1::toji4Click() {
  bgmTrack = 0;
  StopBGM();
  Box4->Hide();
  Box4->SetEnabled(false);
  imp->Hide();
  confirm->Hide();
  confirm->SetEnabled(false);
  btload->Hide();
  btsave->Hide();
  arfairr1->Hide();
  for (int i = 10; i <= 18; ++i) mapBars[i]->Hide();
  argreenn->Hide();

  // Every hole back to nothing; the name and the two spare bytes stay.
  EditedCourseRecord& r = *this;
  const uint8_t reserved[2] = {r.editReserved[0], r.editReserved[1]};
  ShortString letters[6];
  for (int h = 1; h <= 6; ++h) letters[h - 1] = r.editBgmLetter[h];
  std::memset(&r, 0, sizeof r);
  // Emptying a letter clears its length only, as the file format keeps it.
  for (int h = 1; h <= 6; ++h) {
    r.editBgmLetter[h] = letters[h - 1];
    r.editBgmLetter[h].len = 0;
  }
  r.editReserved[0] = reserved[0];
  r.editReserved[1] = reserved[1];

  title->Show();
  title2->Show();
  Imgstart->SetPicture(*Imgstart1);
  Imgedit->SetPicture(*Imgedit1);
  Imgstart->Show();
  Imgedit->Show();
  copyi->Show();
  copyy->Show();
  LabelName->Show();
}
