// The end signals' note, kept where both the game and a message box's helper process (forked by
// SDL, which waits for it) can read it.
#include "platform/end_signal.h"

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <memory>

namespace zk {

namespace {

// Shared with a box's helper process, so that a signal that comes between the fork and the
// helper's naming itself is seen by one of the two.
struct SharedNote {
  std::atomic<int> Ended{0};
  std::atomic<pid_t> Helper{0};
};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<pid_t>::is_always_lock_free);

SharedNote* Note() {
  static SharedNote* const note = [] {
    void* page = ::mmap(nullptr, sizeof(SharedNote), PROT_READ | PROT_WRITE,
                        MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    static SharedNote unshared;  // without the shared page only that short race stays open
    return page == MAP_FAILED ? &unshared : std::construct_at(static_cast<SharedNote*>(page));
  }();
  return note;
}

// The game's process, and whether it was signalled (its own copy: a helper's never counts).
pid_t g_game = 0;
volatile std::sig_atomic_t g_signals = 0;

void OnEndSignal(int sig) {
  // A helper process, or a second signal: the signal's usual end.
  if (::getpid() != g_game || g_signals != 0) {
    std::signal(sig, SIG_DFL);
    std::raise(sig);
    return;
  }
  g_signals = 1;
  SharedNote* note = Note();
  note->Ended.store(1);
  const pid_t helper = note->Helper.load();
  if (helper > 0) ::kill(helper, SIGKILL);
}

}  // namespace

void CatchEndSignals() {
  Note();  // made before any signal can come
  g_game = ::getpid();
  struct sigaction action {};
  action.sa_handler = &OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
}

bool EndSignalled() {
  return g_signals != 0;
}

void BoxHelperStarted() {
  SharedNote* note = Note();
  note->Helper.store(::getpid());
  if (note->Ended.load() != 0) ::_exit(1);
}

void BoxHelperGone() {
  Note()->Helper.store(0);
}

}  // namespace zk
