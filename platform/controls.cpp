#include "platform/controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

QColor qcolor(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// A control's own colour goes only into the role that draws its text, and
// only for the enabled look: the window's style keeps the greyed look of a
// disabled control and the dark marks on white indicator faces.
void setTextColor(QWidget* w, QPalette::ColorRole role, uint32_t rgb, bool alsoDisabled) {
  QPalette p = w->palette();
  for (auto g : {QPalette::Active, QPalette::Inactive}) p.setColor(g, role, qcolor(rgb));
  if (alsoDisabled) p.setColor(QPalette::Disabled, role, qcolor(rgb));
  w->setPalette(p);
}

// Small text is drawn without smoothing, pixel-sharp like the bitmap faces of
// the design font; from this size up it is smoothed.
constexpr int kSmoothFromPx = 16;

}  // namespace

QString colorText(uint32_t rgb) {
  return QString("#%1").arg(rgb & 0xFFFFFF, 6, 16, QChar('0')).toUpper();
}

TMouseButton toButton(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton:
      return TMouseButton::mbRight;
    case Qt::MiddleButton:
      return TMouseButton::mbMiddle;
    default:
      return TMouseButton::mbLeft;
  }
}

TControl::TControl(QWidget* self) : self_(self) { self->setMouseTracking(true); }

void TControl::SetBounds(int left, int top, int width, int height) {
  self_->setGeometry(left, top, width < 0 ? 0 : width, height < 0 ? 0 : height);
}

void TControl::SetFont(int pixelSize, bool bold) {
  QFont f = self_->font();
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setStyleStrategy(pixelSize < kSmoothFromPx ? QFont::NoAntialias : QFont::PreferAntialias);
  self_->setFont(f);
}

void TControl::SetColor(uint32_t rgb) {
  color_ = rgb;
  applyTextColor();
}

void TControl::applyTextColor() {
  if (color_ == kNoColor) return;
  // Labels keep their colour whatever the state (the layout gives it); the
  // other controls grey out when disabled.
  if (dynamic_cast<QLabel*>(self_))
    setTextColor(self_, QPalette::WindowText, color_, true);
  else if (dynamic_cast<QPushButton*>(self_))
    setTextColor(self_, QPalette::ButtonText, color_, false);
  else if (dynamic_cast<QLineEdit*>(self_))
    setTextColor(self_, QPalette::Text, color_, false);
  else if (dynamic_cast<QAbstractButton*>(self_))  // radio buttons and check boxes
    setTextColor(self_, QPalette::WindowText, color_, false);
}

void TControl::controlPress(QMouseEvent* e) {
  e->accept();
  held_ = e->buttons();
  if (e->button() == Qt::LeftButton) leftDown_ = true;
  if (OnMouseDown)
    OnMouseDown(toButton(e->button()), e->position().toPoint().x(), e->position().toPoint().y());
}

void TControl::controlRelease(QMouseEvent* e, bool clicks) {
  e->accept();
  held_ = e->buttons();
  QPoint p = e->position().toPoint();
  // As on the desktop the game was made for: a left click on an image, shape
  // or label runs OnClick before the release is reported.
  if (clicks && e->button() == Qt::LeftButton && leftDown_ && self_->rect().contains(p) && OnClick)
    OnClick();
  if (e->button() == Qt::LeftButton) leftDown_ = false;
  if (OnMouseUp) OnMouseUp(toButton(e->button()), p.x(), p.y());
}

void TControl::controlMove(QMouseEvent* e) {
  e->accept();
  held_ = e->buttons();
  if (OnMouseMove) OnMouseMove(e->position().toPoint().x(), e->position().toPoint().y());
}

void TControl::controlLeave() {
  if (OnMouseLeave) OnMouseLeave();
}

// ---- TLabel

TLabel::TLabel(QWidget* parent) : QLabel(parent), TControl(this) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
}

void TLabel::SetCaption(const QString& t) {
  setText(t);
  if (autoSize_) {
    // The left edge stays and the label takes the size of its text.
    QSize s = sizeHint();
    resize(t.isEmpty() ? 0 : s.width(), s.height());
  }
}

void TLabel::SetColor(uint32_t rgb) { TControl::SetColor(rgb); }

QString TLabel::Describe() const { return "color=" + colorText(Color()); }

// ---- TImage

TImage::TImage(QWidget* parent) : QWidget(parent), TControl(this) {}

void TImage::LoadPicture(const QString& name) {
  pixmap_ = QPixmap(":/pictures/" + name + ".png");
  pictureName_ = name;
  update();
}

void TImage::SetPicture(const TImage& from) {
  pixmap_ = from.pixmap_;
  pictureName_ = from.pictureName_;
  update();
}

QString TImage::Describe() const { return "picture=" + pictureName_; }

void TImage::paintEvent(QPaintEvent*) {
  if (pixmap_.isNull()) return;
  QPainter p(this);
  p.drawPixmap(0, 0, pixmap_);
}

// ---- TShape

// A shape fills its whole rectangle with an opaque colour, so whatever lies
// under it need not be painted when it changes (the gauge, the map marker).
TShape::TShape(QWidget* parent) : QWidget(parent), TControl(this) {
  color_ = 0xFFFFFF;
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShape::SetColor(uint32_t rgb) {
  color_ = rgb;
  update();
}

void TShape::SetPenColor(uint32_t rgb) {
  pen_ = rgb;
  update();
}

QString TShape::Describe() const { return "color=" + colorText(color_); }

void TShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), qcolor(color_));
  if (pen_ != kNoColor && width() > 1 && height() > 1) {
    p.setPen(qcolor(pen_));
    p.drawRect(0, 0, width() - 1, height() - 1);
  }
}

// ---- TButton

TButton::TButton(QWidget* parent) : QPushButton(parent), TControl(this) {
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QPushButton::clicked, [this] {
    if (OnClick) OnClick();
  });
}

void TButton::SetColor(uint32_t rgb) { TControl::SetColor(rgb); }

// ---- TRadioButton

TRadioButton::TRadioButton(QWidget* parent) : QRadioButton(parent), TControl(this) {
  setAutoExclusive(false);
  setFocusPolicy(Qt::NoFocus);
}

void TRadioButton::SetChecked(bool on) {
  if (on == isChecked()) return;
  setChecked(on);
  if (!on) return;
  if (parentWidget())
    for (QObject* o : parentWidget()->children())
      if (auto* other = dynamic_cast<TRadioButton*>(o); other && other != this)
        other->setChecked(false);
  if (OnClick) OnClick();
}

void TRadioButton::SetColor(uint32_t rgb) { TControl::SetColor(rgb); }

QString TRadioButton::Describe() const { return QString("checked=%1").arg(isChecked() ? 1 : 0); }

// ---- TCheckBox

TCheckBox::TCheckBox(QWidget* parent) : QCheckBox(parent), TControl(this) {
  setFocusPolicy(Qt::NoFocus);
}

void TCheckBox::SetChecked(bool on, bool notify) {
  if (on == isChecked()) return;
  setChecked(on);
  if (notify && OnClick) OnClick();
}

void TCheckBox::SetColor(uint32_t rgb) { TControl::SetColor(rgb); }

QString TCheckBox::Describe() const { return QString("checked=%1").arg(isChecked() ? 1 : 0); }

// ---- TEdit

TEdit::TEdit(QWidget* parent) : QLineEdit(parent), TControl(this) {
  setFrame(true);
  connect(this, &QLineEdit::textChanged, [this] {
    if (OnChange) OnChange();
  });
}

void TEdit::SetBackground(uint32_t rgb) {
  background_ = rgb;
  QPalette p = palette();
  for (auto g : {QPalette::Active, QPalette::Inactive}) p.setColor(g, QPalette::Base, qcolor(rgb));
  setPalette(p);
}

void TEdit::SetColor(uint32_t rgb) { TControl::SetColor(rgb); }

void TEdit::keyPressEvent(QKeyEvent* e) {
  char16_t key = 0;
  if (e->key() == Qt::Key_Backspace)
    key = 8;
  else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
    key = 13;
  else if (!e->text().isEmpty())
    key = e->text().at(0).unicode();
  if (key != 0 && OnKeyPress) {
    OnKeyPress(key);
    if (key == 0) {
      e->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(e);
}

// ---- TGroupBox

// Opaque as a shape is: the box paints its background over its whole rectangle.
TGroupBox::TGroupBox(QWidget* parent) : QFrame(parent), TControl(this) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGroupBox::SetCaption(const QString& t) {
  caption_ = t;
  update();
}

void TGroupBox::SetBackground(uint32_t rgb) {
  background_ = rgb;
  update();
}

// The colour is the caption's only; the controls inside keep their own.
void TGroupBox::SetColor(uint32_t rgb) {
  color_ = rgb;
  update();
}

void TGroupBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), qcolor(background_));
  // A thin etched frame with the caption set into its top edge.
  const int top = caption_.isEmpty() ? 0 : fontMetrics().height() / 2;
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.drawRect(0, top, width() - 1, height() - 1 - top);
  if (!caption_.isEmpty()) {
    const int w = fontMetrics().horizontalAdvance(caption_) + 4;
    p.fillRect(6, 0, w, fontMetrics().height(), qcolor(background_));
    p.setPen(qcolor(color_ == kNoColor ? 0xFFFFFF : color_));
    p.drawText(8, fontMetrics().ascent(), caption_);
  }
}
