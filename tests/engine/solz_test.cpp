// Solidarity surcharge with its transition zone.
#include <gtest/gtest.h>

#include "engine/lohnsteuer.h"

namespace brelvanostik {
namespace {

Money euro(std::int64_t n) {
    return Money::whole(n);
}

TEST(Solidaritaetszuschlag, FreigrenzeUndUebergangszone) {
    struct Fall {
        int split, lzz;
        std::int64_t jbmg;
        Money solzj, solzlzz;
    };
    const Fall faelle[] = {
        {1, 2, 972, Money(), Money()},
        {1, 2, 973, Money::raw(2000), Money::whole(1)},  // 0.20 a year: 1 cent a month
        {2, 2, 1944, Money(), Money()},
        {1, 2, 1340, Money::raw(736000), Money::whole(613)},   // the cap 73.60 < 73.70
        {1, 2, 1341, Money::raw(737500), Money::whole(614)},   // 73.755 cut to 73.75 < 73.80
        {1, 1, 1341, Money::raw(737500), Money::whole(7375)},  // a year: whole cents as well
        {1, 2, 12000, euro(660), Money::whole(5500)},
        {2, 2, 2000, Money::raw(112000), Money::whole(93)},  // 20 % of 56 = 11.20
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.LZZ = f.lzz;
        e.SPLITFAKTOR = euro(f.split);
        e.JBMG = euro(f.jbmg);
        e.solz();
        EXPECT_EQ(e.SOLZJ, f.solzj) << f.jbmg;
        EXPECT_EQ(e.SOLZLZZ, f.solzlzz) << f.jbmg << " LZZ " << f.lzz;
    }
}

}  // namespace
}  // namespace brelvanostik
