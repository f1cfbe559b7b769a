#include "editor/coursefile.h"

#include <QString>

bool isCourseName(const QString& name) {
  if (name.isEmpty()) return false;
  for (QChar c : name) {
    const char16_t u = c.unicode();
    if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9'))) return false;
  }
  return true;
}

QString courseFilePath(const QString& name) { return "edit\\" + name + ".dat"; }
