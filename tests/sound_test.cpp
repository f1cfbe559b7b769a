// Music and effects as the command strings the game sends.
#include "sound/tracks.h"
#include "tests/support.h"

namespace {

using Sound = FormTest;
using Lines = std::vector<std::string>;

TEST_F(Sound, TrackStartsLoopsAndStops) {
  TForm1& f = start();
  f.startTrack(5);
  EXPECT_EQ(commands(),
            (Lines{"stop audio1", "close audio1", "open \"dat\\bgm_158.mid\" alias audio1",
                   "play audio1 from 0 notify"}));
  EXPECT_TRUE(f.Timer1->enabled());
  wait(500);
  EXPECT_TRUE(commands().empty());  // still playing: only polls
  audio_->pieceEnds("audio1");
  wait(60);
  // The open fails on the open alias; the play starts the piece again.
  EXPECT_EQ(commands(), (Lines{"stop audio1", "open \"dat\\bgm_158.mid\" alias audio1",
                               "play audio1 from 0 notify"}));
  f.bgmTrack = 1;
  audio_->pieceEnds("audio1");
  wait(60);
  EXPECT_EQ(commands().back(), "play audio1 from 13 notify");
}

TEST_F(Sound, TheEndingPiecePlaysOnce) {
  TForm1& f = start();
  f.startTrack(19);
  commands();
  audio_->pieceEnds("audio1");
  wait(60);
  EXPECT_EQ(f.bgmTrack, 0);
  EXPECT_FALSE(f.Timer1->enabled());
  EXPECT_EQ(commands(), (Lines{"stop audio1", "close audio1"}));
  wait(300);
  EXPECT_TRUE(commands().empty());
}

TEST_F(Sound, MusicOffSendsOnlyStopsButEffectsStillPlay) {
  writeFile("dat/data.bin", QByteArray(1, '\0'));
  TForm1& f = start();
  f.startTrack(3);
  EXPECT_EQ(commands(), (Lines{"stop audio1", "close audio1"}));
  EXPECT_FALSE(f.Timer1->enabled());
  f.playEffect(17);
  EXPECT_EQ(commands(), (Lines{"stop se1", "close se1", "open \"dat\\in.wav\" alias se1",
                               "play se1 from 0 notify"}));
}

TEST_F(Sound, SwitchSavesAndRestartsTheTrack) {
  TForm1& f = start();
  f.startTrack(2);
  commands();
  f.Check1->SetChecked(false);  // the player clears the box
  EXPECT_EQ(f.bgmOn, 0);
  EXPECT_FALSE(f.Timer1->enabled());
  EXPECT_EQ(commands(), (Lines{"stop audio1"}));
  EXPECT_EQ(readFile("dat/data.bin")[0], 0);
  f.Check1->SetChecked(true);
  EXPECT_EQ(commands(),
            (Lines{"open \"dat\\MOUNT.mid\" alias audio1", "play audio1 from 6 notify"}));
  EXPECT_EQ(readFile("dat/data.bin")[0], 1);
}

TEST_F(Sound, LabelFlipsTheBoxAndRunsTheSwitchTwice) {
  TForm1& f = start();
  f.bgmTrack = 4;
  f.bgmLabelClick();
  EXPECT_FALSE(f.Check1->Checked());
  EXPECT_EQ(commands(), (Lines{"stop audio1", "stop audio1"}));
  f.bgmLabelClick();
  EXPECT_TRUE(f.Check1->Checked());
  EXPECT_EQ(commands(),
            (Lines{"open \"dat\\qoretc05.mid\" alias audio1", "play audio1 from 15 notify",
                   "open \"dat\\qoretc05.mid\" alias audio1", "play audio1 from 15 notify"}));
}

TEST_F(Sound, SwingByCharacterAndTheTables) {
  TForm1& f = start();
  const std::pair<int, const char*> swings[] = {{1, "swing1"}, {2, "swing1"}, {3, "swing5"},
                                                {4, "swing3"}, {5, "swing2"}, {6, "swing4"}};
  for (auto [slot, file] : swings) {
    f.charSlot = static_cast<uint8_t>(slot);
    f.ShotSE();
    EXPECT_EQ(commands()[2], std::string("open \"dat\\") + file + ".wav\" alias se1");
  }
  EXPECT_EQ(trackOf(0), nullptr);
  EXPECT_EQ(trackOf(20), nullptr);
  EXPECT_STREQ(trackOf(18)->file, trackOf(19)->file);
  EXPECT_EQ(trackOf(19)->from, 6);
  EXPECT_EQ(effectFile(1), nullptr);
  EXPECT_STREQ(effectFile(20), "dat\\se6.wav");
  EXPECT_EQ(letterTrack('A'), 2);
  EXPECT_EQ(letterTrack('P'), 1);
  EXPECT_EQ(letterTrack('R'), 18);
  EXPECT_EQ(letterTrack('S'), 0);
}

TEST_F(Sound, ClosingStopsMusicAndEffect) {
  TForm1& f = start();
  f.startTrack(2);
  commands();
  f.close();
  EXPECT_EQ(commands(), (Lines{"stop audio1", "close audio1", "stop se1", "close se1"}));
}

TEST(SdlDevice, MissingFilesAndNoSoundCardAreSilent) {
  qputenv("SDL_AUDIODRIVER", "dummy");
  useAudioDevice(makeSdlAudioDevice());
  QString mode;
  EXPECT_NE(mciSendString("open \"dat\\nothing.mid\" alias audio1"), 0);
  EXPECT_NE(mciSendString("play audio1 from 0 notify"), 0);
  mciSendString("status audio1 mode", &mode);
  EXPECT_TRUE(mode.isEmpty());
  useAudioDevice(nullptr);
}

}  // namespace
