// The default health insurance rates and the sliding zone's contribution formula; the
// ceilings and shares are checked through the month calculation.
#include <gtest/gtest.h>

#include "payroll/gleitzone.h"
#include "payroll/parameter.h"
#include "testfall.h"

namespace brelvanostik {
namespace {

using namespace wahl::land;
using namespace testfall;

TEST(PayrollParameter, KrankenversicherungssatzJeLandUndMonat) {
    // {year, state, month, rate x 100}; Rheinland-Pfalz changed with June 2006.
    // clang-format off
    const int faelle[][4] = {
        {2004, Bayern, Mar, 1490}, {2004, Bayern, Apr, 1450},  // Bavaria lowered with April 2004
        {2005, BadenWuerttemberg, Jun, 1490}, {2005, BadenWuerttemberg, Jul, 1400},
        {2005, BadenWuerttemberg, Nov, 1400}, {2005, BadenWuerttemberg, Dez, 1390},
        {2005, MecklenburgVorpommern, Jun, 1490},
        {2005, MecklenburgVorpommern, Jul, 1400},  // the general cut of July 2005
        {2006, NordrheinWestfalen, Jan, 1300}, {2006, NordrheinWestfalen, Dez, 1300},
        {2006, RheinlandPfalz, Mai, 1330}, {2006, RheinlandPfalz, Jun, 1390},
        {2006, Hessen, Jun, 1390}, {2006, Hessen, Jul, 1440},
        {2007, Berlin, Jan, 1580}, {2007, Sachsen, Dez, 1290}, {2007, Thueringen, Jul, 1360},
        {2003, -1, -1, 1490}, {2009, 99, 40, 1450},  // foreign indexes stay inside the table
    };
    // clang-format on
    for (const auto& f : faelle) {
        EXPECT_EQ(parameter().kvsatz(f[0], f[1], f[2]), f[3]) << f[0] << " " << f[1] << " " << f[2];
    }
}

TEST(PayrollGleitzone, HalbAufGerundetEntscheidetAmBruchteil) {
    // {ten-thousandths of a cent, whole cents}
    const std::int64_t faelle[][2] = {
        {42609950, 4261},  // 4260.995 rounds up: the fraction is not lost at 100 hundredths
        {42605000, 4261}, {42604951, 4261}, {42604949, 4260},
        {42604850, 4260},  // 48.5 hundredths go to even 48
        {42600001, 4260}, {-57000, -5},     {300000009950, 30000001},  // beyond 32 bits
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(halbAufGerundet(Money::raw(f[0])), Money::whole(f[1])) << f[0];
    }
}

TEST(PayrollGleitzone, BeitragJeZonenlage) {
    // {pay, rate x 100, year, month, reduced pay (ten-thousandths), employer, total, employee}
    const std::int64_t faelle[][8] = {
        {60000, 1420, 2005, 0, 519040000, 4260, 7370, 3110},  // (600 - 400) x 1.4048 + 238.08
        {40000, 1420, 2005, 0, 238080000, 2840, 3380, 540},   // up to 400.00: x F
        {39999, 1420, 2005, 0, 238074048, 2840, 3380, 540},   // keeps its fraction of a cent
        {40001, 1420, 2005, 0, 238090000, 2840, 3380, 540},   // 23809.4048 rounded
        {80000, 1420, 2005, 0, 800000000, 5680, 11360, 5680},
        {80001, 1420, 2005, 0, 800010000, 5680, 11360, 5680},  // above: employee = employer
        {82010, 1990, 2007, 0, 820100000, 8160, 16320, 8160},  // 8159.995 rounds up
        {60000, 1420, 2006, 5, 519340000, 4260, 7374, 3114},   // first half 2006: 0.5967
        {30000, 1420, 2006, 5, 178560000, 2130, 2536, 406},    // ... but 0.5952 up to 400
        {60000, 1420, 2006, 6, 543200000, 4260, 7714, 3454},   // from July 2006: 0.7160
        {60000, 1420, 2007, 0, 553460000, 4260, 7860, 3600},   // 0.7673: 1.2327, 306.92
    };
    for (const auto& f : faelle) {
        const Gleitzonenbeitrag g = gleitzonenbeitrag(
            Money::whole(f[0]), Money::whole(f[1]), static_cast<int>(f[2]), static_cast<int>(f[3]));
        EXPECT_EQ(g.bemessungsentgelt, Money::raw(f[4])) << f[0] << " " << f[2];
        EXPECT_EQ((std::array{g.arbeitgeberanteil, g.gesamtbeitrag, g.arbeitnehmeranteil}),
                  (std::array{Money::whole(f[5]), Money::whole(f[6]), Money::whole(f[7])}))
            << f[0] << " " << f[2];
    }
}

}  // namespace
}  // namespace brelvanostik
