#include "tests/fuzz/harness.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/media.h"
#include "platform/random.h"

namespace {

RecordingAudioDevice* recorder = nullptr;

}  // namespace

TForm1& fuzzForm() {
  static TForm1* form = [] {
    static int argc = 1;
    static char name[] = "pinvale_fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    new QApplication(argc, argv);
    // In memory when there is such a folder: every save syncs its file and
    // folder, which on a disk would cost more than the rest of a run.
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? "/dev/shm/pinvale-fuzz-XXXXXX"
                                                       : QDir::tempPath() + "/pinvale-fuzz-XXXXXX");
    QDir::setCurrent(dir.path());
    for (const char* d : {"dat", "edit", "record"}) QDir().mkdir(d);
    useVirtualClock(true);
    Application::instance().useVirtualTime(true);
    auto device = std::make_unique<RecordingAudioDevice>();
    recorder = device.get();
    useAudioDevice(std::move(device));
    dialogs::useScript([](const std::string&) {});
    auto* f = new TForm1;
    f->FormCreate();
    Randomize(1);
    return f;
  }();
  return *form;
}

void writeInput(const char* path, const uint8_t* data, size_t size) {
  std::FILE* out = std::fopen(path, "wb");
  if (!out) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, out) != size) std::abort();
  std::fclose(out);
}

bool runFrames(int frames) {
  Application& app = Application::instance();
  for (int i = 0; i < frames && app.hasIdle(); ++i) {
    // Past the longest wait of any frame handler (the 5100 ms jingle).
    advanceClock(6000);
    app.runDueTimers(timeGetTime());
    app.runIdleOnce();
  }
  return !app.hasIdle();
}

void dropRecords() {
  if (recorder) recorder->commands.clear();
  // Back near the clock's start, long before its reading turns negative.
  if (timeGetTime() > (1u << 30)) advanceClock(0u - timeGetTime() + 100000u);
}
