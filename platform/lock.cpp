#include "platform/lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>

// The lock is an advisory flock() on a file in the runtime folder. The
// system drops it when the process ends, however it ends, so a lock file
// that nobody holds is stale whatever it contains (nothing, garbage, the
// number of a process long gone or of some other program) and is simply
// taken over. Only a running instance holding it keeps a start out.

namespace {

int heldFd = -1;
QByteArray heldPath;

// A folder only this user can enter: owned by us, mode 0700, no link.
bool isPrivateFolder(const QByteArray& path) {
  struct stat st;
  return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
         (st.st_mode & 0777) == 0700;
}

}  // namespace

QByteArray runtimeFolder() {
  const char* xdg = std::getenv("XDG_RUNTIME_DIR");
  if (xdg && *xdg && isPrivateFolder(xdg)) return xdg;
  const QByteArray own =
      QFile::encodeName(QDir::tempPath()) + "/pinvale-" + QByteArray::number(::getuid());
  if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST) return {};
  return isPrivateFolder(own) ? own : QByteArray();
}

bool acquireInstanceLock(const char* name) {
  if (heldFd >= 0) return true;
  const QByteArray folder = runtimeFolder();
  // Without a safe place for the lock the game starts unguarded rather than
  // not at all.
  if (folder.isEmpty()) return true;
  const QByteArray path = folder + "/" + name + ".lock";
  for (int attempt = 0; attempt < 10; ++attempt) {
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return true;  // unusable (a folder, a link): no guard
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const bool held = errno == EWOULDBLOCK;
      ::close(fd);
      return !held;
    }
    // A closing instance may have removed the file between our open and
    // our lock; then the lock is on a file nobody else can find: again.
    struct stat mine, there;
    if (::fstat(fd, &mine) != 0 || ::stat(path.constData(), &there) != 0 ||
        mine.st_ino != there.st_ino || mine.st_dev != there.st_dev) {
      ::close(fd);
      continue;
    }
    // The process number, for a person looking; nothing reads it.
    const QByteArray pid = QByteArray::number(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) {
      const ssize_t written = ::write(fd, pid.constData(), static_cast<size_t>(pid.size()));
      (void)written;
    }
    heldFd = fd;
    heldPath = path;
    std::atexit(releaseInstanceLock);
    return true;
  }
  return true;
}

void releaseInstanceLock() {
  if (heldFd < 0) return;
  // Removed while still held, so that no other start can lock the file
  // being removed.
  ::unlink(heldPath.constData());
  ::close(heldFd);
  heldFd = -1;
  heldPath.clear();
}
