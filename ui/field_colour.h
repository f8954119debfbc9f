#pragma once

#include <QColor>

class QWidget;

namespace pelorin::ui {

// A spot field's state is its background colour and nothing else.
inline const QColor kUnconfirmedColour{0xFF, 0xFF, 0x00}; // yellow
inline const QColor kConfirmedColour{0x00, 0xFF, 0x00};   // lime

void SetConfirmed(QWidget* field, bool confirmed);
bool IsConfirmed(const QWidget* field);
QColor FieldColour(const QWidget* field);

} // namespace pelorin::ui
