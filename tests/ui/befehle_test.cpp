// The command buttons, the all-months table and the internal values, driven as a user
// drives them: each command closes what lies over the calculation first.
#include <QAction>
#include <QSignalSpy>
#include <QStyle>

#include "fenstertest.h"
#include "help/infotexte.h"
#include "ui/allemonatetabelle.h"
#include "ui/befehlsleiste.h"
#include "ui/internewerte.h"

using namespace brelvanostik;

class BefehleTest : public Fenstertest {
    Q_OBJECT

    AlleMonateTabelle* tabelle() const { return finde<AlleMonateTabelle>("tabelle"); }
    InterneWerteTabelle* interne() const { return finde<InterneWerteTabelle>("internewerte"); }
    QVariant zelle(int zeile, int spalte, int rolle = Qt::DisplayRole) const {
        const auto& m = tabelle()->modell();
        return m.data(m.index(zeile, spalte), rolle);
    }

    /// While the all-months table of a side shows, the other side's commands are hidden.
    void befehleDerSeitenSichtbar(bool gruen, bool blau) {
        for (const int nummer : {0, 6, 9})
            QCOMPARE(finde(QStringLiteral("befehl_%1").arg(nummer))->isVisible(), gruen);
        for (const int nummer : {30, 5, 10})
            QCOMPARE(finde(QStringLiteral("befehl_%1").arg(nummer))->isVisible(), blau);
    }
    /// At the first display already: over the side's own half only, every row in view,
    /// every figure whole.
    void ganzImBild(Seite seite) {
        const QRect haelfte = finde(seite == Seite::Gruen ? "seite_0" : "seite_30")->geometry();
        QVERIFY(haelfte.contains(interne()->geometry()));
        const auto& m = *interne()->model();
        const int letzte = m.rowCount() - 1;
        QVERIFY(interne()->rowViewportPosition(letzte) + interne()->rowHeight(letzte) <=
                interne()->viewport()->height());
        for (int z = 0; z < m.rowCount(); ++z) {
            for (int sp = 0; sp < m.columnCount(); ++sp) {
                QFont schrift = interne()->font();
                schrift.setBold(m.data(m.index(z, sp), Qt::FontRole).value<QFont>().bold());
                const int breite = QFontMetrics(schrift).horizontalAdvance(interne()->zelle(z, sp));
                QVERIFY2(breite < interne()->columnWidth(sp), qPrintable(interne()->zelle(z, sp)));
            }
        }
    }

  private slots:
    void init() { QVERIFY(programmStarten()); }
    void cleanup() { programmBeenden(); }

    // The tips themselves are the help texts' business; here every button shows its own.
    void knoepfeHabenBildNameUndTipp() {
        for (const int nummer : {0, 30, 8, 6, 5, 3, 4, 31}) {
            auto* knopf = finde<QPushButton>(QStringLiteral("befehl_%1").arg(nummer));
            QCOMPARE(tipp(knopf), alsText(befehlstipp(static_cast<Befehl>(nummer))));
            QVERIFY(!knopf->icon().isNull());
            QVERIFY(!knopf->accessibleName().isEmpty());
        }
        // A standard-size window offers to maximise; maximised, it offers the standard size.
        QVERIFY(finde("befehl_31")->isVisible());
        QVERIFY(!finde("befehl_1")->isVisible());
        klicken("befehl_31");
        QVERIFY(finde("befehl_1")->isVisible());
        QVERIFY(!finde("befehl_31")->isVisible());
    }

    void alleMonateZeigenDieSeiteInIhrerFarbe() {
        sitzung().betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
        sitzung().betragEingeben(Seite::Blau, zeile::Abzug, "50");
        // A December refund of wage tax, as the annual adjustment pays it.
        sitzung().arbeitsbereich().monat(3, 0, 11).Betrag[zeile::Lohnsteuer] = 12345;
        klicken("monat_13");
        QVERIFY(tabelle()->isVisible());
        befehleDerSeitenSichtbar(true, false);
        QCOMPARE(tabelle()->model()->rowCount(), 24);
        QCOMPARE(tabelle()->model()->columnCount(), 14);
        QCOMPARE(zelle(0, 1).toString(), QStringLiteral("JAN."));
        QCOMPARE(zelle(1, 1).toString(), QStringLiteral("3.000,00"));
        QCOMPARE(zelle(1, 13).toString(), QStringLiteral("36.000,00 "));
        QCOMPARE(zelle(0, 0, Qt::BackgroundRole).value<QColor>(), farben::kHellgruen);
        QCOMPARE(zelle(3, 13, Qt::BackgroundRole).value<QColor>(), farben::kHellgruen);
        QCOMPARE(zelle(3, 5, Qt::BackgroundRole).value<QColor>(), farben::kWeiss);
        QCOMPARE(zelle(7, 1, Qt::ForegroundRole).value<QColor>(), farben::kHellrot);
        QCOMPARE(zelle(7, 12).toString(), QStringLiteral("123,45"));
        QCOMPARE(zelle(7, 12, Qt::ForegroundRole).value<QColor>(), farben::kSchwarz);

        klicken("monat_14");
        befehleDerSeitenSichtbar(false, true);
        QCOMPARE(zelle(0, 0, Qt::BackgroundRole).value<QColor>(), farben::kHellcyan);
        QCOMPARE(zelle(17, 1).toString(), QStringLiteral("-50,00"));  // the blue twin's saving
        const struct {
            const char* aktion;
            const char* vorschlag;
            int zeilen;
        } csv[] = {{"csv_speichern", "Brelvanostik-2007-Fall-1-blau.csv", 24},
                   {"csv_beide_speichern", "Brelvanostik-2007-Fall-1-gruen-blau.csv", 49}};
        for (const auto& f : csv) {
            meldungen_.csvDatei = verzeichnis_.filePath(f.vorschlag).toStdString();
            tabelle()->findChild<QAction*>(f.aktion)->trigger();
            QCOMPARE(meldungen_.csvVorschlaege.back(), QString::fromLatin1(f.vorschlag));
            QFile datei(verzeichnis_.filePath(f.vorschlag));
            QVERIFY(datei.open(QIODevice::ReadOnly));
            const QByteArray inhalt = datei.readAll();
            QVERIFY(inhalt.startsWith("\xEF\xBB\xBF;JAN.;"));
            QCOMPARE(inhalt.count("\r\n"), f.zeilen);
            // The wage tax of January as the table shows it.
            const QString lohnsteuer = zelle(7, 1).toString().remove('.');
            QVERIFY(inhalt.contains(("Lohnsteuer;" + lohnsteuer + ";").toUtf8()));
        }
        // A file that cannot be written is reported.
        meldungen_.csvDatei = verzeichnis_.filePath("fehlt/gibt-es-nicht.csv").toStdString();
        fenster()->alleMonateAlsCsvSpeichern(false);
        QVERIFY(meldungen_.hatTitel("Als CSV speichern"));

        klicken("monat_2");
        QVERIFY(!tabelle()->isVisible());
        befehleDerSeitenSichtbar(true, true);
    }

    // Selected, "Jahresgehalt" is bold and still whole.
    void jahresgehaltGanzLesbar() {
        klicken(QStringLiteral("monat_12"));
        auto* knopf = finde<QPushButton>(QStringLiteral("monat_12"));
        QVERIFY(knopf->font().bold());
        QVERIFY(QFontMetrics(knopf->font()).horizontalAdvance(knopf->text()) <
                knopf->width() - 2 * knopf->style()->pixelMetric(QStyle::PM_ButtonMargin));
    }

    void jederBefehlSchliesstDieTabelle() {
        for (int nummer : {6, 5, 9, 10, 2, 3, 4, 31}) {
            klicken(QStringLiteral("monat_13"));
            QVERIFY(tabelle()->isVisible());
            klicken(QStringLiteral("befehl_%1").arg(nummer));
            QVERIFY2(!tabelle()->isVisible(), qPrintable(QString::number(nummer)));
            klicken(QStringLiteral("befehl_%1")
                        .arg(nummer == 31 ? 1 : 6));  // closes what the command opened
            QVERIFY(!finde(QStringLiteral("auswahlpanel"))->isVisible() || nummer == 1);
        }
    }

    void rechnerUndProgramminformation() {
        klicken("befehl_2");
        QVERIFY(finde("rechner")->isVisible());
        klicken("befehl_2");
        QVERIFY(!finde("rechner")->isVisible());
        klicken("befehl_4");
        QVERIFY(finde("programminfo")->isVisible());
        klicken("monat_13");
        QVERIFY(!finde("programminfo")->isVisible());
        // The tax steps command opens that window of its own.
        QSignalSpy schritte(finde<Befehlsleiste>("befehlsleiste"),
                            &Befehlsleiste::steuerschritteGeklickt);
        klicken("befehl_3");
        QCOMPARE(schritte.count(), 1);
        QVERIFY(!tabelle()->isVisible());
        bool offen = false;
        for (const QWidget* w : QApplication::topLevelWidgets())
            offen |= w != fenster() && w->isVisible();
        QVERIFY(offen);
    }

    void interneWerteDerSeite() {
        sitzung().betragEingeben(Seite::Gruen, zeile::Gehalt, "2500");
        sitzung().betragEingeben(Seite::Blau, zeile::Gehalt, "1800");
        fenster()->darstellen();
        klicken("befehl_6");
        QVERIFY(interne()->isVisible());
        ganzImBild(Seite::Gruen);
        QCOMPARE(interne()->zelle(0, 0), QStringLiteral("2.500,00 "));
        QCOMPARE(interne()->zelle(13, 1), QStringLiteral("einmalig"));
        QCOMPARE(interne()->zelle(14, 2), QStringLiteral("Lohnsteuer"));
        QVERIFY(interne()->zelle(14, 0).startsWith(QLatin1Char('-')));
        QCOMPARE(interne()->zelle(14, 1), QStringLiteral("0,00 "));  // no one-time payment
        const auto& m = *interne()->model();
        QCOMPARE(m.data(m.index(14, 0), Qt::BackgroundRole).value<QBrush>().color(),
                 farben::kHellgruen);

        klicken("befehl_5");  // the blue values replace the green ones
        QCOMPARE(interne()->seite(), Seite::Blau);
        ganzImBild(Seite::Blau);
        QCOMPARE(interne()->zelle(0, 0), QStringLiteral("1.800,00 "));
        QCOMPARE(m.data(m.index(14, 0), Qt::BackgroundRole).value<QBrush>().color(),
                 farben::kHellcyan);
        klicken("monat_0");
        QVERIFY(!interne()->isVisible());
    }

    // December with the employer's adjustment: its column and the stored total beside the parts.
    void interneWerteMitJahresausgleich() {
        sitzung().betragEingeben(Seite::Gruen, zeile::Gehalt, "3800");
        sitzung().monatWaehlen(kMonate - 1);
        sitzung().auswahlTreffen(Seite::Gruen, zeile::Jahresausgleich, wahl::ausgleich::Mit);
        fenster()->darstellen();
        klicken("befehl_6");
        QCOMPARE(interne()->zelle(13, 2), QStringLiteral("Jahresausgleich"));
        QCOMPARE(interne()->zelle(13, 3), QStringLiteral("gesamt"));
        QCOMPARE(interne()->zelle(14, 4), QStringLiteral("Lohnsteuer"));
        ganzImBild(Seite::Gruen);
    }

    void druckenOhneDruckerBietetPdfAn() {
        if (!ohneDrucker()) QSKIP("this machine has a default printer");
        const QString pdf = verzeichnis_.filePath(QStringLiteral("ausdruck.pdf"));
        const auto vorher = sitzung().arbeitsbereich();
        for (const char* knopf : {"befehl_0", "befehl_30", "befehl_8"}) {
            for (int monatsknopf : {0, 12}) {
                QFile::remove(pdf);
                meldungen_.fragen.clear();
                meldungen_.pdfDatei = std::filesystem::path(pdf.toStdString());
                klicken(QStringLiteral("monat_%1").arg(monatsknopf));
                klicken(QString::fromLatin1(knopf));
                QCOMPARE(meldungen_.fragen.size(), std::size_t{1});
                QVERIFY(meldungen_.fragen.front().contains(QStringLiteral("kein Drucker")));
                QVERIFY(QFile::exists(pdf));
            }
        }
        QVERIFY(meldungen_.gezeigt.empty());
        QVERIFY(sitzung().arbeitsbereich() == vorher);
    }
};

QTEST_MAIN(BefehleTest)
#include "befehle_test.moc"
