// The single-instance lock: one named lock in the user's runtime folder,
// held for the life of the process.
#pragma once

// True when this process now holds the lock `name`; false when another
// running instance holds it.
bool acquireInstanceLock(const char* name);
