#include "app/script.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <iostream>

#include "app/TForm1.h"
#include "app/fields.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/media.h"

namespace {

void say(const std::string& line) { std::cout << line << '\n' << std::flush; }

struct Failure {
  QString what;
};

class Driver {
 public:
  Driver(TForm1& form, RecordingAudioDevice& audio, bool realtime)
      : form_(form), audio_(audio), realtime_(realtime) {}

  // False once the window is closed.
  bool run(const QString& line) {
    QStringList w = line.split(' ', Qt::SkipEmptyParts);
    const QString cmd = w.value(0);
    const QString rest = line.section(' ', 1);
    if (cmd == "press" || cmd == "release" || cmd == "click") {
      pointer(cmd, w);
    } else if (cmd == "move") {
      moveTo(widgetOf(w.value(1)));
    } else if (cmd == "type") {
      type(w.value(1), line.section(' ', 2));
    } else if (cmd == "settext") {
      auto* e = dynamic_cast<TEdit*>(control(w.value(1)));
      if (!e) throw Failure{w.value(1) + " is not an edit box"};
      e->SetText(line.section(' ', 2));
    } else if (cmd == "wait") {
      bool ok = false;
      int ms = w.value(1).toInt(&ok);
      if (!ok || ms < 0) throw Failure{"wait needs a number of milliseconds"};
      wait(ms);
    } else if (cmd == "answer") {
      answer(w.value(1), line.section(' ', 2));
    } else if (cmd == "musicend") {
      audio_.pieceEnds("audio1");
    } else if (cmd == "show") {
      for (int i = 1; i < w.size(); ++i) show(w[i]);
    } else if (cmd == "state") {
      for (int i = 1; i < w.size(); ++i) {
        auto v = fieldText(form_, w[i].toStdString());
        if (!v) throw Failure{"unknown field " + w[i]};
        say(w[i].toStdString() + "=" + *v);
      }
    } else if (cmd == "snap") {
      snap(rest.trimmed());
    } else if (cmd == "quit") {
      return false;
    } else {
      throw Failure{"unknown command " + cmd};
    }
    return form_.isVisible() || form_.isMinimized();
  }

 private:
  TControl* control(const QString& name) {
    TControl* c = form_.controlByName(name);
    if (!c) throw Failure{"unknown control " + name};
    return c;
  }

  QWidget* widgetOf(const QString& name) {
    if (name == "form" || name == "Form1") return &form_;
    return control(name)->Widget();
  }

  static Qt::MouseButton button(const QString& name) {
    if (name.isEmpty() || name == "left") return Qt::LeftButton;
    if (name == "right") return Qt::RightButton;
    if (name == "middle") return Qt::MiddleButton;
    throw Failure{"unknown button " + name};
  }

  // The topmost control under the centre of `w`, as a real pointer finds it.
  // The window itself stands for its background: the pointer lands on the
  // form at its centre, whatever lies above it there.
  QWidget* topmostAt(QWidget* w, QPoint& local) {
    if (w == &form_) {
      local = form_.rect().center();
      return &form_;
    }
    QPoint p = w->mapTo(&form_, w->rect().center());
    QWidget* hit = form_.childAt(p);
    if (!hit) hit = &form_;
    local = hit->mapFrom(&form_, p);
    return hit;
  }

  void pointer(const QString& cmd, const QStringList& w) {
    QWidget* target = widgetOf(w.value(1));
    Qt::MouseButton b = button(w.value(2));
    QPoint local;
    QWidget* hit = topmostAt(target, local);
    hover(hit);
    QPointF global = hit->mapToGlobal(QPointF(local));
    if (cmd == "press" || cmd == "click") {
      held_ |= b;
      QMouseEvent e(QEvent::MouseButtonPress, QPointF(local), global, b, held_, Qt::NoModifier);
      QApplication::sendEvent(hit, &e);
      settle();
    }
    if (cmd == "release" || cmd == "click") {
      held_ &= ~b;
      // A release goes where the press went, as the pointer is grabbed.
      QWidget* to = grabbed_ ? grabbed_.data() : hit;
      QPointF at = to->mapFromGlobal(global);
      QMouseEvent e(QEvent::MouseButtonRelease, at, global, b, held_, Qt::NoModifier);
      QApplication::sendEvent(to, &e);
      grabbed_ = nullptr;
      settle();
    } else {
      grabbed_ = hit;
    }
  }

  void hover(QWidget* hit) {
    if (hovered_ == hit) return;
    if (hovered_) {
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(hovered_, &leave);
    }
    hovered_ = hit;
  }

  void moveTo(QWidget* target) {
    QPoint local;
    QWidget* hit = topmostAt(target, local);
    hover(hit);
    QMouseEvent e(QEvent::MouseMove, QPointF(local), hit->mapToGlobal(QPointF(local)), Qt::NoButton,
                  held_, Qt::NoModifier);
    QApplication::sendEvent(hit, &e);
    settle();
  }

  void type(const QString& name, const QString& text) {
    QWidget* w = control(name)->Widget();
    w->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < text.size(); ++i) {
      QChar c = text[i];
      int key = c.unicode();
      QString t(c);
      if (c == '\\' && i + 1 < text.size()) {
        QChar n = text[++i];
        if (n == 'b') {
          key = Qt::Key_Backspace;
          t = QString(QChar(8));
        } else if (n == 'n') {
          key = Qt::Key_Return;
          t = "\r";
        } else {
          key = n.unicode();
          t = QString(n);
        }
      } else if (c.isLetter()) {
        key = c.toUpper().unicode();
      }
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, t);
      QApplication::sendEvent(w, &press);
      QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, t);
      QApplication::sendEvent(w, &release);
      settle();
    }
  }

  void wait(int ms) {
    if (realtime_) {
      QEventLoop loop;
      QTimer::singleShot(ms, &loop, &QEventLoop::quit);
      loop.exec();
      return;
    }
    Application& app = Application::instance();
    const uint32_t end = timeGetTime() + static_cast<uint32_t>(ms);
    uint32_t lastPump = timeGetTime();
    while (static_cast<int32_t>(end - timeGetTime()) > 0) {
      advanceClock(1);
      app.runDueTimers(timeGetTime());
      app.runIdleOnce();
      if (timeGetTime() - lastPump >= 16) {
        QCoreApplication::processEvents();
        lastPump = timeGetTime();
      }
      if (!form_.isVisible() && !form_.isMinimized()) return;
    }
  }

  void answer(const QString& kind, const QString& text) {
    using dialogs::Answer;
    if (kind == "yes")
      dialogs::queue(Answer::Yes);
    else if (kind == "no")
      dialogs::queue(Answer::No);
    else if (kind == "ok")
      dialogs::queue(Answer::Ok);
    else if (kind == "cancel")
      dialogs::queue(Answer::Cancel);
    else if (kind == "text")
      dialogs::queue(Answer::Text, text);
    else
      throw Failure{"unknown answer " + kind};
  }

  void show(const QString& name) {
    if (name == "Timer1") {
      say(QString("Timer1 enabled=%1 interval=%2")
              .arg(form_.Timer1->enabled() ? 1 : 0)
              .arg(form_.Timer1->interval())
              .toStdString());
      return;
    }
    if (name == "Form1") {
      say(QString("Form1 visible=%1 enabled=%2 left=%3 top=%4 width=%5 height=%6 caption=\"%7\"")
              .arg(form_.isVisible() ? 1 : 0)
              .arg(form_.isEnabled() ? 1 : 0)
              .arg(form_.x())
              .arg(form_.y())
              .arg(form_.width())
              .arg(form_.height())
              .arg(form_.windowTitle())
              .toStdString());
      return;
    }
    TControl* c = control(name);
    QString line =
        QString("%1 visible=%2 enabled=%3 left=%4 top=%5 width=%6 height=%7 caption=\"%8\"")
            .arg(name)
            .arg(c->Visible() ? 1 : 0)
            .arg(c->Enabled() ? 1 : 0)
            .arg(c->Left())
            .arg(c->Top())
            .arg(c->Width())
            .arg(c->Height())
            .arg(c->Caption());
    QString extra = c->Describe();
    if (!extra.isEmpty()) line += " " + extra;
    say(line.toStdString());
  }

  void settle() { QCoreApplication::processEvents(); }

  // The window as it is painted now, one RGB pixel per logical pixel.
  void snap(const QString& file) {
    if (file.isEmpty() || QDir::isAbsolutePath(file) || QDir::cleanPath(file).startsWith(".."))
      throw Failure{"snap needs a file name inside the working folder"};
    settle();
    QPixmap shot = form_.grab(QRect(0, 0, form_.width(), form_.height()));
    shot.setDevicePixelRatio(1);
    QImage image = shot.toImage().convertToFormat(QImage::Format_RGB888);
    if (image.size() != form_.size())
      image = image.scaled(form_.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QDir().mkpath(QFileInfo(file).path());
    if (!image.save(file, "PNG")) throw Failure{"cannot write " + file};
    say("snap: " + file.toStdString());
  }

  TForm1& form_;
  RecordingAudioDevice& audio_;
  bool realtime_;
  Qt::MouseButtons held_;
  QPointer<QWidget> grabbed_, hovered_;
};

}  // namespace

int runScript(const QString& file, bool realtime) {
  QFile in;
  bool opened = file == "-"
                    ? in.open(stdin, QIODevice::ReadOnly | QIODevice::Text)
                    : (in.setFileName(file), in.open(QIODevice::ReadOnly | QIODevice::Text));
  if (!opened) {
    std::cerr << "pinvale: cannot read the script " << file.toStdString() << '\n';
    return 2;
  }

  useVirtualClock(!realtime);
  Application::instance().useVirtualTime(!realtime);
  auto recorder = std::make_unique<RecordingAudioDevice>();
  RecordingAudioDevice& audio = *recorder;
  audio.onCommand = [](const std::string& c) { say("mci: " + c); };
  useAudioDevice(std::move(recorder));
  dialogs::useScript(say);

  int status = 0;
  {
    TForm1 form;
    form.FormCreate();
    form.show();
    QCoreApplication::processEvents();
    Driver driver(form, audio, realtime);
    QTextStream lines(&in);
    lines.setEncoding(QStringConverter::Utf8);
    int number = 0;
    bool open = true;
    while (open && !lines.atEnd()) {
      QString line = lines.readLine();
      ++number;
      if (line.endsWith('\r')) line.chop(1);
      if (line.trimmed().isEmpty() || line.trimmed().startsWith('#')) continue;
      try {
        open = driver.run(line.trimmed());
      } catch (const Failure& f) {
        std::cerr << "line " << number << ": " << f.what.toStdString() << '\n';
        status = 2;
        break;
      }
    }
    // The end of the script closes the window as its close button does.
    if (form.isVisible() || form.isMinimized()) form.close();
  }
  useAudioDevice(nullptr);
  dialogs::stopScript();
  return status;
}
