// Builds the window's controls from the layout table and binds each to its
// typed member of TForm1. A row without a member, a member without a row,
// a parent that does not come first, or a kind that does not match stops
// start-up with a message naming the control.
#include <QFont>
#include <stdexcept>

#include "app/TForm1.h"
#include "app/layout.h"

using layout::ControlDef;
using layout::kDefault;
using layout::Kind;

namespace {

[[noreturn]] void layoutError(const QString& what) {
  throw std::logic_error(("window layout: " + what).toStdString());
}

Qt::Alignment alignment(layout::Align a) {
  switch (a) {
    case layout::Align::Right:
      return Qt::AlignRight;
    case layout::Align::Center:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

TControl* makeControl(const ControlDef& d, QWidget* parent) {
  const uint32_t text = d.textColor == kDefault ? 0xFFFFFF : d.textColor;
  switch (d.kind) {
    case Kind::Label: {
      auto* c = new TLabel(parent);
      c->SetAutoSize(d.autoSize);
      c->SetAlignment(alignment(d.align));
      c->SetColor(d.color == kDefault ? 0xFFFFFF : d.color);
      return c;
    }
    case Kind::Image: {
      auto* c = new TImage(parent);
      if (*d.picture) c->LoadPicture(d.picture);
      return c;
    }
    case Kind::Shape: {
      auto* c = new TShape(parent);
      c->SetColor(d.color == kDefault ? 0xFFFFFF : d.color);
      c->SetPenColor(d.penColor == kDefault ? c->Color() : d.penColor);
      return c;
    }
    case Kind::Button: {
      auto* c = new TButton(parent);
      if (d.textColor != kDefault) c->SetColor(d.textColor);
      return c;
    }
    case Kind::Radio: {
      auto* c = new TRadioButton(parent);
      c->SetColor(text);
      c->setChecked(d.checked);
      return c;
    }
    case Kind::Check: {
      auto* c = new TCheckBox(parent);
      c->SetColor(text);
      c->SetChecked(d.checked, false);
      return c;
    }
    case Kind::Edit: {
      auto* c = new TEdit(parent);
      c->SetMaxLength(d.maxLength);
      if (d.color != kDefault) c->SetBackground(d.color);
      if (d.textColor != kDefault) c->SetColor(d.textColor);
      c->setAlignment(alignment(d.align));
      return c;
    }
    case Kind::Group: {
      auto* c = new TGroupBox(parent);
      c->SetBackground(d.color == kDefault ? 0x000000 : d.color);
      c->SetColor(text);
      return c;
    }
  }
  layoutError(QString("unknown kind of ") + d.name);
}

const char* kindName(Kind k) {
  static const char* const names[] = {"label",        "image",     "shape", "button",
                                      "radio button", "check box", "edit",  "group box"};
  return names[static_cast<int>(k)];
}

}  // namespace

void TForm1::buildControls() {
  std::map<QString, QWidget*> parents{{"Form1", this}};
  for (size_t i = 0; i < layout::kLayoutCount; ++i) {
    const ControlDef& d = layout::kLayout[i];
    auto parent = parents.find(d.parent);
    if (parent == parents.end())
      layoutError(
          QString("%1 names the parent %2, which does not come before it").arg(d.name, d.parent));
    if (byName_.count(d.name)) layoutError(QString("%1 is laid out twice").arg(d.name));
    TControl* c = makeControl(d, parent->second);
    QWidget* w = c->Widget();
    w->setObjectName(d.name);
    w->setProperty("pvKind", kindName(d.kind));
    c->SetBounds(d.left, d.top, d.width, d.height);
    if (d.fontSize || d.bold) c->SetFont(d.fontSize ? d.fontSize : 11, d.bold);
    c->SetCaption(QString::fromUtf8(d.caption));
    if (*d.hint) c->SetHint(QString::fromUtf8(d.hint));
    if (!d.tabStop) w->setFocusPolicy(Qt::ClickFocus);
    c->SetEnabled(d.enabled);
    c->SetVisible(d.visible);
    if (d.kind == Kind::Group) parents[d.name] = w;
    byName_[d.name] = c;
  }

  // As on the desktop the game was made for, controls with a window of their
  // own (buttons, radio buttons, check boxes, edits, group boxes) lie above
  // the drawn ones (labels, images, shapes) of the same parent, whatever
  // their order; among themselves each kind keeps the layout order.
  for (size_t i = 0; i < layout::kLayoutCount; ++i) {
    const ControlDef& d = layout::kLayout[i];
    if (d.kind != Kind::Label && d.kind != Kind::Image && d.kind != Kind::Shape)
      byName_[d.name]->Widget()->raise();
  }

  size_t bound = 0;
  auto bind = [&]<class T>(T*& member, const char* name) {
    auto it = byName_.find(name);
    if (it == byName_.end()) layoutError(QString("%1 has no row in the layout").arg(name));
    member = dynamic_cast<T*>(it->second);
    if (!member)
      layoutError(QString("%1 is laid out as a %2, which is not its kind")
                      .arg(name, it->second->Widget()->property("pvKind").toString()));
    ++bound;
  };
#define CONTROL(T, N) bind(N, #N);
#include "app/controls.def"
#undef CONTROL
  if (bound != byName_.size()) {
    QStringList extra;
    for (auto& [name, c] : byName_) {
      bool known = false;
#define CONTROL(T, N) known = known || name == #N;
#include "app/controls.def"
#undef CONTROL
      if (!known) extra << name;
    }
    layoutError("laid out but not a member of the form: " + extra.join(", "));
  }
}

TControl* TForm1::controlByName(const QString& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}
