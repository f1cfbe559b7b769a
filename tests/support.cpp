#include "tests/support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <algorithm>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/dialogs.h"

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "pinvale_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* a = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *a;
}

}  // namespace

void FormTest::SetUp() {
  app();
  useVirtualClock(true);
  Application::instance().useVirtualTime(true);
  Application::instance().clearIdle();
  dir_ = std::make_unique<QTemporaryDir>();
  oldDir_ = QDir::currentPath();
  QDir::setCurrent(dir_->path());
  for (const char* d : {"dat", "edit", "record"}) QDir().mkdir(d);
  auto recorder = std::make_unique<RecordingAudioDevice>();
  audio_ = recorder.get();
  useAudioDevice(std::move(recorder));
  dialogs::useScript([this](const std::string& line) { dialogs_.push_back(line); });
}

void FormTest::TearDown() {
  form_.reset();
  Application::instance().clearIdle();
  useAudioDevice(nullptr);
  dialogs::stopScript();
  QDir::setCurrent(oldDir_);
  dir_.reset();
}

TForm1& FormTest::start() {
  form_ = std::make_unique<TForm1>();
  form_->FormCreate();
  commands();
  return *form_;
}

TForm1& FormTest::startHole(uint8_t slot, uint8_t course, uint8_t hole, int32_t points) {
  TForm1& f = start();
  f.charSlot = slot;
  f.applyCharacter(TMouseButton::mbLeft);
  f.courseKind = course;
  f.holeNo = hole;
  f.points = points;
  f.holestart();
  return f;
}

void FormTest::wait(int ms) {
  Application& a = Application::instance();
  const uint32_t end = timeGetTime() + static_cast<uint32_t>(ms);
  while (static_cast<int32_t>(end - timeGetTime()) > 0) {
    advanceClock(1);
    a.runDueTimers(timeGetTime());
    a.runIdleOnce();
  }
}

std::vector<std::string> FormTest::commands() {
  std::vector<std::string> out;
  out.swap(audio_->commands);
  return out;
}

std::vector<std::string> FormTest::dialogLines() {
  std::vector<std::string> out;
  out.swap(dialogs_);
  return out;
}

QByteArray FormTest::readFile(const QString& path) const {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

void FormTest::writeFile(const QString& path, const QByteArray& bytes) const {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

bool FormTest::exists(const QString& path) const { return QFile::exists(path); }

bool sent(const std::vector<std::string>& commands, const std::string& command) {
  return std::find(commands.begin(), commands.end(), command) != commands.end();
}

int FormTest::until(const std::function<bool()>& done, int limit) {
  const uint32_t from = timeGetTime();
  while (!done() && static_cast<int>(timeGetTime() - from) < limit) wait(1);
  return static_cast<int>(timeGetTime() - from);
}
