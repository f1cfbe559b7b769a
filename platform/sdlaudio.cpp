// The real sound device: SDL2_mixer. MIDI goes through its FluidSynth back
// end with a General MIDI soundfont; waves are played as they are.
#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/media.h"

namespace {

const char* const kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

// ALSA reports every configuration step that fails on a machine without a
// sound card on standard error. The library SDL loads is the one loaded here,
// so its reports can be turned off before SDL opens it.
extern "C" void ignoreAlsaReport(const char*, int, const char*, int, const char*, ...) {}

void quietAlsa() {
  void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
  if (!alsa) return;  // kept loaded: SDL shares it
  using SetHandler = int (*)(decltype(&ignoreAlsaReport));
  if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
    set(ignoreAlsaReport);
}

class SdlAudioDevice : public AudioDevice {
 public:
  ~SdlAudioDevice() override {
    if (!ready_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (auto& [alias, piece] : pieces_) release(piece);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  bool open(const QString& alias, const QString& path) override {
    if (!start()) return false;
    QByteArray file = QFile::encodeName(path);
    Piece piece;
    if (alias == "se1") {
      piece.chunk = Mix_LoadWAV(file.constData());
      if (!piece.chunk) return false;
    } else {
      piece.music = Mix_LoadMUS(file.constData());
      if (!piece.music) return false;
    }
    release(pieces_[alias]);
    pieces_[alias] = piece;
    return true;
  }

  void play(const QString& alias, long from) override {
    auto it = pieces_.find(alias);
    if (it == pieces_.end()) return;
    if (it->second.chunk) {
      Mix_PlayChannel(0, it->second.chunk, 0);
    } else if (it->second.music) {
      Mix_PlayMusic(it->second.music, 1);
      // The start position is in the device's milliseconds; a back end that
      // cannot seek simply starts at the beginning.
      if (from > 0) Mix_SetMusicPosition(static_cast<double>(from) / 1000.0);
    }
  }

  void stop(const QString& alias) override {
    auto it = pieces_.find(alias);
    if (it == pieces_.end()) return;
    if (it->second.chunk)
      Mix_HaltChannel(0);
    else if (it->second.music)
      Mix_HaltMusic();
  }

  void close(const QString& alias) override {
    auto it = pieces_.find(alias);
    if (it == pieces_.end()) return;
    stop(alias);
    release(it->second);
    pieces_.erase(it);
  }

  QString mode(const QString& alias) override {
    auto it = pieces_.find(alias);
    if (it == pieces_.end()) return {};
    bool playing = it->second.chunk ? Mix_Playing(0) != 0 : Mix_PlayingMusic() != 0;
    return playing ? "playing" : "stopped";
  }

 private:
  struct Piece {
    Mix_Music* music = nullptr;
    Mix_Chunk* chunk = nullptr;
  };

  static void release(Piece& p) {
    if (p.music) Mix_FreeMusic(p.music);
    if (p.chunk) Mix_FreeChunk(p.chunk);
    p = {};
  }

  // The sound card is opened when the first piece is, so that the title
  // screen comes up without waiting for it.
  bool start() {
    if (tried_) return ready_;
    tried_ = true;
    // SIGINT and SIGTERM stay the game's: it closes its window on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    quietAlsa();
    bool opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (opened && Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      opened = false;
    }
    if (!opened) {
      std::fprintf(stderr, "pinvale: playing without sound: no sound device (%s)\n",
                   SDL_GetError());
      return false;
    }
    Mix_AllocateChannels(1);
    if (!std::getenv("SDL_SOUNDFONTS"))
      for (const char* font : kSoundFonts)
        if (QFile::exists(font)) {
          Mix_SetSoundFonts(font);
          break;
        }
    ready_ = true;
    return true;
  }

  bool tried_ = false, ready_ = false;
  std::map<QString, Piece> pieces_;
};

}  // namespace

std::unique_ptr<AudioDevice> makeSdlAudioDevice() { return std::make_unique<SdlAudioDevice>(); }
