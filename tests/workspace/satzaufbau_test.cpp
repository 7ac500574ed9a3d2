// The two data files byte by byte: every field's offset in its record, where each record
// lies, and what a new workspace writes into it.
#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "testhilfen.h"
#include "workspace/datensaetze.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {
namespace {

using test::Bytes;
using test::le;
using test::teil;

/// A text field: the text in the code page, padded with blanks.
Bytes feld(const std::string& text, std::size_t laenge) {
    Bytes b = nachCp1252(text);
    b.resize(laenge, ' ');
    return b;
}

// Every field gets values of its own, so a field at a wrong offset shows up.
TEST(WorkspaceSatzaufbau, MonatssatzFelderLiegenAnIhrenOffsets) {
    Monatssatz satz;
    for (int z = 0; z < kZeilen; ++z) {
        satz.Auswahl[z] = static_cast<std::int16_t>(-100 - z);
        satz.Betrag[z] = 0x01000000 + z;
        satz.Kennwert[z] = -0x03000000 - z;
        if (z < kAnteilZeilen) satz.Stundenanteil[z] = 0x02000000 + z;
        if (z < kAnteilZeilen) satz.Tagesanteil[z] = 0x02100000 + z;
    }
    satz.Kommentar = "Zäh €";
    Bytes b(kMonatssatzLaenge, 0xAA);
    monatssatzSchreiben(satz, Monatssatzbytes(b.data(), b.size()));
    for (int z = 0; z < kZeilen; ++z) {
        EXPECT_EQ((std::array{le(b, 2 * z, 2), le(b, 62 + 4 * z), le(b, 250 + 4 * z)}),
                  (std::array{-100 - z, 0x01000000 + z, -0x03000000 - z}))
            << z;
        if (z < kAnteilZeilen) {
            EXPECT_EQ((std::array{le(b, 186 + 4 * z), le(b, 218 + 4 * z)}),
                      (std::array{0x02000000 + z, 0x02100000 + z}));
        }
    }
    EXPECT_EQ(teil(b, 374, 120), feld("Zäh €", 120));
    EXPECT_EQ(le(b, 494, 2), -1);
    EXPECT_EQ(monatssatzLesen(std::span<const std::uint8_t, kMonatssatzLaenge>(b.data(), b.size())),
              satz);
    satz.Gemeinsam = false;
    monatssatzSchreiben(satz, Monatssatzbytes(b.data(), b.size()));
    EXPECT_EQ(le(b, 494, 2), 0);
}

TEST(WorkspaceSatzaufbau, FallkopfFelderLiegenAnIhrenOffsets) {
    Fallkopf kopf = neuerFallkopf(0);
    for (int m = 0; m < kMonate; ++m) {
        kopf.KvBbgRest[m] = 1000 + m;
        kopf.RvBbgRest[m] = -2000 - m;
    }
    kopf.InStundenquote[2][7] = false;  // row 7, August: element 2 x 12 + 7
    kopf.InTagesquote[4][11] = false;   // row 9, December: element 59
    kopf.Fallname.clear();
    for (int i = 0; i < 36; ++i) kopf.Fallname += "Ä";  // one character too many
    kopf.Versorgungsbeginn = 2;
    kopf.Reserviert = 0x1234;
    // Money counts hundredths of a cent; the file holds whole cents, halves to even.
    kopf.ErsterVollerMonatsbezug = Money::raw(12345001);
    kopf.VersorgungsSonderzahlung = Money::raw(-12355000);
    kopf.ReservierterText = "frei";
    Bytes b(kKopfsatzLaenge, 0xAA);
    kopfsatzSchreiben(kopf, Kopfsatzbytes(b.data(), b.size()));
    for (int m = 0; m < kMonate; ++m) {
        EXPECT_EQ((std::array{le(b, 4 * m), le(b, 48 + 4 * m)}), (std::array{1000 + m, -2000 - m}));
    }
    for (int e = 0; e < 60; ++e) {
        EXPECT_EQ(le(b, 96 + 2 * e, 2), e == 31 ? 0 : -1) << e;
        EXPECT_EQ(le(b, 216 + 2 * e, 2), e == 59 ? 0 : -1) << e;
    }
    EXPECT_EQ(teil(b, 336, 35), Bytes(35, 0xC4));
    EXPECT_EQ((std::array{le(b, 371, 2), le(b, 373, 2), le(b, 375), le(b, 379)}),
              (std::array{2, 0x1234, 1235, -1236}));
    EXPECT_EQ(teil(b, 383, 23), feld("frei", 23));
    kopf.Fallname.resize(35 * 2);  // "Ä" is two bytes in UTF-8
    kopf.ErsterVollerMonatsbezug = Money::whole(1235);
    kopf.VersorgungsSonderzahlung = Money::whole(-1236);
    EXPECT_EQ(kopfsatzLesen(std::span<const std::uint8_t, kKopfsatzLaenge>(b.data(), b.size())),
              kopf);
}

TEST(WorkspaceSatzaufbau, NeueMonatsdatei) {
    const Bytes datei = monatsdateiBytes(neuerArbeitsbereich());
    ASSERT_EQ(datei.size(), 480u * 496u);
    const int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Record r + 1 is year r / 120, calculation r / 12 % 10, month r % 12.
    for (std::size_t r = 0; r < 480; ++r) {
        const int jahr = static_cast<int>(r / 120), monat = static_cast<int>(r % 12);
        const int t = 100 * (monat == 1 && jahr == 0 ? 29 : tage[monat]);
        // 2004 and the green cases of 2005 start at 14.90 %, 2005's blue ones at 14.00 %.
        const int kv = r < 180 ? 1490 : r < 240 ? 1400 : 1390;
        const std::size_t s = r * 496;
        // Born after 1942, row 10 the month, 40 of 40 hours, all days, the rate, no results.
        EXPECT_EQ((std::array{le(datei, s + 2, 2), le(datei, s + 20, 2), le(datei, s + 62),
                              le(datei, s + 66), le(datei, s + 70), le(datei, s + 74),
                              le(datei, s + 78), le(datei, s + 494, 2)}),
                  (std::array{4, monat, 4000, 4000, t, t, kv, -1}))
            << "record " << r + 1;
        EXPECT_EQ(teil(datei, s + 82, 292), Bytes(292, 0)) << "record " << r + 1;
    }
    EXPECT_EQ(teil(datei, 2 * 496 + 374, 120), feld("Kommentar zum März-Gehalt", 120));
    EXPECT_EQ(teil(datei, 479 * 496 + 374, 120), feld("Kommentar zum Dezember-Gehalt", 120));
}

TEST(WorkspaceSatzaufbau, NeueKopfdateiUndEinstellungssatz) {
    const Arbeitsbereich ab = neuerArbeitsbereich();
    Einstellungen e = neueEinstellungen(ab);
    e.Monat = 12;
    e.Oben = -30;
    e.Links = 45;
    const Bytes datei = kopfdateiBytes(ab, e);
    ASSERT_EQ(datei.size(), 401u * 406u);
    // Record r + 1 is year r / 10, calculation r % 10: five green cases, their blue twins.
    for (std::size_t r = 0; r < 40; ++r) {
        const std::string n = std::to_string(r % 5 + 1);
        Bytes soll(96, 0);  // no carried ceilings; every income row in both ratios
        soll.resize(96 + 240, 0xFF);
        const Bytes name =
            feld(r % 10 < 5 ? "O R I G I N A L   " + n : "A L T E R N A T I V E   " + n, 35);
        soll.insert(soll.end(), name.begin(), name.end());
        soll.insert(soll.end(), {0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        soll.resize(406, ' ');
        EXPECT_EQ(teil(datei, r * 406, 406), soll) << "record " << r + 1;
    }
    EXPECT_EQ(teil(datei, 40 * 406, 360 * 406), Bytes(360 * 406, 0));
    // Record 401: year, case, month, window; then what the header buffer last held, record 40.
    const std::int32_t werte[] = {2007, 1, 12, -30, 45, 9885, 11145};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(le(datei, 400 * 406 + 4 * i), werte[i]) << i;
    EXPECT_EQ(teil(datei, 400 * 406 + 28, 378), teil(datei, 39 * 406 + 28, 378));
    EXPECT_EQ(einstellungssatzLesen(
                  std::span<const std::uint8_t, kKopfsatzLaenge>(datei.data() + 400 * 406, 406)),
              e);
}

}  // namespace
}  // namespace brelvanostik
