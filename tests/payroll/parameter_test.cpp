#include <gtest/gtest.h>

#include "payroll/parameter.h"

namespace brelvanostik {
namespace {

enum { BW = 0, BY = 1, BE = 2, BB = 3, HE = 6, MV = 7, RP = 10, SN = 12, TH = 15 };

TEST(PayrollParameter, KrankenversicherungssatzJeLandUndMonat) {
    // {year, state, month, rate x 100}
    const int faelle[][4] = {
        {2004, BY, 2, 1490},  {2004, BY, 3, 1450},  // Bavaria lowered with April 2004
        {2005, BW, 5, 1490},  {2005, BW, 6, 1400},  // Baden-Württemberg: three runs in 2005
        {2005, BW, 10, 1400}, {2005, BW, 11, 1390},
        {2005, MV, 0, 1490},  {2005, MV, 11, 1490},  // no drop in July 2005
        {2006, RP, 4, 1330},  {2006, RP, 5, 1390},   // Rheinland-Pfalz changed with June
        {2004, RP, 5, 1440},  {2004, RP, 6, 1420},
        {2006, HE, 5, 1390},  {2006, HE, 6, 1440},
        {2007, BE, 0, 1580},  {2007, SN, 11, 1290},
        {2007, TH, 6, 1360},  {2003, -1, -1, 1490},
        {2009, 99, 40, 1450},  // foreign indexes stay inside the table
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(parameter().kvsatz(f[0], f[1], f[2]), f[3]) << f[0] << " " << f[1] << " " << f[2];
    }
}

TEST(PayrollParameter, BeitragsbemessungsgrenzenUndAnteile) {
    // {year, state, health ceiling, pension ceiling (cents), care, pension, unemployment share}
    const std::int64_t faelle[][7] = {
        {2004, BE, 348750, 515000, 8500, 97500, 32500},  // Berlin counts as western area
        {2004, SN, 348750, 435000, 8500, 97500, 32500},
        {2005, MV, 352500, 440000, 8500, 97500, 32500},
        {2006, BY, 356250, 525000, 8500, 97500, 32500},
        {2007, BB, 356250, 445000, 8500, 99500, 21000},  // east 2007: 4,450.00, not 4,550.00
        {2007, BW, 356250, 525000, 8500, 99500, 21000},
    };
    const Parameter& p = parameter();
    for (const auto& f : faelle) {
        const int i = Parameter::tabellenindex(static_cast<int>(f[0]), static_cast<int>(f[1]));
        EXPECT_EQ(p.kvbbg[i], static_cast<float>(f[2])) << f[0] << " " << f[1];
        EXPECT_EQ(p.rvbbg[i], static_cast<float>(f[3])) << f[0] << " " << f[1];
        EXPECT_EQ((std::array{p.pvsatz[i], p.rvsatz[i], p.avsatz[i]}),
                  (std::array{Money::raw(f[4]), Money::raw(f[5]), Money::raw(f[6])}));
    }
}

TEST(PayrollParameter, OstgebietUndGleitzonenfaktor) {
    for (int land = 0; land < Parameter::kLaender; ++land) {
        const bool ost = land == 3 || land == 7 || land == 12 || land == 13 || land == 15;
        EXPECT_EQ(Parameter::ostgebiet(land), ost ? 1 : 0) << land;
    }
    // {year, month, inside the zone, F in ten-thousandths}
    const int faelle[][4] = {{2004, 0, 1, 5952}, {2005, 11, 0, 5952}, {2006, 5, 1, 5967},
                             {2006, 5, 0, 5952}, {2006, 6, 1, 7160},  {2006, 6, 0, 7160},
                             {2007, 0, 1, 7614}};
    for (const auto& f : faelle) {
        EXPECT_EQ(gleitzonenfaktor(f[0], f[1], f[2] == 1), Money::raw(f[3])) << f[0] << " " << f[1];
    }
}

}  // namespace
}  // namespace brelvanostik
