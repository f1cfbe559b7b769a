#include "platform/lock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

bool acquireInstanceLock(const char* name) {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  static QLockFile* lock = nullptr;  // held until the process ends
  if (lock) return true;
  auto* candidate = new QLockFile(dir + "/" + name + ".lock");
  candidate->setStaleLockTime(0);  // a lock left by a crashed run is taken over
  if (!candidate->tryLock(0)) {
    delete candidate;
    return false;
  }
  lock = candidate;
  return true;
}
