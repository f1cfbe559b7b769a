#include "platform/piecelength.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace {

// Reads big-endian numbers and variable-length quantities; any read past the
// end marks the reader as failed and returns 0.
struct Reader {
  const QByteArray& data;
  qsizetype pos = 0, end = 0;
  bool failed = false;

  uint32_t byte() {
    if (pos >= end) {
      failed = true;
      return 0;
    }
    return static_cast<uint8_t>(data[pos++]);
  }
  uint32_t big(int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | byte();
    return v;
  }
  uint32_t vlq() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      uint32_t b = byte();
      v = v << 7 | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    failed = true;  // longer than the four bytes a MIDI file allows
    return 0;
  }
  void skip(uint32_t n) {
    if (n > static_cast<uint64_t>(end - pos)) {
      failed = true;
      pos = end;
    } else {
      pos += n;
    }
  }
};

uint32_t little(const QByteArray& d, qsizetype at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(d[at + i]);
  return v;
}

}  // namespace

double midiSeconds(const QByteArray& file) {
  Reader r{file, 0, file.size()};
  if (!file.startsWith("MThd")) return -1;
  r.skip(4);
  uint32_t headerLength = r.big(4);
  if (headerLength < 6) return -1;
  r.big(2);  // format
  uint32_t tracks = r.big(2), division = r.big(2);
  r.skip(headerLength - 6);
  if (r.failed || tracks == 0 || division == 0) return -1;

  std::map<uint64_t, uint32_t> tempos;  // tick -> microseconds per quarter note
  uint64_t endTick = 0, lastNote = 0;
  for (uint32_t t = 0; t < tracks; ++t) {
    if (r.big(4) != 0x4D54726B) return -1;  // "MTrk"
    uint32_t length = r.big(4);
    if (r.failed || length > static_cast<uint64_t>(file.size() - r.pos)) return -1;
    Reader tr{file, r.pos, r.pos + length};
    uint64_t tick = 0;
    uint32_t status = 0;
    bool ended = false;
    while (!ended && !tr.failed && tr.pos < tr.end) {
      tick += tr.vlq();
      uint32_t b = tr.byte();
      if (b == 0xFF) {
        uint32_t kind = tr.byte(), n = tr.vlq();
        if (kind == 0x51 && n == 3)
          tempos[tick] = tr.big(3);
        else
          tr.skip(n);
        ended = kind == 0x2F;
      } else if (b == 0xF0 || b == 0xF7) {
        tr.skip(tr.vlq());
      } else {
        if (b & 0x80) {
          status = b;
          b = tr.byte();
        } else if (!status) {
          return -1;  // running status with nothing to run on
        }
        uint32_t kind = status >> 4;
        if (kind != 0xC && kind != 0xD) tr.byte();
        if (kind == 0x8 || kind == 0x9) lastNote = std::max(lastNote, tick);
      }
    }
    if (tr.failed) return -1;
    endTick = std::max(endTick, tick);
    r.pos += length;
  }

  auto seconds = [&](uint64_t tick) {
    if (division & 0x8000) {  // SMPTE: frames per second and ticks per frame
      int fps = -static_cast<int8_t>(division >> 8);
      int perFrame = division & 0xFF;
      return fps > 0 && perFrame > 0 ? static_cast<double>(tick) / (fps * perFrame) : 0.0;
    }
    double s = 0, us = 500000;
    uint64_t at = 0;
    for (auto [t, tempo] : tempos) {
      if (t >= tick) break;
      s += static_cast<double>(t - at) / division * us / 1e6;
      at = t;
      us = tempo;
    }
    return s + static_cast<double>(tick - at) / division * us / 1e6;
  };
  return std::min(seconds(endTick), seconds(lastNote) + kMidiRelease);
}

double waveSeconds(const QByteArray& file) {
  if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return -1;
  uint32_t rate = 0, align = 0;
  for (qsizetype at = 12; at + 8 <= file.size();) {
    const QByteArray id = file.mid(at, 4);
    uint64_t size = little(file, at + 4, 4);
    qsizetype body = at + 8;
    if (id == "fmt " && size >= 16 && body + 16 <= file.size()) {
      rate = little(file, body + 4, 4);
      align = little(file, body + 12, 2);
    } else if (id == "data") {
      if (!rate || !align) return -1;
      uint64_t bytes = std::min<uint64_t>(size, file.size() - body);
      return static_cast<double>(bytes / align) / rate;
    }
    at = body + static_cast<qsizetype>(std::min<uint64_t>(size + (size & 1), file.size()));
  }
  return -1;
}

double pieceSeconds(const QByteArray& file) {
  return file.startsWith("RIFF") ? waveSeconds(file) : midiSeconds(file);
}
