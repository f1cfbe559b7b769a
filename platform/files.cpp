#include "platform/files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

QString hostPath(const QString& gamePath) {
  QString p = gamePath;
  p.replace('\\', '/');
  return p;
}

long readFileInto(const QString& gamePath, void* buf, size_t max) {
  QFile f(hostPath(gamePath));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  qint64 n = f.read(static_cast<char*>(buf), static_cast<qint64>(max));
  return n < 0 ? -1 : static_cast<long>(n);
}

bool writeFileReplacing(const QString& gamePath, const void* data, size_t size) {
  const QString path = hostPath(gamePath);
  // A read-only file stays as it is, as it would with a plain overwrite.
  QFileInfo old(path);
  if (old.exists() && !old.isWritable()) return false;
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(static_cast<const char*>(data), static_cast<qint64>(size)) !=
      static_cast<qint64>(size)) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

QByteArray toShiftJis(const QString& text) {
  QStringEncoder encoder("Shift_JIS");
  return encoder.encode(text);
}

bool writeShiftJisLines(const QString& gamePath, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += toShiftJis(line) + "\r\n";
  return writeFileReplacing(gamePath, bytes.constData(), static_cast<size_t>(bytes.size()));
}
