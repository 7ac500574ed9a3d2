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

struct Platziert {
    double x;  // device units
    QFont schrift;
    QString text;
};

// Horizontal places of a line's pieces in device units.
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
        teile.push_back({x, schrift, text});
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

bool zeichnen(const Dokument& dokument, QPagedPaintDevice& geraet) {
    geraet.setPageLayout(seitenlayout(dokument.quer));
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    const double twips = geraet.logicalDpiX() / kTwipsProZoll;
    const double breite = geraet.width();
    const double hoehe = geraet.height();

    // One scale for the whole document: the widest line decides.
    double benoetigt = 0;
    std::vector<std::vector<Platziert>> zeilen;
    zeilen.reserve(dokument.zeilen.size());
    for (const Druckzeile& zeile : dokument.zeilen) {
        zeilen.push_back(platzieren(zeile, geraet, twips));
        benoetigt = std::max(benoetigt, zeile.zeichnung.breite * twips);
        for (const Platziert& teil : zeilen.back())
            benoetigt = std::max(
                benoetigt,
                teil.x + QFontMetricsF(teil.schrift, &geraet).horizontalAdvance(teil.text));
    }
    const double massstab = benoetigt > breite && benoetigt > 0 ? breite / benoetigt : 1.0;
    maler.scale(massstab, massstab);
    const double seitenhoehe = hoehe / massstab;

    double y = 0;
    for (std::size_t i = 0; i < dokument.zeilen.size(); ++i) {
        const double h = zeilenhoehe(dokument.zeilen[i], geraet, twips);
        if (y + h > seitenhoehe && y > 0) {
            if (!geraet.newPage()) {
                maler.end();
                return false;
            }
            y = 0;
        }
        for (const Platziert& teil : zeilen[i]) {
            maler.setFont(teil.schrift);
            maler.drawText(QPointF(teil.x, y + QFontMetricsF(teil.schrift, &geraet).ascent()),
                           teil.text);
        }
        if (dokument.zeilen[i].zeichnung.hoehe > 0)
            zeichnungMalen(dokument.zeilen[i].zeichnung, maler, QPointF(0, y), twips);
        y += h;
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
