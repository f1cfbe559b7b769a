// The game folder: which folder a start plays in, and the player's own
// folder with its links to the installed media.
#include "platform/folders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

class GameFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp_.isValid());
    root_ = tmp_.path();
    // An install's media folder with one tune and one effect.
    media_ = root_ + "/prefix/share/pinvale/dat";
    QDir().mkpath(media_);
    put(media_ + "/MOUNT.mid", "tune");
    put(media_ + "/se1.wav", "effect");
    put(media_ + "/notes.txt", "not media");
    QDir().mkpath(root_ + "/start");
  }

  static void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  static QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir tmp_;
  QString root_, media_;
};

TEST_F(GameFolder, WorkdirThenACheckoutThenThePlayersFolder) {
  const QString player = root_ + "/home/.local/share/pinvale";
  const QString start = root_ + "/start";
  // --workdir wins, relative to where the game was started, and makes nothing.
  EXPECT_EQ(chooseGameFolder("games/one", start, player, {media_}), start + "/games/one");
  EXPECT_FALSE(QFileInfo::exists(player));
  // A folder without dat/ leads to the player's folder...
  EXPECT_EQ(chooseGameFolder("", start, player, {media_}), player);
  EXPECT_TRUE(QFileInfo(player + "/edit").isDir());
  EXPECT_TRUE(QFileInfo(player + "/record").isDir());
  EXPECT_TRUE(holdsMedia(player + "/dat"));
  // ...and one with dat/ (a checkout) is played in as it is.
  QDir().mkpath(start + "/dat");
  EXPECT_EQ(chooseGameFolder("", start, player, {media_}), start);
  EXPECT_FALSE(holdsMedia(start + "/dat"));
}

TEST_F(GameFolder, ThePlayersFolderLinksTheInstalledMediaOnly) {
  const QString player = root_ + "/player";
  // The first media folder that has any is used.
  ASSERT_TRUE(preparePlayerFolder(player, {root_ + "/nowhere", media_}));
  const QFileInfo tune(player + "/dat/MOUNT.mid");
  EXPECT_TRUE(tune.isSymLink());
  EXPECT_EQ(tune.symLinkTarget(), media_ + "/MOUNT.mid");
  EXPECT_EQ(read(player + "/dat/se1.wav"), "effect");
  EXPECT_FALSE(QFileInfo::exists(player + "/dat/notes.txt"));
  EXPECT_EQ(QDir(player + "/dat").entryList(QDir::Files).size(), 2);
}

TEST_F(GameFolder, ALaterStartKeepsThePlayersFilesAndRenewsBrokenLinks) {
  const QString player = root_ + "/player";
  ASSERT_TRUE(preparePlayerFolder(player, {media_}));
  put(player + "/dat/data.bin", "saved");
  // The player replaced a tune with one of their own.
  QFile::remove(player + "/dat/MOUNT.mid");
  put(player + "/dat/MOUNT.mid", "mine");
  // The game was installed somewhere else since: the old link leads nowhere.
  QFile::remove(player + "/dat/se1.wav");
  ASSERT_TRUE(QFile::link(root_ + "/old/se1.wav", player + "/dat/se1.wav"));
  // And a new effect came with the new install.
  put(media_ + "/se2.wav", "new effect");

  ASSERT_TRUE(preparePlayerFolder(player, {media_}));
  EXPECT_EQ(read(player + "/dat/data.bin"), "saved");
  EXPECT_EQ(read(player + "/dat/MOUNT.mid"), "mine");
  EXPECT_EQ(read(player + "/dat/se1.wav"), "effect");
  EXPECT_EQ(read(player + "/dat/se2.wav"), "new effect");
}

TEST_F(GameFolder, NoInstalledMediaStillMakesTheFolders) {
  const QString player = root_ + "/player";
  ASSERT_TRUE(preparePlayerFolder(player, {root_ + "/nowhere"}));
  EXPECT_TRUE(QFileInfo(player + "/dat").isDir());
  EXPECT_FALSE(holdsMedia(player + "/dat"));
  // A file where the folder should be: the folder cannot be made.
  put(root_ + "/blocked", "");
  EXPECT_FALSE(preparePlayerFolder(root_ + "/blocked", {media_}));
}

TEST_F(GameFolder, ThePlayersFolderFollowsXdgDataHome) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/srv/data");
  EXPECT_EQ(playerFolder(), "/srv/data/pinvale");
  // A relative or empty value is not a place: the default is used.
  qputenv("XDG_DATA_HOME", "relative/data");
  EXPECT_EQ(playerFolder(), QDir::homePath() + "/.local/share/pinvale");
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(playerFolder(), QDir::homePath() + "/.local/share/pinvale");
  if (!saved.isNull()) qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
