#include "ui/textpruefer.h"

#include "basis/cp1252.h"

namespace brelvanostik {

QValidator::State Textpruefer::validate(QString& text, int&) const {
    return erstesFremdzeichen(text.toStdString()) ? Invalid : Acceptable;
}

}  // namespace brelvanostik
