// One-time payments: their wage tax as the difference of two annual runs, the surcharge and
// church tax on that wage tax, the minimum church tax, and their contributions within the
// ceiling that earlier months left unused.

#include <algorithm>

#include "payroll/monatsberechnung.h"
#include "payroll/parameter.h"
#include "payroll/rundung.h"

namespace brelvanostik {

Einmalsteuer einmalsteuer(std::int64_t lohnsteuerdifferenz, Money kirchensatz) {
    // The flowchart levies both on the wage tax of the payment alone, so neither the
    // exemption limit of the surcharge nor the child allowances reach them.
    const std::int64_t lohnsteuer = std::max<std::int64_t>(-lohnsteuerdifferenz, 0);
    const Money steuer = Money::whole(lohnsteuer);
    Einmalsteuer e;
    e.lohnsteuer = -lohnsteuer;
    e.soli = -(steuer * Lohnsteuerrechner::kSolzSatz).abgeschnitten().toInt64();
    e.kirchensteuer = -(steuer * kirchensatz).abgeschnitten().toInt64();
    return e;
}

Monatsberechnung::Jahreslohn Monatsberechnung::jahreslohn(int vollBis) const {
    Jahreslohn j;
    for (int k = 0; k < kMonate; ++k) {
        const Monatssatz& satz = *monate_[k];
        Money monat = cent(satz.Betrag[zeile::ZusaetzlichSteuerpflichtig]);
        if (wahl::abzug::steuerfrei(satz.Auswahl[zeile::Abzug])) {
            monat += cent(satz.Betrag[zeile::Abzug]);
        }
        monat += cent(satz.tagesanteil(zeile::Gehalt));
        monat += cent(satz.tagesanteil(zeile::Versorgungsbezug));
        j.versorgung += cent(satz.tagesanteil(zeile::Versorgungsbezug));
        if (k < vollBis) {
            // Paid already: one-time payments and pay for several years count as well.
            for (const int z : {zeile::EinmaligerBezug, zeile::EinmaligerVersorgungsbezug,
                                zeile::MehrjahresVerguetung}) {
                monat += cent(satz.tagesanteil(z));
            }
            j.versorgung += cent(satz.tagesanteil(zeile::EinmaligerVersorgungsbezug));
            j.bisher += monat;
        }
        j.lohn += monat;
    }
    return j;
}

Monatsberechnung::Jahressteuer Monatsberechnung::jahreslauf(Money jahreslohn,
                                                            Money versorgungsbezuege) {
    // A run over the whole year takes the tax-card amounts of the whole year; every other
    // input keeps the month's own run. The pension allowance of a year is that of the months
    // in which pensions are paid.
    Money freibetrag, hinzurechnung;
    for (const Monatssatz* satz : monate_) {
        freibetrag += cent(satz->Betrag[zeile::Freibetrag]);
        hinzurechnung += cent(satz->Betrag[zeile::Hinzurechnung]);
    }
    engine_.LZZ = 1;
    engine_.ZMVB = Money::whole(versorgungsmonate());
    engine_.RE4 = jahreslohn;
    engine_.VBEZ = versorgungsbezuege.gerundet();
    engine_.WFundF = freibetrag;
    engine_.HINZUR = hinzurechnung;
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
    // The expected annual wage: what the months so far brought, and the current pay of this
    // month for the rest of the year; one-time payments of this and later months are not
    // expected.
    const Jahreslohn ohne = jahreslohn(m);
    const Money einmal = cent(satz.tagesanteil(zeile::EinmaligerBezug));
    const Money einmalVersorgung = cent(satz.tagesanteil(zeile::EinmaligerVersorgungsbezug));
    const Money mit = ohne.lohn + einmal + einmalVersorgung;
    satz.Kennwert[kennwert::SteuerpflichtigBisher] = gesaettigt(ohne.bisher.toInt64());
    satz.Kennwert[kennwert::JahreslohnOhneEinmal] = gesaettigt(ohne.lohn.toInt64());
    satz.Kennwert[kennwert::JahreslohnMitEinmal] = gesaettigt(mit.toInt64());

    // Both annual runs are made every month, with or without a payment: the engine's state
    // after a recalculation is that of the last run, whoever reads it next.
    const Jahressteuer vorher = jahreslauf(ohne.lohn, ohne.versorgung);
    const Jahressteuer nachher = jahreslauf(mit, ohne.versorgung + einmalVersorgung);
    const Einmalsteuer steuer = einmalsteuer(nachher.lohnsteuer - vorher.lohnsteuer, kirchensatz_);
    const std::array<std::int64_t, kSteuerabzuege.size()> anteile{steuer.lohnsteuer, steuer.soli,
                                                                  steuer.kirchensteuer};
    for (std::size_t i = 0; i < kSteuerabzuege.size(); ++i) {
        const Abzugsteile& t = kSteuerabzuege[i];
        satz.Betrag[t.zeile] = gesaettigt(satz.Betrag[t.zeile] + anteile[i]);
        satz.Kennwert[t.einmalig] = gesaettigt(anteile[i]);
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
    const Money kv = cent(kw[KvBbgGenutzt]);
    const Money rv = cent(kw[RvBbgGenutzt]);
    const auto& wahl = satz.Auswahl;
    // Only the plain halves and subsidies apply; the sliding zone, the Saxony care options
    // and no insurance leave the one-time payment free.
    const auto haelfte = [](int code, Money entgelt, Money prozent) {
        return code == wahl::vers::Beitrag || code == wahl::vers::Zuschuss
                   ? halberBeitrag(code, entgelt, prozent)
                   : 0;
    };
    kw[KvEinmal] = haelfte(wahl[zeile::Krankenversicherung], kv,
                           halberKvSatz(cent(satz.Betrag[zeile::KvSatz])));
    kw[PvEinmal] = haelfte(wahl[zeile::Pflegeversicherung], kv, p.pvsatz[tabellenindex_]);
    kw[RvEinmal] = haelfte(wahl[zeile::Rentenversicherung], rv, p.rvsatz[tabellenindex_]);
    kw[AvEinmal] = wahl[zeile::Arbeitslosenversicherung] == wahl::alv::Beitrag
                       ? -beitragsanteil(rv, p.avsatz[tabellenindex_])
                       : 0;
    kw[ZusatzEinmal] = wahl[zeile::SvStatus] != wahl::sv::Gleitzone
                           ? -beitragsanteil(kv, zusatzbeitragssatz(wahl[zeile::Zusatzbeitrag]))
                           : 0;

    for (const Abzugsteile& t : kBeitragsabzuege) {
        auto& beitrag = satz.Betrag[t.zeile];
        beitrag = gesaettigt(static_cast<std::int64_t>(beitrag) + kw[t.einmalig]);
    }
    kw[KvEntgelt] = gesaettigt(static_cast<std::int64_t>(kvpflichtig_) + kw[KvBbgGenutzt]);
    kw[RvEntgelt] = gesaettigt(static_cast<std::int64_t>(rvpflichtig_) + kw[RvBbgGenutzt]);
}

}  // namespace brelvanostik
