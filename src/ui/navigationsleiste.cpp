#include "ui/navigationsleiste.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

#include "session/sitzung.h"
#include "ui/tippzeile.h"

namespace brelvanostik {

namespace {

// The buttons after the twelve months.
constexpr int kJahresgehaltKnopf = kMonate;
constexpr int kAlleMonateGruenKnopf = kMonate + 1;

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
    const auto& texte = Sitzung::monatsknopfTexte();
    for (int i = 0; i < 15; ++i) {
        const QString text =
            QString::fromUtf8(texte[static_cast<std::size_t>(i)].data(),
                              static_cast<qsizetype>(texte[static_cast<std::size_t>(i)].size()));
        QPushButton* knopf = knopfAnlegen(text, QStringLiteral("monat_%1").arg(i), this);
        QString tippText;
        if (i < kMonate) {
            tippText =
                QStringLiteral("Ruft die Berechnung des Monats ") + text + QStringLiteral(" auf.");
        } else if (i == kJahresgehaltKnopf) {
            tippText = QStringLiteral(
                "Zeigt in den Betragsfeldern die Summe aller 12 Monate an. Änderungen können in "
                "diesem Modus nicht vorgenommen werden.");
        } else {
            tippText =
                QStringLiteral("Listet die Berechnungen für alle 12 Monate in einer Tabelle auf");
        }
        tipp->anmelden(knopf, tippText);
        beimUeberfahrenHervorheben(knopf, Hervorhebung::Hintergrund);
        zeile->addWidget(knopf, i >= kJahresgehaltKnopf ? 5 : 3);
        connect(knopf, &QPushButton::clicked, this, [this, i] {
            if (i < kMonate) emit monatGeklickt(i);
            if (i == kJahresgehaltKnopf) emit jahresgehaltGeklickt();
            if (i > kJahresgehaltKnopf)
                emit alleMonateGeklickt(i == kAlleMonateGruenKnopf ? Seite::Gruen : Seite::Blau);
        });
        monate_[static_cast<std::size_t>(i)] = knopf;
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
    int gewaehlt = sitzung.monat();
    if (sitzung.ansicht() == Ansicht::Jahresgehalt) gewaehlt = kJahresgehaltKnopf;
    if (sitzung.ansicht() == Ansicht::AlleMonateGruen) gewaehlt = kAlleMonateGruenKnopf;
    if (sitzung.ansicht() == Ansicht::AlleMonateBlau) gewaehlt = kAlleMonateGruenKnopf + 1;
    for (int i = 0; i < 15; ++i) auswaehlen(monate_[static_cast<std::size_t>(i)], i == gewaehlt);
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
    for (QPushButton* knopf : monate_) {
        knopf->setMinimumWidth(masse.horizontalAdvance(knopf->text()) + rand);
    }
}

}  // namespace brelvanostik
