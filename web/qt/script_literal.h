#pragma once

#include <QString>

namespace pelorin::browser {

// `text` as a JavaScript string literal, quotes included, safe to place in
// script source whatever it holds.
QString ScriptStringLiteral(const QString& text);

} // namespace pelorin::browser
