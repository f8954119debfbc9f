#include "ui/cp932_text.h"

#include "text/cp932_codec.h"

namespace pelorin::ui {

std::string ToCp932(const QString& text) {
    return text::Utf16ToCp932(text.toStdU16String());
}

QString FromCp932(std::string_view cp932) {
    return QString::fromStdU16String(text::Cp932ToUtf16(cp932));
}

} // namespace pelorin::ui
