#include "ui/navigationsleiste.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

#include <span>

#include "session/sitzung.h"
#include "ui/tippzeile.h"

namespace brelvanostik {

namespace {

/// A button after the twelve months: a view other than one month.
struct Ansichtsknopf {
    Ansicht ansicht;
    const char* text;
    const char* tipp;
};
constexpr const char* kAlleMonateTipp =
    "Listet die Berechnungen für alle 12 Monate in einer Tabelle auf";
constexpr std::array<Ansichtsknopf, 3> kAnsichtsknoepfe = {{
    {Ansicht::Jahresgehalt, "Jahresgehalt",
     "Zeigt in den Betragsfeldern die Summe aller 12 Monate an. Änderungen können in diesem "
     "Modus nicht vorgenommen werden."},
    {Ansicht::AlleMonateGruen, "Alle Monate", kAlleMonateTipp},
    {Ansicht::AlleMonateBlau, "Alle Monate", kAlleMonateTipp},
}};

QPushButton* knopfAnlegen(const QString& text, const QString& name, QWidget* eltern) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(name);
    knopf->setCheckable(true);
    knopf->setFocusPolicy(Qt::ClickFocus);
    knopf->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    knopf->setMinimumSize(0, 0);
    return knopf;
}

void auswaehlen(QPushButton* knopf, bool ausgewaehlt) {
    knopf->setChecked(ausgewaehlt);
    knopf->setProperty("ausgewaehlt", ausgewaehlt);
    fettSetzen(knopf, ausgewaehlt || knopf->underMouse());
}

}  // namespace

Navigationsleiste::Navigationsleiste(Tippzeile* tipp, QWidget* eltern) : QWidget(eltern) {
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(2);
    // The view buttons are numbered on after the months.
    for (int i = 0; i < kMonate; ++i) {
        const std::string_view kuerzel = kMonatskuerzel[static_cast<std::size_t>(i)];
        const QString text =
            QString::fromUtf8(kuerzel.data(), static_cast<qsizetype>(kuerzel.size()));
        QPushButton* knopf = knopfAnlegen(text, QStringLiteral("monat_%1").arg(i), this);
        tipp->anmelden(knopf, QStringLiteral("Ruft die Berechnung des Monats ") + text +
                                  QStringLiteral(" auf."));
        beimUeberfahrenHervorheben(knopf, Hervorhebung::Hintergrund);
        zeile->addWidget(knopf, 3);
        connect(knopf, &QPushButton::clicked, this, [this, i] { emit monatGeklickt(i); });
        monate_[static_cast<std::size_t>(i)] = knopf;
    }
    for (std::size_t i = 0; i < kAnsichtsknoepfe.size(); ++i) {
        const Ansichtsknopf& a = kAnsichtsknoepfe[i];
        QPushButton* knopf =
            knopfAnlegen(QString::fromUtf8(a.text),
                         QStringLiteral("monat_%1").arg(kMonate + static_cast<int>(i)), this);
        tipp->anmelden(knopf, QString::fromUtf8(a.tipp));
        beimUeberfahrenHervorheben(knopf, Hervorhebung::Hintergrund);
        zeile->addWidget(knopf, 5);
        connect(knopf, &QPushButton::clicked, this, [this, ansicht = a.ansicht] {
            if (ansicht == Ansicht::Jahresgehalt) emit jahresgehaltGeklickt();
            if (ansicht == Ansicht::AlleMonateGruen) emit alleMonateGeklickt(Seite::Gruen);
            if (ansicht == Ansicht::AlleMonateBlau) emit alleMonateGeklickt(Seite::Blau);
        });
        ansichten_[i] = knopf;
    }
    zeile->addSpacing(12);
    for (int i = 0; i < 4; ++i) {
        const QString text = QString::number(kErstesJahr + i);
        QPushButton* knopf = knopfAnlegen(text, QStringLiteral("jahr_%1").arg(i), this);
        tipp->anmelden(knopf, QStringLiteral("  Ruft die entsprechende Berechnung des Jahres ") +
                                  text + QStringLiteral(" auf, falls vorhanden."));
        beimUeberfahrenHervorheben(knopf, Hervorhebung::Fett);
        zeile->addWidget(knopf, 3);
        connect(knopf, &QPushButton::clicked, this, [this, i] { emit jahrGeklickt(i); });
        jahre_[static_cast<std::size_t>(i)] = knopf;
    }
    mindestbreitenSetzen();
}

void Navigationsleiste::darstellen(const Sitzung& sitzung) {
    const bool monatsansicht = sitzung.ansicht() == Ansicht::Monat;
    for (int i = 0; i < kMonate; ++i)
        auswaehlen(monate_[static_cast<std::size_t>(i)], monatsansicht && i == sitzung.monat());
    for (std::size_t i = 0; i < kAnsichtsknoepfe.size(); ++i)
        auswaehlen(ansichten_[i], sitzung.ansicht() == kAnsichtsknoepfe[i].ansicht);
    for (int i = 0; i < 4; ++i)
        auswaehlen(jahre_[static_cast<std::size_t>(i)], i == sitzung.jahresknopf());
}

void Navigationsleiste::changeEvent(QEvent* ereignis) {
    QWidget::changeEvent(ereignis);
    if (ereignis->type() == QEvent::FontChange) mindestbreitenSetzen();
}

void Navigationsleiste::mindestbreitenSetzen() {
    QFont fett = font();
    fett.setBold(true);
    const QFontMetrics masse(fett);
    const int rand = 2 * style()->pixelMetric(QStyle::PM_ButtonMargin) + 4;
    for (const auto& knoepfe :
         {std::span<QPushButton* const>(monate_), std::span<QPushButton* const>(ansichten_)}) {
        for (QPushButton* knopf : knoepfe)
            knopf->setMinimumWidth(masse.horizontalAdvance(knopf->text()) + rand);
    }
}

}  // namespace brelvanostik
