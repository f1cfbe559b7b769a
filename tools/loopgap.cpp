// Plays one music file through the game's sound device as the game loops a
// track (a status poll every 60 ms; on "stopped" the track's stop and play
// again) until it has started again and played 1.5 s more, or at most the
// given time, with SDL's disk audio driver capturing what the mixer puts
// out; then prints the silent gaps found in the capture.
//   pinvale_loopgap FILE SECONDS CAPTURE.raw
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/media.h"
#include "tools/capture.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: pinvale_loopgap FILE SECONDS CAPTURE.raw\n");
    return 2;
  }
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", argv[3]);
  useAudioDevice(makeSdlAudioDevice());
  const QString open = QString("open \"%1\" alias audio1").arg(QDir::toNativeSeparators(argv[1]));
  if (mciSendString(open) != 0) {
    std::printf("%s: cannot be played\n", argv[1]);
    return 1;
  }
  mciSendString("play audio1 from 0 notify");
  QElapsedTimer clock;
  clock.start();
  int restarts = 0;
  double firstEnd = -1;
  QString mode;
  const qint64 limit = static_cast<qint64>(std::atof(argv[2]) * 1000);
  while (clock.elapsed() < limit && (firstEnd < 0 || clock.elapsed() < firstEnd * 1000 + 1500)) {
    QThread::msleep(60);
    mciSendString("status audio1 mode", &mode);
    if (mode.startsWith("stopped")) {
      if (firstEnd < 0) firstEnd = clock.elapsed() / 1000.0;
      mciSendString("stop audio1");
      mciSendString(open);
      mciSendString("play audio1 from 0 notify");
      ++restarts;
    }
  }
  mciSendString("stop audio1");
  mciSendString("close audio1");
  useAudioDevice(nullptr);
  QFile capture(argv[3]);
  if (!capture.open(QIODevice::ReadOnly)) return 1;
  std::vector<Gap> gaps = silentGaps(capture.readAll());
  Gap longest{0, 0};
  for (Gap g : gaps)
    if (g.seconds >= longest.seconds) longest = g;
  std::printf(
      "%-17s ends at %6.2f s, %d restart(s), %zu silent gap(s), longest %3.0f ms, "
      "level before it %5.1f dBFS\n",
      QFileInfo(argv[1]).fileName().toUtf8().constData(), firstEnd, restarts, gaps.size(),
      longest.seconds * 1000, 20 * std::log10(std::max(longest.edge, 1e-5)));
  return 0;
}
