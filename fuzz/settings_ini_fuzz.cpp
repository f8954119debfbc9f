// The INI reader on arbitrary bytes: no crash, and what it writes reads back
// to the same text.
#include "settings/ini_document.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using pelorin::settings::IniDocument;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first line names a section and key to look up and to write.
    const std::size_t nl = input.find('\n');
    const std::string_view head = nl == std::string_view::npos ? input : input.substr(0, nl);
    const std::size_t eq = head.find('=');
    const std::string_view section = head.substr(0, eq == std::string_view::npos ? 0 : eq);
    const std::string_view key = eq == std::string_view::npos ? head : head.substr(eq + 1);

    IniDocument doc = IniDocument::Parse(input);
    const std::string once = doc.Serialize();
    if (IniDocument::Parse(once).Serialize() != once)
        std::abort();
    (void)doc.ReadString(section, key, "fallback");
    (void)doc.ReadInteger(section, key, 7);
    (void)pelorin::settings::ParseIniInteger(input);

    doc.WriteString(section, key, input);
    doc.WriteInteger(section, "Number", -1);
    const IniDocument back = IniDocument::Parse(doc.Serialize());
    if (back.Serialize() != doc.Serialize())
        std::abort();
    return 0;
}
