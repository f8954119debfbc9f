#include "app/guard_name.h"

#include <cstdint>

namespace pelorin::app {

std::string GuardName(std::string_view executablePath) {
    std::string name = "tolvarbrinsePelorin";
    name += executablePath;
    for (char& c : name)
        if (c == '\\' || c == ':' || c == '.')
            c = '_';
    return name;
}

std::string GuardFileStem(std::string_view guardName) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : guardName) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string stem = "pelorin-";
    for (int shift = 60; shift >= 0; shift -= 4)
        stem += kHex[(hash >> shift) & 0xF];
    return stem;
}

} // namespace pelorin::app
