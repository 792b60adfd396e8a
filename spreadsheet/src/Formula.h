#pragma once

#include "StoredValue.h"
#include "Token.h"

#include <QString>

#include <memory>
#include <span>
#include <vector>

namespace spreadsheet {

class Sheet;

enum class CalcState : std::uint8_t {
    Clean,        // the cached value is current
    Dirty,        // needs calculation
    Queued,       // on the calculation stack, not tried yet
    Calculating,  // being evaluated now
    Waiting,      // tried, waits for its precedents (on the stack)
};

// What most formulas do not need: text operands, and for a formula that did
// not parse, its text and the reason.
struct FormulaExtras {
    std::vector<QString> strings;
    QString sourceText;
    QString parseError;
    // An array formula entered over a range ({=...}): its rows and columns.
    int arrayRows = 0;
    int arrayColumns = 0;
};

// A formula and its tokens are one allocation: a replicated report holds
// hundreds of thousands of them, and a second block per formula would cost
// a third of their memory.
class Formula {
public:
    static std::unique_ptr<Formula> create(std::span<const Token> tokens, std::unique_ptr<FormulaExtras> extras);
    Formula(const Formula&) = delete;
    Formula& operator=(const Formula&) = delete;
    ~Formula() = default;
    static void operator delete(void* memory) { ::operator delete(memory); }
    // A formula whose text did not parse: it keeps the text and shows an error.
    static std::unique_ptr<Formula> invalid(const QString& text, const QString& reason);

    // A copy with the same tokens and text, not yet placed in a cell.
    std::unique_ptr<Formula> clone() const;
    // Tokens can be rewritten in place by structural edits.
    std::span<Token> mutableTokens() { return {data(), tokenCount_}; }
    std::span<const Token> tokens() const { return {data(), tokenCount_}; }
    const QString& string(int index) const { return extras_->strings[static_cast<std::size_t>(index)]; }
    bool isValid() const { return !extras_ || extras_->parseError.isEmpty(); }
    const FormulaExtras* extras() const { return extras_.get(); }
    bool isVolatile() const { return volatile_; }
    // Reads its own or a referenced cell's position (ROW, COLUMN), so moving
    // cells changes its value.
    bool isPositional() const { return positional_; }
    // An array formula over a fixed range, its cell at the top left; the
    // result is fitted to the range instead of spilling.
    bool isArrayFormula() const { return extras_ && extras_->arrayRows > 0; }
    CellRange arrayArea() const;
    void setArrayArea(int rows, int columns);

    Sheet* sheet = nullptr;
    int row = 0;
    int column = 0;
    CalcState state = CalcState::Dirty;
    StoredValue cached;

private:
    explicit Formula(std::uint32_t tokenCount) : tokenCount_(tokenCount) {}
    // Room for the object and its tokens, which follow it.
    static std::unique_ptr<Formula> allocate(std::size_t tokenCount);
    Token* data() { return reinterpret_cast<Token*>(this + 1); }
    const Token* data() const { return reinterpret_cast<const Token*>(this + 1); }

    // Shared by the copies of a formula (a replicated row holds thousands):
    // only setArrayArea writes to it, and it copies first.
    std::shared_ptr<FormulaExtras> extras_;
    std::uint32_t tokenCount_;
    bool volatile_ = false;
    bool positional_ = false;
};

static_assert(sizeof(Formula) % alignof(Token) == 0);

}  // namespace spreadsheet
