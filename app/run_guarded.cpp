#include "app/run_guarded.h"

#include <exception>

namespace pelorin::app {

int RunGuarded(const std::function<int()>& body,
               const std::function<void(const std::string&)>& report) {
    try {
        return body();
    } catch (const std::exception& e) {
        report(e.what());
    } catch (...) {
        report(std::string());
    }
    return kExitFailure;
}

} // namespace pelorin::app
