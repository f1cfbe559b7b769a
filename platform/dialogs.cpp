#include "platform/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
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

}  // namespace

void ShowMessage(const QString& text) {
  if (scripted) {
    Queued a;
    next(a);  // any queued answer acknowledges a message
    say("message: " + text);
    return;
  }
  QMessageBox::information(owner, "Pinvale", text);
}

bool MessageYesNo(const QString& caption, const QString& text) {
  if (scripted) {
    Queued a;
    bool yes = next(a) && a.kind == dialogs::Answer::Yes;
    say("question: " + caption + ": " + text + " -> " + (yes ? "yes" : "no"));
    return yes;
  }
  return QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

QString InputBox(const QString& title, const QString& prompt, const QString& defaultText) {
  QString result = defaultText;
  if (scripted) {
    Queued a;
    if (next(a) && a.kind == dialogs::Answer::Text) result = a.text;
    say("input: " + title + ": " + prompt + " [" + defaultText + "] -> " + result);
    return result;
  }
  bool ok = false;
  QString text = QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, defaultText, &ok);
  return ok ? text : defaultText;
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
