// `brelvanostik-cli rechner` against a second, deliberately plain model of the calculator's
// key rules, written from the rules alone: operands as text or number, numbers through the C
// library in the "C" locale. Seeded random key sequences (too short to overflow) must give the
// same display, tape and messages.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <variant>

#include "befehlstest.h"

namespace brelvanostik::cli {
namespace {

const std::string kDurchNull = "Division durch Null ist nicht möglich";

struct Modell {
    using Wert = std::variant<std::string, double>;
    enum class Zustand { Operator, Ziffern, Minus } zustand = Zustand::Operator;
    std::string anzeige = "0,", offen = " ", eingegeben, verlauf;
    Wert erster = 0.0;
    bool komma = false;
    int anzahl = 0;
    std::vector<std::string> meldungen;

    static std::string text(const Wert& w) {
        if (std::holds_alternative<std::string>(w)) return std::get<std::string>(w);
        char b[64];
        std::snprintf(b, sizeof b, "%.15G", std::get<double>(w) + 0.0);
        std::string s = b;
        std::replace(s.begin(), s.end(), '.', ',');
        return s;
    }
    // A number, or the message why not.
    static std::variant<double, std::string> zahl(const Wert& w) {
        if (std::holds_alternative<double>(w)) return std::get<double>(w);
        std::string s = std::get<std::string>(w);
        std::replace(s.begin(), s.end(), ',', '.');
        char* ende = nullptr;
        const double d = std::strtod(s.c_str(), &ende);
        if (s.empty() || *ende != '\0' || s == "-")
            return "„" + std::get<std::string>(w) +
                   "“ ist keine Zahl. Die Taste wurde nicht ausgeführt; bitte geben Sie eine "
                   "Zahl ein.";
        return d;
    }
    static std::string ohneKomma(std::string s) {
        if (!s.empty() && s.back() == ',') s.pop_back();
        return s;
    }

    void taste(const std::string& t) {
        const Modell vorher = *this;
        std::string fehler;
        if (t.size() == 1 && std::isdigit(static_cast<unsigned char>(t[0]))) {
            if (zustand != Zustand::Ziffern) {
                anzeige = ",";
                komma = false;
            }
            anzeige = komma ? anzeige + t : anzeige.substr(0, anzeige.find(',')) + t + ",";
            if (zustand == Zustand::Minus) anzeige = "-" + anzeige;
            zustand = Zustand::Ziffern;
        } else if (t == ",") {
            if (zustand != Zustand::Ziffern) anzeige = zustand == Zustand::Minus ? "-0," : "0,";
            komma = true;
            zustand = Zustand::Ziffern;
        } else if (t == "C") {
            anzeige = "0,";
            erster = 0.0;
            verlauf.clear();
        } else if (t == "ende") {
            Modell neu;
            neu.verlauf = verlauf;
            neu.meldungen = meldungen;
            *this = neu;
        } else if (t == "%") {
            const auto z = zahl(anzeige);
            if (const auto* grund = std::get_if<std::string>(&z)) {
                fehler = *grund;
            } else {
                const double d = std::get<double>(z);
                verlauf += "\r" + text(d) + " / 100 = " + text(d / 100);
                anzeige = text(d / 100);
                zustand = Zustand::Operator;
                offen = "%";
                ++anzahl;
                komma = true;
            }
        } else {
            if (t == "+/-") {
                offen = "+/-";
                zustand = Zustand::Ziffern;
            }
            eingegeben = anzeige;
            if (zustand == Zustand::Ziffern) ++anzahl;
            if (anzahl == 0 && t == "-" && zustand != Zustand::Minus) {
                anzeige = "-" + anzeige;
                zustand = Zustand::Minus;
            }
            if (anzahl == 1) {
                erster = anzeige;
                if (t == "-" && zustand != Zustand::Ziffern && offen != "=") {
                    anzeige = "-";
                    zustand = Zustand::Minus;
                }
            }
            if (anzahl == 2) {
                fehler = ausfuehren();
                anzeige = text(erster);
                anzahl = 1;
            }
            if (zustand != Zustand::Minus) {
                zustand = Zustand::Operator;
                offen = t;
            }
        }
        // Only a division by zero goes on; any other refused key leaves all as it was.
        if (!fehler.empty() && fehler != kDurchNull) *this = vorher;
        if (!fehler.empty()) meldungen.push_back(fehler);
    }

    // The pending operation on the first operand and the entry; the message if refused.
    std::string ausfuehren() {
        const std::string l = ohneKomma(text(erster)), r = ohneKomma(eingegeben);
        if (offen == "=") erster = eingegeben;
        if (offen == "=" || offen == " ") return {};
        const auto b = zahl(eingegeben);
        if (const auto* grund = std::get_if<std::string>(&b)) return *grund;
        const double y = std::get<double>(b);
        if (offen == "+/-") {
            erster = -y;
            verlauf += "\r" + r + " x -1 = " + text(erster);
            return {};
        }
        if (offen == "/" && y == 0) {
            verlauf += "\r" + l + " / " + r + " = " + text(erster);
            return kDurchNull;
        }
        const auto a = zahl(erster);
        if (const auto* grund = std::get_if<std::string>(&a)) return *grund;
        const double x = std::get<double>(a);
        const char op = offen[0];  // "X" and "%" multiply
        erster = op == '+' ? x + y : op == '-' ? x - y : op == '/' ? x / y : x * y;
        const char* zeichen = op == '+' ? " + " : op == '-' ? " - " : op == '/' ? " / " : " x ";
        verlauf += "\r" + l + zeichen + r + " = " + text(erster);
        return {};
    }

    std::string json() const {
        const auto j = [](const std::string& s) {
            std::string o = "\"";
            for (char c : s) o += c == '\r' ? std::string("\\r") : std::string(1, c);
            return o + "\"";
        };
        std::string m;
        for (const auto& t : meldungen) m += (m.empty() ? "" : ", ") + j(t);
        return "{\"anzeige\": " + j(anzeige) + ", \"verlauf\": " + j(verlauf) +
               ", \"meldungen\": [" + m + "]}\n";
    }
};

// The answer as JSON; the key rules themselves are tested with the calculator.
TEST(CliRechner, AnzeigeVerlaufUndMeldungenAlsJson) {
    EXPECT_EQ(lauf("rechner 0 , 1 + 0 , 2 =").aus,
              "{\"anzeige\": \"0,3\", \"verlauf\": \"\\r0,1 + 0,2 = 0,3\", \"meldungen\": []}\n");
    EXPECT_EQ(lauf("rechner 8 / 0 =").aus,
              "{\"anzeige\": \"8,\", \"verlauf\": \"\\r8 / 0 = 8,\", \"meldungen\": [\"" +
                  kDurchNull + "\"]}\n");
}

TEST(CliRechner, ZufaelligeFolgenWieDasModell) {
    // Digits come more often, as when someone really types.
    const std::vector<std::string> tasten = {"0",   "1", "2", "3",    "4", "5", "6", "7", "8", "9",
                                             "1",   "2", "5", "9",    ",", "+", "-", "X", "/", "=",
                                             "+/-", "%", "C", "ende", "0", "-", "X", "/", "="};
    std::mt19937 zufall(20071);
    for (int runde = 0; runde < 3000; ++runde) {
        std::vector<std::string> f = {"rechner"};
        Modell m;
        for (std::size_t n = 1 + zufall() % 40; n > 0; --n) {
            f.push_back(tasten[zufall() % tasten.size()]);
            m.taste(f.back());
        }
        ASSERT_EQ(lauf(f).aus, m.json()) << "Lauf " << runde;
    }
}

}  // namespace
}  // namespace brelvanostik::cli
