// Ctrl-C during a print run acts as Esc: the file being printed is finished, then the run stops.
// A second Ctrl-C ends the program at once. One implementation per host.
#pragma once

namespace tavolex::cli {

// From now on Ctrl-C is noted instead of ending the program; clears an earlier note.
void CatchInterrupt();
// Ctrl-C ends the program again.
void ReleaseInterrupt();
// Whether Ctrl-C was pressed since CatchInterrupt.
bool Interrupted();

}  // namespace tavolex::cli
