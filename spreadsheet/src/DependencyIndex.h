#pragma once

#include <spreadsheet/CellRange.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace spreadsheet {

class Calculator;
class Formula;
class Workbook;

// Which formulas read which cells, for recalculating only the dependents of
// an edit. It is built on first need from all formulas, then kept up to date
// edit by edit; bulk changes simply invalidate it.
class DependencyIndex {
public:
    bool isValid() const { return valid_; }
    void invalidate();
    void build(const Workbook& workbook, Calculator& calculator);
    void add(Formula& formula, Calculator& calculator);
    void remove(Formula& formula);

    // The formulas that read the cell, and every volatile formula.
    void dependents(int sheetId, int row, int column, const std::function<void(Formula*)>& visit) const;
    const std::vector<Formula*>& volatileFormulas() const { return volatile_; }
    std::size_t memoryUsage() const;

    static std::uint64_t key(int sheetId, int row, int column)
    {
        return (static_cast<std::uint64_t>(sheetId) << 35) | (static_cast<std::uint64_t>(column) << 21)
               | static_cast<std::uint64_t>(row);
    }

private:
    struct CellEntry {
        std::uint64_t key;
        Formula* formula;
        bool operator<(const CellEntry& o) const { return key < o.key; }
    };
    struct RangeEntry {
        int sheetId;
        CellRange range;
        Formula* formula;
    };

    void collect(Formula& formula, Calculator& calculator, std::vector<CellEntry>& cells);
    void mergeRecent();

    bool valid_ = false;
    std::vector<CellEntry> sorted_;  // removed formulas leave a null entry
    std::vector<CellEntry> recent_;  // added since the last merge, unsorted
    std::vector<RangeEntry> ranges_;
    std::vector<Formula*> volatile_;
};

}  // namespace spreadsheet
