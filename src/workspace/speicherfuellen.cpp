#include "workspace/speicherfuellen.h"
#include "workspace/zeilen.h"

#include <algorithm>
#include <array>

#include "basis/cp1252.h"
#include "workspace/auswahllisten.h"
#include "workspace/datensaetze.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {

namespace {

constexpr std::array<const char*, kMonate> kMonatsnamen = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

constexpr int kVersorgungsbeginne = 3;

std::string fallOrt(int jahrIndex, int berechnung) {
    const bool blau = berechnung >= kFaelle;
    return std::to_string(kErstesJahr + jahrIndex) + ", Fall " +
           std::to_string(berechnung % kFaelle + 1) + (blau ? " blau" : " grün");
}

const char* monatsname(int monat) {
    return kMonatsnamen.at(static_cast<std::size_t>(monat));
}

bool ausserhalb(std::int32_t wert, std::int32_t grenze) {
    return wert > grenze || wert < -grenze;
}

/// Reports the findings of one record. The place is put into words only when something
/// is found, so that checking a sound file stays cheap.
class Pruefer {
  public:
    /// monat < 0 for a case header.
    Pruefer(std::vector<Befund>& befunde, Datendatei datei, int jahrIndex, int berechnung,
            int monat)
        : befunde_(befunde),
          datei_(datei),
          jahrIndex_(jahrIndex),
          berechnung_(berechnung),
          monat_(monat) {}

    /// Field described as `vor`, the number (when not negative) and `nach`:
    /// ("Zeile ", 17, "") reads "Zeile 17".
    void melden(Schadensart art, const char* vor, int nummer = -1, const char* nach = "") {
        std::string ort = fallOrt(jahrIndex_, berechnung_);
        if (monat_ >= 0) ort += std::string(", ") + monatsname(monat_);
        ort += std::string(", ") + vor;
        if (nummer >= 0) ort += std::to_string(nummer);
        befunde_.push_back({datei_, art, ort + nach});
    }

    /// A stored result beyond the sane range becomes 0; it is recomputed later.
    void ergebnisBegrenzen(std::int32_t& wert, const char* vor, int nummer = -1,
                           const char* nach = "") {
        if (ausserhalb(wert, kMaxErgebnisHundertstel)) {
            wert = 0;
            melden(Schadensart::Ergebnis, vor, nummer, nach);
        }
    }

    void textPruefen(std::span<const std::uint8_t> feld, const char* name) {
        if (ungueltigeZeichen(feld) > 0) melden(Schadensart::Text, name);
    }

  private:
    std::vector<Befund>& befunde_;
    Datendatei datei_;
    int jahrIndex_;
    int berechnung_;
    int monat_;
};

void monatssatzPruefen(Monatssatz& satz, std::span<const std::uint8_t, kMonatssatzLaenge> bytes,
                       int j, int b, int m, std::vector<Befund>& befunde) {
    Pruefer pruefer(befunde, Datendatei::Monatsdatei, j, b, m);

    // Row 10 always names its own month, whatever the file holds.
    satz.Auswahl[zeile::Monatsgehalt] = static_cast<std::int16_t>(m);

    for (int zeile = 0; zeile < kZeilen; ++zeile) {
        const Zeilenregel& regel = kZeilenregeln[static_cast<std::size_t>(zeile)];
        const auto z = static_cast<std::size_t>(zeile);
        if (regel.auswahl && (satz.Auswahl[z] < 0 || satz.Auswahl[z] >= auswahlAnzahl(zeile))) {
            satz.Auswahl[z] = zeile == zeile::Geburtsjahrgang ? kAnfangsGeburtsjahrgang : 0;
            pruefer.melden(Schadensart::Auswahlcode, "Zeile ", zeile);
        }
    }

    std::int32_t* const betrag = satz.Betrag.data();
    for (const int zeile : {zeile::NormalWochenstunden, zeile::Wochenstunden}) {
        if (betrag[zeile] < 0 || betrag[zeile] > zeilenregel(zeile).hoechstwert) {
            betrag[zeile] = kAnfangsWochenstunden;
            pruefer.melden(Schadensart::Wochenstunden, "Zeile ", zeile);
        }
    }
    for (const int zeile : {zeile::NormalTage, zeile::Tage}) {
        if (betrag[zeile] < 0 || betrag[zeile] > zeilenregel(zeile).hoechstwert) {
            betrag[zeile] = kalendertageHundertstel(j, m);
            pruefer.melden(Schadensart::Tage, "Zeile ", zeile);
        }
    }
    std::int32_t& kvSatz = betrag[zeile::KvSatz];
    if (kvSatz > zeilenregel(zeile::KvSatz).hoechstwert) {
        kvSatz = zeilenregel(zeile::KvSatz).hoechstwert;
        pruefer.melden(Schadensart::KvSatz, "Zeile ", zeile::KvSatz);
    } else if (kvSatz < 0) {
        kvSatz = anfangsKvSatz(monatssatzNummer(j, b, m));
        pruefer.melden(Schadensart::KvSatz, "Zeile ", zeile::KvSatz);
    }

    for (int zeile = 0; zeile < kZeilen; ++zeile) {
        const Zeilenregel& regel = kZeilenregeln[static_cast<std::size_t>(zeile)];
        if (regel.betragsgrenze && ausserhalb(betrag[zeile], kMaxBetragHundertstel)) {
            betrag[zeile] =
                std::clamp(betrag[zeile], -kMaxBetragHundertstel, kMaxBetragHundertstel);
            pruefer.melden(Schadensart::Betrag, "Zeile ", zeile);
        }
    }
    for (int zeile = 0; zeile < kZeilen; ++zeile) {
        if (kZeilenregeln[static_cast<std::size_t>(zeile)].betrag == Betragsart::Ergebnis) {
            pruefer.ergebnisBegrenzen(betrag[zeile], "Zeile ", zeile);
        }
    }
    for (int i = 0; i < kAnteilZeilen; ++i) {
        const int zeile = kErsteAnteilZeile + i;
        pruefer.ergebnisBegrenzen(satz.Stundenanteil[static_cast<std::size_t>(i)], "Zeile ", zeile,
                                  " (Stundenanteil)");
        pruefer.ergebnisBegrenzen(satz.Tagesanteil[static_cast<std::size_t>(i)], "Zeile ", zeile,
                                  " (Tagesanteil)");
    }
    for (int zeile = 0; zeile < kZeilen; ++zeile) {
        pruefer.ergebnisBegrenzen(satz.Kennwert[static_cast<std::size_t>(zeile)], "Kennwert ",
                                  zeile);
    }
    pruefer.textPruefen(bytes.subspan(monatsfeld::Kommentar, kKommentarLaenge), "Kommentar");
}

void pensionsbetragBegrenzen(Money& betrag, Pruefer& pruefer, const char* feld) {
    const Money grenze = Money::whole(kMaxBetragHundertstel);
    if (betrag > grenze || betrag < -grenze) {
        betrag = std::clamp(betrag, -grenze, grenze);
        pruefer.melden(Schadensart::Betrag, feld);
    }
}

void kopfsatzPruefen(Fallkopf& kopf, std::span<const std::uint8_t, kKopfsatzLaenge> bytes, int j,
                     int b, std::vector<Befund>& befunde) {
    Pruefer pruefer(befunde, Datendatei::Kopfdatei, j, b, -1);
    for (int m = 0; m < kMonate; ++m) {
        pruefer.ergebnisBegrenzen(kopf.KvBbgRest[static_cast<std::size_t>(m)], "KV-Restbetrag ", -1,
                                  monatsname(m));
        pruefer.ergebnisBegrenzen(kopf.RvBbgRest[static_cast<std::size_t>(m)], "RV-Restbetrag ", -1,
                                  monatsname(m));
    }
    if (kopf.Versorgungsbeginn < 0 || kopf.Versorgungsbeginn >= kVersorgungsbeginne) {
        kopf.Versorgungsbeginn = 0;
        pruefer.melden(Schadensart::Versorgungsbeginn, "Versorgungsbeginn");
    }
    pensionsbetragBegrenzen(kopf.ErsterVollerMonatsbezug, pruefer, "erster voller Monatsbezug");
    pensionsbetragBegrenzen(kopf.VersorgungsSonderzahlung, pruefer, "Versorgungs-Sonderzahlung");
    pruefer.textPruefen(bytes.subspan(kopffeld::Fallname, kFallnameLaenge), "Fallname");
    pruefer.textPruefen(bytes.subspan(kopffeld::ReservierterText, kReserviertTextLaenge),
                        "reservierter Text");
}

void einstellungenPruefen(Einstellungen& einstellungen, std::vector<Befund>& befunde) {
    const Einstellungen anfang;
    const auto pruefen = [&](std::int32_t& wert, std::int32_t von, std::int32_t bis,
                             std::int32_t ersatz, const char* name) {
        if (wert < von || wert > bis) {
            befunde.push_back({Datendatei::Kopfdatei, Schadensart::Einstellung,
                               std::string(name) + " " + std::to_string(wert)});
            wert = ersatz;
        }
    };
    pruefen(einstellungen.Jahr, kErstesJahr, kErstesJahr + kJahre - 1, anfang.Jahr, "Jahr");
    pruefen(einstellungen.Fall, 1, kBerechnungen, anfang.Fall, "Fall");
    // Any month outside 1-12 selects January.
    pruefen(einstellungen.Monat, 1, kMonate, 1, "Monat");
}

std::string saetzeText(std::size_t n, const char* einzahl, const char* mehrzahl) {
    return std::to_string(n) + " " + (n == 1 ? einzahl : mehrzahl);
}

/// Length findings of the month file.
void monatsdateiLaengePruefen(std::size_t laenge, std::vector<Befund>& befunde) {
    if (laenge < kMonatsdateiLaenge) {
        const std::size_t ganze = laenge / kMonatssatzLaenge;
        std::string text =
            "Die Datei ist zu kurz: nur " +
            saetzeText(ganze, "vollständiger Monatssatz", "vollständige Monatssätze") + " von " +
            std::to_string(kMonatssaetze) + " vorhanden";
        if (laenge % kMonatssatzLaenge != 0) text += ", dazu ein abgeschnittener";
        text += ". Die fehlenden Angaben wurden als leere Monate (Nullwerte) gelesen.";
        befunde.push_back({Datendatei::Monatsdatei, Schadensart::Laenge, text});
    } else if (laenge > kMonatsdateiLaenge) {
        befunde.push_back({Datendatei::Monatsdatei, Schadensart::Laenge,
                           "Die Datei ist länger als " + std::to_string(kMonatssaetze) +
                               " Monatssätze; der Überhang wurde nicht gelesen."});
    }
}

void kopfdateiLaengePruefen(std::size_t laenge, std::vector<Befund>& befunde) {
    if (laenge == 0) {
        befunde.push_back({Datendatei::Kopfdatei, Schadensart::Laenge,
                           "Die Datei fehlt oder ist leer. Fallnamen und Versorgungsangaben "
                           "wurden mit den Anfangswerten angelegt, Jahr, Fall, Monat und "
                           "Fenstergröße ebenso."});
    } else if (laenge < kKopfdateiLaenge) {
        const std::size_t ganze = std::min<std::size_t>(laenge / kKopfsatzLaenge, kFallkoepfe);
        std::string text = "Die Datei ist zu kurz.";
        if (ganze < static_cast<std::size_t>(kFallkoepfe)) {
            text += " " +
                    saetzeText(kFallkoepfe - ganze, "Fallkopf fehlte und wurde",
                               "Fallköpfe fehlten und wurden") +
                    " mit den Anfangswerten angelegt.";
        }
        text +=
            " Der Einstellungssatz fehlte: Jahr, Fall, Monat und Fenstergröße wurden auf "
            "die Anfangswerte gesetzt.";
        befunde.push_back({Datendatei::Kopfdatei, Schadensart::Laenge, text});
    } else if (laenge > kKopfdateiLaenge) {
        befunde.push_back({Datendatei::Kopfdatei, Schadensart::Laenge,
                           "Die Datei ist länger als " + std::to_string(kKopfdateiSaetze) +
                               " Sätze; der Überhang wurde nicht gelesen."});
    }
}

}  // namespace

Speicherinhalt speicherFuellen(std::span<const std::uint8_t> monatsdatei,
                               std::span<const std::uint8_t> kopfdatei) {
    Speicherinhalt inhalt;
    monatsdateiLaengePruefen(monatsdatei.size(), inhalt.befunde);
    kopfdateiLaengePruefen(kopfdatei.size(), inhalt.befunde);

    // A short month file reads as if padded with zero bytes.
    std::vector<std::uint8_t> aufgefuellt;
    if (monatsdatei.size() < kMonatsdateiLaenge) {
        aufgefuellt.assign(kMonatsdateiLaenge, 0);
        std::copy(monatsdatei.begin(), monatsdatei.end(), aufgefuellt.begin());
        monatsdatei = aufgefuellt;
    }

    for (int j = 0; j < kJahre; ++j) {
        for (int b = 0; b < kBerechnungen; ++b) {
            for (int m = 0; m < kMonate; ++m) {
                const std::size_t beginn =
                    static_cast<std::size_t>(monatssatzNummer(j, b, m) - 1) * kMonatssatzLaenge;
                const auto bytes = monatsdatei.subspan(beginn).first<kMonatssatzLaenge>();
                Monatssatz& satz = inhalt.arbeitsbereich.monat(j, b, m);
                satz = monatssatzLesen(bytes);
                monatssatzPruefen(satz, bytes, j, b, m, inhalt.befunde);
            }
        }
    }

    for (int j = 0; j < kJahre; ++j) {
        for (int b = 0; b < kBerechnungen; ++b) {
            const std::size_t ende =
                static_cast<std::size_t>(kopfsatzNummer(j, b)) * kKopfsatzLaenge;
            Fallkopf& kopf = inhalt.arbeitsbereich.kopf(j, b);
            if (kopfdatei.size() < ende) {
                kopf = neuerFallkopf(b);
                continue;
            }
            const auto bytes = kopfdatei.subspan(ende - kKopfsatzLaenge).first<kKopfsatzLaenge>();
            kopf = kopfsatzLesen(bytes);
            kopfsatzPruefen(kopf, bytes, j, b, inhalt.befunde);
        }
    }

    if (kopfdatei.size() >= kKopfdateiLaenge) {
        const auto bytes = kopfdatei.subspan((kEinstellungssatzNummer - 1) * kKopfsatzLaenge)
                               .first<kKopfsatzLaenge>();
        inhalt.einstellungen = einstellungssatzLesen(bytes);
        einstellungenPruefen(inhalt.einstellungen, inhalt.befunde);
    } else {
        inhalt.einstellungen = neueEinstellungen(inhalt.arbeitsbereich);
    }
    return inhalt;
}

}  // namespace brelvanostik
