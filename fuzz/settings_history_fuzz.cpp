// The history decoder on arbitrary bytes: entries come out trimmed, without
// line breaks, and encode to a value that decodes without fault.
#include "settings/history_list.h"
#include "text/trim.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> entries = pelorin::settings::DecodeHistory(input);
    for (const std::string& entry : entries) {
        if (entry.find_first_of("\r\n") != std::string::npos)
            std::abort();
        if (pelorin::text::Trim(entry).size() != entry.size())
            std::abort();
    }
    const std::string stored = pelorin::settings::EncodeHistory(entries);
    if (stored.find_first_of("\r\n") != std::string::npos)
        std::abort(); // a stored value must fit on one line of the file
    (void)pelorin::settings::DecodeHistory(stored);
    return 0;
}
