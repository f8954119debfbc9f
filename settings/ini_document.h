#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin::settings {

// A Windows initialisation file held as its lines, so that whatever the
// program does not know (other sections and keys, comments, blank lines)
// is written back exactly as it was read. Texts are code page 932 bytes;
// section and key names match without regard to the case of ASCII letters.
class IniDocument {
public:
    IniDocument() = default;

    // Lines may end in CR LF or LF.
    static IniDocument Parse(std::string_view content);
    // Every line ends in CR LF.
    std::string Serialize() const;

    // The value with blanks around it and one enclosing pair of ' or "
    // dropped, or `fallback` when the section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal with optional sign, or hexadecimal after "$" or "0x"; any other
    // text, an empty value and a value outside 32 bits give `fallback`.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;

    // Replaces the key's value where it stands, or adds the key at the end
    // of its section, or adds the section at the end of the file. A CR or LF
    // inside the value becomes a blank, so a value can never break a line.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

private:
    struct Span {
        std::size_t begin; // the section's header line
        std::size_t end;   // one past its last line
    };
    std::optional<Span> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Span& span, std::string_view key) const;

    std::vector<std::string> lines_;
};

// Parses an integer the way the settings file stores one; nothing when the
// whole text is not such a number.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

} // namespace pelorin::settings
