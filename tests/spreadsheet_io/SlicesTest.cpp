// Work cut into slices that the cores take as they come free.
#include "Slices.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

using spreadsheet::io::Slices;

TEST(SlicesTest, EveryItemOnceInItsSliceWhateverTheCut)
{
    struct Case {
        std::size_t items;
        std::size_t minimum;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{7, 1}, Case{7, 3}, Case{100001, 1}, Case{100001, 20000}}) {
        const Slices slices(c.items, c.minimum);
        ASSERT_GE(slices.count(), 1u);
        ASSERT_LE(slices.count(), std::max<std::size_t>(1, c.items / c.minimum)) << c.items;
        std::vector<std::atomic<int>> seen(c.items);
        std::vector<std::atomic<int>> runs(slices.count());
        std::vector<std::size_t> firsts(slices.count());
        slices.run([&](std::size_t slice, std::size_t first, std::size_t last) {
            ++runs[slice];
            firsts[slice] = first;
            for (std::size_t i = first; i < last; ++i)
                ++seen[i];
        });
        for (std::size_t i = 0; i < c.items; ++i)
            ASSERT_EQ(seen[i], 1) << c.items << " item " << i;
        for (std::size_t s = 0; s < slices.count(); ++s) {
            EXPECT_EQ(runs[s], 1) << s;
            if (s > 0) {
                EXPECT_LE(firsts[s - 1], firsts[s]) << "slices follow the items' order";
            }
        }
    }
}

TEST(SlicesTest, TheFirstFailingSliceIsRethrownOnceAllHaveRun)
{
    const Slices slices(64, 1);
    if (slices.count() < 3)
        GTEST_SKIP() << "a single core takes the work in one slice";
    std::atomic<int> ran = 0;
    try {
        slices.run([&](std::size_t slice, std::size_t, std::size_t) {
            ++ran;
            if (slice == 1 || slice == slices.count() - 1)
                throw std::runtime_error(std::to_string(slice));
        });
        FAIL() << "nothing was rethrown";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "1");
    }
    EXPECT_EQ(ran, static_cast<int>(slices.count()));
}
