#include "text/cp932_codec.h"

#include <memory>
#include <stdexcept>
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/unistr.h>

namespace pelorin::text {

namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// A fresh converter per call keeps the functions thread-safe; opening one is
// cheap next to the page sizes converted.
Converter OpenCp932() {
    UErrorCode status = U_ZERO_ERROR;
    Converter cv(ucnv_open("windows-31j", &status));
    if (U_FAILURE(status) || !cv)
        throw std::runtime_error("ICU has no windows-31j converter");
    ucnv_setSubstChars(cv.get(), "?", 1, &status);
    return cv;
}

std::u16string Decode(std::string_view cp932) {
    Converter cv = OpenCp932();
    std::u16string out(cp932.size() + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(cv.get(), reinterpret_cast<UChar*>(out.data()),
                                    static_cast<int32_t>(out.size()), cp932.data(),
                                    static_cast<int32_t>(cp932.size()), &status);
    if (U_FAILURE(status))
        return {};
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string Encode(std::u16string_view utf16) {
    Converter cv = OpenCp932();
    std::string out(utf16.size() * 2 + 1, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(cv.get(), out.data(), static_cast<int32_t>(out.size()),
                                      reinterpret_cast<const UChar*>(utf16.data()),
                                      static_cast<int32_t>(utf16.size()), &status);
    if (U_FAILURE(status))
        return {};
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::u16string FromUtf8(std::string_view utf8) {
    const icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    return std::u16string(reinterpret_cast<const char16_t*>(u.getBuffer()),
                          static_cast<std::size_t>(u.length()));
}

std::string ToUtf8(std::u16string_view utf16) {
    const icu::UnicodeString u(false, reinterpret_cast<const UChar*>(utf16.data()),
                               static_cast<int32_t>(utf16.size()));
    std::string out;
    u.toUTF8String(out);
    return out;
}

} // namespace

std::u16string Cp932ToUtf16(std::string_view cp932) {
    return Decode(cp932);
}

std::string Utf16ToCp932(std::u16string_view utf16) {
    return Encode(utf16);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    return ToUtf8(Decode(cp932));
}

std::string Utf8ToCp932(std::string_view utf8) {
    return Encode(FromUtf8(utf8));
}

bool FitsCp932(std::string_view utf8) {
    const std::u16string u = FromUtf8(utf8);
    return Decode(Encode(u)) == u;
}

} // namespace pelorin::text
