#include "ui/gehaltsziel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "ui/farben.h"
#include "ui/meldungen.h"
#include "ui/zahlenformat.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

constexpr const char* kTitel = "Gehalt zur gewünschten Auszahlung";

// "2.500,00", "2500", "-12,5": German amount text into hundredths; nothing when it is none
// or beyond a thousand times the salary field's limit.
std::optional<std::int64_t> hundertstelAus(QString text) {
    text = text.trimmed().remove(QLatin1Char('.'));
    static const QRegularExpression form(QStringLiteral("^(-?)(\\d{1,12})(?:,(\\d{1,2}))?$"));
    const QRegularExpressionMatch treffer = form.match(text);
    if (!treffer.hasMatch()) return std::nullopt;
    std::int64_t wert = treffer.captured(2).toLongLong() * 100;
    const QString nachkomma = treffer.captured(3);
    if (!nachkomma.isEmpty()) wert += nachkomma.leftJustified(2, QLatin1Char('0')).toLongLong();
    if (wert > 1000LL * kMaxBetragHundertstel) return std::nullopt;
    return treffer.captured(1).isEmpty() ? wert : -wert;
}

}  // namespace

Gehaltsziel::Gehaltsziel(Sitzung& sitzung, Meldungsanzeige& meldungen, QWidget* eltern)
    : QDialog(eltern), sitzung_(sitzung), meldungen_(meldungen) {
    setWindowTitle(QString::fromUtf8(kTitel));
    setModal(false);
    auto* spalte = new QVBoxLayout(this);
    fall_ = new QLabel(this);
    fall_->setWordWrap(true);
    spalte->addWidget(fall_);

    auto* form = new QFormLayout;
    gewuenscht_ = new QLineEdit(this);
    gewuenscht_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9.]{0,16}(,[0-9]{0,2})?")), gewuenscht_));
    gewuenscht_->setAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("Gewünschte Auszahlung (Euro):"), gewuenscht_);
    gehalt_ = new QLabel(this);
    gehalt_->setAlignment(Qt::AlignRight);
    gehalt_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QStringLiteral("Dafür nötiges Gehalt:"), gehalt_);
    auszahlung_ = new QLabel(this);
    auszahlung_->setAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("Auszahlung mit diesem Gehalt:"), auszahlung_);
    spalte->addLayout(form);

    hinweis_ = new QLabel(this);
    hinweis_->setWordWrap(true);
    spalte->addWidget(hinweis_);

    auto* knoepfe = new QHBoxLayout;
    auto* rechnen = new QPushButton(QStringLiteral("Berechnen"), this);
    rechnen->setDefault(true);
    uebernehmen_ = new QPushButton(QStringLiteral("Übernehmen"), this);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    knoepfe->addWidget(rechnen);
    knoepfe->addStretch();
    knoepfe->addWidget(uebernehmen_);
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);

    connect(rechnen, &QPushButton::clicked, this, [this] { berechnen(); });
    connect(gewuenscht_, &QLineEdit::returnPressed, this, [this] { berechnen(); });
    connect(gewuenscht_, &QLineEdit::textEdited, this, [this] {
        antwort_.reset();
        anzeigen();
    });
    connect(uebernehmen_, &QPushButton::clicked, this, &Gehaltsziel::uebernehmen);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    setMinimumWidth(420);
}

void Gehaltsziel::oeffnen(Seite seite) {
    seite_ = seite;
    const Seitenanzeige anzeige = sitzung_.anzeige(seite);
    const int jahrIndex = sitzung_.jahr() - kErstesJahr;
    const auto& satz =
        sitzung_.arbeitsbereich().monat(jahrIndex, sitzung_.berechnung(seite), sitzung_.monat());
    fall_->setText(
        QStringLiteral("%1 (%2 Seite), %3 %4 — das kleinste Monatsgehalt, dessen Auszahlung "
                       "mindestens den gewünschten Betrag erreicht; alle anderen Eingaben "
                       "bleiben, wie sie sind.")
            .arg(QString::fromStdString(
                     sitzung_.arbeitsbereich().kopf(jahrIndex, sitzung_.berechnung(seite)).Fallname)
                     .trimmed(),
                 seite == Seite::Gruen ? QStringLiteral("grüne") : QStringLiteral("blaue"),
                 QString::fromUtf8(
                     kMonatskuerzel[static_cast<std::size_t>(sitzung_.monat())].data()),
                 QString::number(sitzung_.jahr())));
    gewuenscht_->setText(zahlenformat::betrag(satz.Betrag[zeile::Auszahlung]));
    antwort_.reset();
    anzeigen();
    farben::hintergrund(this, seite == Seite::Gruen ? farben::kHellgruen : farben::kHellcyan);
    show();
    raise();
    activateWindow();
    gewuenscht_->setFocus();
    gewuenscht_->selectAll();
}

bool Gehaltsziel::berechnen() {
    const auto gewuenscht = hundertstelAus(gewuenscht_->text());
    if (!gewuenscht) {
        meldungen_.zeigen({kTitel,
                           "Bitte geben Sie die gewünschte Auszahlung als Betrag in Euro ein, "
                           "zum Beispiel 2.500,00.",
                           Meldung::Symbol::Ausrufezeichen});
        return false;
    }
    antwort_ = gehaltFuerAuszahlung(sitzung_, seite_, *gewuenscht);
    anzeigen();
    return true;
}

void Gehaltsziel::uebernehmen() {
    if (sitzung_.jahresmodus()) {
        meldungen_.zeigen({std::string(kJahresmodusTitel), std::string(kJahresmodusText),
                           Meldung::Symbol::Ausrufezeichen});
        return;
    }
    // The case or month may have changed while the panel was open: search on what is shown.
    if (!berechnen() || !antwort_ || !antwort_->erreicht) return;
    const Rueckmeldung r = gehaltUebernehmen(sitzung_, seite_, antwort_->bild.gehalt);
    emit gespeichert(r);
}

void Gehaltsziel::anzeigen() {
    const bool gefunden = antwort_ && antwort_->erreicht;
    uebernehmen_->setEnabled(gefunden);
    if (!antwort_) {
        gehalt_->clear();
        auszahlung_->clear();
        hinweis_->setText(
            QStringLiteral("„Berechnen“ sucht das Gehalt; gespeichert wird erst "
                           "mit „Übernehmen“."));
        return;
    }
    const Monatsbild& bild = antwort_->bild;
    if (gefunden) {
        gehalt_->setText(QStringLiteral("<b>%1</b>").arg(zahlenformat::betrag(bild.gehalt)));
        auszahlung_->setText(zahlenformat::betrag(bild.auszahlung));
        hinweis_->setText(
            QStringLiteral("Lohnsteuer %1, Solidaritätszuschlag %2, Kirchensteuer %3, "
                           "Sozialversicherung %4. Ein Cent weniger Gehalt erreicht die "
                           "gewünschte Auszahlung nicht.")
                .arg(zahlenformat::betrag(bild.lohnsteuer), zahlenformat::betrag(bild.soli),
                     zahlenformat::betrag(bild.kirchensteuer),
                     zahlenformat::betrag(bild.sozialversicherung)));
    } else {
        gehalt_->setText(QStringLiteral("—"));
        auszahlung_->clear();
        hinweis_->setText(
            QStringLiteral("Kein Gehalt bis %1 Euro erreicht diese Auszahlung. Höchstens "
                           "erreichbar sind %2 Euro (mit einem Gehalt von %3 Euro).")
                .arg(zahlenformat::betrag(kMaxBetragHundertstel),
                     zahlenformat::betrag(bild.auszahlung), zahlenformat::betrag(bild.gehalt)));
    }
}

}  // namespace brelvanostik
