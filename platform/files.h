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
// cannot be opened or read.
long readFileInto(const QString& gamePath, void* buf, size_t max);

// Replaces the file with `size` bytes. The bytes go to a temporary file in
// the same folder first, which then takes the file's place, so a crash or a
// full disk never leaves a half-written file behind. False on any failure
// (the old file is then untouched).
bool writeFileReplacing(const QString& gamePath, const void* data, size_t size);

// Shift-JIS (code page 932) bytes of a text.
QByteArray toShiftJis(const QString& text);

// Writes the lines as a Shift-JIS text file with CR LF line ends, replacing
// the file the same safe way. False on any failure.
bool writeShiftJisLines(const QString& gamePath, const QStringList& lines);
