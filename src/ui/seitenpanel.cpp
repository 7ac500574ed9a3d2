#include "ui/seitenpanel.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "help/infotexte.h"
#include "ui/balkenanzeige.h"
#include "ui/betragsfeld.h"
#include "ui/farben.h"
#include "ui/textpruefer.h"
#include "ui/tippzeile.h"
#include "ui/zahlenformat.h"
#include "ui/zeilenknopf.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace raster {
int zeileImRaster(int zeile) {
    if (zeile <= zeile::Auszahlung) return zeile;
    return zeile - 1;  // rows 28 and 29 close up below row 26; row 27 has no place
}
}  // namespace raster

namespace {

enum Spalte { kBeschriftung = 0, kBetrag = 1, kSatz = 2, kBru = 3, kTei = 4, kAb = 5, kAuf = 6 };

bool hatErgebnis(int zeile) {
    return zeilenregel(zeile).betrag == Betragsart::Ergebnis;
}
bool hatKnopf(int zeile) {
    return zeile != zeile::Versorgungsbeginn && zeile <= zeile::Stundenlohn;
}
bool hatSatz(int zeile) {
    return zeile >= zeile::Pflegeversicherung && zeile <= zeile::Zusatzbeitrag;
}

const QString kTippAb =
    QStringLiteral("Damit kann der Betrag in 1-Euro-Schritten vermindert werden.");
const QString kTippAuf = QStringLiteral("Damit kann der Betrag in 1-Euro-Schritten erhöht werden.");
const QString kTippBru = QStringLiteral(
    "Damit wird bestimmt, ob der Betrag in das Kürzungsverhältnis in der Zeile \"xx Tage von "
    "normal 30\" einbezogen wird oder nicht.");
const QString kTippTei = QStringLiteral(
    "Bestimmt, ob der Betrag in das Kürzungsverhältnis in der Zeile \"xx WochenStd von normal "
    "40\" einbezogen wird oder nicht.");

void skalierbar(QWidget* widget) {
    widget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    widget->setMinimumSize(0, 0);
}

void textSetzen(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void textSetzen(QAbstractButton* knopf, const QString& text) {
    if (knopf->text() != text) knopf->setText(text);
}

QToolButton* pfeil(Qt::ArrowType richtung, const QString& name, QWidget* eltern) {
    auto* knopf = new QToolButton(eltern);
    knopf->setArrowType(richtung);
    knopf->setObjectName(name);
    knopf->setFocusPolicy(Qt::ClickFocus);
    skalierbar(knopf);
    return knopf;
}

QPushButton* quotenknopf(const QString& name, QWidget* eltern) {
    auto* knopf = new QPushButton(eltern);
    knopf->setObjectName(name);
    knopf->setFocusPolicy(Qt::ClickFocus);
    skalierbar(knopf);
    beimUeberfahrenHervorheben(knopf, Hervorhebung::Fett);
    return knopf;
}

}  // namespace

Seitenpanel::Seitenpanel(Seite seite, QGridLayout* raster, int ersteSpalte, QWidget* flaeche,
                         Tippzeile* tipp)
    : QObject(flaeche), seite_(seite) {
    const int nr = versatz();

    // The side's panel colour lies behind all its rows.
    auto* hintergrund = new QFrame(flaeche);
    hintergrund->setObjectName(QStringLiteral("seite_%1").arg(nr));
    hintergrund->setFrameStyle(QFrame::Panel | QFrame::Raised);
    farben::hintergrund(hintergrund,
                        seite == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan);
    skalierbar(hintergrund);
    raster->addWidget(hintergrund, 0, ersteSpalte, raster::kKommentarZeile + 1,
                      raster::kSpaltenJeSeite);
    tipp->leerflaecheAnmelden(hintergrund);

    for (int zeile = 0; zeile < kZeilen; ++zeile)
        zeileAnlegen(zeile, raster, ersteSpalte, flaeche, tipp);

    balken_ = new Balkenanzeige(flaeche);
    balken_->setObjectName(QStringLiteral("balken_%1").arg(nr));
    raster->addWidget(balken_, 0, ersteSpalte + kSatz, 5, kAuf - kSatz + 1);

    kommentar_ = new QLineEdit(flaeche);
    kommentar_->setObjectName(QStringLiteral("kommentar_%1").arg(seite == Seite::Gruen ? 0 : 1));
    kommentar_->setMaxLength(kKommentarLaenge);
    kommentar_->setValidator(new Textpruefer(kommentar_));
    skalierbar(kommentar_);
    raster->addWidget(kommentar_, raster::kKommentarZeile, ersteSpalte, 1, raster::kSpaltenJeSeite);
    connect(kommentar_, &QLineEdit::textEdited, this,
            [this](const QString& text) { emit kommentarGeaendert(seite_, text); });

    hintergrund->lower();
}

void Seitenpanel::zeileAnlegen(int zeile, QGridLayout* raster, int spalte, QWidget* flaeche,
                               Tippzeile* tipp) {
    const int r = raster::zeileImRaster(zeile);
    const int idx = index(zeile);
    if (hatKnopf(zeile)) {
        auto* knopf = new Zeilenknopf(idx, flaeche);
        farben::hintergrund(knopf, farben::kWeiss);
        knopf->setToolTip(QString::fromUtf8(zeilentipp(zeile)));
        raster->addWidget(knopf, r, spalte + kBeschriftung);
        connect(knopf, &Zeilenknopf::geklickt, this,
                [this, zeile] { emit zeileGeklickt(seite_, zeile); });
        connect(knopf, &Zeilenknopf::rechtsGeklickt, this,
                [this, zeile] { emit zeileRechtsGeklickt(seite_, zeile); });
        knoepfe_[static_cast<std::size_t>(zeile)] = knopf;
    }
    if (hatBetragsfeld(zeile)) {
        auto* feld = new Betragsfeld(idx, flaeche);
        raster->addWidget(feld, r, spalte + kBetrag);
        connect(feld, &Betragsfeld::auswerten, this, [this, zeile](int, const QString& text) {
            emit betragAuswerten(seite_, zeile, text);
        });
        connect(feld, &Betragsfeld::gesperrtBedient, this, &Seitenpanel::gesperrtBedient);
        connect(feld, &Betragsfeld::geklickt, this,
                [this, zeile] { emit betragGeklickt(seite_, zeile); });
        felder_[static_cast<std::size_t>(zeile)] = feld;
    }
    if (hatErgebnis(zeile)) {
        auto* label = new QLabel(flaeche);
        label->setObjectName(QStringLiteral("ergebnis_%1").arg(idx));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        farben::hintergrund(label, farben::kWeiss);
        skalierbar(label);
        raster->addWidget(label, r, spalte + kBetrag);
        ergebnisse_[static_cast<std::size_t>(zeile)] = label;
    }
    if (hatSatz(zeile)) {
        auto* satz = new QLabel(flaeche);
        satz->setObjectName(QStringLiteral("satz_%1").arg(idx));
        satz->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        skalierbar(satz);
        raster->addWidget(satz, r, spalte + kSatz);
        saetze_[static_cast<std::size_t>(zeile - zeile::Pflegeversicherung)] = satz;
    }
    if (zeilenregel(zeile).quoten) {
        QPushButton* bru = quotenknopf(QStringLiteral("bru_%1").arg(idx), flaeche);
        QPushButton* tei = quotenknopf(QStringLiteral("tei_%1").arg(idx), flaeche);
        raster->addWidget(bru, r, spalte + kBru);
        raster->addWidget(tei, r, spalte + kTei);
        tipp->anmelden(bru, kTippBru);
        tipp->anmelden(tei, kTippTei);
        connect(bru, &QPushButton::clicked, this,
                [this, zeile] { emit tagesquoteGeklickt(seite_, zeile); });
        connect(tei, &QPushButton::clicked, this,
                [this, zeile] { emit stundenquoteGeklickt(seite_, zeile); });
        bru_[static_cast<std::size_t>(zeile - kErsteAnteilZeile)] = bru;
        tei_[static_cast<std::size_t>(zeile - kErsteAnteilZeile)] = tei;
    }
    if (zeilenregel(zeile).pfeile) {
        QToolButton* ab = pfeil(Qt::DownArrow, QStringLiteral("ab_%1").arg(idx), flaeche);
        QToolButton* auf = pfeil(Qt::UpArrow, QStringLiteral("auf_%1").arg(idx), flaeche);
        raster->addWidget(ab, r, spalte + kAb);
        raster->addWidget(auf, r, spalte + kAuf);
        tipp->anmelden(ab, kTippAb);
        tipp->anmelden(auf, kTippAuf);
        connect(ab, &QToolButton::clicked, this,
                [this, zeile] { emit pfeilAbGeklickt(seite_, zeile); });
        connect(auf, &QToolButton::clicked, this,
                [this, zeile] { emit pfeilAufGeklickt(seite_, zeile); });
    }
}

Zeilenknopf* Seitenpanel::knopf(int zeile) const {
    return zeile >= 0 && zeile < kZeilen ? knoepfe_[static_cast<std::size_t>(zeile)] : nullptr;
}

Betragsfeld* Seitenpanel::feld(int zeile) const {
    return zeile >= 0 && zeile < kZeilen ? felder_[static_cast<std::size_t>(zeile)] : nullptr;
}

void Seitenpanel::darstellen(const Seitenanzeige& anzeige, const QString& periode,
                             bool jahresmodus) {
    for (int zeile = 0; zeile < kZeilen; ++zeile) {
        const Zeilenanzeige& z = anzeige.zeilen[static_cast<std::size_t>(zeile)];
        if (Zeilenknopf* knopf = knoepfe_[static_cast<std::size_t>(zeile)]) {
            QString text;
            if (zeile == zeile::Monatsgehalt) {
                text = periode;
            } else if (zeile != zeile::Stundenlohn) {
                // Entries that begin with "%" carry the current rate in front.
                if (z.beschriftungSatz) text = zahlenformat::ohneGruppierung(*z.beschriftungSatz);
                text += QString::fromStdString(z.beschriftung);
            }
            if (zeile != zeile::Stundenlohn) textSetzen(knopf, text);
            farben::setzen(knopf, QPalette::Window, farben::farbe(z.beschriftungHintergrund));
        }
        if (Betragsfeld* feld = felder_[static_cast<std::size_t>(zeile)]) {
            feld->sperren(jahresmodus);
            if (z.hatBetrag) {
                // Year totals (rows 5 on) keep a blank to the right edge, like result labels.
                feld->betragZeigen(z.betrag, jahresmodus && zeile >= zeile::Gehalt);
            } else {
                feld->leeren();
            }
            farben::setzen(feld, QPalette::Base, farben::farbe(z.feldHintergrund));
            farben::setzen(feld, QPalette::Text, farben::farbe(z.textFarbe));
        }
        if (QLabel* label = ergebnisse_[static_cast<std::size_t>(zeile)]) {
            textSetzen(label,
                       z.hatBetrag ? zahlenformat::betrag(z.betrag) + QLatin1Char(' ') : QString());
            farben::setzen(label, QPalette::WindowText, farben::farbe(z.textFarbe));
        }
        if (zeilenregel(zeile).quoten) {
            const auto q = static_cast<std::size_t>(zeile - kErsteAnteilZeile);
            textSetzen(bru_[q], QString(QLatin1Char(z.bru == 'B' ? 'B' : '-')));
            textSetzen(tei_[q], QString(QLatin1Char(z.tei == 'T' ? 'T' : '-')));
            farben::setzen(bru_[q], QPalette::Button, farben::farbe(z.bruHintergrund));
            farben::setzen(tei_[q], QPalette::Button, farben::farbe(z.teiHintergrund));
        }
    }
    for (std::size_t i = 0; i < saetze_.size(); ++i) {
        const auto& satz = anzeige.saetze[i];
        // Additional contributions show "-,00" for a code without a rate.
        const QString text = satz ? zahlenformat::ohneGruppierung(*satz)
                                  : (i == 3 ? QStringLiteral("-,00") : QString());
        textSetzen(saetze_[i], text);
    }
    stundenzeileDarstellen(anzeige);

    const QString kommentar = QString::fromStdString(anzeige.kommentar);
    if (kommentar_->text() != kommentar) kommentar_->setText(kommentar);
    kommentar_->setReadOnly(jahresmodus);
    balken_->darstellen(anzeige.balken);
}

void Seitenpanel::stundenzeileDarstellen(const Seitenanzeige& a) {
    Zeilenknopf* knopf = knoepfe_[zeile::Stundenlohn];
    textSetzen(knopf, QStringLiteral("(pro Std. = ") +
                          zahlenformat::ohneGruppierung(a.stundenlohn) + QLatin1Char(')'));
    const QString erklaerung =
        zahlenformat::betragKurz(a.auszahlung) + QStringLiteral(" geteilt durch ") +
        zahlenformat::ganz(a.tage, true) + QStringLiteral(" Tage * 7 = ") +
        zahlenformat::betrag(a.wochenlohn) + QStringLiteral(" Euro Wochenlohn geteilt durch ") +
        zahlenformat::ganz(a.wochenstunden, false) + QStringLiteral(" Wochenstunden = ") +
        zahlenformat::ohneGruppierung(a.stundenlohn) + QStringLiteral(" Euro pro Stunde.");
    if (knopf->toolTip() != erklaerung) knopf->setToolTip(erklaerung);
}

}  // namespace brelvanostik
