#include "analysis/AmateurBands.h"

#include <array>

namespace ravemo {
namespace {

struct BandEdges {
    double lowHz;
    double highHz;
};

struct BandRow {
    const char* name;
    std::array<BandEdges, kIaruRegionCount> regions;  // IARU regions 1, 2, 3
};

// The ITU allocations to the amateur service, by IARU region, in Hz, ascending. Some countries
// allow less (6 m in parts of region 1, for one). 2200 m (WRC-07), 630 m (WRC-12) and 60 m
// (WRC-15) are secondary allocations, the same in every region.
// clang-format off
constexpr BandRow kBands[] = {
    {"2200m", {{{135'700, 137'800}, {135'700, 137'800}, {135'700, 137'800}}}},
    {"630m", {{{472'000, 479'000}, {472'000, 479'000}, {472'000, 479'000}}}},
    {"160m", {{{1'810'000, 2'000'000}, {1'800'000, 2'000'000}, {1'800'000, 2'000'000}}}},
    {"80m", {{{3'500'000, 3'800'000}, {3'500'000, 4'000'000}, {3'500'000, 3'900'000}}}},
    {"60m", {{{5'351'500, 5'366'500}, {5'351'500, 5'366'500}, {5'351'500, 5'366'500}}}},
    {"40m", {{{7'000'000, 7'200'000}, {7'000'000, 7'300'000}, {7'000'000, 7'300'000}}}},
    {"30m", {{{10'100'000, 10'150'000}, {10'100'000, 10'150'000}, {10'100'000, 10'150'000}}}},
    {"20m", {{{14'000'000, 14'350'000}, {14'000'000, 14'350'000}, {14'000'000, 14'350'000}}}},
    {"17m", {{{18'068'000, 18'168'000}, {18'068'000, 18'168'000}, {18'068'000, 18'168'000}}}},
    {"15m", {{{21'000'000, 21'450'000}, {21'000'000, 21'450'000}, {21'000'000, 21'450'000}}}},
    {"12m", {{{24'890'000, 24'990'000}, {24'890'000, 24'990'000}, {24'890'000, 24'990'000}}}},
    {"10m", {{{28'000'000, 29'700'000}, {28'000'000, 29'700'000}, {28'000'000, 29'700'000}}}},
    {"6m", {{{50'000'000, 52'000'000}, {50'000'000, 54'000'000}, {50'000'000, 54'000'000}}}},
};
// clang-format on

}  // namespace

std::vector<AmateurBand> AmateurBandsOf(int region) {
    std::vector<AmateurBand> bands;
    if (region < 1 || region > kIaruRegionCount) return bands;
    for (const BandRow& row : kBands) {
        const BandEdges& edges = row.regions[static_cast<std::size_t>(region - 1)];
        bands.push_back({row.name, edges.lowHz, edges.highHz});
    }
    return bands;
}

}  // namespace ravemo
