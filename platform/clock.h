// The millisecond clock and Sleep, through one switch: the steady clock in
// real runs, a virtual clock in tests and scripts (Sleep advances it).
#pragma once

#include <cstdint>

void useVirtualClock(bool on);
bool virtualClock();

// Milliseconds since an arbitrary start, like the system's timeGetTime.
uint32_t timeGetTime();

void Sleep(uint32_t ms);

// Sleeps until timeGetTime() reads `reading` (at once when it already has),
// waking as the clock turns to it.
void sleepUntilReading(uint32_t reading);

// Virtual clock only: moves time forward (the script driver's ticks).
void advanceClock(uint32_t ms);
