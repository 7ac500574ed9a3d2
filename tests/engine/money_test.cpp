#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "engine/money.h"

namespace brelvanostik {
namespace {

Money m(const char* text) {
    std::string s = text;
    const bool neg = s[0] == '-';
    if (neg) s.erase(0, 1);
    const auto p = s.find('.');
    std::string ganz = s.substr(0, p), bruch = p == std::string::npos ? "" : s.substr(p + 1);
    bruch.resize(4, '0');
    const std::int64_t u = std::stoll(ganz) * 10000 + std::stoll(bruch);
    return Money::raw(neg ? -u : u);
}

TEST(Money, DoubleWirdHalbZuGeradeAufVierStellenGerundet) {
    struct Fall {
        double wert;
        const char* erwartet;
    };
    for (const Fall& f : {Fall{53.515, "53.515"}, Fall{0.00004, "0"}, Fall{0.00016, "0.0002"},
                          Fall{-0.00016, "-0.0002"}, Fall{1500.0884, "1500.0884"},
                          Fall{30000.0804, "30000.0804"}}) {
        EXPECT_EQ(Money::fromDouble(f.wert), m(f.erwartet)) << f.wert;
    }
    EXPECT_EQ(Money::fromDouble(std::numeric_limits<double>::quiet_NaN()), Money());
    EXPECT_EQ(Money::fromDouble(1e300).units(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Money::fromDouble(-1e300).units(), std::numeric_limits<std::int64_t>::min());
}

// Each way of cutting and rounding, and the text, of one amount. Rounding up never rounds
// down: a fraction of 0.995 and more is a fraction too.
TEST(Money, AbschneidenRundenUndText) {
    struct Fall {
        const char *wert, *ab, *abCent, *auf, *aufCent;
        std::int32_t int32;
    };
    for (const Fall& f : {
             Fall{"12.9999", "12", "12.99", "13", "13", 13},
             Fall{"-12.9999", "-12", "-12.99", "-12", "-12.99", -13},
             Fall{"2.5", "2", "2.5", "3", "2.51", 2},
             Fall{"3.5", "3", "3.5", "4", "3.51", 4},
             Fall{"-2.5", "-2", "-2.5", "-2", "-2.5", -2},
             Fall{"-0.2", "0", "-0.2", "0", "-0.2", 0},
             Fall{"0", "0", "0", "0", "0", 0},
             Fall{"0.0804", "0", "0.08", "1", "0.09", 0},
             Fall{"12.996", "12", "12.99", "13", "13", 13},
             Fall{"12.004", "12", "12", "12", "12", 12},
             Fall{"12.005", "12", "12", "12", "12", 12},
             Fall{"12.0051", "12", "12", "13", "12.01", 12},
             Fall{"12.015", "12", "12.01", "13", "12.02", 12},
             Fall{"123.45", "123", "123.45", "124", "123.46", 123},
             Fall{"123.455", "123", "123.45", "124", "123.46", 123},
             Fall{"-12.5", "-12", "-12.5", "-12", "-12.5", -12},
             Fall{"-1234.0001", "-1234", "-1234", "-1234", "-1234", -1234},
             Fall{"30000000.7", "30000000", "30000000.7", "30000001", "30000000.71", 30000001},
         }) {
        const Money w = m(f.wert);
        EXPECT_EQ((std::array{w.abgeschnitten(), w.abgeschnittenHundertstel(), w.aufgerundet(),
                              w.aufgerundetHundertstel()}),
                  (std::array{m(f.ab), m(f.abCent), m(f.auf), m(f.aufCent)}))
            << f.wert;
        EXPECT_EQ(w.toInt32(), f.int32) << f.wert;
        EXPECT_EQ(w.text(), f.wert);
    }
    EXPECT_EQ(Money::whole(3'000'000'000).toInt32(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Money::whole(-3'000'000'000).toInt32(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Money::raw(std::numeric_limits<std::int64_t>::min()).text(), "-922337203685477.5808");
}

TEST(Money, ProdukteUndQuotienten) {
    EXPECT_EQ(m("100000") * m("12"), m("1200000"));
    EXPECT_EQ(m("0.0001") * m("0.5"), m("0"));       // 0.00005 -> even
    EXPECT_EQ(m("0.0003") * m("0.5"), m("0.0002"));  // 0.00015 -> even
    EXPECT_EQ(m("123400").geteilt(12), m("10283.3333"));
    EXPECT_EQ(m("0.0001").geteilt(2), m("0"));
    EXPECT_EQ(m("7").geteilt(0), Money());
    EXPECT_EQ(m("6000").mal(0.0975), m("585"));
}

}  // namespace
}  // namespace brelvanostik
