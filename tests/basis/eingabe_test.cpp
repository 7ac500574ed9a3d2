// The amount fields' key filter and the reading of typed amounts.
#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "basis/eingabe.h"

namespace brelvanostik {
namespace {

TEST(Tastenfilter, ZiffernUndEinKomma) {
    struct Fall {
        const char* text;
        char32_t taste;
        bool zugelassen;
    };
    for (const Fall& f :
         {Fall{"", U'5', true}, Fall{"1", U',', true}, Fall{"1,5", U',', false},
          Fall{"1", U'.', false}, Fall{"1", U'-', false}, Fall{"1", U'/', false},
          Fall{"1", U'a', false}, Fall{"1", U'€', false}, Fall{"1", 7, false}, Fall{"1", 8, true},
          Fall{"1", 13, true}, Fall{"1", U' ', true}, Fall{"12345678901", U'1', false},
          Fall{"12345678901", 8, false}, Fall{"1234567890", U'1', true}}) {
        EXPECT_EQ(tasteZulassen(f.text, f.taste), f.zugelassen)
            << f.text << " + " << static_cast<int>(f.taste);
    }
}

TEST(Feldtext, ZulaessigUndHundertstel) {
    struct Fall {
        const char* text;
        bool zulaessig;
        std::optional<std::int64_t> wert;
    };
    for (const Fall& f :
         {Fall{"3000", true, 300000}, Fall{"1,5", true, 150}, Fall{" 12 ", true, 1200},
          Fall{"", true, 0}, Fall{",5", true, 50}, Fall{"1,555", true, 156},
          Fall{"1,545", true, 154}, Fall{"1,5451", true, 155}, Fall{"1,2,3", false, std::nullopt},
          Fall{"1.5", false, std::nullopt}, Fall{"12345678901", false, 1234567890100},
          Fall{"-1", false, std::nullopt}, Fall{",", true, std::nullopt}}) {
        EXPECT_EQ(feldtextZulaessig(f.text), f.zulaessig) << f.text;
        EXPECT_EQ(hundertstel(f.text), f.wert) << f.text;
    }
}

TEST(Feldtext, ZeichenStattBytes) {
    EXPECT_EQ(zeichenzahl("Größe"), 5u);
    EXPECT_EQ(zeichenKuerzen("Größe", 3), "Grö");
    EXPECT_EQ(zeichenKuerzen("ab", 5), "ab");
}

}  // namespace
}  // namespace brelvanostik
