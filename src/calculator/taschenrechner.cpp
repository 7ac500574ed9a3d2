#include "calculator/taschenrechner.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace brelvanostik {

namespace {

/// The sign key and the percent key count operands too; a long run of them must not
/// overflow the counter (nothing happens beyond two anyway).
constexpr int kHoechsteOperandenzahl = 1000;

Meldung taschenrechnermeldung(std::string text) {
    return {std::string(kTaschenrechnerTitel), std::move(text), Meldung::Symbol::Ausrufezeichen};
}

Meldung keineZahlMeldung(std::string_view text) {
    return taschenrechnermeldung(
        "„" + std::string(text) +
        "“ ist keine Zahl. Die Taste wurde nicht ausgeführt; bitte geben Sie eine Zahl ein.");
}

Meldung zuGrossMeldung() {
    return taschenrechnermeldung(
        "Die Zahl ist zu groß für den Rechner. Die Taste wurde nicht ausgeführt.");
}

/// A calculator text read as a number, locale-free.
struct Gelesen {
    enum class Art { Zahl, KeineZahl, ZuGross } art = Art::KeineZahl;
    double zahl = 0.0;
};

Gelesen lesen(std::string_view text) {
    // Sign, digits with at most one decimal comma, an optional exponent "E+nn"/"E-nn".
    std::string zahl;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') zahl += text[i++];
    bool ziffern = false, komma = false, ganzNull = true, exponentNegativ = false;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ziffern = true;
            if (!komma && c != '0') ganzNull = false;
            zahl += c;
        } else if (c == ',' && !komma) {
            komma = true;
            zahl += '.';
        } else {
            return {};
        }
    }
    if (!ziffern) return {};
    if (i < text.size()) {
        zahl += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            exponentNegativ = text[i] == '-';
            if (exponentNegativ) zahl += '-';
            ++i;
        }
        if (i == text.size()) return {};
        for (; i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9') return {};
            zahl += text[i];
        }
    }
    Gelesen g;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), g.zahl);
    if (ende != zahl.data() + zahl.size()) return {};
    if (fehler == std::errc::result_out_of_range) {
        // Digits far below the smallest double are 0; anything else is too large.
        if (exponentNegativ || (ganzNull && zahl.find('e') == std::string::npos)) {
            g.zahl = 0.0;
        } else {
            g.art = Gelesen::Art::ZuGross;
            return g;
        }
    } else if (fehler != std::errc() || !std::isfinite(g.zahl)) {
        return {};
    }
    g.art = Gelesen::Art::Zahl;
    return g;
}

std::string zahlText(double zahl) {
    if (zahl == 0.0) return "0";  // also for -0
    std::array<char, 64> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), zahl,
                                        std::chars_format::general, 15);
    std::string text(puffer.data(), ergebnis.ptr);
    for (char& c : text) {
        if (c == '.') c = ',';
        if (c == 'e') c = 'E';
    }
    return text;
}

std::string operandText(const auto& operand) {
    return operand.istText ? operand.text : zahlText(operand.zahl);
}

std::string ohneEndkomma(std::string text) {
    if (!text.empty() && text.back() == ',') text.pop_back();
    return text;
}

}  // namespace

Taste zifferntaste(int ziffer) {
    return static_cast<Taste>(std::clamp(ziffer, 0, 9));
}

std::optional<Taste> tasteLesen(std::string_view name) {
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return zifferntaste(name[0] - '0');
    if (name == ",") return Taste::Komma;
    if (name == "/") return Taste::Geteilt;
    if (name == "+") return Taste::Plus;
    if (name == "X") return Taste::Mal;
    if (name == "-") return Taste::Minus;
    if (name == "=") return Taste::Gleich;
    if (name == "+/-") return Taste::Vorzeichen;
    if (name == "%") return Taste::Prozent;
    if (name == "C") return Taste::Loeschen;
    if (name == "ende") return Taste::Ende;
    return std::nullopt;
}

std::optional<Meldung> Taschenrechner::druecken(Taste taste) {
    memoZuletzt_ = false;
    switch (taste) {
        case Taste::Komma:
            komma();
            return std::nullopt;
        case Taste::Geteilt:
            return operatorTaste(Operation::Geteilt);
        case Taste::Plus:
            return operatorTaste(Operation::Plus);
        case Taste::Mal:
            return operatorTaste(Operation::Mal);
        case Taste::Minus:
            return operatorTaste(Operation::Minus);
        case Taste::Gleich:
            return operatorTaste(Operation::Gleich);
        case Taste::Vorzeichen:
            return operatorTaste(Operation::Vorzeichen);
        case Taste::Prozent:
            return prozent();
        case Taste::Loeschen:
            loeschen();
            return std::nullopt;
        case Taste::Ende:
            schliessen();
            return std::nullopt;
        default:
            ziffer(static_cast<int>(taste));
            return std::nullopt;
    }
}

void Taschenrechner::ziffer(int d) {
    if (z_.eingabe != Eingabe::Ziffern) {
        z_.anzeige = ",";
        z_.kommaGetippt = false;
    }
    const char zeichen = static_cast<char>('0' + d);
    if (z_.kommaGetippt) {
        z_.anzeige += zeichen;
    } else {
        // Without a decimal comma the digits stay in front of the trailing comma.
        z_.anzeige = z_.anzeige.substr(0, z_.anzeige.find(',')) + zeichen + ',';
    }
    if (z_.eingabe == Eingabe::Negativ) z_.anzeige.insert(0, 1, '-');
    z_.eingabe = Eingabe::Ziffern;
}

void Taschenrechner::komma() {
    if (z_.eingabe == Eingabe::Negativ) {
        z_.anzeige = "-0,";
    } else if (z_.eingabe != Eingabe::Ziffern) {
        z_.anzeige = "0,";
    }
    z_.kommaGetippt = true;
    z_.eingabe = Eingabe::Ziffern;
}

void Taschenrechner::operandZaehlen() {
    z_.operanden = std::min(z_.operanden + 1, kHoechsteOperandenzahl);
}

std::optional<Meldung> Taschenrechner::operatorTaste(Operation op) {
    const Zustand vorher = z_;
    std::optional<Meldung> meldung;
    if (op == Operation::Vorzeichen) {
        // The sign key always closes an entry.
        z_.offen = Operation::Vorzeichen;
        z_.eingabe = Eingabe::Ziffern;
    }
    z_.eingegeben = z_.anzeige;
    if (z_.eingabe == Eingabe::Ziffern) operandZaehlen();
    switch (z_.operanden) {
        case 0:
            if (op == Operation::Minus && z_.eingabe != Eingabe::Negativ) {
                z_.anzeige.insert(0, 1, '-');
                z_.eingabe = Eingabe::Negativ;
            }
            break;
        case 1:
            z_.erster = Operand{true, z_.anzeige, 0.0};
            // After an operator the minus key starts a negative number.
            if (op == Operation::Minus && z_.eingabe != Eingabe::Ziffern &&
                z_.offen != Operation::Gleich) {
                z_.anzeige = "-";
                z_.eingabe = Eingabe::Negativ;
            }
            break;
        case 2: {
            bool abgelehnt = false;
            meldung = ausfuehren(abgelehnt);
            if (abgelehnt) {
                z_ = vorher;
                return meldung;
            }
            z_.anzeige = operandText(z_.erster);
            z_.operanden = 1;
            break;
        }
        default:
            break;
    }
    if (z_.eingabe != Eingabe::Negativ) {
        z_.eingabe = Eingabe::Operator;
        z_.offen = op;
    }
    return meldung;
}

std::optional<Meldung> Taschenrechner::ausfuehren(bool& abgelehnt) {
    z_.zweiter = Operand{true, z_.eingegeben, 0.0};
    const std::string links = ohneEndkomma(operandText(z_.erster));
    const std::string rechts = ohneEndkomma(operandText(z_.zweiter));

    std::optional<Meldung> fehler;
    auto zahl = [&fehler](const Operand& o) -> double {
        if (!o.istText) return o.zahl;
        const Gelesen g = lesen(o.text);
        if (g.art == Gelesen::Art::KeineZahl && !fehler) fehler = keineZahlMeldung(o.text);
        if (g.art == Gelesen::Art::ZuGross && !fehler) fehler = zuGrossMeldung();
        return g.zahl;
    };
    auto abweisen = [&](Meldung m) -> std::optional<Meldung> {
        abgelehnt = true;
        return m;
    };
    auto ergebnis = [&](double wert, std::string_view zeichen) -> std::optional<Meldung> {
        if (fehler) return abweisen(*fehler);
        if (!std::isfinite(wert)) return abweisen(zuGrossMeldung());
        z_.erster = Operand{false, {}, wert};
        z_.verlauf += '\r' + links + std::string(zeichen) + rechts + " = " + operandText(z_.erster);
        return std::nullopt;
    };

    switch (z_.offen) {
        case Operation::Plus: {
            const double b = zahl(z_.zweiter), a = zahl(z_.erster);
            return ergebnis(a + b, " + ");
        }
        case Operation::Minus: {
            const double b = zahl(z_.zweiter), a = zahl(z_.erster);
            return ergebnis(a - b, " - ");
        }
        case Operation::Mal: {
            const double b = zahl(z_.zweiter), a = zahl(z_.erster);
            return ergebnis(a * b, " x ");
        }
        case Operation::Prozent: {
            // The second operand is already a hundredth: 200 X 5 % and 200 + 5 % both give 10.
            const double b = zahl(z_.zweiter), a = zahl(z_.erster);
            return ergebnis(a * b, " x ");
        }
        case Operation::Geteilt: {
            const double b = zahl(z_.zweiter);
            if (fehler) return abweisen(*fehler);
            if (b == 0.0) {
                // The left operand stays as it was, and the calculation can go on.
                z_.verlauf += '\r' + links + " / " + rechts + " = " + operandText(z_.erster);
                return taschenrechnermeldung("Division durch Null ist nicht möglich");
            }
            const double a = zahl(z_.erster);
            return ergebnis(a / b, " / ");
        }
        case Operation::Gleich:
            // A number typed after "=" replaces the result.
            z_.erster = z_.zweiter;
            return std::nullopt;
        case Operation::Vorzeichen: {
            const double b = zahl(z_.zweiter);
            if (fehler) return abweisen(*fehler);
            z_.zweiter = Operand{false, {}, -b};
            z_.erster = z_.zweiter;
            // The line names the number whose sign changed (the left operand is dropped).
            z_.verlauf += '\r' + rechts + " x -1 = " + operandText(z_.erster);
            return std::nullopt;
        }
        case Operation::Keine:
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Meldung> Taschenrechner::prozent() {
    const Gelesen g = lesen(z_.anzeige);
    if (g.art == Gelesen::Art::KeineZahl) return keineZahlMeldung(z_.anzeige);
    if (g.art == Gelesen::Art::ZuGross) return zuGrossMeldung();
    const double hundertstel = g.zahl / 100.0;
    z_.verlauf += '\r' + zahlText(g.zahl) + " / 100 = " + zahlText(hundertstel);
    z_.anzeige = zahlText(hundertstel);
    z_.eingabe = Eingabe::Operator;
    z_.offen = Operation::Prozent;
    operandZaehlen();
    z_.kommaGetippt = true;
    return std::nullopt;
}

void Taschenrechner::loeschen() {
    // A pending operation survives and goes on with 0 as its left operand.
    z_.anzeige = "0,";
    z_.erster = Operand{};
    z_.zweiter = Operand{};
    z_.verlauf.clear();
}

void Taschenrechner::schliessen() {
    std::string verlauf = std::move(z_.verlauf);
    z_ = Zustand{};
    z_.verlauf = std::move(verlauf);
}

}  // namespace brelvanostik
