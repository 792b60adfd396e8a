#include <spreadsheet/render/LineLayout.h>

#include <algorithm>

namespace spreadsheet::render {

namespace {

// Lines are summed in blocks: scrolling far down extends the sums a block at
// a time instead of one line per query.
constexpr int kBlock = 4096;

}  // namespace

LineLayout::LineLayout(int lineCount, SizeOf sizeOf) : count_(lineCount), sizeOf_(std::move(sizeOf)) {}

int LineLayout::start(int index)
{
    if (index <= 0) {
        return 0;
    }
    index = std::min(index, count_);
    extendTo(index - 1);
    return ends_[index - 1];
}

int LineLayout::size(int index)
{
    if (index < 0 || index >= count_) {
        return 0;
    }
    extendTo(index);
    return ends_[index] - (index > 0 ? ends_[index - 1] : 0);
}

int LineLayout::lineAt(int position)
{
    position = std::max(position, 0);
    extendPast(position);
    const auto it = std::upper_bound(ends_.begin(), ends_.end(), position);
    if (it == ends_.end()) {
        return count_ - 1;
    }
    return static_cast<int>(it - ends_.begin());
}

void LineLayout::invalidateFrom(int index)
{
    if (index < static_cast<int>(ends_.size())) {
        ends_.resize(std::max(index, 0));
    }
}

void LineLayout::extendTo(int index)
{
    if (index < static_cast<int>(ends_.size())) {
        return;
    }
    const int last = std::min(std::max(index, (static_cast<int>(ends_.size()) / kBlock + 1) * kBlock - 1), count_ - 1);
    ends_.reserve(last + 1);
    int total = ends_.empty() ? 0 : ends_.back();
    for (int i = static_cast<int>(ends_.size()); i <= last; ++i) {
        total += sizeOf_(i);
        ends_.push_back(total);
    }
}

void LineLayout::extendPast(int position)
{
    while (static_cast<int>(ends_.size()) < count_ && (ends_.empty() || ends_.back() <= position)) {
        extendTo(static_cast<int>(ends_.size()));
    }
}

}  // namespace spreadsheet::render
