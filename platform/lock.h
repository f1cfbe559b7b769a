// The single-instance lock: one named lock in the user's runtime folder,
// held for the life of the process.
#pragma once

#include <QByteArray>

// The user's runtime folder: $XDG_RUNTIME_DIR when it is a folder of this
// user that only the user can enter (mode 0700), otherwise a per-user
// folder of that kind in the temporary folder, made on first use. Empty
// when neither can be trusted. Found without asking Qt, which warns when
// the variable is unset.
QByteArray runtimeFolder();

// True when this process now holds the lock `name`, false only while another
// running instance holds it. A lock file left by an instance that is gone,
// whatever it holds, is taken over. Without a trustworthy runtime folder
// the game starts unguarded.
bool acquireInstanceLock(const char* name);

// Gives the lock up and removes its file; also done when the process exits.
void releaseInstanceLock();
