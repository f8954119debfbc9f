#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace pelorin::ui {

// The edge between widget text and the code page 932 bytes every rule sees.
std::string ToCp932(const QString& text);
QString FromCp932(std::string_view cp932);

} // namespace pelorin::ui
