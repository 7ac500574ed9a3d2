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
        if (satz->tagesanteil(zeile::Versorgungsbezug) != 0 ||
            satz->tagesanteil(zeile::EinmaligerVersorgungsbezug) != 0) {
            ++monate;
        }
    }
    return monate;
}

void Monatsberechnung::einmalSteuern(int m) {
    Monatssatz& satz = *monate_[m];
    // Sums of the income rows, the additional taxable amounts and the tax-free salary
    // conversions.
    std::array<Money, kEinkommenZeilen> s{};
    Money zusaetzlich, umwandlung;
    const auto zusatzzeilen = [&](const Monatssatz& k) {
        zusaetzlich += cent(k.Betrag[zeile::ZusaetzlichSteuerpflichtig]);
        if (wahl::abzug::steuerfrei(k.Auswahl[zeile::Abzug]))
            umwandlung += cent(k.Betrag[zeile::Abzug]);
    };
    const auto summe = [&] {
        Money w = zusaetzlich + umwandlung;
        for (Money x : s) w += x;
        return w;
    };

    // Taxable pay up to the previous month, one-time payments included.
    for (int k = 0; k < m; ++k) {
        for (int z = zeile::Gehalt; z <= zeile::MehrjahresVerguetung; ++z) {
            s[einkommen(z)] += cent(monate_[k]->tagesanteil(z));
        }
        zusatzzeilen(*monate_[k]);
    }
    satz.Kennwert[kennwert::SteuerpflichtigBisher] = gesaettigt(summe().toInt64());

    // The expected annual wage assumes the current pay of this month for the rest of the
    // year; one-time payments of this and later months are not expected.
    for (int k = m; k < kMonate; ++k) {
        for (const int z : {zeile::Gehalt, zeile::Versorgungsbezug}) {
            s[einkommen(z)] += cent(monate_[k]->tagesanteil(z));
        }
        zusatzzeilen(*monate_[k]);
    }
    const Money ohne = summe();
    const Money einmal = cent(satz.tagesanteil(zeile::EinmaligerBezug));
    const Money einmalVersorgung = cent(satz.tagesanteil(zeile::EinmaligerVersorgungsbezug));
    const Money mit = ohne + einmal + einmalVersorgung;
    satz.Kennwert[kennwert::JahreslohnOhneEinmal] = gesaettigt(ohne.toInt64());
    satz.Kennwert[kennwert::JahreslohnMitEinmal] = gesaettigt(mit.toInt64());

    // Both annual runs are made every month, with or without a payment: the engine's state
    // after a recalculation is that of the last run, whoever reads it next.
    const Money versorgung =
        s[einkommen(zeile::Versorgungsbezug)] + s[einkommen(zeile::EinmaligerVersorgungsbezug)];
    const Jahressteuer vorher = jahreslauf(ohne, versorgung);
    const Jahressteuer nachher = jahreslauf(mit, versorgung + einmalVersorgung);
    const std::array<std::int64_t, kSteuerabzuege.size()> differenz{
        nachher.lohnsteuer - vorher.lohnsteuer, nachher.soli - vorher.soli,
        nachher.kirchensteuer - vorher.kirchensteuer};
    for (std::size_t i = 0; i < kSteuerabzuege.size(); ++i) {
        const Abzugsteile& t = kSteuerabzuege[i];
        satz.Betrag[t.zeile] = gesaettigt(satz.Betrag[t.zeile] + differenz[i]);
        satz.Kennwert[t.einmalig] = gesaettigt(differenz[i]);
    }
}

void Monatsberechnung::mindestkirchensteuer(int m) {
    Monatssatz& satz = *monate_[m];
    const int code = satz.Auswahl[zeile::Kirchensteuer];
    if (!wahl::kirche::istMindest(code)) return;
    // Due only when the current pay bears wage tax; a one-time payment does not count.
    const std::int32_t steuer =
        satz.Kennwert[kennwert::LohnsteuerLaufend] < 0 ? -mindestkirchensteuerbetrag(code) : 0;
    satz.Betrag[zeile::Kirchensteuer] = steuer;
    satz.Kennwert[kennwert::KirchensteuerEinmal] = steuer;
}

void Monatsberechnung::einmalBeitraege(int m) {
    Monatssatz& satz = *monate_[m];
    auto& kw = satz.Kennwert;
    const std::int64_t einmal = satz.tagesanteil(zeile::EinmaligerBezug);

    // The one-time payment is subject to contributions only up to the part of the ceilings
    // that the months so far left unused; what it takes is booked against this month, and a
    // negative remainder lowers what later months can use.
    const auto verbrauchen = [&](std::array<std::int32_t, kMonate>& rest, int offen, int genutzt,
                                 int uebrig) {
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
        kw[offen] = gesaettigt(bisher);
        kw[genutzt] = gesaettigt(verwendet);
        kw[uebrig] = gesaettigt(bisher - verwendet);
    };
    using namespace kennwert;
    verbrauchen(kopf_->KvBbgRest, KvBbgOffen, KvBbgGenutzt, KvBbgUebrig);
    verbrauchen(kopf_->RvBbgRest, RvBbgOffen, RvBbgGenutzt, RvBbgUebrig);

    const Parameter& p = parameter();
    const double kv = kw[KvBbgGenutzt];
    const double rv = kw[RvBbgGenutzt];
    const double pv = p.pvsatz[tabellenindex_].toDouble();
    const double rvSatz = p.rvsatz[tabellenindex_].toDouble();
    const double av = p.avsatz[tabellenindex_].toDouble();
    const auto& wahl = satz.Auswahl;
    // Only the plain halves and subsidies apply; the sliding zone, the Saxony care options
    // and no insurance leave the one-time payment free.
    const auto haelfte = [](int code, double betrag) {
        return code == wahl::vers::Beitrag    ? centAus(-betrag)
               : code == wahl::vers::Zuschuss ? centAus(betrag)
                                              : 0;
    };
    kw[KvEinmal] =
        haelfte(wahl[zeile::Krankenversicherung], satz.Betrag[zeile::KvSatz] * kv / 20000.0);
    kw[PvEinmal] = haelfte(wahl[zeile::Pflegeversicherung], pv * kv / 100.0);
    kw[RvEinmal] = haelfte(wahl[zeile::Rentenversicherung], rvSatz * rv / 100.0);
    kw[AvEinmal] =
        wahl[zeile::Arbeitslosenversicherung] == wahl::alv::Beitrag ? centAus(-av * rv / 100.0) : 0;
    kw[ZusatzEinmal] = wahl[zeile::SvStatus] != wahl::sv::Gleitzone
                           ? centAus(-zusatzbeitragssatz(wahl[zeile::Zusatzbeitrag]) / 100.0 * kv)
                           : 0;

    for (const Abzugsteile& t : kBeitragsabzuege) {
        auto& beitrag = satz.Betrag[t.zeile];
        beitrag = gesaettigt(static_cast<std::int64_t>(beitrag) + kw[t.einmalig]);
    }
    kw[KvEntgelt] = gesaettigt(static_cast<std::int64_t>(kvpflichtig_) + kw[KvBbgGenutzt]);
    kw[RvEntgelt] = gesaettigt(static_cast<std::int64_t>(rvpflichtig_) + kw[RvBbgGenutzt]);
}

}  // namespace brelvanostik
