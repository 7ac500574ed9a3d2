#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/money.h"

namespace brelvanostik::cli {

/// A small writer for one JSON document: objects and arrays in order, numbers written so
/// that a reader gets the exact value back (Money with at most four decimals and no
/// exponent, single-precision values with the shortest digits that read back the same).
class JsonSchreiber {
  public:
    void objektAnfang();
    void objektEnde();
    void feldAnfang(std::string_view name);  ///< a key inside an object; the value follows
    void arrayAnfang();
    void arrayEnde();

    void wert(std::int64_t zahl);
    void wert(Money betrag);
    void wert(float zahl);
    void wert(bool wahr);
    void wert(std::string_view text);
    void nichts();  ///< null

    template <typename T>
    void feld(std::string_view name, const T& wert_) {
        feldAnfang(name);
        wert(wert_);
    }

    const std::string& text() const { return text_; }

  private:
    void trenner();
    std::string text_;
    bool ersterEintrag_ = true;
};

/// JSON string literal for UTF-8 text.
std::string jsonText(std::string_view text);

}  // namespace brelvanostik::cli
