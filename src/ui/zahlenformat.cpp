#include "ui/zahlenformat.h"

#include <QLocale>

namespace brelvanostik::zahlenformat {

namespace {

const QLocale& deutsch() {
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}

/// Magnitude of a signed amount without overflow for the most negative value.
std::uint64_t betragOhneVorzeichen(std::int64_t wert) {
    return wert < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(wert)
                    : static_cast<std::uint64_t>(wert);
}

QString zweiStellen(std::uint64_t wert) {
    return QStringLiteral("%1").arg(static_cast<qulonglong>(wert), 2, 10, QLatin1Char('0'));
}

QString ganzerTeil(std::uint64_t wert, bool gruppiert) {
    return gruppiert ? deutsch().toString(static_cast<qulonglong>(wert))
                     : QString::number(static_cast<qulonglong>(wert));
}

QString zweiDezimalen(std::int64_t hundertstel, bool gruppiert) {
    const std::uint64_t u = betragOhneVorzeichen(hundertstel);
    QString text = hundertstel < 0 ? QStringLiteral("-") : QString();
    text += ganzerTeil(u / 100, gruppiert);
    text += deutsch().decimalPoint();
    text += zweiStellen(u % 100);
    return text;
}

}  // namespace

QString betrag(std::int64_t hundertstel) {
    return zweiDezimalen(hundertstel, true);
}

QString eingabe(std::int64_t hundertstel) {
    const std::uint64_t u = betragOhneVorzeichen(hundertstel);
    return QString::number(static_cast<qulonglong>(u / 100)) + deutsch().decimalPoint() +
           zweiStellen(u % 100);
}

QString ohneGruppierung(std::int64_t hundertstel) {
    return zweiDezimalen(hundertstel, false);
}

QString betragKurz(std::int64_t hundertstel) {
    const std::uint64_t u = betragOhneVorzeichen(hundertstel);
    QString text = hundertstel < 0 ? QStringLiteral("-") : QString();
    text += ganzerTeil(u / 100, true);
    const std::uint64_t rest = u % 100;
    if (rest != 0) {
        text += deutsch().decimalPoint();
        text += rest % 10 == 0 ? QString::number(rest / 10) : zweiStellen(rest);
    }
    return text;
}

QString ganz(std::int64_t hundertstel, bool gruppiert) {
    const std::uint64_t u = betragOhneVorzeichen(hundertstel);
    const std::uint64_t gerundet = u / 100 + (u % 100 >= 50 ? 1 : 0);
    const bool negativ = hundertstel < 0 && gerundet != 0;
    return (negativ ? QStringLiteral("-") : QString()) + ganzerTeil(gerundet, gruppiert);
}

QString prozent(std::int64_t prozentMalTausend) {
    const std::uint64_t u = betragOhneVorzeichen(prozentMalTausend);
    QString text = prozentMalTausend < 0 ? QStringLiteral("-") : QString();
    text += QString::number(static_cast<qulonglong>(u / 1000));
    std::uint64_t rest = u % 1000;
    if (rest != 0) {
        QString stellen =
            QStringLiteral("%1").arg(static_cast<qulonglong>(rest), 3, 10, QLatin1Char('0'));
        while (stellen.endsWith(QLatin1Char('0'))) stellen.chop(1);
        text += deutsch().decimalPoint() + stellen;
    }
    return text;
}

}  // namespace brelvanostik::zahlenformat
