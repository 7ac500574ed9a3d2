// The German number formats of the window, whatever the machine's own locale is.
#include <QLocale>
#include <QTest>

#include "ui/zahlenformat.h"

using namespace brelvanostik;

class ZahlenformatTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void betrag_data() {
        QTest::addColumn<qint64>("hundertstel");
        QTest::addColumn<QString>("text");
        QTest::newRow("null") << qint64{0} << "0,00";
        QTest::newRow("cent") << qint64{-5} << "-0,05";
        QTest::newRow("tausend") << qint64{300000} << "3.000,00";
        QTest::newRow("million") << qint64{100000000} << "1.000.000,00";
        QTest::newRow("negativ") << qint64{-123456} << "-1.234,56";
        QTest::newRow("kleinster")
            << std::numeric_limits<qint64>::min() << "-92.233.720.368.547.758,08";
    }
    void betrag() {
        QFETCH(qint64, hundertstel);
        QFETCH(QString, text);
        QCOMPARE(zahlenformat::betrag(hundertstel), text);
    }

    void andereFormate() {
        QCOMPARE(zahlenformat::eingabe(300000), QStringLiteral("3000,00"));
        QCOMPARE(zahlenformat::eingabe(-5000), QStringLiteral("50,00"));  // the sign is the row's
        QCOMPARE(zahlenformat::ohneGruppierung(1990), QStringLiteral("19,90"));
        QCOMPARE(zahlenformat::ohneGruppierung(123456), QStringLiteral("1234,56"));
        QCOMPARE(zahlenformat::betragKurz(123450), QStringLiteral("1.234,5"));
        QCOMPARE(zahlenformat::betragKurz(123400), QStringLiteral("1.234"));
        QCOMPARE(zahlenformat::betragKurz(123405), QStringLiteral("1.234,05"));
        QCOMPARE(zahlenformat::ganz(3050, true), QStringLiteral("31"));
        QCOMPARE(zahlenformat::ganz(3049, true), QStringLiteral("30"));
        QCOMPARE(zahlenformat::ganz(-40, false), QStringLiteral("0"));
        QCOMPARE(zahlenformat::ganz(123456789, true), QStringLiteral("1.234.568"));
    }

    void prozent_data() {
        QTest::addColumn<qint64>("tausendstel");
        QTest::addColumn<QString>("text");
        QTest::newRow("drei Stellen") << qint64{23456} << "23,456";
        QTest::newRow("ganz") << qint64{25000} << "25";
        QTest::newRow("eine Stelle") << qint64{20500} << "20,5";
        QTest::newRow("kleiner Anteil") << qint64{7} << "0,007";
        QTest::newRow("alles") << qint64{100000} << "100";
    }
    void prozent() {
        QFETCH(qint64, tausendstel);
        QFETCH(QString, text);
        QCOMPARE(zahlenformat::prozent(tausendstel), text);
    }
};

QTEST_APPLESS_MAIN(ZahlenformatTest)
#include "zahlenformat_test.moc"
