#include "ui/balkenanzeige.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ui/zahlenformat.h"

namespace brelvanostik {

namespace {

const std::array<QColor, 3> kBalkenfarben = {QColor(230, 90, 90), QColor(90, 120, 230),
                                             QColor(60, 170, 60)};

double anteilFuerZeichnung(float anteil) {
    if (!std::isfinite(anteil) || anteil < 0.0F) return 0.0;
    return std::min(static_cast<double>(anteil), 1.0);
}

}  // namespace

Balkenanzeige::Balkenanzeige(QWidget* eltern) : QWidget(eltern) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setMinimumSize(0, 0);
    darstellen(Balken{});
}

void Balkenanzeige::darstellen(const Balken& balken) {
    std::array<double, 3> anteile = {anteilFuerZeichnung(balken.anteilSteuer),
                                     anteilFuerZeichnung(balken.anteilSozial),
                                     anteilFuerZeichnung(balken.anteilNetto)};
    // Shares that add up to more than the whole (deductions above the gross) still fit.
    const double summe = anteile[0] + anteile[1] + anteile[2];
    if (summe > 1.0) {
        for (double& a : anteile) a /= summe;
    }
    std::array<QString, 3> texte = {
        QStringLiteral("Steuer = ") + zahlenformat::prozent(balken.promilleSteuer) +
            QStringLiteral(" %"),
        QStringLiteral("Soz.V. = ") + zahlenformat::prozent(balken.promilleSozial) +
            QStringLiteral(" %"),
        QStringLiteral("Netto = ") + zahlenformat::prozent(balken.promilleNetto) +
            QStringLiteral(" %"),
    };
    if (anteile == anteile_ && texte == texte_) return;
    anteile_ = anteile;
    texte_ = std::move(texte);
    setToolTip(texte_[0] + QLatin1Char('\n') + texte_[1] + QLatin1Char('\n') + texte_[2]);
    update();
}

void Balkenanzeige::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    const QRect flaeche = rect().adjusted(2, 2, -2, -2);
    if (flaeche.width() < 4 || flaeche.height() < 8) return;

    // The bars take a narrow strip on the left, the three texts stand beside them with a
    // mark in the bar's colour.
    const int balkenbreite = std::max(6, flaeche.width() / 12);
    const int luecke = 2;
    const int hoehe = std::max(0, flaeche.height() - 2 * luecke);
    int oben = flaeche.top();
    for (std::size_t i = 0; i < 3; ++i) {
        const int h = static_cast<int>(std::lround(anteile_[i] * hoehe));
        if (h > 0) maler.fillRect(QRect(flaeche.left(), oben, balkenbreite, h), kBalkenfarben[i]);
        oben += h + luecke;
    }
    maler.setPen(QColor(0, 0, 0));
    maler.drawRect(QRect(flaeche.left(), flaeche.top(), balkenbreite, flaeche.height() - 1));

    // The texts get smaller rather than lose a digit when the strip is narrow.
    QFont schrift = font();
    QFontMetrics masse(schrift);
    const int links = flaeche.left() + balkenbreite + 4;
    auto passt = [&] {
        const int marke = masse.height() / 2 + 3;
        int breiteste = 0;
        for (const QString& text : texte_)
            breiteste = std::max(breiteste, masse.horizontalAdvance(text));
        return links + marke + breiteste <= flaeche.right() &&
               3 * masse.height() <= flaeche.height();
    };
    while (!passt() && schrift.pointSizeF() > 5.0) {
        schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
        masse = QFontMetrics(schrift);
    }
    maler.setFont(schrift);
    const int zeile = masse.height();
    const int marke = zeile / 2;
    int y = flaeche.top() + std::max(0, (flaeche.height() - 3 * zeile) / 2);
    for (std::size_t i = 0; i < 3; ++i) {
        maler.fillRect(QRect(links, y + (zeile - marke) / 2, marke, marke), kBalkenfarben[i]);
        maler.drawText(QRect(links + marke + 3, y, flaeche.right() - links - marke - 3, zeile),
                       Qt::AlignLeft | Qt::AlignVCenter, texte_[i]);
        y += zeile;
    }
}

}  // namespace brelvanostik
