// The script driver: plays the real form from a file of commands, on the
// virtual clock with the recording sound device and scripted dialogs, and
// prints a transcript. Bug reports and the end-to-end tests replay games
// with it.
#pragma once

#include <QString>

// Returns the exit status: 0, or 2 for an unknown command, control or field.
int runScript(const QString& file, bool realtime);
