// The single-instance lock: one named lock in the user's runtime folder,
// held for the life of the process.
#pragma once

// True when this process now holds the lock `name`, false only while another
// running instance holds it. A lock file left by an instance that is gone,
// whatever it holds, is taken over. The runtime folder is $XDG_RUNTIME_DIR
// when it is a private folder of this user, else a private per-user folder
// in the temporary folder.
bool acquireInstanceLock(const char* name);

// Gives the lock up and removes its file; also done when the process exits.
void releaseInstanceLock();
