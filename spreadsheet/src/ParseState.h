#pragma once

#include "Token.h"

#include <spreadsheet/Reference.h>

#include <QString>

#include <stdexcept>
#include <vector>

namespace spreadsheet {

class Workbook;

struct ParseFailure : std::runtime_error {
    explicit ParseFailure(const QString& reason) : std::runtime_error("parse"), reason(reason) {}
    QString reason;
};

// The recursive-descent reader behind FormulaParser: one instance per text.
class ParseState {
public:
    // Room for the tokens of a usual formula, so that they take one allocation.
    ParseState(const Workbook& workbook, QStringView text) : workbook_(workbook), text_(text) { tokens.reserve(16); }

    void parseFormula();
    std::vector<Token> tokens;
    std::vector<QString> strings;
    bool usesStrings() const { return !strings.empty(); }

private:
    void expression();
    void comparison();
    void concatenation();
    void additive();
    void term();
    void power();
    void unary();
    void referenceOperand();
    bool intersectionFollows() const;
    void primary();
    void parenthesized();
    void arrayConstant();
    void arrayElement();
    void number();
    void stringLiteral();
    void errorLiteral();
    void quotedSheetReference();
    void word();
    void functionCall(const QString& name);
    void letCall();
    void rowRange(int firstRow, std::uint16_t sheet, bool absoluteFirst = false);
    bool tryRowRange(QStringView word, std::uint16_t sheet);
    void qualifiedReference(std::uint16_t sheet, int unknownStart);
    bool tryCellReference(QStringView word, std::uint16_t sheet);
    bool tryColumnRange(QStringView word, std::uint16_t sheet);
    void defineName(const QString& name);

    QChar peek(int ahead = 0) const
    {
        const int i = pos_ + ahead;
        return i < text_.size() ? text_[i] : QChar();
    }
    void skipSpaces()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace()) {
            ++pos_;
        }
    }
    bool accept(QChar c)
    {
        skipSpaces();
        if (peek() == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    QStringView readWord();
    int addString(const QString& s);
    std::uint16_t sheetId(const QString& name, bool& found) const;
    [[noreturn]] void fail(const QString& reason) const;
    void append(OpCode op, int a = 0, int b = 0);

    const Workbook& workbook_;
    QStringView text_;
    int pos_ = 0;
    int depth_ = 0;
};

}  // namespace spreadsheet
