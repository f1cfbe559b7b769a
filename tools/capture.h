// Reading the mixer's output captured by SDL's disk audio driver (signed
// 16-bit samples, interleaved): where the sound stops and starts again.
#pragma once

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

// For each 5 ms window, whether any sample reaches -60 dBFS.
inline std::vector<bool> loudWindows(const QByteArray& raw, int rate, int channels) {
  const auto* s = reinterpret_cast<const int16_t*>(raw.constData());
  const qsizetype frames = raw.size() / (2 * channels), win = rate / 200;
  std::vector<bool> loud;
  for (qsizetype at = 0; at + win <= frames; at += win) {
    int peak = 0;
    for (qsizetype i = at * channels; i < (at + win) * channels; ++i)
      peak = std::max(peak, std::abs(static_cast<int>(s[i])));
    loud.push_back(peak > 33);
  }
  return loud;
}

// How long the capture holds sound (at -60 dBFS or more), in seconds.
inline double audibleSeconds(const QByteArray& raw, int rate = 44100, int channels = 2) {
  const std::vector<bool> loud = loudWindows(raw, rate, channels);
  return static_cast<double>(std::count(loud.begin(), loud.end(), true) * (rate / 200)) / rate;
}

struct Gap {
  double seconds;  // how long the near-silence lasts
  double edge;     // the loudest sample of the millisecond before it (1 = full scale)
};

// Runs of near-silence (every sample below -60 dBFS for at least one 5 ms
// window) that lie between two sounds. A sound cut off hard shows as a loud
// edge; one that fades out, as a quiet one.
inline std::vector<Gap> silentGaps(const QByteArray& raw, int rate = 44100, int channels = 2) {
  const auto* s = reinterpret_cast<const int16_t*>(raw.constData());
  const qsizetype win = rate / 200;
  const std::vector<bool> loud = loudWindows(raw, rate, channels);
  std::vector<Gap> out;
  auto first = std::find(loud.begin(), loud.end(), true);
  auto last = std::find(loud.rbegin(), loud.rend(), true).base();
  for (auto it = first; it < last;) {
    auto quiet = std::find(it, last, false);
    auto back = std::find(quiet, last, true);
    if (back > quiet) {
      const qsizetype from = (quiet - loud.begin()) * win, ms = rate / 1000;
      int edge = 0;
      for (qsizetype i = std::max<qsizetype>(0, from - ms) * channels; i < from * channels; ++i)
        edge = std::max(edge, std::abs(static_cast<int>(s[i])));
      out.push_back({static_cast<double>((back - quiet) * win) / rate, edge / 32768.0});
    }
    it = back;
  }
  return out;
}
