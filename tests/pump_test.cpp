// The frame pump on the real clock: it wakes the game when a handler's
// next step is due, not every millisecond, the step comes at the clock
// reading it is due, and a handler that removes or replaces itself hands
// the pump over cleanly.
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/application.h"
#include "platform/clock.h"
#include "tests/support.h"

namespace {

// Runs the event loop for `ms` of wall clock.
void runFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// Switches the clock and the pump to real time for one test.
struct RealTime {
  RealTime() {
    useVirtualClock(false);
    Application::instance().useVirtualTime(false);
  }
  ~RealTime() {
    Application::instance().clearIdle();
    useVirtualClock(true);
    Application::instance().useVirtualTime(true);
  }
};

// A handler that steps every `interval` ms of the clock, remembering how
// many milliseconds after its due reading each step came.
struct Stepper {
  explicit Stepper(int32_t interval) : interval(interval), last(frameReading()) {}
  static int32_t frameReading() { return static_cast<int32_t>(timeGetTime()); }
  int32_t dueIn() const { return interval - (frameReading() - last); }
  void step() {
    if (dueIn() > 0) return;
    lateness.push_back(frameReading() - (last + interval));
    last = frameReading();
  }
  int32_t interval;
  int32_t last;
  std::vector<int32_t> lateness;
};

// The form fixture only for its application object and folders.
class FramePump : public FormTest {};

TEST_F(FramePump, WakesOncePerStepAndStepsOnTheDueReading) {
  RealTime real;
  Application& app = Application::instance();
  Stepper s(30);
  const uint64_t wakes = app.pumpWakes();
  app.setIdle(
      "Stepper", [&] { s.step(); }, [&] { return s.dueIn(); });
  runFor(620);
  app.clearIdle();

  const auto steps = static_cast<int>(s.lateness.size());
  EXPECT_GE(steps, 15);  // 20 on a quiet machine
  EXPECT_LE(steps, 21);
  // A 1-ms pump wakes about 600 times here; this one once a step, plus at
  // most the odd early ring.
  EXPECT_LE(app.pumpWakes() - wakes, static_cast<uint64_t>(2 * steps + 2));
  std::vector<int32_t> sorted = s.lateness;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_GE(sorted.front(), 0) << "a step came before it was due";
  EXPECT_LE(sorted[sorted.size() / 2], 1) << "steps come late: the gauge would lose its pace";
}

TEST_F(FramePump, AHandlerThatWaitsOnSomethingElseIsPolledNotSpun) {
  RealTime real;
  Application& app = Application::instance();
  int calls = 0;
  // Due, yet it does not step: looked at again each millisecond, as before.
  app.setIdle(
      "Waiting", [&] { ++calls; }, [] { return 0; });
  runFor(100);
  app.clearIdle();
  EXPECT_GE(calls, 20);
  EXPECT_LE(calls, 150);  // a spinning pump calls it tens of thousands of times
}

TEST_F(FramePump, AHandlerReplacingOrClearingItselfHandsThePumpOver) {
  RealTime real;
  Application& app = Application::instance();
  Stepper first(5), second(10);
  int firstCalls = 0;
  app.setIdle(
      "First",
      [&] {
        if (first.dueIn() > 0) return;
        ++firstCalls;
        app.setIdle(
            "Second",
            [&] {
              second.step();
              if (second.lateness.size() == 3) app.clearIdle();
            },
            [&] { return second.dueIn(); });
        second.last = Stepper::frameReading();
      },
      [&] { return first.dueIn(); });
  runFor(150);
  EXPECT_EQ(firstCalls, 1);
  EXPECT_EQ(second.lateness.size(), 3u);
  EXPECT_FALSE(app.hasIdle());
  const uint64_t wakes = app.pumpWakes();
  runFor(50);
  EXPECT_EQ(app.pumpWakes(), wakes) << "the pump runs on with no handler";
}

class RealTimeGauge : public FormTest {};

TEST_F(RealTimeGauge, TheHeldGaugeWakesTheGameOnlyForItsSteps) {
  TForm1& f = startHole(1, 1, 1, 1600);  // Mina, practice hole 1
  f.windValue = 0;
  f.Radio1->SetChecked(true);

  Application& app = Application::instance();
  int width = -1;
  uint64_t wakes = 0, steps = 0;
  {
    RealTime real;
    wakes = app.pumpWakes();
    steps = app.pumpSteps();
    f.shotMouseDown(TMouseButton::mbLeft, 0, 0);
    ASSERT_STREQ(app.idleName(), "AppShot");
    runFor(1000);
    width = f.gauge->Width();
    wakes = app.pumpWakes() - wakes;
    steps = app.pumpSteps() - steps;
  }
  EXPECT_GT(width, 0);
  const uint64_t nominal = 1000 / f.gaugeInterval;  // 33 for Mina
  EXPECT_GE(steps, nominal - 8);
  EXPECT_LE(steps, nominal + 1);
  EXPECT_LE(wakes, 2 * steps + 2);
}

}  // namespace
