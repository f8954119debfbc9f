#include "ui/capitals_validator.h"

namespace pelorin::ui {

QValidator::State CapitalsValidator::validate(QString& input, int&) const {
    for (QChar& c : input)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return Acceptable;
}

} // namespace pelorin::ui
