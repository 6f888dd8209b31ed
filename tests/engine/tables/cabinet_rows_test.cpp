#include "engine/tables/cabinet_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using tables::kCabinetRows;
using tables::kCabinetTaps;

// Step-down recursion on 1 - sum of a_k (z / radius)^-k: every pole lies
// within the radius exactly when each reflection coefficient is below 1 in magnitude.
bool polesWithin(const float* a, double radius)
{
    std::vector<double> p{1.0};
    for (int k = 1; k < kCabinetTaps; ++k)
        p.push_back(-a[k] / std::pow(radius, k));
    for (; p.size() > 1; p.pop_back()) {
        const double k = p.back();
        if (std::fabs(k) >= 1.0)
            return false;
        const std::vector<double> before = p;
        for (std::size_t i = 0; i + 1 < p.size(); ++i)
            p[i] = (before[i] - k * before[p.size() - 1 - i]) / (1.0 - k * k);
    }
    return true;
}

// With a margin, since the recursion's coefficients are single precision.
TEST(CabinetRows, EveryRowKeepsItsPolesInsideTheUnitCircle)
{
    for (int row = 0; row < tables::kCabinetRowCount; ++row)
        EXPECT_TRUE(polesWithin(kCabinetRows[row].a, 0.997) && kCabinetRows[row].a[0] == 0.0f) << "row " << row;
}

TEST(CabinetRows, TheFirstRowOfEachSetPassesTheSignalAndRowOneStartsWithItsGivenTaps)
{
    for (int row : {0, tables::kHighRateCabinets})
        for (int k = 0; k < kCabinetTaps; ++k)
            EXPECT_TRUE(kCabinetRows[row].b[k] == (k == 0 ? 1.0f : 0.0f) && kCabinetRows[row].a[k] == 0.0f) << row;
    const tables::CabinetRow& one = kCabinetRows[1];
    EXPECT_TRUE(one.b[0] == 0.95258f && one.b[1] == 0.42365f && one.b[2] == -0.29933f && one.a[1] == 0.37329f
                && one.a[2] == -0.37911f);
}

} // namespace
