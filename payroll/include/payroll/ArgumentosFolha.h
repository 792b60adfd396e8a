#pragma once

#include <QString>
#include <QVariant>

namespace spreadsheet {
class ArgumentTokens;
class FormulaResult;
}  // namespace spreadsheet

namespace payroll {

// The payroll functions' arguments, by position from 0: read only when the
// call has that many; every one read as a variant. Numbers round to the
// nearest whole number (halves to the even one) with -1 for "not given";
// texts default to empty. A value that is no number raises, as a variant
// conversion does.
class ArgumentosFolha {
public:
    ArgumentosFolha(spreadsheet::FormulaResult& result, const spreadsheet::ArgumentTokens& arguments);

    int count() const { return count_; }
    int numero(int index) const;           // -1 when absent
    double numeroReal(int index) const;    // the same, not rounded (cost centres)
    QString texto(int index) const;        // "" when absent
    QString organograma(int index) const;  // the text without single quotes

private:
    QVariant valor(int index) const;

    spreadsheet::FormulaResult& result_;
    const spreadsheet::ArgumentTokens& arguments_;
    int count_;
};

}  // namespace payroll
