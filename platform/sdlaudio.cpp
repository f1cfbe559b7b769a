// The real sound device: SDL2_mixer. MIDI goes through its FluidSynth back
// end with a General MIDI soundfont; waves are played as they are.
//
// A piece on the music alias counts as playing only for as long as its music
// lasts, measured in sample frames the mixer has put out since it started.
// The synthesizer would otherwise report a finished MIDI piece as playing for
// many seconds more (its release and reverb tail, then a wait of its own), and
// the loop would start again only after a long silence.
#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <QFile>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/media.h"
#include "platform/piecelength.h"

namespace {

// Sample frames mixed so far, counted on the audio thread after each buffer.
std::atomic<uint64_t> mixedFrames{0};
std::atomic<int> bytesPerFrame{4}, channelCount{2};
std::atomic<bool> floatSamples{false};
// The frame at which the music piece playing now ends (0: none), and the
// frame up to which the effect playing now lasts.
std::atomic<uint64_t> musicEnd{0}, effectEnd{0};

// Where a piece ends, the synthesizer's tail would be cut off when the game
// stops it: the output fades to silence over the last few milliseconds and
// stays silent until the piece starts again, unless an effect is sounding.
constexpr uint64_t kEdgeFade = 441;   // 10 ms at 44.1 kHz
constexpr uint64_t kEdgeHold = 8820;  // 200 ms: a few polls of the loop

template <typename Sample>
void fadeEdge(Sample* s, uint64_t frames, uint64_t at, uint64_t end, int channels) {
  for (uint64_t i = 0; i < frames; ++i) {
    const uint64_t f = at + i;
    if (f + kEdgeFade < end || f >= end + kEdgeHold) continue;
    const double gain = f >= end ? 0.0 : static_cast<double>(end - f) / kEdgeFade;
    for (int c = 0; c < channels; ++c)
      s[i * channels + c] = static_cast<Sample>(s[i * channels + c] * gain);
  }
}

void afterMix(void*, Uint8* stream, int bytes) {
  const uint64_t frames = static_cast<uint64_t>(bytes / bytesPerFrame.load());
  const uint64_t at = mixedFrames.load(), end = musicEnd.load();
  if (end && at + frames + kEdgeFade >= end && at < end + kEdgeHold && at >= effectEnd.load()) {
    if (floatSamples)
      fadeEdge(reinterpret_cast<float*>(stream), frames, at, end, channelCount);
    else if (bytesPerFrame == 2 * channelCount)
      fadeEdge(reinterpret_cast<Sint16*>(stream), frames, at, end, channelCount);
  }
  mixedFrames += frames;
}

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
      piece.file = file;
      QFile f(path);
      if (f.open(QIODevice::ReadOnly)) piece.seconds = pieceSeconds(f.readAll());
    }
    release(pieces_[alias]);
    pieces_[alias] = piece;
    return true;
  }

  void play(const QString& alias, long from) override {
    auto it = pieces_.find(alias);
    if (it == pieces_.end()) return;
    if (it->second.chunk) {
      if (Mix_PlayChannel(0, it->second.chunk, 0) == 0)
        effectEnd = mixedFrames.load() + it->second.chunk->alen / bytesPerFrame.load();
    } else if (it->second.music) {
      playMusic(it->second, from);
    }
  }

  void stop(const QString& alias) override {
    auto it = pieces_.find(alias);
    if (it == pieces_.end()) return;
    if (it->second.chunk)
      Mix_HaltChannel(0);
    else if (it->second.music) {
      Mix_HaltMusic();
      musicEnd = 0;
    }
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
    bool playing = it->second.chunk ? Mix_Playing(0) != 0 : musicPlaying(it->second);
    return playing ? "playing" : "stopped";
  }

 private:
  struct Piece {
    Mix_Music* music = nullptr;
    Mix_Music* spare = nullptr;  // music: a fresh copy, ready for the next start
    Mix_Chunk* chunk = nullptr;
    QByteArray file;      // music: the host path, for a fresh start
    double seconds = -1;  // music: how long it lasts (negative: unknown)
    bool played = false;  // music: started at least once
    uint64_t startFrame = 0, lengthFrames = 0;
  };

  // The synthesizer's player cannot be rewound (the mixer has no seek for
  // MIDI), and stopped in the middle it would resume where it stood: a piece
  // started again is a fresh copy, loaded while the piece played before (a
  // copy takes milliseconds, the soundfont's samples staying cached, but a
  // loop should not wait even for that).
  void playMusic(Piece& p, long from) {
    if (p.played) {
      Mix_Music* fresh = p.spare ? p.spare : Mix_LoadMUS(p.file.constData());
      p.spare = nullptr;
      if (fresh) {
        Mix_FreeMusic(p.music);
        p.music = fresh;
      }
    }
    p.played = true;
    if (Mix_PlayMusic(p.music, 1) != 0) return;
    p.startFrame = mixedFrames.load();
    // The start position is in the device's milliseconds; a back end that
    // cannot seek simply starts at the beginning.
    double left = p.seconds;
    if (from > 0 && Mix_SetMusicPosition(static_cast<double>(from) / 1000.0) == 0)
      left -= static_cast<double>(from) / 1000.0;
    p.lengthFrames = left > 0 ? static_cast<uint64_t>(left * rate_) : 0;
    musicEnd = p.seconds < 0 ? 0 : p.startFrame + std::max<uint64_t>(p.lengthFrames, 1);
    if (!p.spare) p.spare = Mix_LoadMUS(p.file.constData());
  }

  bool musicPlaying(const Piece& p) const {
    if (!Mix_PlayingMusic()) return false;
    if (p.seconds < 0) return true;  // length unknown: as the mixer says
    return mixedFrames.load() - p.startFrame < p.lengthFrames;
  }

  static void release(Piece& p) {
    if (p.music) Mix_FreeMusic(p.music);
    if (p.spare) Mix_FreeMusic(p.spare);
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
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) && rate > 0 && channels > 0) {
      rate_ = rate;
      bytesPerFrame = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
      channelCount = channels;
      floatSamples = SDL_AUDIO_ISFLOAT(format);
    }
    Mix_SetPostMix(afterMix, nullptr);
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
  double rate_ = 44100;
  std::map<QString, Piece> pieces_;
};

}  // namespace

std::unique_ptr<AudioDevice> makeSdlAudioDevice() { return std::make_unique<SdlAudioDevice>(); }
