#include "ui/field_colour.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace pelorin::ui {

void SetConfirmed(QWidget* field, bool confirmed) {
    const QColor& colour = confirmed ? kConfirmedColour : kUnconfirmedColour;
    // Base paints edit parts, Button the face of a fixed drop-down list.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    field->setPalette(palette);
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->setPalette(palette);
}

QColor FieldColour(const QWidget* field) {
    return field->palette().color(QPalette::Base);
}

bool IsConfirmed(const QWidget* field) {
    return FieldColour(field) == kConfirmedColour;
}

} // namespace pelorin::ui
