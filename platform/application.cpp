#include "platform/application.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/clock.h"

Application& Application::instance() {
  static Application app;
  return app;
}

void Application::setIdle(const char* name, std::function<void()> handler) {
  idle_ = std::move(handler);
  idleName_ = name;
  ensurePump();
}

void Application::clearIdle() {
  idle_ = nullptr;
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
    pump_->setInterval(1);
    QObject::connect(pump_, &QTimer::timeout, [this] { runIdleOnce(); });
  }
  if (!pump_->isActive()) pump_->start();
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
