// One-time payments: their taxes as the difference of two annual runs, the minimum church
// tax, and their contributions within the ceiling that earlier months left unused.

#include <algorithm>

#include "payroll/monatsberechnung.h"
#include "payroll/parameter.h"
#include "payroll/rundung.h"

namespace brelvanostik {

Monatsberechnung::Jahressteuer Monatsberechnung::jahreslauf(Money jahreslohn,
                                                            Money versorgungsbezuege) {
    // Every other input keeps the month's own run, tax-card entries included. The pension
    // allowance of a year is that of the months in which pensions are paid.
    engine_.LZZ = 1;
    engine_.ZMVB = Money::whole(versorgungsmonate());
    engine_.RE4 = jahreslohn;
    engine_.VBEZ = versorgungsbezuege.gerundet();
    engine_.lohnsteuer();
    Jahressteuer s;
    s.lohnsteuer = -engine_.LSTPERIODE.toInt64();
    s.soli = -engine_.SOLZLZZ.toInt64();
    s.kirchensteuer = -(engine_.BK * kirchensatz_).abgeschnitten().toInt64();
    return s;
}

int Monatsberechnung::versorgungsmonate() const {
    int monate = 0;
    for (const Monatssatz* satz : monate_) {
        if (satz->tagesanteil(6) != 0 || satz->tagesanteil(8) != 0) ++monate;
    }
    return monate;
}

void Monatsberechnung::einmalSteuern(int m) {
    Monatssatz& satz = *monate_[m];
    // Sums of rows 5..9, row 15 and the tax-free salary conversions of row 25.
    std::array<Money, kEinkommenZeilen> s{};
    Money zusaetzlich, umwandlung;
    const auto zusatzzeilen = [&](const Monatssatz& k) {
        zusaetzlich += cent(k.Betrag[15]);
        if (k.Auswahl[25] < 2) umwandlung += cent(k.Betrag[25]);
    };
    const auto summe = [&] {
        Money w = zusaetzlich + umwandlung;
        for (Money x : s) w += x;
        return w;
    };

    // Taxable pay up to the previous month, one-time payments included.
    for (int k = 0; k < m; ++k) {
        for (int z = 5; z <= 9; ++z) s[z - 5] += cent(monate_[k]->tagesanteil(z));
        zusatzzeilen(*monate_[k]);
    }
    satz.Kennwert[0] = gesaettigt(summe().toInt64());

    // The expected annual wage assumes the current pay of this month for the rest of the
    // year; one-time payments of this and later months are not expected.
    for (int k = m; k < kMonate; ++k) {
        s[0] += cent(monate_[k]->tagesanteil(5));
        s[1] += cent(monate_[k]->tagesanteil(6));
        zusatzzeilen(*monate_[k]);
    }
    const Money ohne = summe();
    const Money einmal = cent(satz.tagesanteil(7));
    const Money einmalVersorgung = cent(satz.tagesanteil(8));
    const Money mit = ohne + einmal + einmalVersorgung;
    satz.Kennwert[1] = gesaettigt(ohne.toInt64());
    satz.Kennwert[2] = gesaettigt(mit.toInt64());

    // Both annual runs are made every month, with or without a payment: the engine's state
    // after a recalculation is that of the last run, whoever reads it next.
    const Money versorgung = s[1] + s[3];
    const Jahressteuer vorher = jahreslauf(ohne, versorgung);
    const Jahressteuer nachher = jahreslauf(mit, versorgung + einmalVersorgung);
    const std::array<std::int64_t, 3> differenz{nachher.lohnsteuer - vorher.lohnsteuer,
                                                nachher.soli - vorher.soli,
                                                nachher.kirchensteuer - vorher.kirchensteuer};
    for (int z = 0; z < 3; ++z) {
        satz.Betrag[17 + z] = gesaettigt(satz.Betrag[17 + z] + differenz[z]);
        satz.Kennwert[6 + z] = gesaettigt(differenz[z]);
    }
}

void Monatsberechnung::mindestkirchensteuer(int m) {
    Monatssatz& satz = *monate_[m];
    const int code = satz.Auswahl[19];
    if (code != 3 && code != 4) return;
    // Due only when the current pay bears wage tax; a one-time payment does not count.
    const std::int32_t steuer = satz.Kennwert[3] < 0 ? -mindestkirchensteuerbetrag(code) : 0;
    satz.Betrag[19] = steuer;
    satz.Kennwert[8] = steuer;
}

void Monatsberechnung::einmalBeitraege(int m) {
    Monatssatz& satz = *monate_[m];
    auto& kw = satz.Kennwert;
    const std::int64_t einmal = satz.tagesanteil(7);

    // The one-time payment is subject to contributions only up to the part of the ceilings
    // that the months so far left unused; what it takes is booked against this month, and a
    // negative remainder lowers what later months can use.
    const auto verbrauchen = [&](std::array<std::int32_t, kMonate>& rest, int zeile) {
        std::int64_t bisher = 0;
        for (int k = 0; k <= m; ++k) bisher += rest[k];
        std::int64_t verwendet;
        if (einmal >= bisher) {
            verwendet = bisher;
            rest[m] = gesaettigt(std::max<std::int64_t>(rest[m] - bisher, 0));
        } else {
            verwendet = einmal;
            rest[m] = gesaettigt(rest[m] - einmal);
        }
        kw[zeile] = gesaettigt(bisher);
        kw[zeile + 1] = gesaettigt(verwendet);
        kw[zeile + 2] = gesaettigt(bisher - verwendet);
    };
    verbrauchen(kopf_->KvBbgRest, 19);
    verbrauchen(kopf_->RvBbgRest, 22);

    const Parameter& p = parameter();
    const double kv = kw[20];
    const double rv = kw[23];
    const double pv = p.pvsatz[tabellenindex_].toDouble();
    const double rvSatz = p.rvsatz[tabellenindex_].toDouble();
    const double av = p.avsatz[tabellenindex_].toDouble();
    const auto& wahl = satz.Auswahl;
    // Only the plain halves and subsidies apply; the sliding zone, the Saxony care options
    // and no insurance leave the one-time payment free.
    const auto haelfte = [](int code, double betrag) {
        return code == 0 ? centAus(-betrag) : code == 1 ? centAus(betrag) : 0;
    };
    kw[14] = haelfte(wahl[20], satz.Betrag[4] * kv / 20000.0);
    kw[15] = haelfte(wahl[21], pv * kv / 100.0);
    kw[16] = haelfte(wahl[22], rvSatz * rv / 100.0);
    kw[17] = wahl[23] == 0 ? centAus(-av * rv / 100.0) : 0;
    kw[18] = wahl[3] != 3 ? centAus(-zusatzbeitragssatz(wahl[24]) / 100.0 * kv) : 0;

    for (int z = 0; z < 5; ++z) {
        satz.Betrag[20 + z] =
            gesaettigt(static_cast<std::int64_t>(satz.Betrag[20 + z]) + kw[14 + z]);
    }
    kw[27] = gesaettigt(static_cast<std::int64_t>(kvpflichtig_) + kw[20]);
    kw[28] = gesaettigt(static_cast<std::int64_t>(rvpflichtig_) + kw[23]);
}

}  // namespace brelvanostik
