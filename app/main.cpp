// Program entry: one instance at a time, the window, the event loop. With
// --script the same form is driven by a script instead (see app/script.h).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QScreen>
#include <cstdio>
#include <iostream>

#include "app/TForm1.h"
#include "app/script.h"
#include "platform/lock.h"
#include "platform/media.h"
#include "platform/random.h"

namespace {

// The design font: a Gothic 11-pixel face, loaded from its file so the
// window looks the same on every machine that has it.
void loadDesignFont() {
  const char* const files[] = {
      "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
      "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf",
  };
  QString family = "IPAGothic";
  for (const char* f : files) {
    int id = QFontDatabase::addApplicationFont(f);
    if (id >= 0) {
      QStringList families = QFontDatabase::applicationFontFamilies(id);
      if (!families.isEmpty()) family = families.first();
      break;
    }
  }
  QFont font(family);
  font.setPixelSize(11);
  font.setStyleStrategy(QFont::PreferAntialias);
  QApplication::setFont(font);
}

void usage() {
  std::cerr << "usage: pinvale [--script FILE [--workdir DIR] [--seed N] [--realtime]]\n";
}

}  // namespace

int main(int argc, char** argv) {
  QString script, workdir;
  bool realtime = false, firstPaint = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--script" && i + 1 < argc) {
      script = argv[++i];
    } else if (a == "--workdir" && i + 1 < argc) {
      workdir = argv[++i];
    } else if (a == "--seed" && i + 1 < argc) {
      fixSeed(std::strtoull(argv[++i], nullptr, 10));
    } else if (a == "--realtime") {
      realtime = true;
    } else if (a == "--first-paint") {
      firstPaint = true;  // benchmark: quit once the title screen is painted
    } else {
      usage();
      return 2;
    }
  }
  if (!script.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  QElapsedTimer started;
  started.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pinvale");
  loadDesignFont();

  if (!workdir.isEmpty()) {
    QDir().mkpath(workdir);
    if (!QDir::setCurrent(workdir)) {
      std::cerr << "pinvale: cannot work in " << workdir.toStdString() << '\n';
      return 2;
    }
  }
  if (!script.isEmpty()) return runScript(script, realtime);

  // A second start ends at once, silently.
  if (!acquireInstanceLock("pvale")) return 0;

  useAudioDevice(makeSdlAudioDevice());
  int status = 0;
  {
    TForm1 form;
    form.FormCreate();
    if (QScreen* s = QApplication::primaryScreen())
      form.move(s->geometry().center() - form.rect().center());
    if (firstPaint) {
      struct Watch : QObject {
        QElapsedTimer* t;
        bool eventFilter(QObject*, QEvent* e) override {
          if (e->type() == QEvent::Paint) {
            std::printf("first paint: %lld ms\n", static_cast<long long>(t->elapsed()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, "quit", Qt::QueuedConnection);
          }
          return false;
        }
      };
      auto* watch = new Watch;
      watch->setParent(&form);  // goes with the window
      watch->t = &started;
      form.installEventFilter(watch);
    }
    form.show();
    status = QApplication::exec();
  }
  useAudioDevice(nullptr);
  return status;
}
