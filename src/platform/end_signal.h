// Ctrl+C (SIGINT) and SIGTERM end the game as Esc does: the handler only notes the signal, and
// both loops read the note and close the form, so the trace stays whole, the dump is written and
// the program exits 0. A message box's helper process is ended by the handler, so a box that waits
// returns too.
#pragma once

namespace zk {

// Installs the handler for SIGINT and SIGTERM (before SDL starts, so that SDL keeps to it). A
// second signal, once the first was noted, ends the program at once the usual way.
void CatchEndSignals();

// Whether SIGINT or SIGTERM arrived since CatchEndSignals.
bool EndSignalled();

// Called in a message box's helper process right after the fork: names it to the handler, and
// ends it at once when the game was signalled in between.
void BoxHelperStarted();
// The box has returned: no helper is left to end.
void BoxHelperGone();

}  // namespace zk
