// The musical length of a piece, read from its file.
#include "platform/piecelength.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

QByteArray bytes(std::initializer_list<int> b) {
  QByteArray out;
  for (int x : b) out += static_cast<char>(x);
  return out;
}

QByteArray track(const QByteArray& events) {
  const auto n = static_cast<int>(events.size());
  return "MTrk" + bytes({n >> 24, (n >> 16) & 255, (n >> 8) & 255, n & 255}) + events;
}

QByteArray midi(std::initializer_list<QByteArray> tracks, int division = 480) {
  QByteArray out = "MThd" + bytes({0, 0, 0, 6, 0, 1, 0, static_cast<int>(tracks.size()),
                                   division >> 8, division & 255});
  for (const QByteArray& t : tracks) out += track(t);
  return out;
}

const QByteArray kEnd = bytes({0xFF, 0x2F, 0});

// 120 bpm for the first 960 ticks (two beats, 1 s), then 60 bpm.
const QByteArray kTempoTrack = bytes({0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20,           // 500000 us
                                      0x87, 0x40, 0xFF, 0x51, 3, 0x0F, 0x42, 0x40,  // 1000000
                                      0}) +
                               kEnd;

TEST(PieceLength, MidiFollowsTheTempoMapToTheLastTrackEnd) {
  // Note on at 0, off at 1440 (running status), track ends at 1920:
  // 1 s at 120 bpm, then 960 ticks at 60 bpm = 2 s more.
  QByteArray notes = bytes({0, 0x90, 60, 100, 0x8B, 0x20, 60, 0, 0x83, 0x60}) + kEnd;
  EXPECT_DOUBLE_EQ(midiSeconds(midi({kTempoTrack, notes})), 3.0);
  // Without a tempo the default is 120 bpm; 1920 ticks of 480 are four beats.
  EXPECT_DOUBLE_EQ(midiSeconds(midi({notes})), 2.0);
  // SMPTE division: 25 frames of 40 ticks a second.
  EXPECT_DOUBLE_EQ(midiSeconds(midi({notes}, 0xE728)), 1.92);
}

TEST(PieceLength, SilentSecondsAfterTheLastNoteDoNotCount) {
  // The last note ends at 480 (0.5 s); the track runs on to 9600 (10 s).
  QByteArray notes = bytes({0, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0xCA, 0x00}) + kEnd;
  EXPECT_DOUBLE_EQ(midiSeconds(midi({notes})), 0.5 + kMidiRelease);
}

TEST(PieceLength, DamagedFilesHaveNoLength) {
  QByteArray good = midi({kTempoTrack});
  EXPECT_GT(midiSeconds(good), -1);
  EXPECT_LT(midiSeconds(good.left(good.size() - 2)), 0);  // cut inside the track
  EXPECT_LT(midiSeconds(QByteArray("MThd")), 0);
  EXPECT_LT(midiSeconds(midi({bytes({0, 60, 100}) + kEnd})), 0);             // data with no status
  EXPECT_LT(midiSeconds(midi({bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x7F})})), 0);  // endless vlq
  EXPECT_LT(pieceSeconds(QByteArray("not music at all")), 0);
}

QByteArray wave(int rate, int channels, int frames, int dataSize) {
  auto le = [](int v, int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b += static_cast<char>((v >> (8 * i)) & 255);
    return b;
  };
  QByteArray fmt = le(1, 2) + le(channels, 2) + le(rate, 4) + le(rate * channels * 2, 4) +
                   le(channels * 2, 2) + le(16, 2);
  QByteArray body = "WAVE" + QByteArray("fmt ") + le(16, 4) + fmt + "LIST" + le(3, 4) + "abc" +
                    QByteArray(1, '\0') + "data" + le(dataSize, 4) +
                    QByteArray(frames * channels * 2, '\0');
  return "RIFF" + le(static_cast<int>(body.size()), 4) + body;
}

TEST(PieceLength, WaveIsItsFramesOverItsRate) {
  EXPECT_DOUBLE_EQ(pieceSeconds(wave(22050, 1, 11025, 22050)), 0.5);
  EXPECT_DOUBLE_EQ(waveSeconds(wave(44100, 2, 4410, 4410 * 4)), 0.1);
  // A data size larger than the file counts only what is there.
  EXPECT_DOUBLE_EQ(waveSeconds(wave(8000, 1, 800, 1 << 30)), 0.1);
  EXPECT_LT(waveSeconds(QByteArray("RIFF\4\0\0\0WAVE")), 0);
}

}  // namespace
