// Music and sound effects through the multimedia command strings: alias
// audio1 for music (and the cup jingles), se1 for effects. Music loops by
// polling: Timer1 asks for the mode and restarts a stopped track.
#include "app/TForm1.h"
#include "model/characters.h"
#include "platform/media.h"
#include "sound/tracks.h"

namespace {

void send(const QString& command) { mciSendString(command); }

QString openCommand(const char* file, const char* alias) {
  return QString("open \"%1\" alias %2").arg(QString::fromUtf8(file), alias);
}

}  // namespace

void TForm1::PlayBGM() {
  if (bgmOn != 1) return;
  try {
    if (const Track* t = trackOf(bgmTrack)) {
      send(openCommand(t->file, "audio1"));
      send(QString("play audio1 from %1 notify").arg(t->from));
    }
    if (bgmTrack != 0) Timer1->setEnabled(true);
  } catch (...) {
    StopBGM();
  }
}

void TForm1::StopBGM() {
  Timer1->setEnabled(false);
  send("stop audio1");
  send("close audio1");
}

void TForm1::PlaySE() {
  const char* file = effectFile(seId);
  if (!file) return;
  send(openCommand(file, "se1"));
  send("play se1 from 0 notify");
}

void TForm1::StopSE() {
  send("stop se1");
  send("close se1");
}

void TForm1::playEffect(uint8_t id) {
  seId = id;
  StopSE();
  PlaySE();
}

void TForm1::startTrack(uint8_t track) {
  bgmTrack = track;
  StopBGM();
  PlayBGM();
}

void TForm1::ShotSE() {
  const CharacterRow* row = characterRow(charSlot, altChar);
  playEffect(row ? row->swingSe : 5);
}

void TForm1::Timer1Timer() {
  try {
    QString mode;
    mciSendString("status audio1 mode", &mode);
    if (mode.left(7) != "stopped") return;
    if (bgmTrack >= 1 && bgmTrack <= 18) {
      // audio1 is still open, so the open command fails without effect and
      // the play command starts the same piece again: the loop.
      send("stop audio1");
      PlayBGM();
    } else if (bgmTrack == 19) {
      bgmTrack = 0;
      StopBGM();
    }
  } catch (...) {
    StopBGM();
  }
}

void TForm1::Check1Click() {
  if (Check1->Checked()) {
    bgmOn = 1;
    PlayBGM();
  } else {
    bgmOn = 0;
    Timer1->setEnabled(false);
    send("stop audio1");
  }
  dSave();
  dSave2();
}

void TForm1::bgmLabelClick() {
  // The box's own handler runs with the change, then once more from here.
  Check1->SetChecked(bgmOn == 0);
  Check1Click();
}
