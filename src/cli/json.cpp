#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace brelvanostik::cli {

void JsonSchreiber::trenner() {
    if (!ersterEintrag_) text_ += ", ";
    ersterEintrag_ = false;
}

void JsonSchreiber::objektAnfang() {
    trenner();
    text_ += '{';
    ersterEintrag_ = true;
}

void JsonSchreiber::objektEnde() {
    text_ += '}';
    ersterEintrag_ = false;
}

void JsonSchreiber::arrayAnfang() {
    trenner();
    text_ += '[';
    ersterEintrag_ = true;
}

void JsonSchreiber::arrayEnde() {
    text_ += ']';
    ersterEintrag_ = false;
}

void JsonSchreiber::nichts() {
    trenner();
    text_ += "null";
}

void JsonSchreiber::feldAnfang(std::string_view name) {
    trenner();
    text_ += jsonText(name);
    text_ += ": ";
    ersterEintrag_ = true;  // the value that follows needs no separator
}

void JsonSchreiber::wert(std::int64_t zahl) {
    trenner();
    text_ += std::to_string(zahl);
}

void JsonSchreiber::wert(Money betrag) {
    trenner();
    text_ += betrag.text();
}

void JsonSchreiber::wert(float zahl) {
    trenner();
    if (!std::isfinite(zahl)) {
        text_ += "null";
        return;
    }
    char puffer[64];
    const auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, zahl, std::chars_format::fixed);
    text_.append(puffer, ergebnis.ptr);
}

void JsonSchreiber::wert(bool wahr) {
    trenner();
    text_ += wahr ? "true" : "false";
}

void JsonSchreiber::wert(std::string_view text) {
    trenner();
    text_ += jsonText(text);
}

std::string jsonText(std::string_view text) {
    std::string s = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                s += "\\\"";
                break;
            case '\\':
                s += "\\\\";
                break;
            case '\n':
                s += "\\n";
                break;
            case '\r':
                s += "\\r";
                break;
            case '\t':
                s += "\\t";
                break;
            default:
                if (u < 0x20) {
                    char esc[8];
                    std::snprintf(esc, sizeof esc, "\\u%04x", u);
                    s += esc;
                } else {
                    s += c;
                }
        }
    }
    s += '"';
    return s;
}

}  // namespace brelvanostik::cli
