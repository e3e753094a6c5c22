// What the command does when SIGTERM, SIGINT or SIGHUP ends it: the signals are taken by a
// thread of their own (blocked in every other thread), which removes the private folders the
// process has (the learner's copied workbook among them) and then ends the process by the same
// signal, so that its exit status is the usual one for it.
#pragma once

namespace k27093::client {

// Call first in main, before any other thread starts.
void InstallSignalCleanup();

}  // namespace k27093::client
