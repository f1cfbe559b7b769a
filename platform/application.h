// The application object: the idle-time hook with its one frame handler,
// the message pump, and the game's periodic timer.
//
// The idle hook holds at most one handler; installing one replaces the
// other, and a handler may remove itself while it runs. Each handler comes
// with its `dueIn`: the milliseconds until its next step is due (0 or less:
// due now), the same test the handler itself makes before stepping. In real
// runs the pump sleeps until that moment, calls the handler, and asks again,
// so a gauge stepping every 30 ms wakes the game about 33 times a second and
// no CPU core spins. In virtual time the script driver calls the handler once
// per millisecond and the pump stays off.
#pragma once

#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TTimer;

class Application {
 public:
  static Application& instance();

  using DueIn = std::function<int32_t()>;
  void setIdle(const char* name, std::function<void()> handler, DueIn dueIn);
  void clearIdle();
  bool hasIdle() const { return static_cast<bool>(idle_); }
  const char* idleName() const { return idleName_; }

  // One call of the installed frame handler (nothing when there is none).
  void runIdleOnce();

  // Real time: how often the pump has woken the game, and how many of those
  // wakes found a step due (a benchmark's and a test's view of the pump).
  uint64_t pumpWakes() const { return wakes_; }
  uint64_t pumpSteps() const { return steps_; }

  // Let pending window events run once.
  void ProcessMessages();

  // Virtual time: the driver runs timers and the idle handler itself.
  void useVirtualTime(bool on) { virtual_ = on; }
  bool virtualTime() const { return virtual_; }

  // Virtual time: fire every enabled timer that is due at `now`.
  void runDueTimers(uint32_t now);

  void addTimer(TTimer* t) { timers_.push_back(t); }
  void removeTimer(TTimer* t);

 private:
  Application() = default;
  void ensurePump();
  void armPump();
  void pumpWake();

  std::function<void()> idle_;
  DueIn dueIn_;
  const char* idleName_ = "";
  bool virtual_ = false;
  bool inIdle_ = false;
  QTimer* pump_ = nullptr;
  uint64_t wakes_ = 0;
  uint64_t steps_ = 0;
  std::vector<TTimer*> timers_;
};

// A periodic timer like the form's Timer1: disabled until enabled, fires
// every `interval` ms while enabled.
class TTimer {
 public:
  explicit TTimer(int intervalMs);
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  int interval() const { return interval_; }

  std::function<void()> OnTimer;

  // Virtual time: fires when due.
  void runIfDue(uint32_t now);

 private:
  int interval_;
  bool enabled_ = false;
  uint32_t due_ = 0;
  QTimer* real_ = nullptr;
};
