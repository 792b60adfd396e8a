#include "FormulaWriter.h"

#include "Formula.h"
#include "functions/BuiltinFunctions.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

#include <array>
#include <vector>

namespace spreadsheet {

namespace {

struct OperatorText {
    OpCode op;
    const char* text;
};

constexpr std::array<OperatorText, 15> kBinary{{
    {OpCode::Add, "+"}, {OpCode::Sub, "-"}, {OpCode::Mul, "*"}, {OpCode::Div, "/"},
    {OpCode::Pow, "^"}, {OpCode::Concat, "&"}, {OpCode::Eq, "="}, {OpCode::Ne, "<>"},
    {OpCode::Lt, "<"}, {OpCode::Gt, ">"}, {OpCode::Le, "<="}, {OpCode::Ge, ">="},
    {OpCode::RangeOp, ":"}, {OpCode::Intersect, " "}, {OpCode::Union, ";"},
}};

const char* binaryText(OpCode op)
{
    for (const OperatorText& o : kBinary) {
        if (o.op == op) {
            return o.text;
        }
    }
    return nullptr;
}

QString quoted(const QString& s)
{
    QString r = s;
    r.replace(u'"', QStringLiteral("\"\""));
    return u'"' + r + u'"';
}

}  // namespace

QString formulaNumberText(double value)
{
    QString s = QString::number(value, 'g', QLocale::FloatingPointShortest);
    const auto e = s.indexOf(u'e');
    if (e >= 0) {
        QString exponent = s.mid(e + 1);
        const bool negative = exponent.startsWith(u'-');
        exponent.remove(0, exponent.startsWith(u'+') || negative ? 1 : 0);
        while (exponent.size() > 1 && exponent.startsWith(u'0')) {
            exponent.remove(0, 1);
        }
        s = s.left(e) + (negative ? QStringLiteral("E-") : QStringLiteral("E+")) + exponent;
    }
    return s;
}

QString FormulaWriter::write(const Formula& formula, CellAddress origin) const
{
    if (!formula.isValid()) {
        const QString& source = formula.extras()->sourceText;
        return source.startsWith(u'=') ? source : u'=' + source;
    }
    const auto referenceText = [&](const Token& t) {
        QString prefix;
        if (t.sheet != kOwnSheet) {
            const Sheet* sheet = workbook_.sheetById(t.sheet);
            if (!sheet) {
                return QStringLiteral("#REF!");
            }
            prefix = sheetPrefix(sheet->name());
        }
        const bool isRange = t.op == OpCode::Range;
        const CellRange range = isRange ? t.rangeValue() : CellRange::cell(t.a, t.b);
        const AbsoluteFlags abs{(t.flags & kAbsColumn1) != 0, (t.flags & kAbsRow1) != 0,
                                (t.flags & kAbsColumn2) != 0, (t.flags & kAbsRow2) != 0};
        if (t.flags & kWholeColumns) {
            return prefix + (abs.column1 ? QStringLiteral("$") : QString()) + columnName(range.left) + u':'
                   + (abs.column2 ? QStringLiteral("$") : QString()) + columnName(range.right);
        }
        if (t.flags & kWholeRows) {
            return prefix + (abs.row1 ? QStringLiteral("$") : QString()) + QString::number(range.top + 1) + u':'
                   + (abs.row2 ? QStringLiteral("$") : QString()) + QString::number(range.bottom + 1);
        }
        if (r1c1_) {
            return prefix + r1c1Text(range, abs, origin);
        }
        return prefix + rangeText(range, abs, isRange);
    };

    std::vector<QString> stack;
    const auto pop = [&stack] {
        QString s = std::move(stack.back());
        stack.pop_back();
        return s;
    };
    const auto builtins = builtinFunctions();
    for (const Token& t : formula.tokens()) {
        switch (t.op) {
        case OpCode::Number:
            stack.push_back(formulaNumberText(t.numberValue()));
            break;
        case OpCode::String:
            stack.push_back(quoted(formula.string(t.a)));
            break;
        case OpCode::Boolean:
            stack.push_back(t.a ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
            break;
        case OpCode::Error:
            stack.push_back(errorText(static_cast<ErrorCode>(t.a)));
            break;
        case OpCode::Missing:
            stack.emplace_back();
            break;
        case OpCode::Ref:
        case OpCode::Range:
            stack.push_back(referenceText(t));
            break;
        case OpCode::LetBind:
            stack.push_back(formula.string(t.a) + u';' + pop());
            break;
        case OpCode::LetEnd: {
            QString calculation = pop();
            QStringList parts;
            for (int i = 0; i < t.a; ++i) {
                parts.prepend(pop());
            }
            stack.push_back(QStringLiteral("LET(") + parts.join(u';') + u';' + calculation + u')');
            break;
        }
        case OpCode::SpillRef:
            stack.push_back(referenceText(t) + u'#');
            break;
        case OpCode::Array: {
            const int count = t.a * t.b;
            std::vector<QString> items(static_cast<std::size_t>(count));
            for (int i = count - 1; i >= 0; --i) {
                items[static_cast<std::size_t>(i)] = pop();
            }
            QString text = QStringLiteral("{");
            for (int i = 0; i < count; ++i) {
                if (i > 0) {
                    text += i % t.b == 0 ? u';' : u',';
                }
                text += items[static_cast<std::size_t>(i)];
            }
            stack.push_back(text + u'}');
            break;
        }
        case OpCode::BadRef:
        case OpCode::Name:
            stack.push_back(formula.string(t.a));
            break;
        case OpCode::Builtin:
        case OpCode::Custom: {
            QStringList args;
            for (int i = 0; i < t.b; ++i) {
                args.prepend(pop());
            }
            const QString name = t.op == OpCode::Builtin ? QString::fromLatin1(builtins[static_cast<std::size_t>(t.a)].name)
                                                         : formula.string(t.a);
            stack.push_back(name + u'(' + args.join(u';') + u')');
            break;
        }
        case OpCode::Neg:
            stack.push_back(u'-' + pop());
            break;
        case OpCode::Plus:
            stack.push_back(u'+' + pop());
            break;
        case OpCode::Percent:
            stack.push_back(pop() + u'%');
            break;
        case OpCode::Paren:
            stack.push_back(u'(' + pop() + u')');
            break;
        default: {
            QString right = pop();
            QString left = pop();
            stack.push_back(left + QLatin1String(binaryText(t.op)) + right);
            break;
        }
        }
    }
    return stack.empty() ? QStringLiteral("=") : u'=' + stack.back();
}

}  // namespace spreadsheet
