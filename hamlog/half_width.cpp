#include "hamlog/half_width.h"

#include "text/cp932_codec.h"
#include "text/search.h"

#include <memory>
#include <mutex>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace pelorin::hamlog {

namespace {

// Building the transliterator takes milliseconds, so it is built once. The
// lock keeps concurrent callers safe whatever ICU does inside.
class HalfWidthMapper {
public:
    HalfWidthMapper() {
        UErrorCode status = U_ZERO_ERROR;
        transliterator_.reset(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8(
                "[[\\uFF01-\\uFF5E][\\u3000][\\u30A1-\\u30FC]] Fullwidth-Halfwidth"),
            UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            transliterator_.reset();
    }

    bool Usable() const { return transliterator_ != nullptr; }

    // The half-width form of one double-byte character, or the character
    // itself when it has none that code page 932 can hold.
    std::string Map(std::string_view character) const {
        const std::u16string decoded = text::Cp932ToUtf16(character);
        if (decoded.size() != 1 || decoded[0] == u'\uFFFD')
            return std::string(character);
        icu::UnicodeString u(decoded[0]);
        {
            const std::lock_guard lock(mutex_);
            transliterator_->transliterate(u);
        }
        const std::u16string mapped(reinterpret_cast<const char16_t*>(u.getBuffer()),
                                    static_cast<std::size_t>(u.length()));
        if (mapped == decoded)
            return std::string(character);
        std::string encoded = text::Utf16ToCp932(mapped);
        if (encoded.empty() || text::Cp932ToUtf16(encoded) != mapped)
            return std::string(character);
        return encoded;
    }

private:
    std::unique_ptr<icu::Transliterator> transliterator_;
    mutable std::mutex mutex_;
};

const HalfWidthMapper& Mapper() {
    static const HalfWidthMapper mapper;
    return mapper;
}

} // namespace

std::string ToHalfWidth(std::string_view cp932) {
    const HalfWidthMapper& mapper = Mapper();
    // Without ICU's table the text stays as it is rather than being lost.
    if (!mapper.Usable())
        return std::string(cp932);
    std::string out;
    out.reserve(cp932.size());
    // Every character that can change takes two bytes; single bytes and a
    // lone lead byte at the end pass through untouched.
    std::size_t i = 0;
    while (i < cp932.size()) {
        if (text::IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size()) {
            out += mapper.Map(cp932.substr(i, 2));
            i += 2;
        } else {
            out += cp932[i];
            ++i;
        }
    }
    return out;
}

} // namespace pelorin::hamlog
