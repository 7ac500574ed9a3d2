#include "ui/zahlenformat.h"

#include "basis/zahltext.h"

namespace brelvanostik::zahlenformat {

namespace {
QString text(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

QString betrag(std::int64_t hundertstel) {
    return text(zahltext::betrag(hundertstel));
}

QString eingabe(std::int64_t hundertstel) {
    return text(zahltext::feldtext(hundertstel));
}

QString ohneGruppierung(std::int64_t hundertstel) {
    return text(zahltext::betrag(hundertstel, false));
}

QString betragKurz(std::int64_t hundertstel) {
    return text(zahltext::gekuerzt(hundertstel, 2, true));
}

QString ganz(std::int64_t hundertstel, bool gruppiert) {
    return text(zahltext::ganz(hundertstel, gruppiert));
}

QString prozent(std::int64_t prozentMalTausend) {
    return text(zahltext::gekuerzt(prozentMalTausend, 3, false));
}

}  // namespace brelvanostik::zahlenformat
