#pragma once

#include <spreadsheet/CellRange.h>

#include <QHashFunctions>

#include <array>
#include <cstdint>

namespace spreadsheet {

// The ways a range may grow from a fixed side: $A$1:A9 grows down, A9:$A$99
// up, $A$1:K1 to the right. Three sides of a range are its key under one
// way of growing, the fourth is how far it reaches.
enum class Growth : std::uint8_t { Down, Up, Right };

inline constexpr std::array<Growth, 3> kGrowths{Growth::Down, Growth::Up, Growth::Right};

struct GrowthKey {
    const void* sheet = nullptr;
    Growth growth = Growth::Down;
    int a = 0;
    int b = 0;
    int c = 0;
    bool operator==(const GrowthKey&) const = default;
    friend std::size_t qHash(const GrowthKey& key, std::size_t seed)
    {
        return qHashMulti(seed, key.sheet, static_cast<int>(key.growth), key.a, key.b, key.c);
    }
};

inline GrowthKey growthKey(const void* sheet, const CellRange& r, Growth g)
{
    switch (g) {
    case Growth::Down:
        return {sheet, g, r.left, r.right, r.top};
    case Growth::Up:
        return {sheet, g, r.left, r.right, r.bottom};
    case Growth::Right:
        break;
    }
    return {sheet, g, r.top, r.bottom, r.left};
}

inline int reachOf(const CellRange& r, Growth g)
{
    return g == Growth::Down ? r.bottom : g == Growth::Up ? r.top : r.right;
}

// True when a range of the key reaching `reached` holds the one reaching `wanted`.
inline bool reachHolds(Growth g, int reached, int wanted)
{
    return g == Growth::Up ? reached <= wanted : reached >= wanted;
}

// The farther of two reaches.
inline int fartherReach(Growth g, int x, int y)
{
    return reachHolds(g, x, y) ? x : y;
}

// The cells of r past the smaller range of its key that reaches `reached`.
inline CellRange pastReach(const CellRange& r, Growth g, int reached)
{
    switch (g) {
    case Growth::Down:
        return {r.left, reached + 1, r.right, r.bottom};
    case Growth::Up:
        return {r.left, r.top, r.right, reached - 1};
    case Growth::Right:
        break;
    }
    return {reached + 1, r.top, r.right, r.bottom};
}

}  // namespace spreadsheet
