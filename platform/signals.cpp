#include "platform/signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>

namespace {

// The signal handler only writes the signal's number into this pipe; the
// event loop reads it and runs the game's handler where that is safe.
int gPipe[2] = {-1, -1};
std::function<void()> gHandler;

void noteSignal(int sig) {
  const int saved = errno;
  const unsigned char n = static_cast<unsigned char>(sig);
  [[maybe_unused]] ssize_t written = write(gPipe[1], &n, 1);
  errno = saved;
}

void drain() {
  unsigned char n;
  while (read(gPipe[0], &n, 1) == 1)
    if (gHandler) gHandler();
}

}  // namespace

void onEndSignals(std::function<void()> handler) {
  gHandler = std::move(handler);
  if (gPipe[0] >= 0) return;
  if (pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier =
      new QSocketNotifier(gPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, drain);
  struct sigaction sa = {};
  sa.sa_handler = noteSignal;
  sigemptyset(&sa.sa_mask);
  // A second signal of the same kind ends the program at once, should the
  // event loop be stuck.
  sa.sa_flags = SA_RESTART | SA_RESETHAND;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
}
