// The salary for a wanted payout and the burden curve in the window: opened from the payout
// row's label of either side, nothing stored until "Übernehmen", the curve saved as CSV and PDF.
#include <fstream>
#include <iterator>

#include "fenstertest.h"
#include "ui/gehaltsziel.h"
#include "ui/kurvenfenster.h"
#include "ui/zahlenformat.h"

namespace brelvanostik {

class GehaltszielKurveTest : public Fenstertest {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(programmStarten()); }
    void cleanup() { programmBeenden(); }

    void gehaltFindenUndUebernehmen() {
        QVERIFY(sitzung().betragEingeben(Seite::Gruen, zeile::Gehalt, "3000").angenommen);
        fenster()->darstellen();
        const Arbeitsbereich vorher = sitzung().arbeitsbereich();
        Gehaltsziel* panel = fenster()->gehaltszielOeffnen(Seite::Blau);
        QVERIFY(panel != nullptr && panel->isVisible());
        panel->gewuenschtFeld()->setText(QStringLiteral("2.345,67"));
        QVERIFY(panel->berechnen());
        QVERIFY(panel->antwort() && panel->antwort()->erreicht);
        const std::int32_t gehalt = panel->antwort()->bild.gehalt;
        QCOMPARE(panel->gehaltAnzeige()->text(),
                 QStringLiteral("<b>%1</b>").arg(zahlenformat::betrag(gehalt)));
        QVERIFY(panel->uebernehmenKnopf()->isEnabled());
        QVERIFY(sitzung().arbeitsbereich() == vorher);  // nothing stored yet

        QTest::mouseClick(panel->uebernehmenKnopf(), Qt::LeftButton);
        QCOMPARE(betrag(Seite::Blau, 11, zeile::Gehalt), gehalt);
        QCOMPARE(betrag(Seite::Gruen, 0, zeile::Gehalt), 300000);  // blue reaches no green
        QVERIFY(betrag(Seite::Blau, 0, zeile::Auszahlung) >= 234567);

        panel->gewuenschtFeld()->setText(QStringLiteral("zwei"));
        QVERIFY(!panel->berechnen());
        QVERIFY(meldungen_.hatTitel("Gehalt zur gewünschten Auszahlung"));
        panel->gewuenschtFeld()->setText(QStringLiteral("900000"));
        QVERIFY(panel->berechnen());
        QVERIFY(!panel->uebernehmenKnopf()->isEnabled());
        QVERIFY(panel->hinweisAnzeige()->text().startsWith(QStringLiteral("Kein Gehalt bis")));
    }

    void kurveZeigenUndSpeichern() {
        QVERIFY(sitzung().betragEingeben(Seite::Gruen, zeile::Gehalt, "2500").angenommen);
        QVERIFY(sitzung().auswahlTreffen(Seite::Blau, zeile::Steuerklasse, 2).angenommen);
        const Arbeitsbereich vorher = sitzung().arbeitsbereich();
        Kurvenfenster* kurve = fenster()->belastungskurveOeffnen(Seite::Gruen);
        QVERIFY(kurve != nullptr && kurve->isVisible());
        QCOMPARE(kurve->kurve().punkte.size(), std::size_t{1051});
        QCOMPARE(kurve->kurve().marken.gehaltDesFalls, 250000);
        QVERIFY(kurve->zwilling().seite == Seite::Blau);
        QVERIFY(sitzung().arbeitsbereich() == vorher);

        const QString pfad = verzeichnis_.filePath(QStringLiteral("kurve.csv"));
        meldungen_.csvDatei = pfad.toStdString();
        QCOMPARE(kurve->alsCsvSpeichern().value_or(""), pfad.toStdString());
        std::ifstream ein(pfad.toStdString(), std::ios::binary);
        const std::string csv{std::istreambuf_iterator<char>(ein), {}};
        QCOMPARE(std::count(csv.begin(), csv.end(), '\n'), 1052L);
        meldungen_.pdfDatei = verzeichnis_.filePath(QStringLiteral("kurve.pdf")).toStdString();
        QVERIFY(kurve->alsPdfSpeichern().has_value());
        QVERIFY(QFileInfo(verzeichnis_.filePath(QStringLiteral("kurve.pdf"))).size() > 1000);
        QVERIFY(sitzung().arbeitsbereich() == vorher);
    }
};

}  // namespace brelvanostik

QTEST_MAIN(brelvanostik::GehaltszielKurveTest)
#include "gehaltsziel_kurve_test.moc"
