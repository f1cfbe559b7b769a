#include "platform/dialogs.h"

#include <QEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <deque>

namespace {

struct Queued {
  dialogs::Answer kind;
  QString text;
};

QWidget* owner = nullptr;
bool scripted = false;
std::function<void(const std::string&)> transcript;
std::deque<Queued> answers;

bool next(Queued& out) {
  if (answers.empty()) return false;
  out = answers.front();
  answers.pop_front();
  return true;
}

void say(const QString& line) {
  if (transcript) transcript(line.toStdString());
}

// Paints a dialog again each time the window system shows (exposes) or
// activates its window. Under some window managers a dialog's first frame
// is drawn before the manager has mapped the window and is lost, leaving a
// black box until the dialog is moved; the repaint after the exposure puts
// its face back.
class RepaintOnExpose : public QObject {
 public:
  explicit RepaintOnExpose(QDialog* d) : QObject(d), dialog_(d) {}

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Expose || e->type() == QEvent::WindowActivate ||
        e->type() == QEvent::Show)
      QTimer::singleShot(0, this, [this] {
        if (dialog_ && dialog_->isVisible()) dialog_->repaint();
      });
    return false;
  }

 private:
  QPointer<QDialog> dialog_;
};

int execDialog(QDialog& d) {
  d.setAttribute(Qt::WA_TranslucentBackground, false);
  d.setAutoFillBackground(true);
  d.winId();  // the native window, so that its exposure can be watched
  auto* watch = new RepaintOnExpose(&d);
  if (QWindow* w = d.windowHandle()) w->installEventFilter(watch);
  d.installEventFilter(watch);
  return d.exec();
}

}  // namespace

void ShowMessage(const QString& text) {
  if (scripted) {
    Queued a;
    next(a);  // any queued answer acknowledges a message
    say("message: " + text);
    return;
  }
  QMessageBox box(QMessageBox::Information, "Pinvale", text, QMessageBox::Ok, owner);
  execDialog(box);
}

bool MessageYesNo(const QString& caption, const QString& text) {
  if (scripted) {
    Queued a;
    bool yes = next(a) && a.kind == dialogs::Answer::Yes;
    say("question: " + caption + ": " + text + " -> " + (yes ? "yes" : "no"));
    return yes;
  }
  QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
  return execDialog(box) == QMessageBox::Yes;
}

QString InputBox(const QString& title, const QString& prompt, const QString& defaultText) {
  QString result = defaultText;
  if (scripted) {
    Queued a;
    if (next(a) && a.kind == dialogs::Answer::Text) result = a.text;
    say("input: " + title + ": " + prompt + " [" + defaultText + "] -> " + result);
    return result;
  }
  QInputDialog box(owner);
  box.setWindowTitle(title);
  box.setLabelText(prompt);
  box.setTextValue(defaultText);
  box.setInputMode(QInputDialog::TextInput);
  return execDialog(box) == QDialog::Accepted ? box.textValue() : defaultText;
}

namespace dialogs {

void setOwner(QWidget* w) { owner = w; }

void useScript(std::function<void(const std::string&)> t) {
  scripted = true;
  transcript = std::move(t);
  answers.clear();
}

void stopScript() {
  scripted = false;
  transcript = nullptr;
  answers.clear();
}

void queue(Answer kind, const QString& text) { answers.push_back({kind, text}); }
int queued() { return static_cast<int>(answers.size()); }

}  // namespace dialogs
