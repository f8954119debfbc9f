#include "text/trim.h"

namespace pelorin::text {

std::string_view TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsTrimmedByte(s[i]))
        ++i;
    return s.substr(i);
}

std::string_view TrimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && IsTrimmedByte(s[n - 1]))
        --n;
    return s.substr(0, n);
}

std::string_view Trim(std::string_view s) {
    return TrimRight(TrimLeft(s));
}

} // namespace pelorin::text
