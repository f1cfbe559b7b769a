// The application object: the idle-time hook with its one frame handler,
// the message pump, and the game's periodic timer.
//
// The idle hook holds at most one handler; installing one replaces the
// other, and a handler may remove itself while it runs. In real runs a
// 1-ms precise timer calls it, so a running gauge or flight does not spin a
// CPU core; in virtual time the script driver calls it once per millisecond.
#pragma once

#include <QTimer>
#include <functional>
#include <string>
#include <vector>

class TTimer;

class Application {
 public:
  static Application& instance();

  void setIdle(const char* name, std::function<void()> handler);
  void clearIdle();
  bool hasIdle() const { return static_cast<bool>(idle_); }
  const char* idleName() const { return idleName_; }

  // One call of the installed frame handler (nothing when there is none).
  void runIdleOnce();

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

  std::function<void()> idle_;
  const char* idleName_ = "";
  bool virtual_ = false;
  bool inIdle_ = false;
  QTimer* pump_ = nullptr;
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
