#include "ui/kurvenfenster.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "print/bericht_kurve.h"
#include "print/qt/druckausgabe.h"
#include "ui/csvspeichern.h"
#include "ui/datenverzeichnis.h"
#include "ui/drucken.h"
#include "ui/meldungen.h"

namespace brelvanostik {

namespace {

constexpr const char* kTitel = "Belastungskurve";
// The drawing's size in twips: the printout's, so that the screen shows the same page.
constexpr int kBreite = 15200;
constexpr int kHoehe = 9600;

}  // namespace

Kurvenflaeche::Kurvenflaeche(QWidget* eltern) : QWidget(eltern) {
    setMinimumSize(640, 420);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void Kurvenflaeche::setzen(druck::Zeichnung zeichnung) {
    zeichnung_ = std::move(zeichnung);
    update();
}

void Kurvenflaeche::paintEvent(QPaintEvent*) {
    if (zeichnung_.hoehe <= 0 || zeichnung_.breite <= 0) return;
    QPainter maler(this);
    const double proTwip = logicalDpiX() / 1440.0;
    const double rand = 8;
    const double massstab = std::min((width() - 2 * rand) / (zeichnung_.breite * proTwip),
                                     (height() - 2 * rand) / (zeichnung_.hoehe * proTwip));
    maler.translate(rand, rand);
    maler.scale(massstab, massstab);
    druck::zeichnungMalen(zeichnung_, maler, QPointF(0, 0), proTwip);
}

Kurvenfenster::Kurvenfenster(Sitzung& sitzung, Meldungsanzeige& meldungen, QWidget* eltern)
    : QWidget(eltern, Qt::Window), sitzung_(sitzung), meldungen_(meldungen) {
    setWindowTitle(QString::fromUtf8(kTitel));
    auto* spalte = new QVBoxLayout(this);
    titel_ = new QLabel(this);
    QFont f = titel_->font();
    f.setBold(true);
    titel_->setFont(f);
    spalte->addWidget(titel_);
    flaeche_ = new Kurvenflaeche(this);
    spalte->addWidget(flaeche_, 1);
    auto* knoepfe = new QHBoxLayout;
    auto* drucken = new QPushButton(QStringLiteral("Drucken"), this);
    auto* pdf = new QPushButton(QStringLiteral("Als PDF speichern …"), this);
    auto* csv = new QPushButton(QStringLiteral("Punkte als CSV speichern …"), this);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    knoepfe->addWidget(drucken);
    knoepfe->addWidget(pdf);
    knoepfe->addWidget(csv);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);
    connect(drucken, &QPushButton::clicked, this, &Kurvenfenster::drucken);
    connect(pdf, &QPushButton::clicked, this, [this] { alsPdfSpeichern(); });
    connect(csv, &QPushButton::clicked, this, [this] { alsCsvSpeichern(); });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    resize(1000, 700);
}

void Kurvenfenster::oeffnen(Seite seite) {
    const Kurvenbereich bereich = standardbereich(sitzung_.jahr());
    kurve_ = kurveBerechnen(sitzung_, seite, bereich);
    zwilling_ =
        kurveBerechnen(sitzung_, seite == Seite::Gruen ? Seite::Blau : Seite::Gruen, bereich);
    const std::string monat(kMonatskuerzel[static_cast<std::size_t>(kurve_.monat)]);
    titel_->setText(
        QStringLiteral("Belastungskurve %1 – %2 %3 (%4 Seite; die andere Seite ist "
                       "darübergezeichnet, wo sie abweicht)")
            .arg(QString::fromStdString(kurve_.fallname).trimmed(), QString::fromStdString(monat),
                 QString::number(kurve_.jahr),
                 seite == Seite::Gruen ? QStringLiteral("grüne") : QStringLiteral("blaue")));
    flaeche_->setzen(druck::kurvenzeichnung(kurve_, &zwilling_, kBreite, kHoehe));
    show();
    raise();
    activateWindow();
}

druck::Dokument Kurvenfenster::bericht() const {
    return druck::kurvenbericht(kurve_, &zwilling_);
}

void Kurvenfenster::drucken() {
    druckenOderPdfAnbieten(bericht(), meldungen_);
}

std::optional<std::string> Kurvenfenster::alsPdfSpeichern() {
    const auto datei = meldungen_.pdfDateiWaehlen(
        QDir::current().filePath(QStringLiteral("Belastungskurve-%1-Fall-%2.pdf")
                                     .arg(kurve_.jahr)
                                     .arg(sitzung_.fallIndex() + 1)));
    if (!datei || !ausgabeZulassen(*datei, kTitel, meldungen_)) return std::nullopt;
    std::string fehler;
    if (!druck::alsPdfSchreiben(bericht(), *datei, fehler)) {
        meldungen_.zeigen({kTitel, fehler, Meldung::Symbol::Fehler});
        return std::nullopt;
    }
    return datei->string();
}

std::optional<std::string> Kurvenfenster::alsCsvSpeichern() {
    const auto ziel = meldungen_.csvDateiWaehlen(
        QStringLiteral("Belastungskurve-%1-Fall-%2-%3.csv")
            .arg(kurve_.jahr)
            .arg(sitzung_.fallIndex() + 1)
            .arg(kurve_.seite == Seite::Gruen ? QStringLiteral("gruen") : QStringLiteral("blau")));
    if (!ziel || !ausgabeZulassen(*ziel, kTitel, meldungen_)) return std::nullopt;
    return textSpeichern(*ziel, kurvenCsv(kurve_), kTitel, meldungen_);
}

}  // namespace brelvanostik
