#include "print/qt/druckausgabe.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPolygonF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace brelvanostik::druck {

namespace {

constexpr double kTwipsProZoll = 1440.0;

QPageLayout seitenlayout(bool quer) {
    // Margins leave room for the hardware margins of ordinary printers.
    return QPageLayout(QPageSize(QPageSize::A4),
                       quer ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(15, 12, 10, 12), QPageLayout::Millimeter);
}

// One piece of text placed on a page, in device units before the document's scale.
struct Platziert {
    int seite = 0;
    double x = 0;       // where the visible characters start
    double breite = 0;  // their natural width
    double oben = 0, hoehe = 0, grundlinie = 0;
    double schmaler = 1.0;
    double leerzeichen = 0;  // the width of a blank in the piece's font
    bool fest = false;       // an amount in the monospaced font: keeps its place and size
    QFont schrift;
    QString text;  // without blanks at either end
};

// A drawing placed on a page: its top edge in device units before the document's scale.
struct PlatzierteZeichnung {
    int seite = 0;
    double oben = 0;
    const Zeichnung* zeichnung = nullptr;
};

struct Seitensatz {
    double massstab = 1.0;
    double twips = 1.0;            // device units per twip
    double breite = 0, hoehe = 0;  // printable area in units before the scale
    int seiten = 0;
    std::vector<Platziert> teile;
    std::vector<PlatzierteZeichnung> zeichnungen;
};

// The pieces of a line with their horizontal places, in device units.
std::vector<Platziert> platzieren(const Druckzeile& zeile, QPaintDevice& geraet, double twips) {
    std::vector<Platziert> teile;
    double ende = 0;
    for (const Textstueck& stueck : zeile.stuecke) {
        QFont schrift = schriftFuer(stueck.schrift);
        QFontMetricsF masse(schrift, &geraet);
        const QString text = QString::fromStdString(stueck.text);
        double x = 0;
        switch (stueck.lage) {
            case Textstueck::Lage::Twips:
                x = stueck.x * twips;
                break;
            case Textstueck::Lage::Spalte:
                x = std::max(0, stueck.x - 1) * masse.horizontalAdvance(QLatin1Char('0'));
                break;
            case Textstueck::Lage::Anschliessend:
                x = ende;
                break;
        }
        ende = x + masse.horizontalAdvance(text);
        const QString sichtbar = text.trimmed();
        if (sichtbar.isEmpty()) continue;
        Platziert teil;
        teil.x = x + masse.horizontalAdvance(text.left(text.indexOf(sichtbar.front())));
        teil.breite = masse.horizontalAdvance(sichtbar);
        teil.grundlinie = masse.ascent();
        teil.hoehe = masse.lineSpacing();
        teil.leerzeichen = masse.horizontalAdvance(QLatin1Char(' '));
        teil.fest = schrift.fixedPitch();
        teil.schrift = schrift;
        teil.text = sichtbar;
        teile.push_back(std::move(teil));
    }
    return teile;
}

double zeilenhoehe(const Druckzeile& zeile, QPaintDevice& geraet, double twips) {
    if (zeile.zeichnung.hoehe > 0 && zeile.stuecke.empty()) return zeile.zeichnung.hoehe * twips;
    double hoehe = std::max(QFontMetricsF(schriftFuer(zeile.schrift), &geraet).lineSpacing(),
                            zeile.zeichnung.hoehe * twips);
    for (const Textstueck& stueck : zeile.stuecke)
        hoehe = std::max(hoehe, QFontMetricsF(schriftFuer(stueck.schrift), &geraet).lineSpacing());
    return hoehe;
}

// A text that would reach the next item of its line, or the right edge, is set narrower;
// a blank's width stays free before the next item.
void schmalerSetzen(std::vector<Platziert>& zeile, double rand) {
    for (Platziert& teil : zeile) {
        if (teil.fest) continue;
        double grenze = rand;
        for (const Platziert& anderes : zeile) {
            if (anderes.x > teil.x) grenze = std::min(grenze, anderes.x - teil.leerzeichen);
        }
        if (teil.x + teil.breite > grenze && teil.breite > 0)
            teil.schmaler = std::max(0.0, grenze - teil.x) / teil.breite;
    }
}

Seitensatz satz(const Dokument& dokument, QPagedPaintDevice& geraet) {
    geraet.setPageLayout(seitenlayout(dokument.quer));
    const double twips = geraet.logicalDpiX() / kTwipsProZoll;
    std::vector<std::vector<Platziert>> zeilen;
    zeilen.reserve(dokument.zeilen.size());
    // One scale for the whole document: the amount reaching furthest right decides.
    double benoetigt = 0;
    for (const Druckzeile& zeile : dokument.zeilen) {
        zeilen.push_back(platzieren(zeile, geraet, twips));
        for (const Platziert& teil : zeilen.back())
            benoetigt = std::max(benoetigt, teil.fest ? teil.x + teil.breite : teil.x);
        benoetigt = std::max(benoetigt, zeile.zeichnung.breite * twips);
    }
    Seitensatz ergebnis;
    ergebnis.twips = twips;
    const double breite = geraet.width();
    ergebnis.massstab = benoetigt > breite && benoetigt > 0 ? breite / benoetigt : 1.0;
    ergebnis.breite = breite / ergebnis.massstab;
    ergebnis.hoehe = geraet.height() / ergebnis.massstab;

    double y = 0;
    int seite = 0;
    for (std::size_t i = 0; i < dokument.zeilen.size(); ++i) {
        const double h = zeilenhoehe(dokument.zeilen[i], geraet, twips);
        if (y + h > ergebnis.hoehe && y > 0) {
            ++seite;
            y = 0;
        }
        if (dokument.zeilen[i].zeichnung.hoehe > 0)
            ergebnis.zeichnungen.push_back({seite, y, &dokument.zeilen[i].zeichnung});
        schmalerSetzen(zeilen[i], ergebnis.breite);
        for (Platziert& teil : zeilen[i]) {
            teil.seite = seite;
            teil.oben = y;
            ergebnis.teile.push_back(std::move(teil));
        }
        y += h;
    }
    ergebnis.seiten = dokument.zeilen.empty() ? 0 : seite + 1;
    return ergebnis;
}

QColor farbe(Farbe f) {
    return QColor(f.rot, f.gruen, f.blau);
}

}  // namespace

void zeichnungMalen(const Zeichnung& zeichnung, QPainter& maler, QPointF ecke, double proTwip) {
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    const auto ort = [&](Punkt p) { return ecke + QPointF(p.x * proTwip, p.y * proTwip); };
    for (const Linienzug& linie : zeichnung.linien) {
        if (linie.punkte.size() < 2) continue;
        QPen stift(farbe(linie.farbe));
        stift.setWidthF(std::max(linie.staerke, 1) * proTwip);
        stift.setStyle(linie.strich == Linienzug::Strich::Gestrichelt ? Qt::DashLine
                       : linie.strich == Linienzug::Strich::Gepunktet ? Qt::DotLine
                                                                      : Qt::SolidLine);
        // Dots far enough apart to stay dots where a curve runs through many short segments.
        if (linie.strich == Linienzug::Strich::Gepunktet) stift.setDashPattern({1.0, 4.0});
        stift.setJoinStyle(Qt::RoundJoin);
        maler.setPen(stift);
        QPolygonF zug;
        zug.reserve(static_cast<qsizetype>(linie.punkte.size()));
        for (const Punkt& p : linie.punkte) zug << ort(p);
        maler.drawPolyline(zug);
    }
    for (const Beschriftung& b : zeichnung.texte) {
        const QFont schrift = schriftFuer(b.schrift);
        const QString text = QString::fromStdString(b.text);
        const double breite = QFontMetricsF(schrift, maler.device()).horizontalAdvance(text);
        QPointF p = ort(b.ort);
        if (b.ausrichtung == Beschriftung::Ausrichtung::Mitte) p.rx() -= breite / 2;
        if (b.ausrichtung == Beschriftung::Ausrichtung::Rechts) p.rx() -= breite;
        maler.setFont(schrift);
        maler.setPen(farbe(b.farbe));
        maler.drawText(p, text);
    }
    maler.restore();
}

QFont schriftFuer(const Schrift& schrift) {
    const QString name = QString::fromStdString(schrift.name).toLower();
    QFont font;
    if (name.contains(QLatin1String("courier"))) {
        font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else if (name.contains(QLatin1String("times"))) {
        font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        font.setStyleHint(QFont::Serif);
    } else if (name.contains(QLatin1String("narrow"))) {
        font.setFamilies(
            {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
        font.setStyleHint(QFont::SansSerif);
    } else {
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(schrift.punkte > 0 ? schrift.punkte : 12.0);
    font.setBold(schrift.fett);
    return font;
}

Satzbild setzen(const Dokument& dokument, QPagedPaintDevice& geraet) {
    const Seitensatz gesetzt = satz(dokument, geraet);
    const double m = gesetzt.massstab;
    Satzbild bild;
    bild.breite = gesetzt.breite * m;
    bild.hoehe = gesetzt.hoehe * m;
    bild.seiten = gesetzt.seiten;
    for (const Platziert& teil : gesetzt.teile) {
        bild.texte.push_back({teil.seite, teil.x * m, (teil.x + teil.breite * teil.schmaler) * m,
                              teil.oben * m, (teil.oben + teil.hoehe) * m, teil.text.toStdString(),
                              teil.schmaler});
    }
    return bild;
}

bool zeichnen(const Dokument& dokument, QPagedPaintDevice& geraet) {
    const Seitensatz gesetzt = satz(dokument, geraet);
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    maler.scale(gesetzt.massstab, gesetzt.massstab);
    std::size_t t = 0, z = 0;
    // Pages that hold only empty lines at the end are still part of the document.
    for (int seite = 0; seite < gesetzt.seiten; ++seite) {
        if (seite > 0 && !geraet.newPage()) {
            maler.end();
            return false;
        }
        for (; z < gesetzt.zeichnungen.size() && gesetzt.zeichnungen[z].seite == seite; ++z) {
            const PlatzierteZeichnung& p = gesetzt.zeichnungen[z];
            zeichnungMalen(*p.zeichnung, maler, QPointF(0, p.oben), gesetzt.twips);
        }
        for (; t < gesetzt.teile.size() && gesetzt.teile[t].seite == seite; ++t) {
            const Platziert& teil = gesetzt.teile[t];
            maler.save();
            maler.translate(teil.x, teil.oben + teil.grundlinie);
            maler.scale(teil.schmaler, 1.0);
            maler.setFont(teil.schrift);
            maler.drawText(QPointF(0, 0), teil.text);
            maler.restore();
        }
    }
    return maler.end();
}

bool alsPdfSchreiben(const Dokument& dokument, const std::filesystem::path& datei,
                     std::string& fehler) {
    QSaveFile ziel(QString::fromStdString(datei.string()));
    if (!ziel.open(QIODevice::WriteOnly)) {
        fehler = "Die PDF-Datei " + datei.string() +
                 " kann nicht angelegt werden: " + ziel.errorString().toStdString();
        return false;
    }
    {
        QPdfWriter pdf(&ziel);
        pdf.setTitle(QString::fromStdString(dokument.titel));
        pdf.setCreator(QStringLiteral("Brelvanostik"));
        if (!zeichnen(dokument, pdf)) {
            ziel.cancelWriting();
            fehler = "Die PDF-Datei " + datei.string() + " konnte nicht geschrieben werden.";
            return false;
        }
    }
    if (!ziel.commit()) {
        fehler = "Die PDF-Datei " + datei.string() +
                 " konnte nicht gespeichert werden: " + ziel.errorString().toStdString();
        return false;
    }
    return true;
}

Druckergebnis aufStandarddrucker(const Dokument& dokument, std::string& fehler) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return Druckergebnis::KeinDrucker;
    QPrinter drucker(info, QPrinter::HighResolution);
    drucker.setDocName(QString::fromStdString(dokument.titel));
    if (!zeichnen(dokument, drucker) || drucker.printerState() == QPrinter::Error) {
        fehler = "Der Drucker " + info.printerName().toStdString() +
                 " hat den Druckauftrag nicht angenommen.";
        return Druckergebnis::Fehler;
    }
    return Druckergebnis::Gedruckt;
}

}  // namespace brelvanostik::druck
