// The window's control layout, kept as data the way a form file keeps it.
//
// Every control of the main window is one row of kLayout, in layout order:
// a row's parent comes before it, and later rows are drawn above earlier
// ones. The builder (app/builder.cpp) turns the rows into widgets and binds
// each to the member of TForm1 that app/controls.def declares under the same
// name; a row without a member, or a member without a row, stops start-up.
#pragma once

#include <cstddef>
#include <cstdint>

namespace layout {

enum class Kind : uint8_t {
  Label,   // TLabel: text; `color` is its text colour
  Image,   // TImage: shows a picture; picture stores are hidden images
  Shape,   // TShape: a filled rectangle with a 1-pixel pen
  Button,  // TButton: push button
  Radio,   // TRadioButton: club and shop entries
  Check,   // TCheckBox: the music switch
  Edit,    // TEdit: one-line edit box
  Group,   // TGroupBox: the panels Box1 to Box4
};

enum class Align : uint8_t { Left, Right, Center };

// 0xRRGGBB, or kDefault for "whatever the control normally has".
constexpr uint32_t kDefault = 0xFFFFFFFFu;

struct ControlDef {
  const char* name;
  Kind kind;
  const char* parent;  // "Form1" or the name of a group box
  int left, top, width, height;
  const char* caption = "";       // UTF-8
  const char* hint = "";          // tooltip, UTF-8
  uint32_t color = kDefault;      // label: text colour; shape: fill; edit and group: background
  uint32_t penColor = kDefault;   // shape outline (defaults to the fill)
  uint32_t textColor = kDefault;  // text colour of buttons, radio and check boxes, edits, groups
  int fontSize = 0;               // pixel height; 0 = the form's 11
  bool bold = false;
  Align align = Align::Left;
  bool autoSize = true;  // labels: width follows the caption (the left edge stays)
  bool visible = true;
  bool enabled = true;
  const char* picture = "";  // images: the stored picture shown at design time
  int maxLength = 0;         // edits: 0 = unlimited
  bool tabStop = true;
  bool checked = false;  // check boxes and radio buttons
};

extern const ControlDef kLayout[];
extern const size_t kLayoutCount;

// Size of the design area and of the window at run time.
constexpr int kDesignWidth = 680, kDesignHeight = 516;
constexpr int kWindowWidth = 439, kWindowHeight = 268;

}  // namespace layout
