#pragma once

#include <cstddef>
#include <functional>

namespace spreadsheet::io {

// Work over [0, count) cut into slices, one per core and each of at least
// `minimum` items: the pure part of loading or writing hundreds of
// thousands of cells is done on every core.
class Slices {
public:
    Slices(std::size_t count, std::size_t minimum);
    std::size_t count() const { return slices_; }
    // Runs work(slice, first, last) for every slice, the calling thread
    // taking the first; what a slice throws is rethrown once all have ended.
    void run(const std::function<void(std::size_t, std::size_t, std::size_t)>& work) const;

private:
    std::size_t items_;
    std::size_t slices_;
    std::size_t step_;
};

}  // namespace spreadsheet::io
