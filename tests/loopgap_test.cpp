// A looping piece through SDL's real mixer: the gap between its end and its
// start again, measured in the mixer's own output (SDL's disk audio driver
// writes every buffer it mixes to a file, paced like a sound card).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/media.h"
#include "tools/capture.h"

namespace {

// 800 ticks at 120 bpm (0.83 s): a vibraphone chord from the start, let go
// a quarter of a beat before the end. Its long release keeps the synthesizer's
// player busy for seconds after the end, as a real tune's last notes do.
QByteArray shortPiece() {
  auto b = [](std::initializer_list<int> v) {
    QByteArray out;
    for (int x : v) out += static_cast<char>(x);
    return out;
  };
  QByteArray ev = b({0,    0xC0, 11,   0,    0x90, 60, 100, 0,  64, 100, 0,  67,
                     100,  0x85, 0x28, 0x80, 60,   0,  0,   64, 0,  0,   67, 0,  // 680 ticks later
                     0x78, 0xFF, 0x2F, 0});                                      // 120 more
  const auto n = static_cast<int>(ev.size());
  return "MThd" + b({0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0}) + "MTrk" + b({0, 0, 0, n}) + ev;
}

TEST(LoopGap, APieceStartsAgainWithinAFewPolls) {
  const char* font = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  if (!QFile::exists(font)) GTEST_SKIP() << "no soundfont (timgm6mb-soundfont) to play MIDI";
  QTemporaryDir dir;
  QFile piece(dir.filePath("loop.mid"));
  ASSERT_TRUE(piece.open(QIODevice::WriteOnly));
  piece.write(shortPiece());
  piece.close();
  const QString capture = dir.filePath("out.raw");
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(capture));
  useAudioDevice(makeSdlAudioDevice());
  const QString open = "open \"" + QDir::toNativeSeparators(piece.fileName()) + "\" alias audio1";
  if (mciSendString(open) != 0) {
    useAudioDevice(nullptr);
    qputenv("SDL_AUDIODRIVER", "dummy");
    GTEST_SKIP() << "SDL's disk audio driver could not play MIDI here";
  }
  // As the game's timer does: poll every 60 ms, on "stopped" stop and play again.
  mciSendString("play audio1 from 0 notify");
  int restarts = 0;
  QString mode;
  for (int tick = 0; tick < 100 && restarts < 3; ++tick) {
    QThread::msleep(60);
    mciSendString("status audio1 mode", &mode);
    if (mode.startsWith("stopped")) {
      mciSendString("stop audio1");
      EXPECT_NE(mciSendString(open), 0);  // still open: the play restarts the piece
      mciSendString("play audio1 from 0 notify");
      ++restarts;
    }
  }
  QThread::msleep(300);
  mciSendString("stop audio1");
  mciSendString("close audio1");
  useAudioDevice(nullptr);
  qputenv("SDL_AUDIODRIVER", "dummy");
  EXPECT_EQ(restarts, 3) << "a 0.83 s piece must end three times in 6 s";
  QFile out(capture);
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  const QByteArray raw = out.readAll();
  // Four times the chord, each start heard (a restart that only resumed the
  // finished player would stay silent), with at most one gap per restart; a
  // restart that comes before the end has faded leaves none.
  EXPECT_GT(audibleSeconds(raw), 4 * 0.7);
  std::vector<Gap> g = silentGaps(raw);
  EXPECT_LE(g.size(), 3u);
  for (Gap gap : g) {
    EXPECT_LT(gap.seconds, 0.150) << "gap of " << gap.seconds * 1000 << " ms";
    EXPECT_LT(gap.edge, 0.01) << "the piece is cut off, not faded";
    std::printf("loop gap %.0f ms, edge %.4f\n", gap.seconds * 1000, gap.edge);
  }
}

}  // namespace
