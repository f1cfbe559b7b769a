#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace {

bool isVirtual = false;
uint32_t virtualNow = 100000;  // any start will do; not 0 so that "never" stands out
const auto realStart = std::chrono::steady_clock::now();

}  // namespace

void useVirtualClock(bool on) { isVirtual = on; }
bool virtualClock() { return isVirtual; }

uint32_t timeGetTime() {
  if (isVirtual) return virtualNow;
  auto d = std::chrono::steady_clock::now() - realStart;
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count()) +
         100000;
}

void Sleep(uint32_t ms) {
  if (isVirtual)
    virtualNow += ms;
  else
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void sleepUntilReading(uint32_t reading) {
  if (isVirtual) {
    if (static_cast<int32_t>(reading - virtualNow) > 0) virtualNow = reading;
    return;
  }
  using std::chrono::milliseconds;
  const auto since =
      std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - realStart);
  const auto ahead =
      static_cast<int32_t>(reading - (static_cast<uint32_t>(since.count()) + 100000));
  if (ahead > 0) std::this_thread::sleep_until(realStart + since + milliseconds(ahead));
}

void advanceClock(uint32_t ms) { virtualNow += ms; }
