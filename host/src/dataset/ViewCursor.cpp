#include "ViewCursor.h"

#include "SortedIndex.h"
#include "host/HostError.h"

#include <algorithm>

namespace host {

void ViewCursor::show(const SortedIndex* index, std::size_t lo, std::size_t hi)
{
    index_ = index;
    lo_ = lo;
    hi_ = std::max(lo, hi);
}

void ViewCursor::hide()
{
    show(nullptr, 0, 0);
    first();
}

std::optional<std::size_t> ViewCursor::currentRow() const
{
    if (index_ == nullptr || count() == 0) {
        return std::nullopt;
    }
    return index_->row(lo_ + position_);
}

void ViewCursor::first()
{
    position_ = 0;
    bof_ = true;
    eof_ = count() == 0;
}

void ViewCursor::last()
{
    position_ = count() == 0 ? 0 : count() - 1;
    eof_ = true;
    bof_ = count() == 0;
}

// Like a dataset's cursor, stepping past either end leaves the record in
// place and raises the flag of that end; any step clears the other flag.
void ViewCursor::next()
{
    bof_ = count() == 0;
    if (position_ + 1 < count()) {
        ++position_;
        eof_ = false;
    } else {
        eof_ = true;
    }
}

void ViewCursor::prior()
{
    eof_ = count() == 0;
    if (position_ > 0 && count() > 0) {
        --position_;
        bof_ = false;
    } else {
        bof_ = true;
    }
}

void ViewCursor::moveTo(std::size_t position)
{
    position_ = position;
    eof_ = false;
    bof_ = false;
}

void ViewCursor::pushSavePoint()
{
    savePoints_.push_back({position_, eof_, bof_});
}

// The view may have changed since the save; a position beyond its end
// falls back to its last record.
void ViewCursor::popSavePoint()
{
    if (savePoints_.empty()) {
        throw HostError(QStringLiteral("Não há ponto de salvamento para restaurar."));
    }
    const SavePoint saved = savePoints_.back();
    savePoints_.pop_back();
    if (count() == 0) {
        first();
        return;
    }
    position_ = std::min(saved.position, count() - 1);
    eof_ = saved.eof;
    bof_ = saved.bof;
}

}  // namespace host
