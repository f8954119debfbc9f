#pragma once

#include <string>

namespace pelorin::app {

enum class GuardOutcome {
    Taken,         // this process now holds the guard until it ends
    HeldByAnother, // another instance of the same executable runs
    Unavailable,   // the guard could not be made: run unguarded, say nothing
};

// Takes the named guard in one atomic step, so that of two starts at the same
// moment exactly one gets it. The guard is released when the process ends,
// however it ends.
GuardOutcome TakeInstanceGuard(const std::string& guardName);

// The folder for the guard's lock file and the raise channel (POSIX).
std::string RuntimeFolder();

// The name the running instance listens on for "come to the front".
std::string RaiseChannelName(const std::string& guardName);

} // namespace pelorin::app
