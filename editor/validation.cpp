// The editor's check rules: text repairs, limits, wind and slope kinds and
// the terrain pair rule.
#include "editor/validation.h"

#include <cmath>

namespace validation {

bool isInteger(const QString& text) {
  bool ok = false;
  const int start = !text.isEmpty() && (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
  if (start >= text.size()) return false;
  for (int i = start; i < text.size(); ++i)
    if (text[i] < u'0' || text[i] > u'9') return false;
  text.toInt(&ok, 10);
  return ok;
}

QString repairNumberText(const QString& text, const QString& fallback) {
  return isInteger(text) ? text : fallback;
}

QString repairSignedText(const QString& text) { return isInteger(text) ? text : QString("0"); }

int readInteger(const QString& text) {
  bool ok = false;
  const int v = text.toInt(&ok, 10);
  return ok ? v : 0;
}

int clampTo(int value, int low, int high) {
  return value < low ? low : value > high ? high : value;
}

uint8_t rangeKind(int from, int to) {
  if (from == 0 && to == 0) return 0;
  if (from > 0) return 2;
  if (to < 0) return 3;
  return 1;
}

RangeCheck checkRange(int start, int end, int firstGreenYard) {
  if (start == 0 && end == 0) return RangeCheck::Absent;
  const auto outside = [&](int y) { return y < kFirstRangeYard || y >= firstGreenYard; };
  if (outside(start) || outside(end)) return RangeCheck::Outside;
  if (start == end) return RangeCheck::Empty;
  return end < start ? RangeCheck::Swapped : RangeCheck::Kept;
}

QString rangeMessage(int firstGreenYard) {
  return QString("地形の範囲は 2 ～ ") + QString::number(firstGreenYard - 1) + " です";
}

MapBar previewGreen(long double scale, int16_t length, int16_t green) {
  return {static_cast<int>(std::trunc(scale * (length - green))),
          static_cast<int>(std::trunc(scale * length))};
}

}  // namespace validation
