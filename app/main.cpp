// Program entry: the command line, the game folder, one instance at a time,
// the window, the event loop. With --script the same form is driven by a
// script instead (see app/script.h).
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QRegularExpression>
#include <QScreen>
#include <cstdio>
#include <iostream>

#include "app/TForm1.h"
#include "app/script.h"
#include "platform/folders.h"
#include "platform/lock.h"
#include "platform/media.h"
#include "platform/random.h"
#include "platform/signals.h"

#ifndef PINVALE_VERSION
#define PINVALE_VERSION "0"
#endif

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

struct Options {
  QString script, workdir;
  bool realtime = false, firstPaint = false;
  int scale = 0;  // 0: from the screen
};

// Reads the command line into `o`. Returns -1 to go on, or the status to
// exit with at once (after --help, --version or a mistake).
int readOptions(int argc, char** argv, Options& o) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Pinvale, a golf game for a small window: eight characters, a practice course, a\n"
      "championship course and courses of your own from the built-in editor.\n"
      "Without --workdir the game plays in the current folder when it holds dat/,\n"
      "otherwise in $XDG_DATA_HOME/pinvale (~/.local/share/pinvale).");
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
  const QCommandLineOption scale("scale",
                                 "Window scale, 1 to 4 (default: the screen's pixel ratio).", "N");
  const QCommandLineOption workdir(
      "workdir", "Play in DIR, the folder holding dat/, edit/ and record/ (made if missing).",
      "DIR");
  const QCommandLineOption script(
      "script",
      "Play the game from the commands in FILE (- for standard input) and print a transcript.",
      "FILE");
  const QCommandLineOption seed("seed", "Seed the random generator with N, to replay a game.", "N");
  const QCommandLineOption realtime("realtime", "With --script: run on the real clock.");
  const QCommandLineOption firstPaint(
      "first-paint", "Print the time until the title screen is painted, and quit.");
  parser.addOptions({help, version, scale, workdir, script, seed, realtime, firstPaint});

  auto usage = [&parser] {
    // The first line names the program as it is installed, not the path it
    // was started by.
    QString text = parser.helpText();
    text.replace(QRegularExpression("^Usage: \\S+"), "Usage: pinvale");
    return text.toStdString();
  };
  auto mistake = [&usage](const QString& why) {
    std::cerr << "pinvale: " << why.toStdString() << "\n\n" << usage();
    return 2;
  };

  if (!parser.parse(args)) return mistake(parser.errorText());
  if (parser.isSet(help)) {
    std::cout << usage();
    return 0;
  }
  if (parser.isSet(version)) {
    std::cout << "pinvale " << PINVALE_VERSION << '\n';
    return 0;
  }
  if (!parser.positionalArguments().isEmpty())
    return mistake("unexpected argument '" + parser.positionalArguments().first() + "'.");

  o.script = parser.value(script);
  o.workdir = parser.value(workdir);
  o.realtime = parser.isSet(realtime);
  o.firstPaint = parser.isSet(firstPaint);
  if (parser.isSet(seed)) {
    bool ok = false;
    qulonglong n = parser.value(seed).toULongLong(&ok);
    if (!ok) return mistake("--seed needs a whole number, not '" + parser.value(seed) + "'.");
    fixSeed(n);
  }
  if (parser.isSet(scale)) {
    bool ok = false;
    o.scale = parser.value(scale).toInt(&ok);
    if (!ok || o.scale < 1 || o.scale > 4)
      return mistake("--scale needs a whole number from 1 to 4, not '" + parser.value(scale) +
                     "'.");
  }
  if (parser.isSet(workdir) && o.workdir.isEmpty()) return mistake("--workdir needs a folder.");
  if (parser.isSet(script) && o.script.isEmpty()) return mistake("--script needs a file.");
  return -1;
}

// The window's scale, before the application object exists. Every position
// and size stays in the window's own pixels; only the screen shows it
// larger, pictures pixel for pixel and text at the larger size.
void chooseScale(const Options& o) {
  if (o.scale > 0) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(o.scale));
  } else {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
  }
}

// Qt looks into the session's runtime folder while it starts and complains
// when there is none or it is not private; the game needs none there.
QtMessageHandler gQtMessages = nullptr;

void quietRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith("QStandardPaths: ") && text.contains("runtime", Qt::CaseInsensitive)) return;
  if (gQtMessages)
    gQtMessages(type, context, text);
  else
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

// A signal to end closes the window as its close button does.
void closeOnSignal() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* form = dynamic_cast<TForm1*>(w); form && form->isVisible())
      form->tojiMouseUp(TMouseButton::mbLeft, 0, 0);
  // Leaves the event loop even when a dialog box has its own.
  QCoreApplication::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (int status = readOptions(argc, argv, o); status >= 0) return status;
  if (!o.script.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  chooseScale(o);
  gQtMessages = qInstallMessageHandler(quietRuntimeFolder);

  QElapsedTimer started;
  started.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pinvale");
  QApplication::setApplicationVersion(PINVALE_VERSION);
  QGuiApplication::setDesktopFileName("io.github.pinvale.Pinvale");
  // The installed icon, for the task bar.
  QApplication::setWindowIcon(QIcon::fromTheme("io.github.pinvale.Pinvale"));
  onEndSignals(closeOnSignal);
  loadDesignFont();

  // A relative script is read from where the driver was started.
  if (!o.script.isEmpty() && o.script != "-") o.script = QFileInfo(o.script).absoluteFilePath();

  // A second start ends at once, silently.
  if (o.script.isEmpty() && !acquireInstanceLock("pvale")) return 0;

  const QString folder =
      chooseGameFolder(o.workdir, QDir::currentPath(), playerFolder(), installedMediaFolders());
  if (!o.workdir.isEmpty()) QDir().mkpath(folder);
  if (!QDir::setCurrent(folder) && !o.workdir.isEmpty()) {
    std::cerr << "pinvale: cannot work in " << o.workdir.toStdString() << '\n';
    return 2;
  }
  if (!o.script.isEmpty()) return runScript(o.script, o.realtime);

  if (!holdsMedia("dat"))
    std::cerr << "pinvale: playing without sound: no media in "
              << QDir::toNativeSeparators(QDir(folder).absoluteFilePath("dat")).toStdString()
              << '\n';

  useAudioDevice(makeSdlAudioDevice());
  int status = 0;
  {
    TForm1 form;
    form.FormCreate();
    if (QScreen* s = QApplication::primaryScreen())
      form.move(s->geometry().center() - form.rect().center());
    if (o.firstPaint) {
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
