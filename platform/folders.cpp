#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// Set by the build: the installed data folder, as an absolute path and as
// seen from the installed program's folder.
#ifndef PINVALE_DATA_DIR
#define PINVALE_DATA_DIR "/usr/local/share/pinvale"
#endif
#ifndef PINVALE_DATA_FROM_BIN
#define PINVALE_DATA_FROM_BIN "../share/pinvale"
#endif

namespace {

const QStringList kMediaPatterns = {"*.mid", "*.wav"};

QFileInfoList mediaFiles(const QString& datFolder) {
  return QDir(datFolder).entryInfoList(kMediaPatterns, QDir::Files | QDir::Readable,
                                       QDir::Name | QDir::IgnoreCase);
}

// Puts `source` into `dat` as a link, or as a copy where the file system
// has no links. Returns false only when neither could be made.
bool placeMedia(const QFileInfo& source, const QDir& dat) {
  const QString target = dat.filePath(source.fileName());
  const QString wanted = source.absoluteFilePath();
  QFileInfo there(target);
  if (there.isSymLink()) {
    if (there.symLinkTarget() == wanted && there.exists()) return true;
    QFile::remove(target);  // leads nowhere, or to an older install
  } else if (there.exists()) {
    return true;  // the player's own file
  }
  return QFile::link(wanted, target) || QFile::copy(wanted, target);
}

}  // namespace

QString playerFolder() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.local/share";
  return QDir::cleanPath(base + "/pinvale");
}

QStringList installedMediaFolders() {
  QStringList folders;
  if (QCoreApplication::instance())
    folders << QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" +
                               PINVALE_DATA_FROM_BIN + "/dat");
  const QString built = QDir::cleanPath(QStringLiteral(PINVALE_DATA_DIR) + "/dat");
  if (!folders.contains(built)) folders << built;
  return folders;
}

bool holdsMedia(const QString& datFolder) { return !mediaFiles(datFolder).isEmpty(); }

bool preparePlayerFolder(const QString& folder, const QStringList& mediaFolders) {
  QDir root(folder);
  for (const char* sub : {"dat", "edit", "record"})
    if (!root.mkpath(sub)) return false;
  const QDir dat(root.filePath("dat"));
  for (const QString& from : mediaFolders) {
    // The player's own dat/ is never its own source.
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(dat.path()).canonicalFilePath()) continue;
    const QFileInfoList files = mediaFiles(from);
    if (files.isEmpty()) continue;
    for (const QFileInfo& f : files) placeMedia(f, dat);
    break;
  }
  return true;
}

QString chooseGameFolder(const QString& workdir, const QString& current, const QString& player,
                         const QStringList& mediaFolders) {
  if (!workdir.isEmpty()) return QDir(current).absoluteFilePath(workdir);
  if (QFileInfo(current + "/dat").isDir()) return current;
  // A folder that cannot be made leaves the game without media and saves,
  // but it still plays.
  preparePlayerFolder(player, mediaFolders);
  return player;
}
