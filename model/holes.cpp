// The hole being played: loading its record, starting it, and the wind.
#include "app/TForm1.h"
#include "platform/numbers.h"
#include "platform/random.h"

namespace {

int randomDraw(int n) { return Random(n); }

}  // namespace

HoleData TForm1::courseHole(uint8_t hole) const {
  if (courseKind != kEditedCourse) return builtinHole(courseKind, hole);
  HoleData h{};
  if (hole < 1 || hole > 6) return h;
  // A course file is read without a check and its holes are played as the
  // file has them, however long, short or odd: the rules of play hold for
  // any value of the fields' types. Only the par is narrower in play (a
  // byte) than in the file; it is held at 0..255.
  h.par = saturate<uint8_t>(editPar[hole]);
  h.length = editLength[hole];
  h.green = editGreen[hole];
  h.rough[0] = {editRough1From[hole], editRough1To[hole]};
  h.rough[1] = {editRough2From[hole], editRough2To[hole]};
  h.rough[2] = {editRough3From[hole], editRough3To[hole]};
  h.water[0] = {editWater1From[hole], editWater1To[hole]};
  h.water[1] = {editWater2From[hole], editWater2To[hole]};
  h.water[2] = {editWater3From[hole], editWater3To[hole]};
  h.bunker[0] = {editBunker1From[hole], editBunker1To[hole]};
  h.bunker[1] = {editBunker2From[hole], editBunker2To[hole]};
  h.bunker[2] = {editBunker3From[hole], editBunker3To[hole]};
  h.wind = editedRule(editWindKind[hole], editWindFrom[hole], editWindTo[hole]);
  h.slope = editedRule(editSlopeKind[hole], editSlopeFrom[hole], editSlopeTo[hole]);
  return h;
}

HoleData TForm1::currentHole() const {
  HoleData h{};
  h.par = par;
  h.length = holeLength;
  h.green = greenSize;
  for (int k = 1; k <= 3; ++k) {
    h.rough[k - 1] = {roughFrom[k], roughTo[k]};
    h.water[k - 1] = {waterFrom[k], waterTo[k]};
    h.bunker[k - 1] = {bunkerFrom[k], bunkerTo[k]};
  }
  h.wind = {windKind, windLow, windHigh};
  return h;
}

void TForm1::Holeinfo() {
  const HoleData h = courseHole(holeNo);
  par = h.par;
  holeLength = h.length;
  remaining = h.length;
  greenSize = h.green;
  for (int k = 1; k <= 3; ++k) {
    roughFrom[k] = h.rough[k - 1].from;
    roughTo[k] = h.rough[k - 1].to;
    waterFrom[k] = h.water[k - 1].from;
    waterTo[k] = h.water[k - 1].to;
    bunkerFrom[k] = h.bunker[k - 1].from;
    bunkerTo[k] = h.bunker[k - 1].to;
  }
  windKind = h.wind.kind;
  windLow = h.wind.low;
  windHigh = h.wind.high;

  windValue = 20;
  travelled = 0;

  club->SetCaption("");
  chikei->SetPicture(*Imgfair);
  gauge->SetColor(0xFF0000);
  valhl->SetCaption(holeNo);
  position->SetLeft(2);
  position->Show();
}

void TForm1::holestart() {
  holePoints = chipInBonus = ballPos = flightPos = prevPos = 0;
  savedStrokeNo = 0;
  holeStartPoints = 0;
  savedRemaining = 0;
  savedLie = 0;
  lie = kFairway;
  strokeNo = 1;
  windWaitsLeft = windWaitsPerHole;

  Holeinfo();

  Box1->Show();
  Box2->Hide();
  Box3->Hide();
  toji2->Show();

  Lbspe->SetCaption("");
  ussp->SetCaption(QString("特 %1").arg(specialStock));
  windLabel->SetCaption("風：");
  ydLabel2->SetCaption("yd");
  ydLabel3->SetCaption("yd");
  Lbmpt1->SetCaption(QString("-%1").arg(cost1W));
  Lbmpt2->SetCaption(QString("-%1").arg(cost3W));
  Lbmpt3->SetCaption(QString("-%1").arg(cost5I));
  Lbmpt4->SetCaption(QString("-%1").arg(cost8I));
  Lbmpt5->SetCaption(QString("-%1").arg(costPT1));
  Lbmpt6->SetCaption(QString("-%1").arg(costPT2));
  Lbkeep->Hide();
  Lbzen->SetCaption("全：");
  Lbhikyo->SetCaption("飛：");
  valpar->SetCaption(par);
  valshot->SetCaption(strokeNo);
  yd1->SetCaption(holeLength);
  yd2->SetCaption(remaining);
  yd3->SetCaption(travelled);
  yd4->Hide();
  wndcont->SetCaption(windWaitsLeft);

  for (TControl* c : std::initializer_list<TControl*>{chikei, Lbrest, yd1, yd3, ydLabel1, ydLabel3,
                                                      parLabel, valpar, shotLabel, valshot})
    c->Show();
  hlsLabel->Hide();
  valhls->Hide();

  Windkime();
  windLabel->Show();
  plmi->Show();
  valplmi->Show();

  shot->SetEnabled(false);
  shot->SetCaption("打つ");

  // Tsuduru's and Philip's specials undo a shot, so they wait for the first.
  if (specialStock == 0) {
    ussp->SetEnabled(false);
  } else if (charSlot == 3 || charSlot == 5) {
    ussp->SetEnabled(false);
    if (charSlot == 5) holeStartPoints = points;
  } else {
    ussp->SetEnabled(true);
  }

  vwcourse->SetEnabled(true);
  wndcont->SetEnabled(true);
  wndcont->Show();
  vwscore->Hide();

  Radio5->Show();
  Radio6->Show();
  Radio7->Hide();
  for (TRadioButton* r : {Radio1, Radio2, Radio3, Radio4}) r->SetEnabled(true);
  Radio5->SetEnabled(false);
  Radio6->SetEnabled(false);
  for (TRadioButton* r : {Radio1, Radio2, Radio3, Radio4, Radio5, Radio6}) r->SetChecked(false);
}

void TForm1::Windkime() {
  windValue = drawWind({windKind, windLow, windHigh}, windValue, randomDraw);
  plmi->SetCaption(windSign(windValue));
  valplmi->SetCaption(windMagnitude(windValue));
}

void TForm1::kazemodoshi() {
  const WindRule w = courseHole(holeNo).wind;
  windKind = w.kind;
  windLow = w.low;
  windHigh = w.high;
  wndcont->SetCaption(windWaitsLeft);
  wndcont->Show();
}

void TForm1::wndcontClick() {
  if (windWaitsLeft == 0) return;  // the button is disabled then
  --windWaitsLeft;
  wndcont->SetCaption(windWaitsLeft);
  if (windWaitsLeft == 0) wndcont->SetEnabled(false);

  const int8_t old = windValue;
  windless = windLow == 0 && windHigh == 0;
  windValue = redrawWind({windKind, windLow, windHigh}, old, randomDraw);
  plmi->SetCaption(windSign(windValue));
  valplmi->SetCaption(windMagnitude(windValue));

  // Waiting for the wind undoes a cleared or a Yamada wind; the special
  // spent stays spent.
  if (activeSpecial == 4 || activeSpecial == 22) {
    ImgSpe->Hide();
    ussp->SetEnabled(specialStock > 0);
  }
}
