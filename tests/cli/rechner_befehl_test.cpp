// `brelvanostik-cli rechner` against a second, deliberately plain model of the calculator's
// key rules, written from the rules alone: state names as text, operands as text or number,
// numbers through the C library in the "C" locale. Seeded random key sequences (too short to
// overflow) must give the same display, tape and messages.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <variant>

#include "cli/befehle.h"

namespace brelvanostik::cli {
namespace {

const std::string kDurchNull = "Division durch Null ist nicht möglich";
std::string keineZahl(const std::string& t) {
    return "„" + t +
           "“ ist keine Zahl. Die Taste wurde nicht ausgeführt; bitte geben Sie eine Zahl ein.";
}

struct Modell {
    using Wert = std::variant<std::string, double>;
    std::string anzeige = "0,", zustand = "NONE", offen = " ", eingegeben, verlauf;
    Wert erster = 0.0, zweiter = 0.0;
    bool komma = false;
    int anzahl = 0;
    std::vector<std::string> meldungen;

    static std::string text(double d) {
        char b[64];
        std::snprintf(b, sizeof b, "%.15G", d + 0.0);
        std::string s = b;
        for (char& c : s) c = c == '.' ? ',' : c;
        return s;
    }
    static std::string text(const Wert& w) {
        return std::holds_alternative<double>(w) ? text(std::get<double>(w))
                                                 : std::get<std::string>(w);
    }
    // A number, or the message why not.
    static std::variant<double, std::string> zahl(const Wert& w) {
        if (std::holds_alternative<double>(w)) return std::get<double>(w);
        std::string s = std::get<std::string>(w);
        for (char& c : s) c = c == ',' ? '.' : c;
        char* ende = nullptr;
        const double d = std::strtod(s.c_str(), &ende);
        if (s.empty() || *ende != '\0' || s == "-") return keineZahl(std::get<std::string>(w));
        return d;
    }
    static std::string ohneKomma(std::string s) {
        return !s.empty() && s.back() == ',' ? s.substr(0, s.size() - 1) : s;
    }

    void taste(const std::string& t) {
        const Modell vorher = *this;
        std::string fehler;
        if (t.size() == 1 && std::isdigit(static_cast<unsigned char>(t[0]))) {
            if (zustand != "NUMS") {
                anzeige = ",";
                komma = false;
            }
            anzeige = komma ? anzeige + t : anzeige.substr(0, anzeige.find(',')) + t + ",";
            if (zustand == "NEG") anzeige = "-" + anzeige;
            zustand = "NUMS";
        } else if (t == ",") {
            if (zustand == "NEG")
                anzeige = "-0,";
            else if (zustand != "NUMS")
                anzeige = "0,";
            komma = true;
            zustand = "NUMS";
        } else if (t == "C") {
            anzeige = "0,";
            erster = 0.0;
            zweiter = 0.0;
            verlauf.clear();
        } else if (t == "ende") {
            const std::string band = verlauf;
            const auto m = meldungen;
            *this = Modell{};
            verlauf = band;
            meldungen = m;
        } else if (t == "%") {
            const auto z = zahl(anzeige);
            if (std::holds_alternative<std::string>(z)) {
                fehler = std::get<std::string>(z);
            } else {
                const double d = std::get<double>(z);
                verlauf += "\r" + text(d) + " / 100 = " + text(d / 100);
                anzeige = text(d / 100);
                zustand = "Ops";
                offen = "%";
                ++anzahl;
                komma = true;
            }
        } else {
            if (t == "+/-") {
                offen = "+/-";
                zustand = "NUMS";
            }
            eingegeben = anzeige;
            if (zustand == "NUMS") ++anzahl;
            if (anzahl == 0 && t == "-" && zustand != "NEG") {
                anzeige = "-" + anzeige;
                zustand = "NEG";
            }
            if (anzahl == 1) {
                erster = anzeige;
                if (t == "-" && zustand != "NUMS" && offen != "=") {
                    anzeige = "-";
                    zustand = "NEG";
                }
            }
            if (anzahl == 2) {
                fehler = ausfuehren();
                anzeige = text(erster);
                anzahl = 1;
            }
            if (zustand != "NEG") {
                zustand = "OPS";
                offen = t;
            }
        }
        if (!fehler.empty() && fehler != kDurchNull) {
            *this = vorher;
        }
        if (!fehler.empty()) meldungen.push_back(fehler);
    }

    std::string ausfuehren() {
        zweiter = eingegeben;
        const std::string l = ohneKomma(text(erster)), r = ohneKomma(text(zweiter));
        if (offen == "=") {
            erster = zweiter;
            return {};
        }
        if (offen == " ") return {};
        const auto b = zahl(zweiter);
        if (std::holds_alternative<std::string>(b)) return std::get<std::string>(b);
        const double y = std::get<double>(b);
        if (offen == "+/-") {
            erster = zweiter = -y;
            verlauf += "\r" + r + " x -1 = " + text(erster);
            return {};
        }
        if (offen == "/" && y == 0) {
            verlauf += "\r" + l + " / " + r + " = " + text(erster);
            return kDurchNull;
        }
        const auto a = zahl(erster);
        if (std::holds_alternative<std::string>(a)) return std::get<std::string>(a);
        const double x = std::get<double>(a);
        double e = 0;
        std::string zeichen;
        if (offen == "+") {
            e = x + y;
            zeichen = " + ";
        }
        if (offen == "-") {
            e = x - y;
            zeichen = " - ";
        }
        if (offen == "X" || offen == "%") {
            e = x * y;
            zeichen = " x ";
        }
        if (offen == "/") {
            e = x / y;
            zeichen = " / ";
        }
        erster = e;
        verlauf += "\r" + l + zeichen + r + " = " + text(erster);
        return {};
    }

    std::string json() const {
        auto j = [](const std::string& s) {
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

std::string cli(const std::vector<std::string>& tasten, int* status = nullptr) {
    std::vector<std::string> argumente{"rechner"};
    argumente.insert(argumente.end(), tasten.begin(), tasten.end());
    std::ostringstream aus, fehler;
    const int s = ausfuehren(argumente, aus, fehler);
    if (status != nullptr) *status = s;
    return s == 0 ? aus.str() : fehler.str();
}

std::string modell(const std::vector<std::string>& tasten) {
    Modell m;
    for (const auto& t : tasten) m.taste(t);
    return m.json();
}

std::vector<std::string> folge(const std::string& text) {
    std::istringstream ein(text);
    std::vector<std::string> v;
    for (std::string t; ein >> t;) v.push_back(t);
    return v;
}

// The answer as JSON; the key rules themselves are tested with the calculator.
TEST(CliRechner, AnzeigeVerlaufUndMeldungenAlsJson) {
    EXPECT_EQ(cli(folge("0 , 1 + 0 , 2 =")),
              "{\"anzeige\": \"0,3\", \"verlauf\": \"\\r0,1 + 0,2 = 0,3\", \"meldungen\": []}\n");
    EXPECT_EQ(cli(folge("8 / 0 =")),
              "{\"anzeige\": \"8,\", \"verlauf\": \"\\r8 / 0 = 8,\", \"meldungen\": [\"" +
                  kDurchNull + "\"]}\n");
}

TEST(CliRechner, ZufaelligeFolgenWieDasModell) {
    // Digits come more often, as when someone really types.
    const std::vector<std::string> tasten = {"0",   "1", "2", "3",    "4", "5", "6", "7", "8", "9",
                                             "1",   "2", "5", "9",    ",", "+", "-", "X", "/", "=",
                                             "+/-", "%", "C", "ende", "0", "-", "X", "/", "="};
    std::mt19937 zufall(20071);
    for (int lauf = 0; lauf < 3000; ++lauf) {
        std::vector<std::string> f(1 + zufall() % 40);
        for (auto& t : f) t = tasten[zufall() % tasten.size()];
        const std::string erwartet = modell(f);
        ASSERT_EQ(cli(f), erwartet) << "Lauf " << lauf;
    }
}

}  // namespace
}  // namespace brelvanostik::cli
