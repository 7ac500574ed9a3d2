#pragma once

#include <QValidator>

namespace brelvanostik {

/// Name and comment fields take only what the data files can hold: characters of
/// Windows-1252, no tabs or line breaks. Typed, pasted or dropped text is judged alike.
class Textpruefer final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& text, int& position) const override;
};

}  // namespace brelvanostik
