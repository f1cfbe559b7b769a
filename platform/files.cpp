#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

// Temporary files of a save: ".NAME.pinvale-XXXXXX.tmp" beside NAME.
constexpr char kTempMark[] = ".pinvale-";
constexpr char kTempEnd[] = ".tmp";
constexpr int kTempRandom = 6;

QByteArray nativePath(const QString& gamePath) { return QFile::encodeName(hostPath(gamePath)); }

bool writeAll(int fd, const char* p, size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (w == 0) return false;
    p += w;
    n -= static_cast<size_t>(w);
  }
  return true;
}

bool syncFile(int fd) {
  while (::fsync(fd) != 0)
    if (errno != EINTR) return false;
  return true;
}

// Some file systems cannot sync a folder; that is no failure of the save.
bool syncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = true;
  while (::fsync(fd) != 0) {
    if (errno == EINTR) continue;
    ok = errno == EINVAL || errno == ENOTSUP || errno == EROFS;
    break;
  }
  ::close(fd);
  return ok;
}

QByteArray folderOf(const QByteArray& path) {
  const int slash = path.lastIndexOf('/');
  if (slash < 0) return ".";
  if (slash == 0) return "/";
  return path.left(slash);
}

QByteArray baseOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

// Creates a new temporary file beside `target`; never opens one that exists
// or follows a link.
int createTemp(const QByteArray& target, QByteArray& tempPath) {
  static std::minstd_rand gen(static_cast<unsigned>(
      ::getpid() ^ std::chrono::steady_clock::now().time_since_epoch().count()));
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  const QByteArray folder = folderOf(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    QByteArray random(kTempRandom, 'a');
    for (char& c : random) c = kLetters[gen() % (sizeof kLetters - 1)];
    tempPath = folder + "/." + baseOf(target) + kTempMark + random + kTempEnd;
    const int fd =
        ::open(tempPath.constData(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// Where the bytes of a save go: the path itself, or the file a link there
// names (a player may keep a save elsewhere and link it in). Empty when
// something other than a regular file stands there, or it is read-only.
QByteArray saveTarget(const QByteArray& path, struct stat& old, bool& exists) {
  exists = false;
  struct stat link;
  if (::lstat(path.constData(), &link) != 0) return errno == ENOENT ? path : QByteArray();
  QByteArray target = path;
  if (S_ISLNK(link.st_mode)) {
    char resolved[PATH_MAX];
    if (!::realpath(path.constData(), resolved)) return {};
    target = resolved;
  }
  if (::stat(target.constData(), &old) != 0 || !S_ISREG(old.st_mode)) return {};
  if ((old.st_mode & 0222) == 0 || ::access(target.constData(), W_OK) != 0) return {};
  exists = true;
  return target;
}

}  // namespace

QString hostPath(const QString& gamePath) {
  QString p = gamePath;
  p.replace('\\', '/');
  return p;
}

long readFileInto(const QString& gamePath, void* buf, size_t max) {
  // Non-blocking, so that a FIFO in the file's place cannot hold the game;
  // anything but a regular file is a failed read.
  const int fd = ::open(nativePath(gamePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  // Read into a copy: a read that fails half-way leaves `buf` untouched.
  std::vector<char> bytes(max);
  size_t got = 0;
  while (got < max) {
    const ssize_t r = ::read(fd, bytes.data() + got, max - got);
    if (r < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      ::close(fd);
      return -1;
    }
    if (r == 0) break;
    got += static_cast<size_t>(r);
  }
  ::close(fd);
  if (got > 0) std::memcpy(buf, bytes.data(), got);
  return static_cast<long>(got);
}

bool writeFileReplacing(const QString& gamePath, const void* data, size_t size) {
  struct stat old;
  bool exists = false;
  const QByteArray target = saveTarget(nativePath(gamePath), old, exists);
  if (target.isEmpty()) return false;

  QByteArray temp;
  const int fd = createTemp(target, temp);
  if (fd < 0) return false;
  // The new file keeps the old one's permissions.
  bool ok = (!exists || ::fchmod(fd, old.st_mode & 07777) == 0) &&
            writeAll(fd, static_cast<const char*>(data), size) && syncFile(fd);
  ok = ::close(fd) == 0 && ok;
  if (!ok || ::rename(temp.constData(), target.constData()) != 0) {
    ::unlink(temp.constData());
    return false;
  }
  return syncFolder(folderOf(target));
}

bool isSaveTempName(const QString& fileName) {
  const QByteArray name = QFile::encodeName(fileName);
  const int mark = name.lastIndexOf(kTempMark);
  const int markLen = static_cast<int>(sizeof kTempMark - 1);
  const int endLen = static_cast<int>(sizeof kTempEnd - 1);
  if (name.size() < 2 || name[0] != '.' || mark < 2) return false;
  if (name.size() != mark + markLen + kTempRandom + endLen || !name.endsWith(kTempEnd))
    return false;
  for (int i = mark + markLen; i < mark + markLen + kTempRandom; ++i) {
    const char c = name[i];
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

int removeSaveLeftovers(const QString& gameFolder) {
  const QByteArray folder = nativePath(gameFolder);
  int removed = 0;
  const QStringList names =
      QDir(hostPath(gameFolder)).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& name : names) {
    if (!isSaveTempName(name)) continue;
    const QByteArray path = folder + "/" + QFile::encodeName(name);
    struct stat st;
    // Only regular files the game made; a link of that name is left alone.
    if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::unlink(path.constData()) == 0)
      ++removed;
  }
  return removed;
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
