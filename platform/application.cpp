#include "platform/application.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/clock.h"

Application& Application::instance() {
  static Application app;
  return app;
}

namespace {

// The pump looks again at least this often, whatever a handler says.
constexpr int32_t kLongestSleepMs = 1000;
// An event-loop timer may ring up to a millisecond late, so the pump's timer
// is set this much early and the rest is slept exactly: a step then comes at
// the clock reading it is due, and the gauge keeps its pace.
constexpr int32_t kEarlyMs = 1;

}  // namespace

void Application::setIdle(const char* name, std::function<void()> handler, DueIn dueIn) {
  idle_ = std::move(handler);
  dueIn_ = std::move(dueIn);
  idleName_ = name;
  ensurePump();
}

void Application::clearIdle() {
  idle_ = nullptr;
  dueIn_ = nullptr;
  idleName_ = "";
  if (pump_) pump_->stop();
}

void Application::runIdleOnce() {
  // A handler that pumps messages must not be entered again from inside.
  if (!idle_ || inIdle_) return;
  inIdle_ = true;
  auto handler = idle_;  // the handler may remove or replace itself
  handler();
  inIdle_ = false;
}

void Application::ProcessMessages() { QCoreApplication::processEvents(); }

void Application::ensurePump() {
  if (virtual_) return;
  if (!pump_) {
    pump_ = new QTimer();
    pump_->setTimerType(Qt::PreciseTimer);
    pump_->setSingleShot(true);
    QObject::connect(pump_, &QTimer::timeout, [this] { pumpWake(); });
  }
  armPump();
}

void Application::pumpWake() {
  // A wake inside a handler's own message loop: that handler re-arms the
  // pump when it returns.
  if (inIdle_) return;
  ++wakes_;
#ifndef PINVALE_BUSY_IDLE
  if (dueIn_) {
    const int32_t wait = dueIn_();
    if (wait > kEarlyMs + 1) {  // a long wait is looked at again part way
      armPump();
      return;
    }
    if (wait > 0) sleepUntilReading(timeGetTime() + static_cast<uint32_t>(wait));
  }
#endif
  if (dueIn_ && dueIn_() <= 0) ++steps_;
  runIdleOnce();
#ifdef PINVALE_BUSY_IDLE
  // The benchmark's comparison build: the handler is called again at once,
  // as a plain idle hook calls it.
  if (idle_) pump_->start(0);
#else
  armPump();
#endif
}

void Application::armPump() {
  if (!idle_) {
    pump_->stop();
    return;
  }
  if (inIdle_) return;
  // A handler still due after its call has not stepped (it waits on
  // something else): it is looked at again every millisecond.
  const int32_t wait = dueIn_ ? dueIn_() : 0;
  pump_->start(wait <= 0 ? 1 : std::clamp(wait - kEarlyMs, int32_t{0}, kLongestSleepMs));
}

void Application::runDueTimers(uint32_t now) {
  auto timers = timers_;
  for (TTimer* t : timers)
    if (std::find(timers_.begin(), timers_.end(), t) != timers_.end()) t->runIfDue(now);
}

void Application::removeTimer(TTimer* t) { std::erase(timers_, t); }

TTimer::TTimer(int intervalMs) : interval_(intervalMs) { Application::instance().addTimer(this); }

TTimer::~TTimer() {
  Application::instance().removeTimer(this);
  delete real_;
}

void TTimer::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  if (Application::instance().virtualTime()) {
    due_ = timeGetTime() + static_cast<uint32_t>(interval_);
    return;
  }
  if (!real_) {
    real_ = new QTimer();
    real_->setInterval(interval_);
    QObject::connect(real_, &QTimer::timeout, [this] {
      if (enabled_ && OnTimer) OnTimer();
    });
  }
  if (on)
    real_->start();
  else
    real_->stop();
}

void TTimer::runIfDue(uint32_t now) {
  if (!enabled_ || static_cast<int32_t>(now - due_) < 0) return;
  due_ = now + static_cast<uint32_t>(interval_);
  if (OnTimer) OnTimer();
}
