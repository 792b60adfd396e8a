#pragma once

#include <cstddef>
#include <functional>

namespace spreadsheet::io {

// Work over [0, count) cut into slices of at least `minimum` items, a few
// per core: the pure part of loading or writing hundreds of thousands of
// cells is done on every core. Each core takes the next slice left when it
// is free, so a core slowed by page faults or a heavier part of a sheet
// does not leave the others waiting for it.
class Slices {
public:
    Slices(std::size_t count, std::size_t minimum);
    std::size_t count() const { return slices_; }
    // Runs work(slice, first, last) once for every slice, on the calling
    // thread and one more per further core; what a slice throws is rethrown,
    // the first slice's first, once all have ended.
    void run(const std::function<void(std::size_t, std::size_t, std::size_t)>& work) const;

private:
    std::size_t items_;
    std::size_t slices_;
    std::size_t step_;
    std::size_t threads_;
};

}  // namespace spreadsheet::io
