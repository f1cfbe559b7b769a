#include "app/style.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QWidget>
#include <iterator>

namespace style {

// Label colours, shape fills and edit backgrounds come from the layout; this
// is everything the layout leaves open. Text on the black window is light,
// text on the pale button and edit faces is dark; a disabled control turns
// grey but stays readable; radio dots and check ticks are dark on a white
// face, and a disabled one sits on a grey face.
const PaletteEntry kPalette[] = {
    {QPalette::Active, QPalette::Window, 0x000000},
    {QPalette::Disabled, QPalette::Window, 0x000000},
    // captions of radio buttons and check boxes (enabled ones set their own)
    {QPalette::Active, QPalette::WindowText, 0xFFFFFF},
    {QPalette::Disabled, QPalette::WindowText, 0x8C8C8C},
    // push buttons
    {QPalette::Active, QPalette::Button, 0xEFEFEF},
    {QPalette::Disabled, QPalette::Button, 0xC8C8C8},
    {QPalette::Active, QPalette::ButtonText, 0x000000},
    {QPalette::Disabled, QPalette::ButtonText, 0x505050},
    // edit faces and indicator faces, their text and marks
    {QPalette::Active, QPalette::Base, 0xFFFFFF},
    {QPalette::Disabled, QPalette::Base, 0xA8A8A8},
    {QPalette::Active, QPalette::Text, 0x000000},
    {QPalette::Disabled, QPalette::Text, 0x383838},
    {QPalette::Active, QPalette::Highlight, 0x1F5FB4},
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},
    {QPalette::Active, QPalette::PlaceholderText, 0x505050},
};
const int kPaletteCount = static_cast<int>(std::size(kPalette));

void apply(QWidget* window) {
  // The palette is made for the Fusion widget style; a desktop theme with
  // its own style would draw other faces under these colours.
  if (QApplication::style()->name().compare("fusion", Qt::CaseInsensitive) != 0)
    QApplication::setStyle("Fusion");

  QPalette p = window->palette();
  for (const PaletteEntry& e : kPalette) {
    const QColor c((e.rgb >> 16) & 0xFF, (e.rgb >> 8) & 0xFF, e.rgb & 0xFF);
    if (e.group == QPalette::Active) {
      p.setColor(QPalette::Active, e.role, c);
      p.setColor(QPalette::Inactive, e.role, c);
    } else {
      p.setColor(e.group, e.role, c);
    }
  }
  window->setPalette(p);

  QFont f = window->font();
  f.setStyleStrategy(QFont::NoAntialias);
  window->setFont(f);
}

}  // namespace style
