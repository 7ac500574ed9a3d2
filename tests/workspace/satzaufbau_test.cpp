#include "workspace/datensaetze.h"

#include <gtest/gtest.h>

#include "testhilfen.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {
namespace {

using test::Bytes;
using test::le16;
using test::le32;

Bytes alsBytes(const Monatssatz& satz) {
    Bytes b(kMonatssatzLaenge, 0xAA);
    monatssatzSchreiben(satz, Monatssatzbytes(b.data(), b.size()));
    return b;
}

Bytes alsBytes(const Fallkopf& kopf) {
    Bytes b(kKopfsatzLaenge, 0xAA);
    kopfsatzSchreiben(kopf, Kopfsatzbytes(b.data(), b.size()));
    return b;
}

Bytes text(Bytes anfang, std::size_t laenge) {
    anfang.resize(laenge, ' ');
    return anfang;
}

// Every field gets values of its own, so a field at a wrong offset shows up.
TEST(WorkspaceSatzaufbau, MonatssatzFelderLiegenAnIhrenOffsets) {
    Monatssatz satz;
    for (int z = 0; z < kZeilen; ++z) {
        satz.Auswahl[z] = static_cast<std::int16_t>(-100 - z);
        satz.Betrag[z] = 0x01000000 + z;
        satz.Kennwert[z] = -0x03000000 - z;
    }
    for (int i = 0; i < kAnteilZeilen; ++i) {
        satz.Stundenanteil[i] = 0x02000000 + i;
        satz.Tagesanteil[i] = 0x02100000 + i;
    }
    satz.Kommentar = "Zäh €";
    const Bytes b = alsBytes(satz);
    for (int z = 0; z < kZeilen; ++z) {
        EXPECT_EQ(le16(b, 0 + 2 * z), -100 - z) << z;
        EXPECT_EQ(le32(b, 62 + 4 * z), 0x01000000 + z) << z;
        EXPECT_EQ(le32(b, 250 + 4 * z), -0x03000000 - z) << z;
    }
    for (int i = 0; i < kAnteilZeilen; ++i) {
        EXPECT_EQ(le32(b, 186 + 4 * i), 0x02000000 + i) << i;
        EXPECT_EQ(le32(b, 218 + 4 * i), 0x02100000 + i) << i;
    }
    EXPECT_EQ(Bytes(b.begin() + 374, b.begin() + 494), text({'Z', 0xE4, 'h', ' ', 0x80}, 120));
    EXPECT_EQ(le16(b, 494), -1);
    EXPECT_EQ(monatssatzLesen(std::span<const std::uint8_t, kMonatssatzLaenge>(b.data(), b.size())),
              satz);
    satz.Gemeinsam = false;
    EXPECT_EQ(le16(alsBytes(satz), 494), 0);
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
    for (int i = 0; i < 40; ++i) kopf.Fallname += "Ä";  // cut to 35 characters
    kopf.Versorgungsbeginn = 2;
    kopf.Reserviert = 0x1234;
    kopf.ErsterVollerMonatsbezug = Money::whole(123456);
    kopf.VersorgungsSonderzahlung = Money::whole(-7);
    kopf.ReservierterText = "frei";
    const Bytes b = alsBytes(kopf);
    for (int m = 0; m < kMonate; ++m) {
        EXPECT_EQ(le32(b, 0 + 4 * m), 1000 + m);
        EXPECT_EQ(le32(b, 48 + 4 * m), -2000 - m);
    }
    for (int e = 0; e < 60; ++e) {
        EXPECT_EQ(le16(b, 96 + 2 * e), e == 31 ? 0 : -1) << e;
        EXPECT_EQ(le16(b, 216 + 2 * e), e == 59 ? 0 : -1) << e;
    }
    EXPECT_EQ(Bytes(b.begin() + 336, b.begin() + 371), Bytes(35, 0xC4));
    EXPECT_EQ(le16(b, 371), 2);
    EXPECT_EQ(le16(b, 373), 0x1234);
    EXPECT_EQ(le32(b, 375), 123456);
    EXPECT_EQ(le32(b, 379), -7);
    EXPECT_EQ(Bytes(b.begin() + 383, b.end()), text({'f', 'r', 'e', 'i'}, 23));
    kopf.Fallname.clear();
    for (int i = 0; i < 35; ++i) kopf.Fallname += "Ä";
    const Bytes kurz = alsBytes(kopf);
    EXPECT_EQ(
        kopfsatzLesen(std::span<const std::uint8_t, kKopfsatzLaenge>(kurz.data(), kurz.size())),
        kopf);
}

TEST(WorkspaceSatzaufbau, VersorgungsbetraegeWerdenAufGanzeHundertstelGerundet) {
    // Money counts hundredths here; half a hundredth is 5000 units; halves go to even.
    const std::pair<std::int64_t, std::int32_t> faelle[] = {
        {12340000, 1234},   {12344999, 1234},       {12345001, 1235},
        {12345000, 1234},   {12355000, 1236},       {-12345000, -1234},
        {-12355001, -1236}, {INT64_MAX, INT32_MAX}, {INT64_MIN, INT32_MIN}};
    for (const auto& [einheiten, gespeichert] : faelle) {
        Fallkopf kopf;
        kopf.VersorgungsSonderzahlung = Money::raw(einheiten);
        EXPECT_EQ(le32(alsBytes(kopf), 379), gespeichert) << einheiten;
    }
}

TEST(WorkspaceSatzaufbau, EinstellungssatzWerteUndRest) {
    Einstellungen e{2005, 7, 12, -30, 45, 9000, 12000, {}};
    for (std::size_t i = 0; i < e.Rest.size(); ++i) e.Rest[i] = static_cast<std::uint8_t>(i);
    Bytes b(kKopfsatzLaenge, 0xAA);
    einstellungssatzSchreiben(e, Kopfsatzbytes(b.data(), b.size()));
    const std::int32_t werte[] = {2005, 7, 12, -30, 45, 9000, 12000};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(le32(b, 4 * i), werte[i]) << i;
    EXPECT_TRUE(std::equal(e.Rest.begin(), e.Rest.end(), b.begin() + 28));
    EXPECT_EQ(
        einstellungssatzLesen(std::span<const std::uint8_t, kKopfsatzLaenge>(b.data(), b.size())),
        e);
}

// A value unique to one month or header is found in the file at its record's place.
TEST(WorkspaceSatzaufbau, SatznummernUndIhrPlatzInDerDatei) {
    const struct {
        int jahr, berechnung, monat, satz;
    } monate[] = {{0, 0, 0, 1},   {0, 0, 11, 12}, {0, 1, 0, 13},  {0, 9, 11, 120},
                  {1, 0, 0, 121}, {1, 5, 1, 182}, {2, 0, 0, 241}, {3, 9, 11, 480}};
    const struct {
        int jahr, berechnung, satz;
    } koepfe[] = {{0, 0, 1}, {0, 9, 10}, {1, 0, 11}, {3, 9, 40}};
    Arbeitsbereich ab = neuerArbeitsbereich();
    for (const auto& f : monate) ab.monat(f.jahr, f.berechnung, f.monat).Betrag[5] = f.satz;
    for (const auto& f : koepfe) ab.kopf(f.jahr, f.berechnung).KvBbgRest[0] = -f.satz;
    const Bytes monatsdatei = monatsdateiBytes(ab);
    const Bytes kopfdatei = kopfdateiBytes(ab, neueEinstellungen(ab));
    ASSERT_EQ(monatsdatei.size(), 480u * 496u);
    ASSERT_EQ(kopfdatei.size(), 401u * 406u);
    for (const auto& f : monate) {
        EXPECT_EQ(monatssatzNummer(f.jahr, f.berechnung, f.monat), f.satz);
        EXPECT_EQ(le32(monatsdatei, (f.satz - 1) * 496 + 62 + 4 * 5), f.satz);
    }
    for (const auto& f : koepfe) {
        EXPECT_EQ(kopfsatzNummer(f.jahr, f.berechnung), f.satz);
        EXPECT_EQ(le32(kopfdatei, (f.satz - 1) * 406), -f.satz);
    }
}

}  // namespace
}  // namespace brelvanostik
