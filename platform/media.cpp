#include "platform/media.h"

#include <QStringList>
#include <set>

#include "platform/files.h"

namespace {

std::unique_ptr<AudioDevice> device;
std::set<QString> openAliases;

enum : int { kOk = 0, kBadCommand = 256, kNotOpen = 263, kAlreadyOpen = 289, kCannotOpen = 275 };

// Splits a command into words; a double-quoted word keeps its blanks.
QStringList words(const QString& command) {
  QStringList out;
  QString cur;
  bool quoted = false, any = false;
  for (QChar c : command) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == ' ' && !quoted) {
      if (any) out << cur;
      cur.clear();
      any = false;
    } else {
      cur += c;
      any = true;
    }
  }
  if (any) out << cur;
  return out;
}

}  // namespace

void useAudioDevice(std::unique_ptr<AudioDevice> d) {
  if (device)
    for (const QString& alias : openAliases) device->close(alias);
  openAliases.clear();
  device = std::move(d);
}

AudioDevice* audioDevice() { return device.get(); }

int mciSendString(const QString& command, QString* reply) {
  if (reply) reply->clear();
  if (!device) return kBadCommand;
  device->sent(command);
  QStringList w = words(command);
  if (w.size() < 2) return kBadCommand;
  const QString verb = w[0].toLower();
  if (verb == "open") {
    // open "path" alias NAME
    if (w.size() < 4 || w[2].toLower() != "alias") return kBadCommand;
    const QString& alias = w[3];
    if (openAliases.count(alias)) return kAlreadyOpen;
    if (!device->open(alias, hostPath(w[1]))) return kCannotOpen;
    openAliases.insert(alias);
    return kOk;
  }
  const QString& alias = w[1];
  if (!openAliases.count(alias)) return kNotOpen;
  if (verb == "play") {
    long from = 0;
    int at = static_cast<int>(w.indexOf("from"));
    if (at >= 0 && at + 1 < w.size()) from = w[at + 1].toLong();
    device->play(alias, from);
    return kOk;
  }
  if (verb == "stop") {
    device->stop(alias);
    return kOk;
  }
  if (verb == "close") {
    device->close(alias);
    openAliases.erase(alias);
    return kOk;
  }
  if (verb == "status" && w.size() >= 3 && w[2].toLower() == "mode") {
    if (reply) *reply = device->mode(alias);
    return kOk;
  }
  return kBadCommand;
}

void RecordingAudioDevice::sent(const QString& command) {
  if (command.startsWith("status ")) return;
  commands.push_back(command.toStdString());
  if (onCommand) onCommand(commands.back());
}

// The recorder opens every piece, present or not, so that a scripted game
// shows the same commands with or without the media files.
bool RecordingAudioDevice::open(const QString& alias, const QString&) {
  modes_[alias] = "stopped";
  return true;
}

void RecordingAudioDevice::play(const QString& alias, long) { modes_[alias] = "playing"; }
void RecordingAudioDevice::stop(const QString& alias) { modes_[alias] = "stopped"; }
void RecordingAudioDevice::close(const QString& alias) { modes_.erase(alias); }

QString RecordingAudioDevice::mode(const QString& alias) {
  auto it = modes_.find(alias);
  return it == modes_.end() ? QString() : it->second;
}

void RecordingAudioDevice::pieceEnds(const QString& alias) {
  auto it = modes_.find(alias);
  if (it != modes_.end()) it->second = "stopped";
}
