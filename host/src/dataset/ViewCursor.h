#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace host {

class SortedIndex;

// The rows a dataset shows, positions [lo, hi) of one index, and the
// current record among them with the end-of-data flags of a dataset.
class ViewCursor {
public:
    void show(const SortedIndex* index, std::size_t lo, std::size_t hi);
    void hide();

    const SortedIndex* index() const { return index_; }
    std::size_t lo() const { return lo_; }
    std::size_t hi() const { return hi_; }
    std::size_t count() const { return hi_ - lo_; }
    std::size_t position() const { return position_; }
    std::optional<std::size_t> currentRow() const;

    void first();
    void next();
    void prior();
    void last();
    // Goes to a position of the view, counted from its start.
    void moveTo(std::size_t position);
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }

    void pushSavePoint();
    void popSavePoint();  // raises when none is saved
    void clearSavePoints() { savePoints_.clear(); }

private:
    struct SavePoint {
        std::size_t position;
        bool eof;
        bool bof;
    };

    const SortedIndex* index_ = nullptr;
    std::size_t lo_ = 0;
    std::size_t hi_ = 0;
    std::size_t position_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    std::vector<SavePoint> savePoints_;
};

}  // namespace host
