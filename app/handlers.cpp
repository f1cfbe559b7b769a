// Which handler serves which control: the event bindings of the form.
#include "app/TForm1.h"

void TForm1::bindHandlers() {
  using Mouse = void (TForm1::*)(TMouseButton, int, int);
  using Move = void (TForm1::*)(int, int);
  using Notify = void (TForm1::*)();
  auto mouse = [this](Mouse f) {
    return [this, f](TMouseButton b, int x, int y) { (this->*f)(b, x, y); };
  };
  auto move = [this](Move f) { return [this, f](int x, int y) { (this->*f)(x, y); }; };
  auto notify = [this](Notify f) { return [this, f] { (this->*f)(); }; };

  Timer1->OnTimer = notify(&TForm1::Timer1Timer);

  // Title bar
  winmove->OnMouseDown = mouse(&TForm1::winmoveMouseDown);
  winmove->OnMouseUp = mouse(&TForm1::winmoveMouseUp);
  winmove->OnMouseMove = move(&TForm1::winmoveMouseMove);
  toji->OnMouseDown = mouse(&TForm1::tojiMouseDown);
  toji->OnMouseUp = mouse(&TForm1::tojiMouseUp);
  chiji->OnMouseDown = mouse(&TForm1::chijiMouseDown);
  chiji->OnMouseUp = mouse(&TForm1::chijiMouseUp);

  // The ending screen speeds up while the left button is held anywhere on it.
  std::vector<TControl*> ending = {Label1, Label2,  Label3, Label4, Label5, Label6, Label7, Label8,
                                   Label9, Label10, title,  title2, noti,   Img,    Box3};
  for (QObject* o : Box3->children())
    if (auto* c = dynamic_cast<TControl*>(o)) ending.push_back(c);
  for (TControl* c : ending) {
    c->OnMouseDown = mouse(&TForm1::FormMouseDown);
    c->OnMouseUp = mouse(&TForm1::FormMouseUp);
  }

  // Start dialog
  Lbformat->OnClick = notify(&TForm1::LbformatClick);
  Lbformat->OnMouseMove = move(&TForm1::LbformatMouseMove);
  Lbformat->OnMouseLeave = notify(&TForm1::LbformatMouseLeave);

  // Play
  wndcont->OnClick = notify(&TForm1::wndcontClick);

  // Music switch
  Check1->OnClick = notify(&TForm1::Check1Click);
  bgmLabel->OnClick = notify(&TForm1::bgmLabelClick);

  // Menus: title, character grid, course list, nickname, start dialogs
  Imgstart->OnMouseMove = move(&TForm1::ImgstartMouseMove);
  Imgstart->OnClick = notify(&TForm1::ImgstartClick);
  Imgedit->OnMouseMove = move(&TForm1::ImgeditMouseMove);
  chara1->OnMouseMove = move(&TForm1::chara1MouseMove);
  chara2->OnMouseMove = move(&TForm1::chara2MouseMove);
  chara3->OnMouseMove = move(&TForm1::chara3MouseMove);
  chara4->OnMouseMove = move(&TForm1::chara4MouseMove);
  chara5->OnMouseMove = move(&TForm1::chara5MouseMove);
  chara6->OnMouseMove = move(&TForm1::chara6MouseMove);
  Imgwaku->OnMouseDown = mouse(&TForm1::ImgwakuMouseDown);
  Imgprac->OnMouseMove = move(&TForm1::ImgpracMouseMove);
  Imgchamp->OnMouseMove = move(&TForm1::ImgchampMouseMove);
  Imgedtd->OnMouseMove = move(&TForm1::ImgedtdMouseMove);
  Imgprac->OnClick = notify(&TForm1::ImgpracClick);
  Imgchamp->OnClick = notify(&TForm1::ImgchampClick);
  Imgedtd->OnClick = notify(&TForm1::ImgedtdClick);
  LabelName->OnMouseDown = mouse(&TForm1::LabelNameMouseDown);
  LabelName->OnMouseUp = mouse(&TForm1::LabelNameMouseUp);
  LabelName->OnMouseMove = move(&TForm1::LabelNameMouseMove);
  EditCs->OnKeyPress = [this](char16_t& key) { EditCsKeyPress(key); };
  ok->OnClick = notify(&TForm1::okClick);
  yes->OnClick = notify(&TForm1::yesClick);
  no->OnClick = notify(&TForm1::noClick);

  // Hole overview: a right press anywhere on the panel but its close button
  // skips the flight; hovering a range, its swatch or its caption names it.
  Box2->OnMouseDown = mouse(&TForm1::Box2MouseDown);
  for (QObject* o : Box2->children())
    if (auto* c = dynamic_cast<TControl*>(o); c && c != toji2)
      c->OnMouseDown = mouse(&TForm1::Box2MouseDown);
  const Move ranges[9] = {&TForm1::rd1MouseMove, &TForm1::rd2MouseMove, &TForm1::rd3MouseMove,
                          &TForm1::wd1MouseMove, &TForm1::wd2MouseMove, &TForm1::wd3MouseMove,
                          &TForm1::bd1MouseMove, &TForm1::bd2MouseMove, &TForm1::bd3MouseMove};
  // The map tables are filled only at window creation, so the range
  // controls are named here.
  TControl* swatches[9] = {r1, r2, r3, w1, w2, w3, b1, b2, b3};
  TControl* captions[9] = {rd1, rd2, rd3, wd1, wd2, wd3, bd1, bd2, bd3};
  TControl* bars[9] = {arrough1, arrough2,  arrough3,  arwater1, arwater2,
                       arwater3, arbunker1, arbunker2, arbunker3};
  for (int n = 0; n < 9; ++n)
    for (TControl* c : {swatches[n], captions[n], bars[n]}) c->OnMouseMove = move(ranges[n]);
  for (TControl* c : std::initializer_list<TControl*>{Green, plmi2, gr, argreen})
    c->OnMouseMove = move(&TForm1::grMouseMove);
  for (TControl* c : std::initializer_list<TControl*>{Box2, arfair1, ryakuLabel, club, toji2})
    c->OnMouseMove = move(&TForm1::Box2MouseMove);
  vwcourse->OnClick = notify(&TForm1::vwcourseClick);
  vwscore->OnClick = notify(&TForm1::vwscoreClick);
  toji2->OnClick = notify(&TForm1::toji2Click);
  toji3->OnClick = notify(&TForm1::toji2Click);

  // Clubs, the shot button and the specials. The button's OnClick runs on
  // the click that follows the release.
  Radio1->OnClick = notify(&TForm1::Radio1Click);
  Radio2->OnClick = notify(&TForm1::Radio2Click);
  Radio3->OnClick = notify(&TForm1::Radio3Click);
  Radio4->OnClick = notify(&TForm1::Radio4Click);
  Radio5->OnClick = notify(&TForm1::Radio5Click);
  Radio6->OnClick = notify(&TForm1::Radio6Click);
  Radio7->OnClick = notify(&TForm1::Radio7Click);
  shot->OnMouseDown = mouse(&TForm1::shotMouseDown);
  shot->OnMouseUp = mouse(&TForm1::shotMouseUp);
  shot->OnClick = notify(&TForm1::shotClick);
  ussp->OnClick = notify(&TForm1::usspClick);

  // Leaving the hole-end screen.
  proceed->OnClick = notify(&TForm1::proceedClick);

  // Course editor
  Imgedit->OnClick = notify(&TForm1::ImgeditClick);
  for (TEdit* e : {e1,  e2,  e3,  e4,  e5,  e6,  e7,  e8,   e9,   e10,  e11,
                   e12, e13, e14, e15, e16, e17, e18, ezen, epar, egrn, epts})
    e->OnKeyPress = [this](char16_t& key) { e1KeyPress(key); };
  for (TEdit* e : {ewnda, ewndz}) e->OnKeyPress = [this](char16_t& key) { ewndaKeyPress(key); };
  for (TEdit* e : {eslpa, eslpz}) e->OnKeyPress = [this](char16_t& key) { eslpaKeyPress(key); };
  coursnm->OnKeyPress = [this](char16_t& key) { coursnmKeyPress(key); };
  for (TEdit* e : {e1,  e2,  e3,  e4,  e5,  e6,   e7,   e8,   e9,   e10,   e11,   e12,   e13,
                   e14, e15, e16, e17, e18, ezen, epar, egrn, epts, ewnda, ewndz, eslpa, eslpz})
    e->OnChange = notify(&TForm1::ezenChange);
  coursnm->OnChange = notify(&TForm1::coursnmChange);
  Btfwd->OnClick = notify(&TForm1::BtfwdClick);
  Btbck->OnClick = notify(&TForm1::BtbckClick);
  Btup->OnClick = notify(&TForm1::BtupClick);
  Btdw->OnClick = notify(&TForm1::BtdwClick);
  toji4->OnClick = notify(&TForm1::toji4Click);
  confirm->OnClick = notify(&TForm1::confirmClick);
  btsave->OnClick = notify(&TForm1::btsaveClick);
  btload->OnClick = notify(&TForm1::btloadClick);
}
