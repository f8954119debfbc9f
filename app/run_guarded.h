#pragma once

#include <functional>
#include <string>

namespace pelorin::app {

inline constexpr int kExitFailure = 2;

// Runs start-up and the loop. An exception that escapes is reported (its
// what(), or an empty message for one that is not a std::exception) and
// gives exit code 2: a failure must not end as success.
int RunGuarded(const std::function<int()>& body,
               const std::function<void(const std::string&)>& report);

} // namespace pelorin::app
