#include "cli/signal_cleanup.h"

#include <pthread.h>
#include <signal.h>

#include <thread>

#include "cli/private_folder.h"

namespace k27093::client {

namespace {

sigset_t EndingSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGHUP);
  return signals;
}

[[noreturn]] void WaitForEndingSignal(sigset_t signals) {
  int received = 0;
  while (sigwait(&signals, &received) != 0) {
  }
  RemoveLivePrivateFolders();
  // End the process by the signal itself: its default action, delivered to this thread.
  signal(received, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, received);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  raise(received);
  for (;;) pause();
}

}  // namespace

void InstallSignalCleanup() {
  const sigset_t signals = EndingSignals();
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::thread(WaitForEndingSignal, signals).detach();
}

}  // namespace k27093::client
