// The game's files when the disk or the folder misbehaves: a full disk, a
// FIFO or a folder where a file should be, a link, a read-only file, and the
// leftovers of a save that was cut short.
#include "platform/files.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <chrono>

#include "platform/dialogs.h"
#include "tests/support.h"

namespace {

// Files may not grow past `bytes` while it lives: a write beyond fails with
// EFBIG, as it fails with ENOSPC on a full disk, and no root is needed.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    oldSignal_ = ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit small = old_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldSignal_);
  }

 private:
  rlimit old_{};
  sighandler_t oldSignal_;
};

// Names in a folder other than . and ..
QStringList entries(const char* folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                QDir::NoDotAndDotDot);
}

using Files = FormTest;

TEST_F(Files, AFullDiskKeepsTheOldFileAndReportsTheFailure) {
  start();
  const QByteArray old(78, 'o'), fresh(78, 'n');
  writeFile("dat/data.bin", old);
  {
    FullDisk full(10);
    EXPECT_FALSE(writeFileReplacing("dat\\data.bin", fresh.constData(), fresh.size()));
    EXPECT_FALSE(writeShiftJisLines("record\\pr_mina.txt", {"Pinvale ver 1.31", ""}));
  }
  EXPECT_EQ(readFile("dat/data.bin"), old);
  EXPECT_EQ(entries("dat"), (QStringList{"data.bin", "data2.bin"}));
  EXPECT_TRUE(entries("record").isEmpty());
  // With room again the same save goes through.
  EXPECT_TRUE(writeFileReplacing("dat\\data.bin", fresh.constData(), fresh.size()));
  EXPECT_EQ(readFile("dat/data.bin"), fresh);
  EXPECT_EQ(entries("dat"), (QStringList{"data.bin", "data2.bin"}));
}

TEST_F(Files, EachSaveOfTheGameOnAFullDisk) {
  TForm1& f = start();
  const QByteArray save = readFile("dat/data.bin");
  ASSERT_EQ(save.size(), 78);

  // The music switch saves silently; the file stays as it was.
  {
    FullDisk full(10);
    f.Check1->SetChecked(false);
  }
  EXPECT_EQ(f.bgmOn, 0);
  EXPECT_EQ(readFile("dat/data.bin"), save);
  EXPECT_TRUE(dialogLines().empty());

  // The editor says so, and the course file on disk is the old one.
  const QByteArray course(kCourseFileSize, 'c');
  writeFile("edit/abc.dat", course);
  f.editCourseName = "abc";
  f.editLength[1] = 500;
  {
    FullDisk full(100);
    f.btsaveClick();
  }
  EXPECT_EQ(dialogLines(), std::vector<std::string>{"message: セーブできませんでした"});
  EXPECT_EQ(readFile("edit/abc.dat"), course);

  // The record export sets its flag and leaves no empty record behind.
  f.charSlot = 1;
  f.courseKind = kPracticeCourse;
  {
    FullDisk full(20);
    f.txtout();
  }
  EXPECT_EQ(f.exportFailed, 1);
  EXPECT_FALSE(exists("record/pr_mina.txt"));
  for (const char* folder : {"dat", "edit", "record"})
    for (const QString& name : entries(folder))
      EXPECT_FALSE(isSaveTempName(name)) << name.toStdString();
}

TEST_F(Files, OnlyRegularFilesAreReadOrWritten) {
  start();
  char buf[78] = {7};
  QFile::remove("dat/data.bin");
  ASSERT_EQ(::mkfifo("dat/data.bin", 0600), 0);
  const auto from = std::chrono::steady_clock::now();
  EXPECT_EQ(readFileInto("dat\\data.bin", buf, sizeof buf), -1);
  EXPECT_LT(std::chrono::steady_clock::now() - from, std::chrono::seconds(1));
  EXPECT_FALSE(writeFileReplacing("dat\\data.bin", buf, sizeof buf));
  struct stat st;
  ASSERT_EQ(::lstat("dat/data.bin", &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));  // not replaced either

  QDir().mkdir("edit/abc.dat");
  EXPECT_EQ(readFileInto("edit\\abc.dat", buf, sizeof buf), -1);
  EXPECT_FALSE(writeFileReplacing("edit\\abc.dat", buf, sizeof buf));
  EXPECT_EQ(readFileInto("/dev/zero", buf, sizeof buf), -1);
  EXPECT_EQ(buf[0], 7);  // a failed read leaves the buffer alone
  EXPECT_EQ(entries("dat"), (QStringList{"data.bin", "data2.bin"}));
  EXPECT_EQ(entries("edit"), QStringList{"abc.dat"});
}

TEST_F(Files, AStartWithAFifoForItsSaveFileDoesNotWait) {
  ASSERT_EQ(::mkfifo("dat/data.bin", 0600), 0);
  TForm1& f = start();  // would block for good on a blocking open
  EXPECT_EQ(f.bgmOn, 1);
  EXPECT_EQ(readFile("dat/data2.bin").size(), 72);
}

TEST_F(Files, ALinkedSaveIsWrittenThroughAndAReadOnlyOneRefused) {
  start();
  QDir().mkdir("elsewhere");
  writeFile("elsewhere/data.bin", "old");
  QFile::remove("dat/data.bin");
  ASSERT_EQ(::symlink("../elsewhere/data.bin", "dat/data.bin"), 0);
  EXPECT_TRUE(writeFileReplacing("dat\\data.bin", "new", 3));
  EXPECT_EQ(readFile("elsewhere/data.bin"), "new");
  struct stat st;
  ASSERT_EQ(::lstat("dat/data.bin", &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));

  writeFile("edit/ro.dat", "keep");
  ::chmod("edit/ro.dat", 0444);
  EXPECT_FALSE(writeFileReplacing("edit\\ro.dat", "lost", 4));
  EXPECT_EQ(readFile("edit/ro.dat"), "keep");
  // A replaced file keeps its permissions.
  writeFile("edit/mode.dat", "a");
  ::chmod("edit/mode.dat", 0640);
  ASSERT_TRUE(writeFileReplacing("edit\\mode.dat", "b", 1));
  ASSERT_EQ(::stat("edit/mode.dat", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(Files, LeftoversOfAnInterruptedSaveGoAtTheNextStart) {
  EXPECT_TRUE(isSaveTempName(".data.bin.pinvale-a1b2c3.tmp"));
  for (const char* other :
       {"data.bin", ".data.bin.tmp", "x.pinvale-a1b2c3.tmp", ".data.bin.pinvale-A1B2C3.tmp",
        ".data.bin.pinvale-a1b2c.tmp", ".data.bin.pinvale-a1b2c3.tmpx"})
    EXPECT_FALSE(isSaveTempName(other)) << other;

  writeFile("dat/.data.bin.pinvale-a1b2c3.tmp", "cut");
  writeFile("edit/.abc.dat.pinvale-zzzzzz.tmp", "cut");
  writeFile("record/.pr_mina.txt.pinvale-000000.tmp", "cut");
  writeFile("dat/notes.tmp", "mine");                   // not the game's
  writeFile("dat/.x.pinvale-abcdef.tmp.keep", "mine");  // nor this
  QDir().mkdir("elsewhere");
  writeFile("elsewhere/.a.pinvale-abcdef.tmp", "mine");  // not a game folder
  start();
  EXPECT_EQ(entries("dat"),
            (QStringList{".x.pinvale-abcdef.tmp.keep", "data.bin", "data2.bin", "notes.tmp"}));
  EXPECT_TRUE(entries("edit").isEmpty());
  EXPECT_TRUE(entries("record").isEmpty());
  EXPECT_TRUE(exists("elsewhere/.a.pinvale-abcdef.tmp"));
}

}  // namespace
