// Pinvale picture generator.
//
// Draws every picture the game window shows and writes each one as NAME.png,
// at exactly the pixel size of the control it goes into, into the folder given
// as the first argument (app/pictures when none is given). The pictures are
// plain: a colour, a small drawing and a word or two, enough to tell each one
// apart at a glance. Any of them can be replaced by hand with a picture of the
// same size and name.
//
// Usage: make_pictures [FOLDER]
//        make_pictures --icons FOLDER   (the program's icon, NN.png per size)

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

constexpr char kFontFile[] = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";

QString gFamily;  // family name of the loaded IPAGothic

QColor rgb(unsigned v) { return QColor::fromRgb(QRgb(v)); }

QFont font(int px, bool bold = false, qreal spacing = 0) {
  QFont f(gFamily);
  f.setPixelSize(px);
  f.setBold(bold);
  // Below 10 pixels smoothing blurs the strokes into one another: the
  // smallest words are set pixel-sharp.
  f.setStyleStrategy(px < 10 ? QFont::NoAntialias : QFont::PreferAntialias);
  f.setHintingPreference(QFont::PreferFullHinting);
  if (spacing != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  return f;
}

// How a word is set off from what lies under it.
enum class Edge { None, Shadow, Halo };

void text(QPainter& p, const QRectF& box, const QString& s, const QFont& f, const QColor& c,
          Edge edge = Edge::None, const QColor& under = Qt::black, int align = Qt::AlignCenter) {
  p.setFont(f);
  p.setPen(under);
  if (edge == Edge::Shadow) {
    p.drawText(box.translated(1, 1), align, s);
  } else if (edge == Edge::Halo) {
    for (QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
      p.drawText(box.translated(d), align, s);
  }
  p.setPen(c);
  p.drawText(box, align, s);
}

// One-pixel raised (or, with the colours swapped, sunken) edge inside r.
void bevel(QPainter& p, const QRect& r, const QColor& light, const QColor& dark) {
  p.fillRect(r.left(), r.top(), r.width(), 1, light);
  p.fillRect(r.left(), r.top(), 1, r.height(), light);
  p.fillRect(r.left(), r.bottom(), r.width(), 1, dark);
  p.fillRect(r.right(), r.top(), 1, r.height(), dark);
}

void vgrad(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(r, g);
}

// A coloured plate with a soft gradient and a raised edge: lies and results.
void plate(QPainter& p, int w, int h, const QColor& base) {
  vgrad(p, QRectF(0, 0, w, h), base.lighter(125), base.darker(115));
  bevel(p, QRect(0, 0, w, h), base.lighter(165), base.darker(180));
}

// Small deterministic scatter for grass, sand and sparkle positions.
struct Scatter {
  unsigned state;
  int next(int range) {
    state = state * 1103515245u + 12345u;
    return int((state >> 16) % unsigned(range));
  }
};

void star(QPainter& p, QPointF c, qreal outer, const QColor& colour) {
  QPolygonF poly;
  for (int i = 0; i < 10; ++i) {
    qreal r = (i % 2 == 0) ? outer : outer * 0.45;
    qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(poly);
}

void flag(QPainter& p, qreal x, qreal top, qreal bottom, const QColor& cloth) {
  p.setPen(QPen(rgb(0xF4F4F4), 1));
  p.drawLine(QPointF(x + 0.5, top), QPointF(x + 0.5, bottom));
  p.setPen(Qt::NoPen);
  p.setBrush(cloth);
  qreal s = (bottom - top) * 0.42;
  p.drawPolygon(QPolygonF(
      {QPointF(x + 1, top), QPointF(x + 1 + s * 1.2, top + s / 2), QPointF(x + 1, top + s)}));
}

// ---------------------------------------------------------------------------
// Window frame and title bar

const QColor kFrame = rgb(0x4C5C88);
const QColor kFrameLight = rgb(0x8C9CC8);
const QColor kFrameDark = rgb(0x232B46);

const QColor kBarTop = rgb(0x33457A), kBarBottom = rgb(0x141C34);
constexpr int kBarHeight = 25;

// The top border lies under the title bar and shows only beside it, behind
// the bar's buttons, so it is the upper part of the bar itself.
void drawTopBorder(QPainter& p, int w, int h) {
  vgrad(p, QRectF(0, 0, w, kBarHeight), kBarTop, kBarBottom);
  p.fillRect(0, 0, w, 1, kFrameLight);
  (void)h;
}

void drawSideBorder(QPainter& p, int w, int h, bool left) {
  p.fillRect(0, 0, w, h, kFrame);
  p.fillRect(left ? 0 : w - 1, 0, 1, h, left ? kFrameLight : kFrameDark);
  p.fillRect(left ? w - 1 : 0, 0, 1, h, left ? kFrameDark : kFrameLight);
}

void drawBottomBorder(QPainter& p, int w, int h) {
  p.fillRect(0, 0, w, h, kFrame);
  p.fillRect(0, 0, w, 1, kFrameLight);
  p.fillRect(0, h - 1, w, 1, kFrameDark);
}

void drawTitleBar(QPainter& p, int w, int h) {
  vgrad(p, QRectF(0, 0, w, h), kBarTop, kBarBottom);
  p.fillRect(0, 0, w, 1, kFrameLight);
  p.fillRect(0, h - 1, w, 1, rgb(0x0A0E1C));
  // A golf ball on a tee as the window's mark.
  p.setPen(Qt::NoPen);
  p.setBrush(rgb(0xC8A060));
  p.drawRect(QRectF(10, 16, 2, 5));
  QRadialGradient ball(QPointF(9.5, 10.5), 6);
  ball.setColorAt(0, Qt::white);
  ball.setColorAt(1, rgb(0xA8B0C0));
  p.setBrush(ball);
  p.drawEllipse(QPointF(11, 12), 4.5, 4.5);
  text(p, QRectF(20, 0, 120, h), "Pinvale", font(13, true, 0.5), rgb(0xEAF2FF), Edge::Shadow,
       rgb(0x0A0E1C), Qt::AlignLeft | Qt::AlignVCenter);
}

// The close and minimise buttons, 10 by 10; pressed ones sit sunken and their
// mark moves one pixel down and right.
void drawBarButton(QPainter& p, int w, int h, bool close, bool pressed) {
  QColor face = close ? rgb(0xC84848) : rgb(0x5C6C98);
  if (pressed) face = face.darker(135);
  p.fillRect(0, 0, w, h, face);
  QColor light = face.lighter(160), dark = face.darker(220);
  if (pressed)
    bevel(p, QRect(0, 0, w, h), dark, light);
  else
    bevel(p, QRect(0, 0, w, h), light, dark);
  int o = pressed ? 1 : 0;
  p.setRenderHint(QPainter::Antialiasing, false);
  if (close) {
    for (int i = 0; i < 5; ++i) {  // a two-pixel-wide cross from (2,2) to (6,6)
      p.fillRect(2 + i + o, 2 + i + o, 2, 1, Qt::white);
      p.fillRect(6 - i + o, 2 + i + o, 2, 1, Qt::white);
    }
  } else {
    p.fillRect(2 + o, 6 + o, 6, 2, Qt::white);
  }
}

// ---------------------------------------------------------------------------
// Title screen

void drawLogo(QPainter& p, int w, int h) {
  p.fillRect(0, 0, w, h, Qt::black);
  QFont f = font(30, true, 1);
  QPainterPath path;
  path.addText(0, 0, f, "Pinvale");
  QRectF b = path.boundingRect();
  path.translate((w - b.width()) / 2 - b.left(), (h - b.height()) / 2 - b.top() - 1);
  b = path.boundingRect();
  QLinearGradient g(b.topLeft(), b.bottomLeft());
  g.setColorAt(0, rgb(0xD8FF8A));
  g.setColorAt(0.55, rgb(0x5CCB4A));
  g.setColorAt(1, rgb(0x1E7A34));
  p.setPen(QPen(rgb(0xF4FFE8), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(path);
}

void drawScene(QPainter& p, int w, int h) {
  vgrad(p, QRectF(0, 0, w, h), rgb(0x5DB8F0), rgb(0xCDEBFF));
  p.setPen(Qt::NoPen);
  // clouds
  p.setBrush(QColor(255, 255, 255, 220));
  for (QPointF c : {QPointF(40, 12), QPointF(49, 10), QPointF(57, 13), QPointF(150, 8),
                    QPointF(157, 7), QPointF(163, 9)})
    p.drawEllipse(c, 6, 3.5);
  // far hills
  QPainterPath far;
  far.moveTo(0, 38);
  far.cubicTo(40, 24, 80, 30, 110, 34);
  far.cubicTo(150, 38, 180, 22, 215, 30);
  far.lineTo(w, h);
  far.lineTo(0, h);
  p.setBrush(rgb(0x3E8E4A));
  p.drawPath(far);
  // fairway
  QPainterPath near;
  near.moveTo(0, 50);
  near.cubicTo(60, 40, 120, 44, 215, 40);
  near.lineTo(w, h);
  near.lineTo(0, h);
  QLinearGradient g(0, 40, 0, h);
  g.setColorAt(0, rgb(0x7ED05C));
  g.setColorAt(1, rgb(0x3F9A34));
  p.setBrush(g);
  p.drawPath(near);
  // bunker and the green with its hole
  p.setBrush(rgb(0xE8D493));
  p.drawEllipse(QPointF(128, 55), 13, 3.5);
  p.setBrush(rgb(0xA6EE7A));
  p.drawEllipse(QPointF(178, 46), 24, 5);
  p.setBrush(rgb(0x1A3A14));
  p.drawEllipse(QPointF(180, 46), 2.2, 1);
  flag(p, 179.5, 17, 46, rgb(0xE8302C));
  // the ball's flight from the tee
  p.setPen(QPen(QColor(255, 255, 255, 200), 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  QPainterPath flight;
  flight.moveTo(22, 56);
  flight.quadTo(70, -8, 112, 26);
  p.drawPath(flight);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(113, 27), 2.2, 2.2);
  p.setBrush(rgb(0xC8A060));
  p.drawRect(QRectF(21, 57, 2, 4));
}

// "©2026": at 7 pixels high the font's © is a speck and its digits blur
// into one another, so the mark and the year are set by hand, pixel by pixel.
void drawCopyright(QPainter& p, int w, int h) {
  p.fillRect(0, 0, w, h, Qt::black);
  const QColor ink = rgb(0xB8C0D0);
  static const char* const kMark[] = {"..###..", ".#...#.", "#.###.#", "#.#...#",
                                      "#.###.#", ".#...#.", "..###.."};
  static const char* const kTwo[] = {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"};
  static const char* const kZero[] = {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."};
  static const char* const kSix[] = {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."};
  const char* const* const year[] = {kTwo, kZero, kTwo, kSix};
  auto put = [&](const char* const* rows, int width, int left) {
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < width; ++x)
        if (rows[y][x] == '#') p.fillRect(left + x, y, 1, 1, ink);
  };
  const int left = (w - (9 + 4 * 5 - 1)) / 2;
  put(kMark, 7, left);
  for (int i = 0; i < 4; ++i) put(year[i], 4, left + 9 + 5 * i);
  (void)h;
}

void drawTinyMark(QPainter& p, int w, int h, const QString& s) {
  p.fillRect(0, 0, w, h, Qt::black);
  text(p, QRectF(0, 0, w, h), s, font(8), rgb(0xB8C0D0));
}

// ---------------------------------------------------------------------------
// Menus and captions

// Title menu entries: dark blue when normal, bright gold when the mouse is on
// them.
void drawTitleMenu(QPainter& p, int w, int h, const QString& s, bool lit) {
  QRect r(0, 0, w, h);
  if (lit) {
    vgrad(p, r, rgb(0xFFF3A8), rgb(0xFFC22E));
    bevel(p, r, Qt::white, rgb(0xA06A00));
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0x6A3A00));
    p.drawPolygon(QPolygonF({QPointF(7, 7), QPointF(12, 11.5), QPointF(7, 16)}));
    text(p, r, s, font(11, true, 1.5), rgb(0x4A2400));
  } else {
    vgrad(p, r, rgb(0x2E4070), rgb(0x162040));
    bevel(p, r, rgb(0x7C8CC0), rgb(0x0A1020));
    text(p, r, s, font(11, true, 1.5), rgb(0xDDE6FF), Edge::Shadow, rgb(0x060A14));
  }
}

// Course list entries: the course's colour as a dark plate, or as a bright
// plate when the mouse is on them; Japanese name above, English below.
void drawCourseMenu(QPainter& p, int w, int h, const QString& jp, const QString& en,
                    const QColor& colour, bool lit) {
  QRect r(0, 0, w, h);
  QColor ink;
  if (lit) {
    vgrad(p, r, colour.lighter(150), colour);
    bevel(p, r, Qt::white, colour.darker(200));
    ink = colour.darker(400);
  } else {
    vgrad(p, r, colour.darker(250), colour.darker(400));
    bevel(p, r, colour, colour.darker(600));
    ink = colour.lighter(170);
  }
  // The name sits two pixels below the raised top edge, the English under it.
  text(p, QRectF(0, 3, w, 11), jp, font(11, true), lit ? ink : Qt::white);
  text(p, QRectF(0, 13, w, 9), en, font(9, false, 1), ink);
}

// Footer captions: "CHARACTER" and "COURSE" end at their right edge so that
// either reads as one phrase with "SELECT" beside it.
void drawCaption(QPainter& p, int w, int h, const QString& s, int align) {
  p.fillRect(0, 0, w, h, Qt::black);
  QRectF box(2, 0, w - 4, h);
  text(p, box, s, font(10, true, 1), rgb(0x9FE8FF), Edge::Shadow, rgb(0x104060),
       align | Qt::AlignVCenter);
}

void drawPrompt(QPainter& p, int w, int h, const QString& s) {
  p.fillRect(0, 0, w, h, Qt::black);
  text(p, QRectF(0, 0, w, h), s, font(10), Qt::white);
}

// ---------------------------------------------------------------------------
// Characters

enum class Hair { Short, Long, Bun, Spiky, Swept, Grey };

struct Look {
  QColor back;  // the character's own colour
  QColor hair;
  Hair style;
  QColor shirt;
  bool girl = false;
  bool glasses = false;
  bool moustache = false;
  bool pizza = false;  // Pizza Happy Man's head is a slice of pizza
};

struct Character {
  const char* first;  // short English name
  const char* full;   // English name
  const char* jp;     // Japanese name
  Look look;
};

const QColor kSkin = rgb(0xF6D2B0);

const Character kMina{"MINA",
                      "Mina Ichinose",
                      "一之瀬 水無",
                      {rgb(0xE86A9E), rgb(0x7A4424), Hair::Long, rgb(0xFFFFFF), true}};
const Character kSouma{"SOUMA",
                       "Souma Migimura",
                       "右村 走馬",
                       {rgb(0x3E74D6), rgb(0x1C1C28), Hair::Swept, rgb(0x20305C)}};
const Character kTsuduru{"TSUDURU",
                         "Tsuduru Shibata",
                         "柴田 綴",
                         {rgb(0xE8862A), rgb(0x3A2414), Hair::Spiky, rgb(0x8A2A10)}};
const Character kKyoko{"KYOKO",
                       "Kyoko Jin",
                       "神 響子",
                       {rgb(0x8E5ACC), rgb(0x2A1838), Hair::Bun, rgb(0xE8E0F8), true}};
const Character kPhilip{"PHILIP",
                        "Philip Kitazaki",
                        "フィリップ 北崎",
                        {rgb(0x1FA39A), rgb(0xE8C458), Hair::Short, rgb(0xF0F0E0)}};
const Character kHatao{
    "HATAO",
    "Hatao Ichinose",
    "一之瀬 旗雄",
    {rgb(0xA83A3A), rgb(0xC8C8C8), Hair::Grey, rgb(0x3A4A3A), false, false, true}};
const Character kPizza{
    "PIZZA",
    "Pizza Happy Man",
    "ピザハッピーマン",
    {rgb(0xF0B020), rgb(0xB86A2A), Hair::Short, rgb(0xD02A20), false, false, false, true}};
const Character kYamada{
    "YAMADA",
    "K. Yamada",
    "山田コウイチロウ",
    {rgb(0x6E8E2E), rgb(0x101010), Hair::Short, rgb(0x2A2A2A), false, true, true}};

void eyesAndMouth(QPainter& p, const Look& l, qreal cy) {
  p.setPen(Qt::NoPen);
  p.setBrush(rgb(0x1A1420));
  p.drawEllipse(QPointF(41, cy), 2.1, l.girl ? 3.0 : 2.4);
  p.drawEllipse(QPointF(55, cy), 2.1, l.girl ? 3.0 : 2.4);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(41.8, cy - 1), 0.8, 0.8);
  p.drawEllipse(QPointF(55.8, cy - 1), 0.8, 0.8);
  if (l.girl) {
    p.setBrush(QColor(255, 110, 140, 110));
    p.drawEllipse(QPointF(36, cy + 6), 3.5, 2);
    p.drawEllipse(QPointF(60, cy + 6), 3.5, 2);
  }
  if (l.glasses) {
    p.setPen(QPen(rgb(0x202020), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(41, cy), 5, 4.2);
    p.drawEllipse(QPointF(55, cy), 5, 4.2);
    p.drawLine(QPointF(46, cy), QPointF(50, cy));
  }
  if (l.moustache) {
    p.setPen(Qt::NoPen);
    p.setBrush(l.hair.darker(l.style == Hair::Grey ? 115 : 100));
    QPainterPath m;
    m.moveTo(48, cy + 7);
    m.cubicTo(44, cy + 5, 40, cy + 7, 39, cy + 10);
    m.cubicTo(43, cy + 9, 46, cy + 9.5, 48, cy + 9);
    m.cubicTo(50, cy + 9.5, 53, cy + 9, 57, cy + 10);
    m.cubicTo(56, cy + 7, 52, cy + 5, 48, cy + 7);
    p.drawPath(m);
  }
  p.setPen(QPen(rgb(0x8A2A2A), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath smile;
  smile.moveTo(43, cy + 11);
  smile.quadTo(48, cy + 15, 53, cy + 11);
  p.drawPath(smile);
}

// The figure in a 96 by 96 field: shoulders, head, hair and face.
void figure(QPainter& p, const Look& l) {
  p.setPen(Qt::NoPen);
  if (l.style == Hair::Long) {  // hair falling behind the shoulders
    p.setBrush(l.hair);
    p.drawRoundedRect(QRectF(26, 20, 44, 52), 16, 16);
  }
  // shoulders and neck
  QPainterPath body;
  body.moveTo(12, 100);
  body.cubicTo(12, 72, 26, 64, 48, 64);
  body.cubicTo(70, 64, 84, 72, 84, 100);
  body.closeSubpath();
  p.setBrush(l.shirt);
  p.drawPath(body);
  p.setBrush(l.shirt.darker(125));
  p.drawPolygon(QPolygonF({QPointF(40, 64), QPointF(48, 74), QPointF(56, 64)}));
  if (l.pizza) {
    // A slice of pizza for a head: crust along the top, point at the chin.
    QPainterPath slice;
    slice.moveTo(24, 20);
    slice.quadTo(48, 10, 72, 20);
    slice.lineTo(48, 68);
    slice.closeSubpath();
    p.setBrush(rgb(0xFFD84A));
    p.drawPath(slice);
    p.setBrush(rgb(0xE8A040));
    p.setPen(Qt::NoPen);
    QPainterPath crust;
    crust.moveTo(22, 21);
    crust.quadTo(48, 8, 74, 21);
    crust.quadTo(48, 15, 22, 21);
    p.setPen(QPen(rgb(0xC07A2A), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(crust);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xC82A1E));
    for (QPointF c : {QPointF(34, 26), QPointF(60, 27), QPointF(48, 56)}) p.drawEllipse(c, 4, 4);
    eyesAndMouth(p, l, 34);
    return;
  }
  p.setBrush(kSkin.darker(110));
  p.drawRect(QRectF(42, 52, 12, 13));
  p.setBrush(kSkin);
  p.drawEllipse(QPointF(29, 40), 3, 5);  // ears
  p.drawEllipse(QPointF(67, 40), 3, 5);
  p.drawEllipse(QPointF(48, 38), 19, 21);
  // hair on top
  p.setBrush(l.hair);
  QPainterPath top;
  switch (l.style) {
    case Hair::Long:
    case Hair::Bun:
      top.moveTo(28, 42);
      top.cubicTo(24, 14, 72, 14, 68, 42);
      top.cubicTo(62, 30, 54, 26, 48, 25);
      top.cubicTo(40, 28, 34, 30, 28, 42);
      if (l.style == Hair::Bun) top.addEllipse(QPointF(48, 14), 8, 7);
      break;
    case Hair::Spiky:
      top.moveTo(28, 36);
      for (int i = 0; i < 7; ++i) {
        top.lineTo(28 + i * 6.7 + 3.3, 10 + (i % 2) * 3);
        top.lineTo(28 + (i + 1) * 6.7, 26);
      }
      top.lineTo(68, 36);
      top.cubicTo(60, 26, 36, 26, 28, 36);
      break;
    case Hair::Swept:
      top.moveTo(28, 38);
      top.cubicTo(24, 12, 70, 10, 68, 36);
      top.cubicTo(62, 24, 52, 26, 36, 30);
      top.lineTo(28, 38);
      break;
    case Hair::Short:
    case Hair::Grey:
      top.moveTo(28, 36);
      top.cubicTo(26, 8, 70, 8, 68, 36);
      top.cubicTo(60, 26, 36, 26, 28, 36);
      break;
  }
  p.drawPath(top);
  eyesAndMouth(p, l, 39);
}

void drawPortrait(QPainter& p, int w, int h, const Character& c) {
  const Look& l = c.look;
  QRadialGradient g(QPointF(w / 2.0, h * 0.4), w * 0.75);
  g.setColorAt(0, l.back.lighter(150));
  g.setColorAt(1, l.back.darker(110));
  p.fillRect(0, 0, w, h, g);
  figure(p, l);
  QRectF strip(0, h - 15, w, 15);
  p.fillRect(strip, l.back.darker(230));
  p.fillRect(QRectF(0, h - 15, w, 1), l.back.lighter(130));
  text(p, strip, c.jp, font(10), Qt::white);
  // The name tag: at 12 pixels an M keeps its middle strokes.
  text(p, QRectF(3, 1, w, 14), c.first, font(12, true), Qt::white, Edge::Shadow, l.back.darker(250),
       Qt::AlignLeft | Qt::AlignTop);
  bevel(p, QRect(0, 0, w, h), l.back.lighter(170), l.back.darker(260));
}

void drawLocked(QPainter& p, int w, int h) {
  vgrad(p, QRectF(0, 0, w, h), rgb(0x2A2A36), rgb(0x121218));
  bevel(p, QRect(0, 0, w, h), rgb(0x4A4A5C), rgb(0x08080C));
  text(p, QRectF(0, -6, w, h), "?", font(64, true), rgb(0x9090B0), Edge::Shadow, Qt::black);
  text(p, QRectF(0, h - 16, w, 14), "LOCKED", font(10, true, 1), rgb(0x9898B8));
}

// The hover frame: bright yellow edge, see-through inside.
void drawHoverFrame(QPainter& p, int w, int h) {
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(0, 0, w, h, Qt::transparent);
  QColor outer = rgb(0xFFE000), inner = rgb(0xFFF7A0);
  for (int i = 0; i < 3; ++i) {
    QColor c = i < 2 ? outer : inner;
    p.fillRect(i, i, w - 2 * i, 1, c);
    p.fillRect(i, h - 1 - i, w - 2 * i, 1, c);
    p.fillRect(i, i, 1, h - 2 * i, c);
    p.fillRect(w - 1 - i, i, 1, h - 2 * i, c);
  }
}

// Ending pictures: a large portrait with the name underneath.
void nameStrip(QPainter& p, const QRectF& r, const Character& c) {
  text(p, QRectF(r.left(), r.top() + 2, r.width(), 19), c.jp, font(16, true), Qt::white);
  text(p, QRectF(r.left(), r.top() + 21, r.width(), 12), c.full, font(10, false, 0.5),
       c.look.back.lighter(170));
}

void drawLarge(QPainter& p, int w, int h, const Character& c) {
  const Look& l = c.look;
  QRadialGradient g(QPointF(w / 2.0, h * 0.38), w * 0.7);
  g.setColorAt(0, l.back.lighter(160));
  g.setColorAt(1, l.back.darker(120));
  p.fillRect(0, 0, w, h, g);
  p.save();
  p.translate(19, 4);
  p.scale(2, 2);
  figure(p, l);
  p.restore();
  QRectF strip(0, h - 36, w, 36);
  p.fillRect(strip, l.back.darker(250));
  p.fillRect(QRectF(0, h - 36, w, 1), l.back.lighter(140));
  nameStrip(p, strip, c);
  bevel(p, QRect(0, 0, w, h), l.back.lighter(170), l.back.darker(260));
}

// The two alternates share one ending picture: one on each half.
void drawLargePair(QPainter& p, int w, int h, const Character& a, const Character& b) {
  int half = w / 2;
  for (int side = 0; side < 2; ++side) {
    const Character& c = side == 0 ? a : b;
    QRectF r(side * half, 0, w - half, h);
    QRadialGradient g(QPointF(r.center().x(), h * 0.4), half);
    g.setColorAt(0, c.look.back.lighter(160));
    g.setColorAt(1, c.look.back.darker(120));
    p.fillRect(r, g);
    p.save();
    p.setClipRect(r);
    const qreal scale = 1.6;
    p.translate(r.center().x() - 48 * scale, 44);
    p.scale(scale, scale);
    figure(p, c.look);
    p.restore();
    text(p, QRectF(r.left(), 8, r.width(), 14), c.full, font(11, true, 0.5), Qt::white,
         Edge::Shadow, c.look.back.darker(250));
    QRectF strip(r.left(), h - 36, r.width(), 36);
    p.fillRect(strip, c.look.back.darker(250));
    text(p, QRectF(r.left(), h - 34, r.width(), 18), c.jp, font(12, true), Qt::white);
    text(p, QRectF(r.left(), h - 16, r.width(), 12), c.first, font(10, false, 0.5),
         c.look.back.lighter(170));
  }
  p.fillRect(QRectF(half - 1, 0, 2, h), rgb(0x101010));
  p.fillRect(QRectF(0, h - 36, w, 1), rgb(0xE0E0E0));
  star(p, QPointF(half, 30), 9, rgb(0xFFF080));
  bevel(p, QRect(0, 0, w, h), rgb(0xF0F0F0), rgb(0x202020));
}

// Special banners: a strip in the character's colour with a star and a name.
void drawSpecial(QPainter& p, int w, int h, const Character& c, const QString& s) {
  QColor base = c.look.back;
  QLinearGradient g(0, 0, w, 0);
  g.setColorAt(0, base.darker(170));
  g.setColorAt(0.5, base);
  g.setColorAt(1, base.darker(170));
  p.fillRect(0, 0, w, h, g);
  p.fillRect(0, 0, w, 1, base.lighter(160));
  p.fillRect(0, h - 1, w, 1, base.darker(260));
  star(p, QPointF(7.5, 7.5), 5.5, rgb(0xFFF27A));
  star(p, QPointF(w - 7.5, 7.5), 5.5, rgb(0xFFF27A));
  text(p, QRectF(12, 0, w - 24, h), s, font(10, true, 0.4), Qt::white, Edge::Halo,
       base.darker(300));
}

// ---------------------------------------------------------------------------
// Lies and hole results

enum class Lie { Fairway, Rough, Bunker, Green, Water, OutOfBounds };

void drawLie(QPainter& p, int w, int h, Lie lie) {
  Scatter rnd{unsigned(lie) * 7919u + 17u};
  QRectF all(0, 0, w, h);
  QRectF word = all;
  QColor ink = Qt::white, under = Qt::black;
  switch (lie) {
    case Lie::Fairway: {
      QColor base = rgb(0x8EDB6E);
      plate(p, w, h, base);
      for (int x = 1; x < w - 1; x += 16)
        p.fillRect(QRectF(x, 1, 8, h - 2), QColor(255, 255, 255, 38));
      ink = rgb(0x1E5A1A);
      under = rgb(0xD8FFC8);
      break;
    }
    case Lie::Rough: {
      QColor base = rgb(0x2E6A2A);
      plate(p, w, h, base);
      p.setPen(QPen(rgb(0x5AA048), 1));
      for (int i = 0; i < 22; ++i) {
        qreal x = 3 + rnd.next(w - 6), y = 6 + rnd.next(h - 8);
        p.drawLine(QPointF(x, y), QPointF(x - 1.5, y - 4));
        p.drawLine(QPointF(x, y), QPointF(x + 1.5, y - 4));
      }
      under = rgb(0x0C2A0A);
      break;
    }
    case Lie::Bunker: {
      QColor base = rgb(0xE6CC86);
      plate(p, w, h, base);
      p.setPen(Qt::NoPen);
      p.setBrush(rgb(0xBEA060));
      for (int i = 0; i < 40; ++i)
        p.drawEllipse(QPointF(2 + rnd.next(w - 4), 2 + rnd.next(h - 4)), 0.7, 0.7);
      ink = rgb(0x6A4A14);
      under = rgb(0xFFF2C8);
      break;
    }
    case Lie::Green: {
      QColor base = rgb(0x3DBE4A);
      plate(p, w, h, base);
      p.setPen(Qt::NoPen);
      p.setBrush(rgb(0x14401A));
      p.drawEllipse(QPointF(71.5, 22), 3, 1.3);
      flag(p, 71, 3, 22, rgb(0xFF3A30));
      word = QRectF(0, 0, 66, h);
      under = rgb(0x0E4A16);
      break;
    }
    case Lie::Water: {
      QColor base = rgb(0x2E6ED2);
      plate(p, w, h, base);
      p.setPen(QPen(QColor(190, 225, 255, 150), 1));
      p.setBrush(Qt::NoBrush);
      for (qreal y : {6.0, 21.0}) {
        QPainterPath wave;
        wave.moveTo(2, y);
        for (qreal x = 2; x < w - 2; x += 8)
          wave.quadTo(x + 2, y - 2, x + 4, y), wave.quadTo(x + 6, y + 2, x + 8, y);
        p.drawPath(wave);
      }
      under = rgb(0x0A2A60);
      break;
    }
    case Lie::OutOfBounds: {
      QColor base = rgb(0x8A8A8E);
      plate(p, w, h, base);
      p.setPen(Qt::NoPen);
      for (qreal x : {7.0, 73.0}) {  // white stakes with red tops
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(x - 1.5, 6), QPointF(x + 1.5, 6), QPointF(x + 1.5, 21),
                                 QPointF(x, 24), QPointF(x - 1.5, 21)}));
        p.setBrush(rgb(0xE02020));
        p.drawRect(QRectF(x - 1.5, 4, 3, 3));
      }
      text(p, all, "OB", font(16, true, 1), rgb(0xE82020), Edge::Halo, Qt::white);
      return;
    }
  }
  text(p, word,
       lie == Lie::Fairway  ? "FAIRWAY"
       : lie == Lie::Rough  ? "ROUGH"
       : lie == Lie::Bunker ? "BUNKER"
       : lie == Lie::Green  ? "GREEN"
                            : "WATER",
       font(12, true, 1), ink, Edge::Shadow, under);
}

void drawResult(QPainter& p, int w, int h, const QString& word, const QString& sub,
                const QColor& base, const QColor& ink, int px, bool sparkle) {
  plate(p, w, h, base);
  if (sparkle) {
    for (QPointF c : {QPointF(4, 5), QPointF(7, 21), QPointF(w - 5, 6), QPointF(w - 8, 21)})
      star(p, c, 3, QColor(255, 255, 255, 200));
  }
  QColor under = base.darker(220);
  text(p, QRectF(0, 1, w, 16), word, font(px, true, 0.5), ink, Edge::Shadow, under);
  text(p, QRectF(0, 16, w, 10), sub, font(9, false, 0.5), ink);
}

// ---------------------------------------------------------------------------

struct Picture {
  const char* name;
  int w, h;
  std::function<void(QPainter&, int, int)> draw;
};

std::vector<Picture> pictures() {
  using P = QPainter;
  auto result = [](const char* word, const char* sub, unsigned base, unsigned ink, int px,
                   bool sparkle = false) {
    return [=](P& p, int w, int h) {
      drawResult(p, w, h, word, sub, rgb(base), rgb(ink), px, sparkle);
    };
  };
  return {
      // title bar buttons and the window frame
      {"tojiA", 10, 10, [](P& p, int w, int h) { drawBarButton(p, w, h, true, false); }},
      {"tojiB", 10, 10, [](P& p, int w, int h) { drawBarButton(p, w, h, true, true); }},
      {"chijiA", 10, 10, [](P& p, int w, int h) { drawBarButton(p, w, h, false, false); }},
      {"chijiB", 10, 10, [](P& p, int w, int h) { drawBarButton(p, w, h, false, true); }},
      {"winmove", 397, 25, drawTitleBar},
      {"wk1", 439, 10, drawTopBorder},
      {"wk2", 3, 270, [](P& p, int w, int h) { drawSideBorder(p, w, h, true); }},
      {"wk3", 3, 270, [](P& p, int w, int h) { drawSideBorder(p, w, h, false); }},
      {"wk4", 439, 3, drawBottomBorder},
      // title screen
      {"title", 120, 40, drawLogo},
      {"title2", 215, 65, drawScene},
      {"copyi", 43, 8, drawCopyright},
      {"copyy", 18, 8, [](P& p, int w, int h) { drawTinyMark(p, w, h, "Pv"); }},
      {"Imgstart1", 122, 23, [](P& p, int w, int h) { drawTitleMenu(p, w, h, "START", false); }},
      {"Imgstart2", 122, 23, [](P& p, int w, int h) { drawTitleMenu(p, w, h, "START", true); }},
      {"Imgedit1", 122, 23,
       [](P& p, int w, int h) { drawTitleMenu(p, w, h, "COURSE EDIT", false); }},
      {"Imgedit2", 122, 23,
       [](P& p, int w, int h) { drawTitleMenu(p, w, h, "COURSE EDIT", true); }},
      // course list
      {"Imgprac1", 126, 23,
       [](P& p, int w, int h) {
         drawCourseMenu(p, w, h, "練習コース", "PRACTICE", rgb(0x4CC05A), false);
       }},
      {"Imgprac2", 126, 23,
       [](P& p, int w, int h) {
         drawCourseMenu(p, w, h, "練習コース", "PRACTICE", rgb(0x4CC05A), true);
       }},
      {"Imgchamp1", 126, 23,
       [](P& p, int w, int h) {
         drawCourseMenu(p, w, h, "選手権コース", "CHAMPIONSHIP", rgb(0xF0B020), false);
       }},
      {"Imgchamp2", 126, 23,
       [](P& p, int w, int h) {
         drawCourseMenu(p, w, h, "選手権コース", "CHAMPIONSHIP", rgb(0xF0B020), true);
       }},
      {"Imgedtd1", 126, 23,
       [](P& p, int w, int h) {
         drawCourseMenu(p, w, h, "自作コース", "EDITED COURSE", rgb(0xB070F0), false);
       }},
      {"Imgedtd2", 126, 23,
       [](P& p, int w, int h) {
         drawCourseMenu(p, w, h, "自作コース", "EDITED COURSE", rgb(0xB070F0), true);
       }},
      // captions and prompts
      {"character", 90, 11,
       [](P& p, int w, int h) { drawCaption(p, w, h, "CHARACTER", Qt::AlignRight); }},
      {"course", 61, 11,
       [](P& p, int w, int h) { drawCaption(p, w, h, "COURSE", Qt::AlignRight); }},
      {"sele", 61, 11, [](P& p, int w, int h) { drawCaption(p, w, h, "SELECT", Qt::AlignLeft); }},
      {"ready", 139, 10,
       [](P& p, int w, int h) { drawPrompt(p, w, h, "このコースで始めますか？"); }},
      {"entr", 170, 10,
       [](P& p, int w, int h) { drawPrompt(p, w, h, "コース名を入力してください"); }},
      // portraits and the hover frame
      {"chara1", 96, 96, [](P& p, int w, int h) { drawPortrait(p, w, h, kMina); }},
      {"chara2", 96, 96, [](P& p, int w, int h) { drawPortrait(p, w, h, kSouma); }},
      {"unknown", 96, 96, drawLocked},
      {"imgtdr", 96, 96, [](P& p, int w, int h) { drawPortrait(p, w, h, kTsuduru); }},
      {"imgkyk", 96, 96, [](P& p, int w, int h) { drawPortrait(p, w, h, kKyoko); }},
      {"imgplp", 96, 96, [](P& p, int w, int h) { drawPortrait(p, w, h, kPhilip); }},
      {"imght", 96, 96, [](P& p, int w, int h) { drawPortrait(p, w, h, kHatao); }},
      {"ImgHCYPHM", 96, 96, [](P& p, int w, int h) { drawPortrait(p, w, h, kPizza); }},
      {"ImgHCYKcr", 96, 96, [](P& p, int w, int h) { drawPortrait(p, w, h, kYamada); }},
      {"Imgwaku", 98, 98, drawHoverFrame},
      // specials
      {"Imgspe1", 114, 15, [](P& p, int w, int h) { drawSpecial(p, w, h, kMina, "POWER SHOT"); }},
      {"Imgspe1_2", 114, 15,
       [](P& p, int w, int h) { drawSpecial(p, w, h, kPizza, "HAPPY SHOT"); }},
      {"Imgspe2", 114, 15,
       [](P& p, int w, int h) { drawSpecial(p, w, h, kSouma, "IGNORE TERRAIN"); }},
      {"Imgspe2_2", 114, 15,
       [](P& p, int w, int h) { drawSpecial(p, w, h, kYamada, "YAMADA WIND"); }},
      {"Imgspe3", 114, 15, [](P& p, int w, int h) { drawSpecial(p, w, h, kTsuduru, "RE-HIT"); }},
      {"Imgspe4", 114, 15,
       [](P& p, int w, int h) { drawSpecial(p, w, h, kKyoko, "NO WIND/SLOPE"); }},
      {"Imgspe5", 114, 15, [](P& p, int w, int h) { drawSpecial(p, w, h, kPhilip, "START OVER"); }},
      // ending pictures
      {"Img1", 230, 230, [](P& p, int w, int h) { drawLarge(p, w, h, kMina); }},
      {"Img2", 230, 230, [](P& p, int w, int h) { drawLarge(p, w, h, kSouma); }},
      {"Img3", 230, 230, [](P& p, int w, int h) { drawLarge(p, w, h, kTsuduru); }},
      {"Img4", 230, 230, [](P& p, int w, int h) { drawLarge(p, w, h, kKyoko); }},
      {"Img5", 230, 230, [](P& p, int w, int h) { drawLarge(p, w, h, kPhilip); }},
      {"Img6", 230, 230, [](P& p, int w, int h) { drawLarge(p, w, h, kHatao); }},
      {"Img7", 230, 230, [](P& p, int w, int h) { drawLargePair(p, w, h, kPizza, kYamada); }},
      // lies
      {"Imgfair", 82, 27, [](P& p, int w, int h) { drawLie(p, w, h, Lie::Fairway); }},
      {"Imgrough", 82, 27, [](P& p, int w, int h) { drawLie(p, w, h, Lie::Rough); }},
      {"Imgbunker", 82, 27, [](P& p, int w, int h) { drawLie(p, w, h, Lie::Bunker); }},
      {"Imggreen", 82, 27, [](P& p, int w, int h) { drawLie(p, w, h, Lie::Green); }},
      {"Imgwater", 82, 27, [](P& p, int w, int h) { drawLie(p, w, h, Lie::Water); }},
      {"Imgob", 82, 27, [](P& p, int w, int h) { drawLie(p, w, h, Lie::OutOfBounds); }},
      // hole results
      {"Imghio", 82, 27, result("HOLE IN ONE", "ACE!", 0xF2C21E, 0x7A1010, 11, true)},
      {"Imgm4", 82, 27, result("-4 UNDER", "CONDOR", 0xD03CB8, 0xFFFFFF, 12, true)},
      {"Imgalba", 82, 27, result("ALBATROSS", "-3", 0x5A3CC8, 0xFFFFFF, 11)},
      {"Imgeagle", 82, 27, result("EAGLE", "-2", 0xEE8418, 0xFFFFFF, 13)},
      {"Imgbirdie", 82, 27, result("BIRDIE", "-1", 0x2FA2E4, 0xFFFFFF, 13)},
      {"Imgpar", 82, 27, result("PAR", "±0", 0x3A9E3A, 0xFFFFFF, 13)},
      {"Imgbogey", 82, 27, result("BOGEY", "+1", 0x7686A0, 0xFFFFFF, 13)},
      {"Imgdbogey", 82, 27, result("D.BOGEY", "+2", 0x8A6646, 0xFFFFFF, 12)},
      {"Imgtbogey", 82, 27, result("T.BOGEY", "+3", 0x8E2828, 0xFFFFFF, 12)},
      {"Imgqbogey", 82, 27, result("Q.BOGEY", "+4", 0x38182A, 0xFF9A9A, 12)},
  };
}

// Fully opaque pictures are stored without an alpha channel.
QImage forSaving(const QImage& img) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qAlpha(img.pixel(x, y)) != 255) return img.convertToFormat(QImage::Format_ARGB32);
  return img.convertToFormat(QImage::Format_RGB32);
}

int writeIcons(const QString& folder);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc > 2 && QString(argv[1]) == "--icons") return writeIcons(QString::fromLocal8Bit(argv[2]));
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("app/pictures");

  int id = QFontDatabase::addApplicationFont(kFontFile);
  QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) {
    std::fprintf(stderr, "make_pictures: cannot load the font %s\n", kFontFile);
    return 1;
  }
  gFamily = families.first();

  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "make_pictures: cannot create %s\n", qPrintable(folder));
    return 1;
  }

  int written = 0;
  for (const Picture& pic : pictures()) {
    QImage img(pic.w, pic.h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    {
      QPainter p(&img);
      p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                       QPainter::SmoothPixmapTransform);
      pic.draw(p, pic.w, pic.h);
    }
    const QString path = folder + "/" + pic.name + ".png";
    // Quality 0 asks for the strongest PNG compression.
    if (!forSaving(img).save(path, "PNG", 0)) {
      std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
    QImage back(path);
    if (back.width() != pic.w || back.height() != pic.h) {
      std::fprintf(stderr, "make_pictures: %s came back as %dx%d\n", qPrintable(path), back.width(),
                   back.height());
      return 1;
    }
    ++written;
  }
  std::printf("make_pictures: %d pictures in %s\n", written, qPrintable(folder));
  return 0;
}

// ---------------------------------------------------------------------------
// The program's icon: the title screen's hole in a badge with the window's
// frame colour, the flag on the green and the ball in front. Drawn for each
// size on its own, so that the small ones keep only what still reads.

namespace {

void drawIcon(QPainter& p, int size) {
  const qreal s = size;
  const bool small = size < 32;
  const QRectF badge(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
  const qreal round = s * 0.18;
  QPainterPath outline;
  outline.addRoundedRect(badge, round, round);

  p.save();
  p.setClipPath(outline);
  QLinearGradient sky(0, badge.top(), 0, badge.bottom());
  sky.setColorAt(0, QColor::fromRgb(0x5DB8F0));
  sky.setColorAt(0.6, QColor::fromRgb(0xCDEBFF));
  p.fillRect(badge, sky);
  p.setPen(Qt::NoPen);
  if (!small) {
    p.setBrush(QColor(255, 255, 255, 220));
    for (QPointF c : {QPointF(0.22, 0.20), QPointF(0.30, 0.18), QPointF(0.37, 0.21)})
      p.drawEllipse(QPointF(c.x() * s, c.y() * s), s * 0.07, s * 0.04);
    QPainterPath far;
    far.moveTo(0, s * 0.56);
    far.cubicTo(s * 0.25, s * 0.44, s * 0.5, s * 0.50, s * 0.7, s * 0.52);
    far.cubicTo(s * 0.85, s * 0.53, s * 0.95, s * 0.46, s, s * 0.48);
    far.lineTo(s, s);
    far.lineTo(0, s);
    p.setBrush(QColor::fromRgb(0x3E8E4A));
    p.drawPath(far);
  }
  QPainterPath near;
  near.moveTo(0, s * 0.66);
  near.cubicTo(s * 0.3, s * 0.58, s * 0.6, s * 0.62, s, s * 0.58);
  near.lineTo(s, s);
  near.lineTo(0, s);
  QLinearGradient grass(0, s * 0.58, 0, s);
  grass.setColorAt(0, QColor::fromRgb(0x7ED05C));
  grass.setColorAt(1, QColor::fromRgb(0x3F9A34));
  p.setBrush(grass);
  p.drawPath(near);
  // the green with its cup
  p.setBrush(QColor::fromRgb(0xA6EE7A));
  p.drawEllipse(QPointF(s * 0.64, s * 0.70), s * 0.27, s * 0.08);
  p.setBrush(QColor::fromRgb(0x1A3A14));
  p.drawEllipse(QPointF(s * 0.66, s * 0.70), s * 0.045, s * 0.02 + 0.5);
  p.restore();

  // the flag
  const qreal pole = std::max(1.0, s * 0.025);
  const qreal x = s * 0.66 - pole / 2, top = s * 0.16, bottom = s * 0.70;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor::fromRgb(0xF4F4F4));
  p.drawRect(QRectF(x, top, pole, bottom - top));
  p.setBrush(QColor::fromRgb(0xE8302C));
  const qreal cloth = (bottom - top) * 0.42;
  p.drawPolygon(QPolygonF({QPointF(x + pole, top), QPointF(x + pole + cloth * 1.1, top + cloth / 2),
                           QPointF(x + pole, top + cloth)}));

  // the ball's flight and the ball
  if (!small) {
    p.setPen(QPen(QColor(255, 255, 255, 210), s * 0.018, Qt::DotLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath flight;
    flight.moveTo(s * 0.12, s * 0.74);
    flight.quadTo(s * 0.20, s * 0.28, s * 0.30, s * 0.62);
    p.drawPath(flight);
  }
  const QPointF ball(s * 0.30, s * 0.76);
  const qreal r = std::max(2.0, s * 0.085);
  QRadialGradient shade(ball - QPointF(r * 0.35, r * 0.35), r * 1.3);
  shade.setColorAt(0, Qt::white);
  shade.setColorAt(1, QColor::fromRgb(0xC8D0D8));
  p.setPen(QPen(QColor::fromRgb(0x232B46), std::max(1.0, s * 0.012)));
  p.setBrush(shade);
  p.drawEllipse(ball, r, r);

  // the badge's edge, in the window frame's blue
  p.setBrush(Qt::NoBrush);
  const qreal edge = std::max(1.0, s * 0.035);
  p.setPen(QPen(QColor::fromRgb(0x4C5C88), edge));
  p.drawRoundedRect(badge.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2), round, round);
}

int writeIcons(const QString& folder) {
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "make_pictures: cannot create %s\n", qPrintable(folder));
    return 1;
  }
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
      QPainter p(&img);
      p.setRenderHints(QPainter::Antialiasing);
      drawIcon(p, size);
    }
    const QString path = QString("%1/%2.png").arg(folder).arg(size);
    if (!img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG", 0)) {
      std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  std::printf("make_pictures: icons in %s\n", qPrintable(folder));
  return 0;
}

}  // namespace
