// The single-instance lock, each start in a child process of its own: only
// a running holder keeps a start out, whatever a lock file left behind says.
#include "platform/lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class Lock : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ::chmod(dir_.path().toLocal8Bit().constData(), 0700);
    path_ = dir_.path().toStdString() + "/pvale.lock";
  }

  // A start in a child: its exit status is 1 when it got the lock. With
  // `hold`, the child keeps the lock until the pipe is closed.
  pid_t startChild(bool hold, int* release = nullptr) {
    int fds[2];
    if (hold && ::pipe(fds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::setenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit().constData(), 1);
      ::setenv("TMPDIR", (dir_.path() + "/tmp").toLocal8Bit().constData(), 1);
      const bool got = acquireInstanceLock("pvale");
      if (hold) {
        ::close(fds[1]);
        char c;
        while (::read(fds[0], &c, 1) > 0) {
        }
      }
      releaseInstanceLock();  // as the game's exit does
      ::_exit(got ? 1 : 0);
    }
    if (hold) {
      ::close(fds[0]);
      *release = fds[1];
    }
    return pid;
  }

  int statusOf(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  bool starts() { return statusOf(startChild(false)) == 1; }

  void leave(const std::string& content) {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
  }

  QTemporaryDir dir_;
  std::string path_;
};

TEST_F(Lock, OnlyARunningHolderKeepsAStartOut) {
  int release = -1;
  const pid_t holder = startChild(true, &release);
  ::usleep(200000);  // the holder has the lock by now
  EXPECT_FALSE(starts());
  EXPECT_FALSE(starts());
  ::close(release);
  EXPECT_EQ(statusOf(holder), 1);
  EXPECT_TRUE(starts());  // the holder is gone
  EXPECT_NE(::access(path_.c_str(), F_OK), 0) << "the lock file stays after it was released";
}

TEST_F(Lock, ALeftOverLockFileIsStaleWhateverItHolds) {
  for (const std::string& content :
       {std::string(), std::string("\x01\xff garbage"), std::to_string(::getpid()),
        std::string("1"), std::string(5000, '9')}) {
    leave(content);
    EXPECT_TRUE(starts()) << "content: " << content.substr(0, 20);
  }
}

TEST_F(Lock, AnUnsafeRuntimeFolderStillLetsTheGameStart) {
  // Anyone could plant a lock there: the lock goes to a private folder in
  // the temporary folder instead, and still keeps a second start out.
  ::chmod(dir_.path().toLocal8Bit().constData(), 0777);
  ::mkdir((dir_.path() + "/tmp").toLocal8Bit().constData(), 0777);
  int release = -1;
  const pid_t holder = startChild(true, &release);
  ::usleep(200000);
  EXPECT_FALSE(starts());
  ::close(release);
  EXPECT_EQ(statusOf(holder), 1);
  struct stat st;
  const QByteArray own =
      (dir_.path() + "/tmp/pinvale-" + QString::number(::getuid())).toLocal8Bit();
  ASSERT_EQ(::stat(own.constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

}  // namespace
