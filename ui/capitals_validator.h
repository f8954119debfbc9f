#pragma once

#include <QValidator>

namespace pelorin::ui {

// Turns the letters a-z into capitals as they are typed or pasted. Text put
// into the field by the program is left as it is.
class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace pelorin::ui
