#pragma once

#include <spreadsheet/CellRange.h>

namespace spreadsheet {

struct ClipboardData;
class Formula;
class Sheet;
struct Token;

// Pastes a cut block: the cells leave their place, and every reference to
// them, wherever it is, follows them to the new one.
class ClipboardMove {
public:
    ClipboardMove(const ClipboardData& data, Sheet& target, const CellRange& area);
    void run();

private:
    // True when the token pointed into the moved area and now follows it.
    bool follow(Token& token, int formulaSheetId, int newFormulaSheetId) const;
    void clearSource();
    void placeCells();
    void redirectFormulas();
    void redirectNames();
    void moveLayout();

    const ClipboardData& d_;
    Sheet& source_;
    Sheet& target_;
    CellRange area_;
    int rows_;
    int columns_;
};

}  // namespace spreadsheet
