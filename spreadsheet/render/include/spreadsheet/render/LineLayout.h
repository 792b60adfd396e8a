#pragma once

#include <functional>
#include <vector>

namespace spreadsheet::render {

// Pixel positions of the rows (or the columns) of a sheet. The running sums
// are kept only for the lines reached so far, so that finding the line at a
// position is a binary search and a paint never walks the whole sheet.
class LineLayout {
public:
    // The size of a line in pixels, 0 for a hidden one.
    using SizeOf = std::function<int(int index)>;

    LineLayout(int lineCount, SizeOf sizeOf);

    int count() const { return count_; }
    int start(int index);
    int size(int index);
    int end(int index) { return start(index) + size(index); }
    // The visible line covering the position; past the last line, the last.
    int lineAt(int position);
    // Sizes from this line on have changed.
    void invalidateFrom(int index);

private:
    void extendTo(int index);
    void extendPast(int position);

    int count_;
    SizeOf sizeOf_;
    std::vector<int> ends_;  // ends_[i]: the pixel just below (right of) line i
};

}  // namespace spreadsheet::render
