// Files as the game names them: relative to the working folder, with
// backslashes (dat\data.bin). The folders are never created here.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>

// dat\data.bin -> dat/data.bin
QString hostPath(const QString& gamePath);

// Reads up to `max` bytes from the start of the file into `buf`. Returns the
// number of bytes read (a short file is not an error), or -1 when the file
// cannot be opened or read, or is not a regular file (a folder, a FIFO, a
// device); `buf` is then untouched. Never waits for a writer.
long readFileInto(const QString& gamePath, void* buf, size_t max);

// Replaces the file with `size` bytes. The bytes go to a new temporary file
// in the same folder first (see isSaveTempName), are synced to the disk, and
// only then does it take the file's place, so a crash or a full disk never
// leaves a short or empty file behind. False on any failure, the old file
// then untouched: also when the file is read-only or something other than a
// regular file stands in its place.
bool writeFileReplacing(const QString& gamePath, const void* data, size_t size);

// True for the name of a temporary file that writeFileReplacing makes:
// ".NAME.pinvale-XXXXXX.tmp" (six lower-case letters or digits).
bool isSaveTempName(const QString& fileName);

// Removes the temporary files an interrupted save left in the folder (only
// regular files named as isSaveTempName says). Returns how many went.
int removeSaveLeftovers(const QString& gameFolder);

// Shift-JIS (code page 932) bytes of a text.
QByteArray toShiftJis(const QString& text);

// Writes the lines as a Shift-JIS text file with CR LF line ends, replacing
// the file the same safe way. False on any failure.
bool writeShiftJisLines(const QString& gamePath, const QStringList& lines);
