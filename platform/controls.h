// The standard controls of the game window.
//
// Qt's own classes where they already behave as the game needs (push button,
// radio button, check box, line edit, frame), thin subclasses only to add
// what Qt lacks: mouse down/up/move reports with the button and position on
// every control, click on images, shapes and labels, the key filter of an
// edit, and the remembered name of the picture an image shows.
//
// The game talks to controls through the capitalised members of TControl
// (Left, SetVisible, SetCaption, ...), named after the properties of the
// desktop form the game was designed on, so they never clash with Qt's own.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <cstdint>
#include <functional>

enum class TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

using TMouseEvent = std::function<void(TMouseButton button, int x, int y)>;
using TMouseMoveEvent = std::function<void(int x, int y)>;
using TNotifyEvent = std::function<void()>;
// The typed character; set it to 0 to discard the key.
using TKeyPressEvent = std::function<void(char16_t& key)>;

constexpr uint32_t kNoColor = 0xFFFFFFFFu;

class TControl {
 public:
  explicit TControl(QWidget* self);
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  QWidget* Widget() const { return self_; }
  QString Name() const { return self_->objectName(); }

  int Left() const { return self_->x(); }
  int Top() const { return self_->y(); }
  int Width() const { return self_->width(); }
  int Height() const { return self_->height(); }
  void SetLeft(int v) { self_->move(v, self_->y()); }
  void SetTop(int v) { self_->move(self_->x(), v); }
  void SetWidth(int v) { self_->resize(v < 0 ? 0 : v, self_->height()); }
  void SetHeight(int v) { self_->resize(self_->width(), v < 0 ? 0 : v); }
  void SetBounds(int left, int top, int width, int height);

  // The control's own flags, whatever its parent shows.
  bool Visible() const { return !self_->isHidden(); }
  void SetVisible(bool on) { self_->setVisible(on); }
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return !self_->testAttribute(Qt::WA_ForceDisabled); }
  void SetEnabled(bool on) { self_->setEnabled(on); }

  void SetHint(const QString& hint) { self_->setToolTip(hint); }
  QString Hint() const { return self_->toolTip(); }
  void SetFont(int pixelSize, bool bold);

  // Text of a label, button, radio button, check box or edit; empty for others.
  virtual QString Caption() const { return {}; }
  virtual void SetCaption(const QString&) {}
  void SetCaption(const char* utf8) { SetCaption(QString::fromUtf8(utf8)); }
  void SetCaption(int number) { SetCaption(QString::number(number)); }

  // Text colour of labels, buttons and boxes; fill of shapes; 0xRRGGBB.
  virtual uint32_t Color() const { return color_; }
  virtual void SetColor(uint32_t rgb);

  // What the script driver prints after the caption ("checked=1", ...).
  virtual QString Describe() const { return {}; }

  // Whether the left button was held at the last pointer event this
  // control received.
  bool LeftHeld() const { return held_.testFlag(Qt::LeftButton); }

  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnClick, OnMouseLeave;

 protected:
  // Called from the Qt event overrides of the subclasses.
  void controlPress(QMouseEvent* e);
  void controlRelease(QMouseEvent* e, bool clicks);
  void controlMove(QMouseEvent* e);
  void controlLeave();
  void applyTextColor();

  uint32_t color_ = kNoColor;
  bool leftDown_ = false;
  Qt::MouseButtons held_;

 private:
  QWidget* self_;
};

// Turns a Qt button into the game's.
TMouseButton toButton(Qt::MouseButton b);

#define PV_MOUSE_OVERRIDES(Base, clicks)            \
  void mousePressEvent(QMouseEvent* e) override {   \
    Base::mousePressEvent(e);                       \
    controlPress(e);                                \
  }                                                 \
  void mouseReleaseEvent(QMouseEvent* e) override { \
    Base::mouseReleaseEvent(e);                     \
    controlRelease(e, clicks);                      \
  }                                                 \
  void mouseMoveEvent(QMouseEvent* e) override {    \
    Base::mouseMoveEvent(e);                        \
    controlMove(e);                                 \
  }                                                 \
  void leaveEvent(QEvent* e) override {             \
    Base::leaveEvent(e);                            \
    TControl::controlLeave();                       \
  }

class TLabel : public QLabel, public TControl {
 public:
  explicit TLabel(QWidget* parent);
  QString Caption() const override { return text(); }
  void SetCaption(const QString& text) override;
  using TControl::SetCaption;
  void SetAutoSize(bool on) { autoSize_ = on; }
  void SetAlignment(Qt::Alignment a) { setAlignment(a | Qt::AlignTop); }
  void SetColor(uint32_t rgb) override;
  QString Describe() const override;

 protected:
  PV_MOUSE_OVERRIDES(QLabel, true)

 private:
  bool autoSize_ = true;
};

class TImage : public QWidget, public TControl {
 public:
  explicit TImage(QWidget* parent);
  // Shows the stored picture of that name (a PNG of the window's pictures).
  void LoadPicture(const QString& pictureName);
  // Copies the picture another image shows, with its name.
  void SetPicture(const TImage& from);
  QString PictureName() const { return pictureName_; }
  const QPixmap& Pixmap() const { return pixmap_; }
  QString Describe() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  PV_MOUSE_OVERRIDES(QWidget, true)

 private:
  QPixmap pixmap_;
  QString pictureName_;
};

class TShape : public QWidget, public TControl {
 public:
  explicit TShape(QWidget* parent);
  void SetColor(uint32_t rgb) override;
  void SetPenColor(uint32_t rgb);
  QString Describe() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  PV_MOUSE_OVERRIDES(QWidget, true)

 private:
  uint32_t pen_ = kNoColor;
};

class TButton : public QPushButton, public TControl {
 public:
  explicit TButton(QWidget* parent);
  QString Caption() const override { return text(); }
  void SetCaption(const QString& text) override { setText(text); }
  using TControl::SetCaption;
  void SetColor(uint32_t rgb) override;

 protected:
  PV_MOUSE_OVERRIDES(QPushButton, false)
};

// A club or shop entry. Checking one unchecks the other radio buttons of the
// same panel; OnClick runs whenever it becomes checked, by the player or by
// the program, as the game expects.
class TRadioButton : public QRadioButton, public TControl {
 public:
  explicit TRadioButton(QWidget* parent);
  QString Caption() const override { return text(); }
  void SetCaption(const QString& text) override { setText(text); }
  using TControl::SetCaption;
  bool Checked() const { return isChecked(); }
  void SetChecked(bool on);
  void SetColor(uint32_t rgb) override;
  QString Describe() const override;

 protected:
  void nextCheckState() override { SetChecked(true); }
  PV_MOUSE_OVERRIDES(QRadioButton, false)
};

// OnClick runs whenever the box changes, by the player or by the program.
class TCheckBox : public QCheckBox, public TControl {
 public:
  explicit TCheckBox(QWidget* parent);
  QString Caption() const override { return text(); }
  void SetCaption(const QString& text) override { setText(text); }
  using TControl::SetCaption;
  bool Checked() const { return isChecked(); }
  // `notify` false changes the box without running OnClick.
  void SetChecked(bool on, bool notify = true);
  void SetColor(uint32_t rgb) override;
  QString Describe() const override;

 protected:
  void nextCheckState() override { SetChecked(!isChecked()); }
  PV_MOUSE_OVERRIDES(QCheckBox, false)
};

// OnChange runs on every change of the text, typed or set by the program.
class TEdit : public QLineEdit, public TControl {
 public:
  explicit TEdit(QWidget* parent);
  QString Caption() const override { return text(); }
  void SetCaption(const QString& text) override { setText(text); }
  using TControl::SetCaption;
  QString Text() const { return text(); }
  void SetText(const QString& t) { setText(t); }
  void SetText(const char* utf8) { setText(QString::fromUtf8(utf8)); }
  void SetMaxLength(int n) { setMaxLength(n > 0 ? n : 32767); }
  void SetBackground(uint32_t rgb);
  void SetColor(uint32_t rgb) override;
  void SetFocus() { setFocus(Qt::OtherFocusReason); }

  TNotifyEvent OnChange;
  TKeyPressEvent OnKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  PV_MOUSE_OVERRIDES(QLineEdit, false)

 private:
  uint32_t background_ = kNoColor;
};

class TGroupBox : public QFrame, public TControl {
 public:
  explicit TGroupBox(QWidget* parent);
  QString Caption() const override { return caption_; }
  void SetCaption(const QString& text) override;
  using TControl::SetCaption;
  void SetBackground(uint32_t rgb);
  void SetColor(uint32_t rgb) override;

 protected:
  void paintEvent(QPaintEvent*) override;
  PV_MOUSE_OVERRIDES(QFrame, true)

 private:
  QString caption_;
  uint32_t background_ = 0x000000;
};

QString colorText(uint32_t rgb);  // "#RRGGBB"
