#include "workspace/speicherfuellen.h"

#include <algorithm>
#include <array>

#include "workspace/auswahllisten.h"
#include "workspace/cp1252.h"
#include "workspace/datensaetze.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {

namespace {

constexpr std::array<const char*, kMonate> kMonatsnamen = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

/// Rows whose choice the user picks; their codes must lie in the row's list.
constexpr std::array<int, 13> kAuswahlzeilen = {1, 2, 3, 4, 17, 19, 20, 21, 22, 23, 24, 25, 28};
/// Rows whose amount the user types.
constexpr std::array<int, 10> kEingabezeilen = {5, 6, 7, 8, 9, 13, 14, 15, 16, 25};
/// Rows whose amount the month calculation writes.
constexpr std::array<int, 12> kErgebniszeilen = {10, 11, 12, 17, 18, 19, 20, 21, 22, 23, 24, 26};

constexpr std::int32_t kMaxWochenstunden = 10000;
constexpr std::int32_t kAnfangsWochenstunden = 4000;
constexpr std::int32_t kMaxTage = 3100;
constexpr std::int32_t kMaxKvSatz = 1600;
constexpr std::int16_t kAnfangsGeburtsjahrgang = 4;
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
    satz.Auswahl[10] = static_cast<std::int16_t>(m);

    for (const int zeile : kAuswahlzeilen) {
        std::int16_t& code = satz.Auswahl[static_cast<std::size_t>(zeile)];
        if (code < 0 || code >= auswahlAnzahl(zeile)) {
            code = zeile == 1 ? kAnfangsGeburtsjahrgang : 0;
            pruefer.melden(Schadensart::Auswahlcode, "Zeile ", zeile);
        }
    }

    for (const int zeile : {0, 1}) {
        std::int32_t& stunden = satz.Betrag[static_cast<std::size_t>(zeile)];
        if (stunden < 0 || stunden > kMaxWochenstunden) {
            stunden = kAnfangsWochenstunden;
            pruefer.melden(Schadensart::Wochenstunden, "Zeile ", zeile);
        }
    }
    for (const int zeile : {2, 3}) {
        std::int32_t& tage = satz.Betrag[static_cast<std::size_t>(zeile)];
        if (tage < 0 || tage > kMaxTage) {
            tage = kalendertageHundertstel(j, m);
            pruefer.melden(Schadensart::Tage, "Zeile ", zeile);
        }
    }
    std::int32_t& kvSatz = satz.Betrag[4];
    if (kvSatz > kMaxKvSatz) {
        kvSatz = kMaxKvSatz;
        pruefer.melden(Schadensart::KvSatz, "Zeile ", 4);
    } else if (kvSatz < 0) {
        kvSatz = anfangsKvSatz(monatssatzNummer(j, b, m));
        pruefer.melden(Schadensart::KvSatz, "Zeile ", 4);
    }

    for (const int zeile : kEingabezeilen) {
        std::int32_t& betrag = satz.Betrag[static_cast<std::size_t>(zeile)];
        if (ausserhalb(betrag, kMaxBetragHundertstel)) {
            betrag = std::clamp(betrag, -kMaxBetragHundertstel, kMaxBetragHundertstel);
            pruefer.melden(Schadensart::Betrag, "Zeile ", zeile);
        }
    }
    for (const int zeile : kErgebniszeilen) {
        pruefer.ergebnisBegrenzen(satz.Betrag[static_cast<std::size_t>(zeile)], "Zeile ", zeile);
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
