// The window's one visual style, kept as data beside the layout: the colours
// every control takes where the layout gives none, for the enabled and the
// disabled look, and the small sharp text of the design font.
#pragma once

#include <QPalette>
#include <cstdint>

class QWidget;

namespace style {

struct PaletteEntry {
  QPalette::ColorGroup group;  // Active stands for Active and Inactive
  QPalette::ColorRole role;
  uint32_t rgb;
};

extern const PaletteEntry kPalette[];
extern const int kPaletteCount;

// Gives the window (and so every control on it) the style. Dialogs keep the
// desktop's own look apart from the widget style.
void apply(QWidget* window);

}  // namespace style
