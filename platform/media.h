// The multimedia command strings the game sends, and the audio devices that
// carry them out.
//
// The game speaks in command strings: `open "dat\x.mid" alias audio1`,
// `play audio1 from 15 notify`, `stop audio1`, `close audio1`,
// `status audio1 mode`. mciSendString parses them and drives the device in
// use: SDL2_mixer in real runs (alias audio1 is the music stream, MIDI or
// WAV; se1 the effect channel), a recording device in scripts and tests.
// Opening an alias that is already open fails without effect. A missing
// file or a missing sound card means silence, never an error for the player.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;
  // Every command as the game sent it, before it is carried out.
  virtual void sent(const QString& /*command*/) {}
  // `path` is already a host path. False when the piece cannot be opened.
  virtual bool open(const QString& alias, const QString& path) = 0;
  virtual void play(const QString& alias, long from) = 0;
  virtual void stop(const QString& alias) = 0;
  virtual void close(const QString& alias) = 0;
  // "playing" or "stopped".
  virtual QString mode(const QString& alias) = 0;
};

// Sends one command; 0 when it was carried out, an error number otherwise.
// `reply` receives the answer of a status command.
int mciSendString(const QString& command, QString* reply = nullptr);

// Installs the device in use (the previous one is closed and dropped).
void useAudioDevice(std::unique_ptr<AudioDevice> device);
AudioDevice* audioDevice();

// SDL2_mixer, opened on first use; silent when there is no sound card.
std::unique_ptr<AudioDevice> makeSdlAudioDevice();

// Plays nothing: remembers what was sent and what each alias is doing.
class RecordingAudioDevice : public AudioDevice {
 public:
  // Called with every command except status polls.
  std::function<void(const std::string&)> onCommand;
  std::vector<std::string> commands;

  void sent(const QString& command) override;
  bool open(const QString& alias, const QString& path) override;
  void play(const QString& alias, long from) override;
  void stop(const QString& alias) override;
  void close(const QString& alias) override;
  QString mode(const QString& alias) override;

  // The piece on `alias` reaches its end.
  void pieceEnds(const QString& alias);

 private:
  std::map<QString, QString> modes_;
};
