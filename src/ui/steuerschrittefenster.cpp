#include "ui/steuerschrittefenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "basis/eingabe.h"
#include "print/steuerschritte_druck.h"
#include "ui/betragsfeld.h"
#include "ui/drucken.h"
#include "ui/meldungen.h"
#include "ui/schrittlistenmodell.h"
#include "ui/schrittvergleichfenster.h"
#include "ui/zahlenformat.h"

namespace brelvanostik {

namespace {

using Liste = Steuerschritte::Liste;

constexpr std::array<const char*, 8> kListenNamen = {
    "jahr", "zeitraum", "klasse", "kinder", "kisatz", "geburt", "erstbezugsjahr", "bezugsmonate"};
constexpr int kKopfhoehePixel = 23;  // 350 twips at 96 dpi

QString text(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

}  // namespace

SteuerschritteFenster::SteuerschritteFenster(Meldungsanzeige& meldungen, QWidget* eltern)
    : QWidget(eltern, Qt::Window), meldungen_(meldungen) {
    setObjectName(QStringLiteral("steuerschritte"));
    setWindowTitle(text(kSchritteTitel));
    aufbauen();
    resize(1100, 700);
    anzeigen();
}

SteuerschritteFenster::~SteuerschritteFenster() = default;

void SteuerschritteFenster::aufbauen() {
    auto* spalte = new QVBoxLayout(this);
    auto* oben = new QGridLayout;
    spalte->addLayout(oben);

    const auto liste = [&](Liste l) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(kListenNamen[static_cast<std::size_t>(l)]));
        for (const std::string& eintrag : Steuerschritte::eintraege(l))
            box->addItem(QString::fromStdString(eintrag));
        connect(box, &QComboBox::activated, this,
                [this, l](int index) { listeGewaehlt(l, index); });
        listen_[static_cast<std::size_t>(l)] = box;
        return box;
    };
    const auto beschriftung = [&](std::string_view t, QWidget* fuer) {
        auto* label = new QLabel(text(t), this);
        label->setBuddy(fuer);
        return label;
    };

    // Left: the lists of the engine inputs.
    int reihe = 0;
    for (Liste l : {Liste::Jahr, Liste::Zeitraum, Liste::Klasse, Liste::Kinder, Liste::Kisatz,
                    Liste::Geburt}) {
        QComboBox* box = liste(l);
        oben->addWidget(beschriftung(Steuerschritte::beschriftung(l), box), reihe, 0);
        oben->addWidget(box, reihe, 1);
        ++reihe;
    }

    // Middle: the amount fields. The tax card's takes a sign: negative is an allowance.
    for (const Feld f : Steuerschritte::kFelder) {
        QLineEdit* feld = nullptr;
        if (f == Feld::Steuerkarte) {
            feld = new QLineEdit(this);
            feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            feld->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("-?[0-9]{0,9}(,[0-9]{0,2})?")), feld));
            connect(feld, &QLineEdit::editingFinished, this, [this, feld] {
                if (feld->isModified()) feldAusgewertet(Feld::Steuerkarte, feld->text());
                feld->setModified(false);
            });
        } else {
            auto* betrag = new Betragsfeld(Betragsfeld::kOhneZeile, this);
            betrag->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
            betrag->setMinimumWidth(110);
            connect(betrag, &Betragsfeld::auswerten, this,
                    [this, f](int, const QString& t) { feldAusgewertet(f, t); });
            feld = betrag;
        }
        feld->setObjectName(QStringLiteral("feld_%1").arg(static_cast<int>(f)));
        felder_[static_cast<std::size_t>(f)] = feld;
    }
    bruttoBeschriftung_ = beschriftung("Monatsbrutto", eingabefeld(Feld::Brutto));
    bruttoBeschriftung_->setObjectName(QStringLiteral("beschriftung_feld_0"));
    oben->addWidget(bruttoBeschriftung_, 0, 2);
    oben->addWidget(eingabefeld(Feld::Brutto), 0, 3);
    reihe = 1;
    for (const Feld f : {Feld::Steuerkarte, Feld::Versorgungsbezug}) {
        oben->addWidget(beschriftung(Steuerschritte::feldbeschriftung(f), eingabefeld(f)), reihe,
                        2);
        oben->addWidget(eingabefeld(f), reihe, 3);
        ++reihe;
    }
    QComboBox* monate = liste(Liste::Bezugsmonate);
    bezugsmonateBeschriftung_ =
        beschriftung(Steuerschritte::beschriftung(Liste::Bezugsmonate), monate);
    oben->addWidget(bezugsmonateBeschriftung_, 3, 2);
    oben->addWidget(monate, 3, 3);
    rvPflicht_ = new QCheckBox(QStringLiteral("RV- Pflicht JA"), this);
    rvPflicht_->setObjectName(QStringLiteral("svpflicht"));
    connect(rvPflicht_, &QCheckBox::clicked, this, [this](bool an) {
        schritte_.rvPflichtSetzen(an);
        anzeigen();
    });
    oben->addWidget(rvPflicht_, 4, 2, 1, 2);

    // Right: the pension start, shown only while there are pensions.
    erstbezug_ = new QGroupBox(QStringLiteral("Angaben zum Erstbezugsjahr der Versorgung"), this);
    erstbezug_->setObjectName(QStringLiteral("erstbezug"));
    auto* rahmen = new QGridLayout(erstbezug_);
    QComboBox* erstjahr = liste(Liste::Erstbezugsjahr);
    erstjahr->setParent(erstbezug_);
    rahmen->addWidget(beschriftung(Steuerschritte::beschriftung(Liste::Erstbezugsjahr), erstjahr),
                      0, 0);
    rahmen->addWidget(erstjahr, 0, 1);
    reihe = 1;
    for (const Feld f : {Feld::ErsterMonatsbezug, Feld::Sonderzahlung}) {
        eingabefeld(f)->setParent(erstbezug_);
        rahmen->addWidget(beschriftung(Steuerschritte::feldbeschriftung(f), eingabefeld(f)), reihe,
                          0);
        rahmen->addWidget(eingabefeld(f), reihe, 1);
        ++reihe;
    }
    oben->addWidget(erstbezug_, 0, 4, 4, 1);

    auto* drucken = new QPushButton(QStringLiteral("Drucken"), this);
    drucken->setObjectName(QStringLiteral("ablaufplan"));
    connect(drucken, &QPushButton::clicked, this, &SteuerschritteFenster::drucken);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("schliessen"));
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    vergleichen_ = new QPushButton(QStringLiteral("Grün und Blau vergleichen"), this);
    vergleichen_->setObjectName(QStringLiteral("vergleichen"));
    vergleichen_->setToolTip(
        QStringLiteral("Die Lohnsteuer des angezeigten Monats auf der grünen und der blauen "
                       "Seite Schritt für Schritt nebeneinander"));
    vergleichen_->setEnabled(false);  // until the window is opened on a case
    connect(vergleichen_, &QPushButton::clicked, this, &SteuerschritteFenster::vergleichen);
    oben->addWidget(drucken, 0, 5);
    oben->addWidget(schliessen, 1, 5);
    oben->addWidget(vergleichen_, 2, 5);
    oben->setColumnStretch(4, 1);

    tabelle_ = new QTableView(this);
    tabelle_->setObjectName(QStringLiteral("schritte"));
    modell_ = new Schrittlistenmodell(schritte_, tabelle_);
    tabelle_->setModel(modell_);
    tabelle_->setSelectionMode(QAbstractItemView::NoSelection);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setWordWrap(false);
    tabelle_->verticalHeader()->hide();
    tabelle_->verticalHeader()->setDefaultSectionSize(kKopfhoehePixel);
    tabelle_->setColumnWidth(0, 45);
    tabelle_->setColumnWidth(1, 20);
    tabelle_->setColumnWidth(2, 90);
    tabelle_->setColumnWidth(3, 600);
    tabelle_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    tabelle_->setColumnWidth(4, 110);
    tabelle_->setColumnWidth(5, 110);
    connect(tabelle_, &QTableView::clicked, this, &SteuerschritteFenster::zeileGeklickt);
    spalte->addWidget(tabelle_, 1);
}

void SteuerschritteFenster::vorbelegen(const Sitzung& sitzung) {
    sitzung_ = &sitzung;
    vergleichen_->setEnabled(true);
    schritte_.vorbelegen(sitzung);
    anzeigen();
}

void SteuerschritteFenster::anzeigen() {
    for (std::size_t l = 0; l < listen_.size(); ++l) {
        const QSignalBlocker sperre(listen_[l]);
        listen_[l]->setCurrentIndex(schritte_.index(static_cast<Liste>(l)));
    }
    bruttoBeschriftung_->setText(QString::fromStdString(schritte_.bruttoBeschriftung()));
    for (const Feld f : Steuerschritte::kFelder) {
        QLineEdit* feld = eingabefeld(f);
        if (auto* betrag = qobject_cast<Betragsfeld*>(feld)) {
            betrag->betragZeigen(schritte_.feld(f));
        } else {
            // Without grouping, so that the field's own filter accepts what it shows.
            feld->setText(zahlenformat::ohneGruppierung(schritte_.feld(f)));
            feld->setModified(false);
        }
    }
    {
        const QSignalBlocker sperre(rvPflicht_);
        rvPflicht_->setChecked(schritte_.rvPflicht());
    }
    const bool versorgung = schritte_.versorgungsbeginnSichtbar();
    erstbezug_->setVisible(versorgung);
    bezugsmonateBeschriftung_->setVisible(versorgung);
    listen_[static_cast<std::size_t>(Liste::Bezugsmonate)]->setVisible(versorgung);
    modell_->aktualisieren();
    gliederungAnzeigen();
}

void SteuerschritteFenster::gliederungAnzeigen() {
    const Schrittliste& liste = schritte_.liste();
    for (int zeile = 0; zeile < kSchrittzeilen; ++zeile) {
        tabelle_->setRowHidden(zeile, !schritte_.gliederung().sichtbar(zeile, liste));
    }
}

void SteuerschritteFenster::listeGewaehlt(Liste liste, int index) {
    const auto meldung = schritte_.waehlen(liste, index);
    if (meldung) meldungen_.zeigen(*meldung);
    anzeigen();
}

void SteuerschritteFenster::feldAusgewertet(Feld feld, const QString& eingabe) {
    QString t = eingabe.trimmed();
    const bool negativ = t.startsWith(QLatin1Char('-'));
    if (negativ) t.remove(0, 1);
    // Whatever the key filter let through is a plain number; anything else keeps the value.
    const auto wert = hundertstel(t.toStdString());
    if (wert) schritte_.feldAendern(feld, negativ ? -*wert : *wert);
    anzeigen();
}

void SteuerschritteFenster::zeileGeklickt(const QModelIndex& index) {
    if (!index.isValid()) return;
    if (schritte_.gliederung().klicken(index.row())) {
        modell_->aktualisieren();
        gliederungAnzeigen();
    }
}

void SteuerschritteFenster::vergleichen() {
    if (sitzung_ == nullptr) return;
    if (vergleich_ == nullptr) vergleich_ = new SchrittvergleichFenster(meldungen_, this);
    vergleich_->zeigen(*sitzung_);
}

void SteuerschritteFenster::drucken() {
    druckenOderPdfAnbieten(druck::steuerschritteDrucken(schritte_.liste()), meldungen_);
}

}  // namespace brelvanostik
