// The command buttons, the all-months table and the internal values, driven as a user
// drives them: each command closes what lies over the calculation first.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "fenstertest.h"
#include "help/infotexte.h"
#include "testmeldungen.h"
#include "ui/allemonatetabelle.h"
#include "ui/befehlsleiste.h"
#include "ui/farben.h"
#include "ui/hauptfenster.h"
#include "ui/internewerte.h"
#include "ui/programm.h"
#include "workspace/zeilen.h"

using namespace brelvanostik;

class BefehleTest : public Fenstertest {
    Q_OBJECT

    void klicken(const QString& name) { QTest::mouseClick(finde(name), Qt::LeftButton); }
    AlleMonateTabelle* tabelle() const {
        return finde<AlleMonateTabelle>(QStringLiteral("tabelle"));
    }
    InterneWerteTabelle* interne() const {
        return finde<InterneWerteTabelle>(QStringLiteral("internewerte"));
    }
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
        const QRect haelfte =
            finde(seite == Seite::Gruen ? QStringLiteral("seite_0") : QStringLiteral("seite_30"))
                ->geometry();
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
    void init() {
        QVERIFY(programmStarten());
        fenster()->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster()));
    }
    void cleanup() { programmBeenden(); }

    // The tips themselves are the help texts' business; here every button shows its own.
    void knoepfeHabenBildNameUndTipp() {
        auto* tipp = finde<QLabel>(QStringLiteral("tipp"));
        QEvent betreten(QEvent::Enter);
        for (const int nummer : {0, 30, 8, 6, 5, 3, 4, 31}) {
            auto* knopf = finde<QPushButton>(QStringLiteral("befehl_%1").arg(nummer));
            QApplication::sendEvent(knopf, &betreten);
            const std::string_view erwartet = befehlstipp(static_cast<Befehl>(nummer));
            QCOMPARE(tipp->text(), QString::fromUtf8(erwartet.data(), qsizetype(erwartet.size())));
            QVERIFY(!knopf->icon().isNull());
            QVERIFY(!knopf->accessibleName().isEmpty());
        }
        // A standard-size window offers to maximise; maximised, it offers the standard size.
        QVERIFY(finde(QStringLiteral("befehl_31"))->isVisible());
        QVERIFY(!finde(QStringLiteral("befehl_1"))->isVisible());
        klicken(QStringLiteral("befehl_31"));
        QVERIFY(finde(QStringLiteral("befehl_1"))->isVisible());
        QVERIFY(!finde(QStringLiteral("befehl_31"))->isVisible());
    }

    void alleMonateZeigenDieSeiteInIhrerFarbe() {
        Sitzung& s = *programm_->sitzung();
        s.betragEingeben(Seite::Gruen, 5, "3000");
        s.betragEingeben(Seite::Blau, 25, "50");
        // A December refund of wage tax, as the annual adjustment pays it.
        s.arbeitsbereich().monat(3, 0, 11).Betrag[17] = 12345;
        klicken(QStringLiteral("monat_13"));
        QVERIFY(tabelle()->isVisible());
        befehleDerSeitenSichtbar(true, false);
        QCOMPARE(tabelle()->model()->rowCount(), 24);
        QCOMPARE(tabelle()->model()->columnCount(), 14);
        QCOMPARE(zelle(0, 0).toString(), QStringLiteral("Gehalt"));
        QCOMPARE(zelle(0, 1).toString(), QStringLiteral("JAN."));
        QCOMPARE(zelle(0, 13).toString(), QStringLiteral("Summe"));
        QCOMPARE(zelle(1, 1).toString(), QStringLiteral("3.000,00"));
        QCOMPARE(zelle(1, 13).toString(), QStringLiteral("36.000,00 "));
        QCOMPARE(zelle(2, 13).toString(), QStringLiteral("0,00 "));
        QCOMPARE(zelle(0, 0, Qt::BackgroundRole).value<QColor>(), farben::kHellgruen);
        QCOMPARE(zelle(3, 13, Qt::BackgroundRole).value<QColor>(), farben::kHellgruen);
        QCOMPARE(zelle(3, 5, Qt::BackgroundRole).value<QColor>(), farben::kWeiss);
        QCOMPARE(zelle(7, 1, Qt::ForegroundRole).value<QColor>(), farben::kHellrot);
        QCOMPARE(zelle(7, 12).toString(), QStringLiteral("123,45"));
        QCOMPARE(zelle(7, 12, Qt::ForegroundRole).value<QColor>(), farben::kSchwarz);
        QCOMPARE(zelle(2, 1, Qt::ForegroundRole).value<QColor>(), farben::kSchwarz);

        klicken(QStringLiteral("monat_14"));
        QVERIFY(tabelle()->isVisible());
        befehleDerSeitenSichtbar(false, true);
        QCOMPARE(zelle(0, 0, Qt::BackgroundRole).value<QColor>(), farben::kHellcyan);
        QCOMPARE(zelle(17, 1).toString(), QStringLiteral("-50,00"));  // the blue twin's saving
        // The sum row and the net row of the blue calculation.
        QCOMPARE(zelle(16, 0).toString(), QStringLiteral("N E T T O"));
        QCOMPARE(zelle(15, 0).toString(), QStringLiteral("Su. A B Z Ü G E"));

        klicken(QStringLiteral("monat_2"));
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

    void taschenrechnerUndProgramminformation() {
        auto* taschenrechner = finde(QStringLiteral("rechner"));
        klicken(QStringLiteral("befehl_2"));
        QVERIFY(taschenrechner->isVisible());
        klicken(QStringLiteral("befehl_2"));
        QVERIFY(!taschenrechner->isVisible());
        klicken(QStringLiteral("befehl_4"));
        QVERIFY(finde(QStringLiteral("programminfo"))->isVisible());
        klicken(QStringLiteral("monat_13"));
        QVERIFY(!finde(QStringLiteral("programminfo"))->isVisible());
        // The tax steps command opens that window of its own.
        auto* leiste = finde<Befehlsleiste>(QStringLiteral("befehlsleiste"));
        QSignalSpy schritte(leiste, &Befehlsleiste::steuerschritteGeklickt);
        klicken(QStringLiteral("befehl_3"));
        QCOMPARE(schritte.count(), 1);
        QVERIFY(!tabelle()->isVisible());
        bool offen = false;
        for (const QWidget* w : QApplication::topLevelWidgets())
            offen |= w != fenster() && w->isVisible();
        QVERIFY(offen);
    }

    void interneWerteDerSeite() {
        Sitzung& s = *programm_->sitzung();
        s.betragEingeben(Seite::Gruen, 5, "2500");
        s.betragEingeben(Seite::Blau, 5, "1800");
        fenster()->darstellen();
        klicken(QStringLiteral("befehl_6"));
        QVERIFY(interne()->isVisible());
        ganzImBild(Seite::Gruen);
        QCOMPARE(interne()->zelle(14, 2), QStringLiteral("Lohnsteuer"));
        QCOMPARE(interne()->zelle(22, 2), QStringLiteral("SV-Zusatzbeitrag"));
        QCOMPARE(interne()->zelle(0, 0), QStringLiteral("2.500,00 "));
        QCOMPARE(interne()->zelle(0, 2), QStringLiteral("Steuerpflichtiges Entgelt bis Vormonat"));
        QCOMPARE(interne()->zelle(13, 0), QStringLiteral("laufend"));
        QCOMPARE(interne()->zelle(13, 1), QStringLiteral("einmalig"));
        QCOMPARE(interne()->zelle(14, 1), QStringLiteral("0,00 "));  // no one-time payment
        QCOMPARE(interne()->zelle(24, 2), QStringLiteral("Summe der gesetzlichen Abzüge"));
        QVERIFY(interne()->zelle(14, 0).startsWith(QLatin1Char('-')));
        const auto& m = *interne()->model();
        QCOMPARE(m.data(m.index(14, 0), Qt::BackgroundRole).value<QBrush>().color(),
                 farben::kHellgruen);

        klicken(QStringLiteral("befehl_5"));  // the blue values replace the green ones
        QVERIFY(interne()->isVisible());
        QCOMPARE(interne()->seite(), Seite::Blau);
        ganzImBild(Seite::Blau);
        QCOMPARE(interne()->zelle(0, 0), QStringLiteral("1.800,00 "));
        QCOMPARE(interne()->zelle(0, 2), QStringLiteral("Steuerpflichtiges Entgelt bis Vormonat"));
        QCOMPARE(m.data(m.index(14, 0), Qt::BackgroundRole).value<QBrush>().color(),
                 farben::kHellcyan);
        klicken(QStringLiteral("monat_0"));
        QVERIFY(!interne()->isVisible());
    }

    // December with the employer's adjustment: its column and the stored total beside the parts.
    void interneWerteMitJahresausgleich() {
        Sitzung& s = *programm_->sitzung();
        s.betragEingeben(Seite::Gruen, zeile::Gehalt, "3800");
        s.monatWaehlen(kMonate - 1);
        s.auswahlTreffen(Seite::Gruen, zeile::Jahresausgleich, wahl::ausgleich::Mit);
        fenster()->darstellen();
        klicken(QStringLiteral("befehl_6"));
        QCOMPARE(interne()->zelle(13, 2), QStringLiteral("Jahresausgleich"));
        QCOMPARE(interne()->zelle(13, 3), QStringLiteral("gesamt"));
        QCOMPARE(interne()->zelle(24, 4), QStringLiteral("Summe der gesetzlichen Abzüge"));
        QCOMPARE(interne()->zelle(14, 4), QStringLiteral("Lohnsteuer"));
        ganzImBild(Seite::Gruen);
    }

    void druckenOhneDruckerBietetPdfAn() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        const QString pdf = verzeichnis_.filePath(QStringLiteral("ausdruck.pdf"));
        const auto vorher = programm_->sitzung()->arbeitsbereich();
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
        QVERIFY(programm_->sitzung()->arbeitsbereich() == vorher);
    }
};

QTEST_MAIN(BefehleTest)
#include "befehle_test.moc"
