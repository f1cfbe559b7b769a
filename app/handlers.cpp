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
  std::vector<TControl*> ending = {Label1, Label2, Label3, Label4, Label5, Label6, Label7,
                                   Label8, Label9, Label10, title, title2, noti, Img, Box3};
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
}
