// What a player sees: every screen is painted as the window paints it and
// the contrast of each visible text, glyph, radio dot and check tick is
// measured from those pixels; texts must not run into one another or past
// the window's edge, and a disabled control must look different.
#include <QCoreApplication>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>

#include "app/layout.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "tests/support.h"

namespace {

constexpr auto kLeft = TMouseButton::mbLeft;

double channel(int v) {
  const double c = v / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb c) {
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
  const double x = luminance(a), y = luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

struct Measured {
  double ratio = 1;
  QRgb ink = 0, ground = 0;
};

// Inside r: the ground is the commonest colour, the ink the colour that
// stands out most from it on at least three pixels (a lone stray pixel does
// not make a text readable).
Measured measure(const QImage& img, QRect r) {
  r &= img.rect();
  std::map<QRgb, int> count;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) ++count[img.pixel(x, y) | 0xFF000000u];
  if (count.empty()) return {};
  Measured m;
  m.ground = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
               return a.second < b.second;
             })->first;
  std::vector<std::pair<double, QRgb>> inks;
  for (auto& [c, n] : count)
    for (int i = 0; i < std::min(n, 3); ++i) inks.push_back({contrast(c, m.ground), c});
  std::sort(inks.begin(), inks.end(), [](auto& a, auto& b) { return a.first > b.first; });
  if (inks.size() < 3) return m;
  m.ratio = inks[2].first;
  m.ink = inks[2].second;
  return m;
}

class Looks : public FormTest {
 protected:
  // The window as the script driver's snap writes it.
  QImage snap() {
    return form_->grab(QRect(0, 0, form_->width(), form_->height()))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  QRect onWindow(const QWidget* w) const {
    return QRect(w->mapTo(form_.get(), QPoint(0, 0)), w->size());
  }

  // Where the caption of a label is painted.
  QRect textRect(const TLabel* l) const {
    QRect r = onWindow(l);
    const int w = l->fontMetrics().horizontalAdvance(l->text());
    if (l->alignment() & Qt::AlignRight) r.setLeft(r.right() + 1 - w);
    if (l->alignment() & Qt::AlignHCenter) r.setLeft(r.left() + (r.width() - w) / 2);
    r.setWidth(std::min(w, r.width()));
    return r;
  }

  // Every visible control that carries a text on the current screen.
  std::vector<TControl*> shown() const {
    std::vector<TControl*> out;
    for (size_t i = 0; i < layout::kLayoutCount; ++i) {
      TControl* c = form_->controlByName(layout::kLayout[i].name);
      QWidget* w = c->Widget();
      if (!w->isVisibleTo(form_.get()) || !onWindow(w).intersects(form_->rect())) continue;
      // A panel in front hides what it covers (the overview over the clubs).
      QWidget* top = form_->childAt(onWindow(w).center());
      if (top && top != w && !w->isAncestorOf(top) && !top->isAncestorOf(w)) continue;
      if (c->Caption().isEmpty() && !dynamic_cast<QAbstractButton*>(w)) continue;
      out.push_back(c);
    }
    return out;
  }

  void expectReadable(const std::string& screen, const std::string& what, const Measured& m,
                      double least) {
    EXPECT_GE(m.ratio, least) << screen << ": " << what << " contrast " << m.ratio << ":1, ink #"
                              << std::hex << (m.ink & 0xFFFFFF) << " on #" << (m.ground & 0xFFFFFF);
  }

  // The radio dot or check tick against its face, and the face against the
  // window around it.
  void expectMark(const std::string& screen, const QImage& img, QAbstractButton* b) {
    QStyleOptionButton o;
    o.initFrom(b);
    const bool radio = dynamic_cast<QRadioButton*>(b);
    QRect ind = b->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &o, b);
    ind.translate(onWindow(b).topLeft());
    QRgb face = img.pixel(ind.center());
    for (int y = ind.top(); y <= ind.bottom(); ++y)
      for (int x = ind.left(); x <= ind.right(); ++x)
        if (luminance(img.pixel(x, y)) > luminance(face)) face = img.pixel(x, y);
    const QRgb around = img.pixel(std::max(0, ind.left() - 2), ind.center().y());
    expectReadable(screen, b->objectName().toStdString() + " face",
                   {contrast(face, around), face, around}, 3.0);
    if (b->isChecked())
      expectReadable(screen, b->objectName().toStdString() + " mark",
                     measure(img, ind.adjusted(3, 3, -3, -3)), 3.0);
  }

  // Measures the screen; returns the measure of every text by control name.
  std::map<std::string, Measured> check(const std::string& screen) {
    QCoreApplication::processEvents();
    const QImage img = snap();
    std::map<std::string, Measured> seen;
    std::vector<std::pair<std::string, QRect>> texts;
    const QRect inside(3, 0, form_->width() - 6, form_->height() - 3);
    for (TControl* c : shown()) {
      QWidget* w = c->Widget();
      const std::string name = c->Name().toStdString();
      QRect r = onWindow(w);
      double least = 4.5;
      if (auto* l = dynamic_cast<TLabel*>(w)) {
        r = textRect(l);
        if (l->font().pixelSize() >= 18) least = 3.0;
      } else if (dynamic_cast<TButton*>(w)) {
        r.adjust(4, 4, -4, -4);
        if (c->Caption().size() == 1 || !w->isEnabled()) least = 3.0;  // glyphs; greyed text
      } else if (auto* b = dynamic_cast<QAbstractButton*>(w)) {
        expectMark(screen, img, b);
        if (c->Caption().isEmpty()) continue;
        r.setLeft(r.left() + 16);
        r.setWidth(std::min(r.width(), w->fontMetrics().horizontalAdvance(c->Caption()) + 1));
        if (!w->isEnabled()) least = 3.0;
      } else if (dynamic_cast<TEdit*>(w)) {
        r.adjust(3, 3, -3, -3);
      }
      const Measured m = measure(img, r);
      expectReadable(screen, name + " \"" + c->Caption().toStdString() + "\"", m, least);
      seen[name] = m;
      if (dynamic_cast<TLabel*>(w) || dynamic_cast<QAbstractButton*>(w)) {
        EXPECT_TRUE(inside.contains(r)) << screen << ": " << name << " runs past the window";
        texts.push_back({name, r});
      }
    }
    for (size_t i = 0; i < texts.size(); ++i)
      for (size_t j = i + 1; j < texts.size(); ++j)
        EXPECT_FALSE(texts[i].second.intersects(texts[j].second))
            << screen << ": " << texts[i].first << " and " << texts[j].first << " overlap";
    return seen;
  }

  // Disabled looks different from enabled: its contrast drops clearly.
  void expectGreyed(const std::map<std::string, Measured>& seen, const std::string& enabled,
                    const std::string& disabled) {
    ASSERT_TRUE(seen.count(enabled) && seen.count(disabled));
    EXPECT_GT(seen.at(enabled).ratio, 1.5 * seen.at(disabled).ratio)
        << disabled << " is not greyed next to " << enabled;
  }

  TForm1& play() {
    TForm1& f = start();
    Randomize(3);
    f.ImgstartClick();
    f.chara1MouseMove(0, 0);
    f.ImgwakuMouseDown(kLeft, 0, 0);
    f.ImgpracClick();
    f.yesClick();
    f.windValue = 0;
    return f;
  }
};

TEST_F(Looks, MenusAndStartDialogs) {
  writeFile("dat/data.bin", QByteArray::fromHex("010100000001") + QByteArray(72, 0));
  TForm1& f = start();
  check("title");
  f.ImgstartMouseMove(0, 0);
  check("title, start lit");
  f.ImgstartClick();
  f.chara4MouseMove(0, 0);
  check("grid, locked slot");
  f.chara1MouseMove(0, 0);
  check("grid, Mina");
  f.ImgwakuMouseDown(kLeft, 0, 0);
  f.ImgchampMouseMove(0, 0);
  check("course list");
  f.ImgedtdClick();
  f.EditCs->SetText("Abc12");
  check("course-name entry");
  f.okClick();  // no such course: back to the list
  f.ImgpracClick();
  check("start dialog");
}

TEST_F(Looks, PlayGaugeOverviewAndBoard) {
  TForm1& f = play();
  check("first stroke");
  f.Radio1->SetChecked(true);
  check("club chosen");
  f.shotMouseDown(kLeft, 0, 0);
  until([&] { return f.gauge->Width() >= 40; });
  check("gauge");
  f.shotMouseUp(kLeft, 0, 0);
  until([] { return !Application::instance().hasIdle(); });
  check("ball at rest");
  f.shotClick();
  f.vwcourseClick();
  check("overview");
  f.toji2Click();
  check("club panel again");
}

TEST_F(Looks, HoleEndShopAndLastHole) {
  TForm1& f = play();
  f.points = 1450;  // the 8I and 5I upgrades are affordable, the 1W is not
  f.strokeNo = 8;
  f.phase = 6;
  f.lie = 1;
  f.shotClick();  // given up: the hole end
  auto seen = check("hole end");
  ASSERT_TRUE(f.Radio4->Enabled());
  ASSERT_FALSE(f.Radio1->Enabled());
  expectGreyed(seen, "Radio4", "Radio1");
  f.Radio4->SetChecked(true);
  check("shop entry chosen");
  f.vwscoreClick();
  check("board");
  f.toji2Click();

  // The last hole ends on the green: the course-end button over the slope row.
  f.holeNo = 6;
  f.windLabel->SetCaption("傾：");
  for (TControl* c : std::initializer_list<TControl*>{f.windLabel, f.plmi, f.valplmi}) c->Show();
  f.checkLastHole(6);
  const QImage img = snap();
  const QRect button = onWindow(f.proceed).adjusted(4, 4, -4, -4);
  const Measured m = measure(img, button);
  // Only the button's own black caption on its face; nothing shows through.
  EXPECT_EQ(m.ink & 0xFFFFFF, 0x000000u);
  for (int y = button.top(); y <= button.bottom(); ++y)
    for (int x = button.left(); x <= button.right(); ++x)
      ASSERT_NE(img.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu) << "white text shows through at " << x;
}

TEST_F(Looks, EditorInEveryButtonState) {
  writeFile("dat/data.bin", QByteArray::fromHex("010000000001") + QByteArray(72, 0));
  TForm1& f = start();
  f.ImgeditClick();
  auto seen = check("editor, empty");
  expectGreyed(seen, "confirm", "btsave");
  f.coursnm->SetText("abc");
  f.ezen->SetText("350");
  f.e1->SetText("40");
  f.e2->SetText("90");
  f.ewnda->SetText("-3");
  check("editor, typed");
  f.confirmClick();
  seen = check("editor, checked");
  EXPECT_TRUE(f.Btfwd->Enabled());
  f.BtfwdClick();
  check("editor, hole 2");
}

TEST_F(Looks, EveryEndingPage) {
  TForm1& f = play();
  f.holeNo = 6;
  f.par = 4;
  f.scoreToPar = 2;
  f.longestShot = 289;  // three digits before "yd"
  f.holeInOnes = 0;
  f.points = 900;
  f.endFadeLevel = 0;
  f.finishCourse();
  f.FormMouseDown(kLeft, 0, 0);
  for (int page = 1; page <= 5; ++page) {
    until([&] { return f.endPhase == page && f.endFadeMode == 2; }, 60000);
    ASSERT_EQ(f.endPhase, page);
    check("ending page " + std::to_string(page));
  }
  until([] { return !Application::instance().hasIdle(); }, 60000);
  check("ending, last");
}

TEST_F(Looks, MessageAndInputBoxesOverTheWindow) {
  // The game's boxes belong to the window but keep the desktop's look: the
  // window's style must not leak into them.
  start();
  QMessageBox message(QMessageBox::Information, "Pinvale", "ロードできませんでした",
                      QMessageBox::Ok, form_.get());
  QInputDialog input(form_.get());
  input.setLabelText("Please enter your nickname");
  input.setTextValue("Mina");
  for (QDialog* box : std::initializer_list<QDialog*>{&message, &input}) {
    box->show();
    QCoreApplication::processEvents();
    const QImage img = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QLabel* l : box->findChildren<QLabel*>()) {
      if (l->text().isEmpty() || !l->isVisible()) continue;
      expectReadable("box", l->text().toStdString(),
                     measure(img, QRect(l->mapTo(box, QPoint(0, 0)), l->size())), 4.5);
    }
    for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
      expectReadable(
          "box", b->text().toStdString(),
          measure(img, QRect(b->mapTo(box, QPoint(0, 0)), b->size()).adjusted(4, 4, -4, -4)), 4.5);
    box->hide();
  }
}

}  // namespace
