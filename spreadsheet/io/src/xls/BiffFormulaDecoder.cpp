#include "BiffFormulaDecoder.h"

#include "BiffCellValue.h"
#include "BiffCursor.h"
#include "BiffFunctionTable.h"
#include "BiffLinkTable.h"
#include "FormulaWriter.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Value.h>
#include <spreadsheet/io/FileFormatError.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace spreadsheet::io::xls {

namespace {

// Binding strength in the engine's grammar, loosest first. An operand that
// binds looser than its place needs gets parentheses.
enum Precedence : int { kCompare = 1, kConcat, kAdditive, kMultiplicative, kPower, kPrefix, kPostfix, kPrimary };

constexpr int kMaxTextLength = 8192;  // the engine refuses longer formulas anyway
constexpr int kUserFunction = 255;
constexpr std::uint16_t kCommandFlag = 0x8000;
constexpr std::uint16_t kColumnRelative = 0x4000;
constexpr std::uint16_t kRowRelative = 0x8000;
constexpr std::uint16_t kColumnMask = 0x3FFF;
constexpr int kRowCount = 0x10000;     // positions wrap around the file's sheet size
constexpr int kRowCount5 = 0x4000;     // Excel 5.0/95 sheets are shorter
constexpr int kColumnCount = 0x100;
constexpr std::uint16_t kRowMask5 = 0x3FFF;
constexpr std::uint16_t kRelativeFlags = kColumnRelative | kRowRelative;
constexpr std::uint8_t kAttrChoose = 0x04;
constexpr std::uint8_t kAttrSum = 0x10;

// Thrown inside the decoder when the formula cannot be written in the
// engine's syntax; decode() turns it into nullopt.
struct Unsupported {};

struct Operand {
    QString text;
    int precedence = kPrimary;
    bool isName = false;
};

struct BinaryOperator {
    const char* text;
    int precedence;
};

// Tokens 0x03 to 0x0E, in token order.
constexpr std::array<BinaryOperator, 12> kBinaryOperators{{
    {"+", kAdditive}, {"-", kAdditive}, {"*", kMultiplicative}, {"/", kMultiplicative}, {"^", kPower},
    {"&", kConcat}, {"<", kCompare}, {"<=", kCompare}, {"=", kCompare}, {">=", kCompare}, {">", kCompare},
    {"<>", kCompare},
}};

// Token numbers with the operand class bits (0x20, 0x40, 0x60) folded to 0x20.
enum Token : std::uint8_t {
    kExp = 0x01, kTbl = 0x02, kAdd = 0x03, kNe = 0x0E, kIsect = 0x0F, kUnion = 0x10, kRange = 0x11,
    kUplus = 0x12, kUminus = 0x13, kPercent = 0x14, kParen = 0x15, kMissArg = 0x16, kStr = 0x17,
    kAttr = 0x19, kErr = 0x1C, kBool = 0x1D, kInt = 0x1E, kNum = 0x1F,
    kArray = 0x20, kFunc = 0x21, kFuncVar = 0x22, kName = 0x23, kRef = 0x24, kArea = 0x25, kMemArea = 0x26,
    kMemErr = 0x27, kMemNoMem = 0x28, kMemFunc = 0x29, kRefErr = 0x2A, kAreaErr = 0x2B, kRefN = 0x2C,
    kAreaN = 0x2D, kMemAreaN = 0x2E, kMemNoMemN = 0x2F, kNameX = 0x39, kRef3d = 0x3A, kArea3d = 0x3B,
    kRefErr3d = 0x3C, kAreaErr3d = 0x3D,
};

// Bytes that tokens carry but the text does not need, in each layout.
struct TokenSizes {
    std::size_t afterName;
    std::size_t beforeExternIndex;  // of a name through EXTERNSHEET, after the entry
    std::size_t afterExternName;
    std::size_t beforeTabs;         // of a 3-D reference, after the entry
    std::size_t refErr;
    std::size_t areaErr;
    std::size_t refErr3d;
    std::size_t areaErr3d;
};
constexpr TokenSizes kSizes8{2, 0, 2, 0, 4, 8, 6, 10};
constexpr TokenSizes kSizes5{12, 8, 12, 8, 3, 6, 17, 20};

// One corner of a reference as stored: a row and a column word whose top
// bits say which parts are relative.
struct Corner {
    int row;
    int column;
    bool rowRelative;
    bool columnRelative;
};

class Decoding {
public:
    Decoding(const BiffLinkTable& links, std::span<const std::uint8_t> tokens, CellAddress origin,
             BiffFormulaDecoder::Context context)
        : links_(links), cursor_(tokens), origin_(origin), context_(context)
    {
    }

    Decoding& withText(const BiffText& text)
    {
        text_ = text;
        sizes_ = text.isBiff8() ? kSizes8 : kSizes5;
        rowCount_ = text.isBiff8() ? kRowCount : kRowCount5;
        return *this;
    }

    QString run()
    {
        while (!cursor_.atEnd()) {
            step(cursor_.u8());
        }
        if (stack_.size() != 1) {
            throw Unsupported{};
        }
        return stack_.back().text;
    }

private:
    void step(std::uint8_t token)
    {
        const std::uint8_t base = token < 0x20 ? token : static_cast<std::uint8_t>((token & 0x1F) | 0x20);
        if (base >= kAdd && base <= kNe) {
            binary(kBinaryOperators[static_cast<std::size_t>(base - kAdd)]);
            return;
        }
        switch (base) {
        case kUplus:
            prefix(u'+');
            return;
        case kUminus:
            prefix(u'-');
            return;
        case kPercent:
            postfixPercent();
            return;
        case kParen:
            push({u'(' + pop().text + u')', kPrimary});
            return;
        case kMissArg:
            push({QString(), kPrimary});
            return;
        case kUnion:
            unionOperator();
            return;
        default:
            constant(base);
        }
    }

    void constant(std::uint8_t base)
    {
        switch (base) {
        case kStr: {
            QString text = text_.shortString(cursor_);
            text.replace(u'"', QStringLiteral("\"\""));
            push({u'"' + text + u'"', kPrimary});
            return;
        }
        case kErr:
            push({errorLiteral(cursor_.u8()), kPrimary});
            return;
        case kBool:
            push({cursor_.u8() ? QStringLiteral("TRUE") : QStringLiteral("FALSE"), kPrimary});
            return;
        case kInt:
            push({QString::number(cursor_.u16()), kPrimary});
            return;
        case kNum:
            number(cursor_.f64());
            return;
        case kAttr:
            attribute();
            return;
        default:
            call(base);
        }
    }

    void call(std::uint8_t base)
    {
        switch (base) {
        case kFunc:
            fixedFunction(cursor_.u16());
            return;
        case kFuncVar: {
            const int argc = cursor_.u8() & 0x7F;
            const std::uint16_t index = cursor_.u16();
            if (index & kCommandFlag) {
                throw Unsupported{};
            }
            variableFunction(index, argc);
            return;
        }
        case kName: {
            const int index = cursor_.u16();
            cursor_.skip(sizes_.afterName);
            pushName(links_.name(index));
            return;
        }
        case kNameX:
            externName();
            return;
        default:
            reference(base);
        }
    }

    void reference(std::uint8_t base)
    {
        switch (base) {
        case kRef:
        case kRefN:
            push({cellText(corner(base == kRefN)), kPrimary});
            return;
        case kArea:
        case kAreaN:
            push({areaText(base == kAreaN), kPrimary});
            return;
        case kRef3d:
        case kArea3d: {
            const std::optional<QString> prefix = sheetPrefix3d();
            const bool relative = context_ == BiffFormulaDecoder::Context::Shared;
            const QString text = base == kRef3d ? cellText(corner(relative)) : areaText(relative);
            push({prefix ? *prefix + text : QStringLiteral("#REF!"), kPrimary});
            return;
        }
        default:
            skipOrRefuse(base);
        }
    }

    void skipOrRefuse(std::uint8_t base)
    {
        // Sizes of the tokens that only carry precomputed data; the tokens
        // of the expression they cache follow them and are read as usual.
        switch (base) {
        case kMemArea:
        case kMemErr:
        case kMemNoMem:
            cursor_.skip(6);
            return;
        case kMemFunc:
        case kMemAreaN:
        case kMemNoMemN:
            cursor_.skip(2);
            return;
        case kRefErr:
        case kAreaErr:
        case kRefErr3d:
        case kAreaErr3d:
            cursor_.skip(base == kRefErr ? sizes_.refErr : base == kAreaErr ? sizes_.areaErr
                                       : base == kRefErr3d ? sizes_.refErr3d : sizes_.areaErr3d);
            push({QStringLiteral("#REF!"), kPrimary});
            return;
        default:
            // kExp and kTbl belong to the cell record, kArray holds constants
            // the engine cannot write, and any other token is unknown.
            throw Unsupported{};
        }
    }

    void attribute()
    {
        const std::uint8_t flags = cursor_.u8();
        const std::uint16_t data = cursor_.u16();
        if (flags & kAttrChoose) {
            cursor_.skip((static_cast<std::size_t>(data) + 1) * 2);  // the jump table
        }
        if (flags & kAttrSum) {
            push({QStringLiteral("SUM(") + pop().text + u')', kPrimary});
        }
        // Volatile marks, jumps for IF and CHOOSE and kept spacing change
        // nothing in the text.
    }

    void number(double value)
    {
        if (!std::isfinite(value)) {
            throw Unsupported{};
        }
        push({formulaNumberText(value), value < 0 ? int(kPrefix) : int(kPrimary)});
    }

    static QString errorLiteral(std::uint8_t code)
    {
        ErrorCode error = ErrorCode::NA;
        if (!BiffCellValue::error(code, error)) {
            throw Unsupported{};
        }
        return errorText(error);
    }

    void fixedFunction(int index)
    {
        const BiffFunction* f = BiffFunctionTable::find(index);
        if (!f || f->args == kVariableArgs) {
            throw Unsupported{};
        }
        pushCall(QString::fromLatin1(f->name), f->args);
    }

    void variableFunction(int index, int argc)
    {
        if (index == kUserFunction) {
            userFunction(argc);
            return;
        }
        const BiffFunction* f = BiffFunctionTable::find(index);
        // An index this table lacks stays a call by a name the engine does
        // not know, so the cell shows #NAME? and keeps its arguments.
        pushCall(f ? QString::fromLatin1(f->name) : QStringLiteral("_xlfnUNKNOWN%1").arg(index), argc);
    }

    // A call through a name: the first argument names the function (an
    // add-in's, a macro's, or one newer than the index table).
    void userFunction(int argc)
    {
        if (argc < 1 || static_cast<int>(stack_.size()) < argc) {
            throw Unsupported{};
        }
        const Operand& callee = stack_[stack_.size() - static_cast<std::size_t>(argc)];
        if (!callee.isName) {
            throw Unsupported{};
        }
        QString name = callee.text;
        if (name.startsWith(QStringLiteral("_xlfn."), Qt::CaseInsensitive)) {
            name.remove(0, 6);
        }
        QStringList args = popArgs(argc - 1);
        pop();
        pushText(name + u'(' + args.join(u';') + u')', kPrimary);
    }

    void pushCall(const QString& name, int argc)
    {
        const QStringList args = popArgs(argc);
        pushText(name + u'(' + args.join(u';') + u')', kPrimary);
    }

    QStringList popArgs(int argc)
    {
        if (static_cast<int>(stack_.size()) < argc) {
            throw Unsupported{};
        }
        QStringList args;
        args.reserve(argc);
        for (auto it = stack_.end() - argc; it != stack_.end(); ++it) {
            args.push_back(std::move(it->text));
        }
        stack_.resize(stack_.size() - static_cast<std::size_t>(argc));
        return args;
    }

    void pushName(const std::optional<QString>& name)
    {
        if (!name || name->isEmpty()) {
            throw Unsupported{};
        }
        push({*name, kPrimary, true});
    }

    void binary(const BinaryOperator& op)
    {
        const Operand right = pop();
        const Operand left = pop();
        // Left-associative: the left side may bind as loosely as the operator.
        pushText(wrap(left, op.precedence) + QLatin1String(op.text) + wrap(right, op.precedence + 1), op.precedence);
    }

    void unionOperator()
    {
        // Only a defined name can hold several areas, as a ';'-separated list.
        if (context_ != BiffFormulaDecoder::Context::Name) {
            throw Unsupported{};
        }
        const Operand right = pop();
        const Operand left = pop();
        pushText(left.text + u';' + right.text, kCompare);
    }

    void prefix(QChar sign)
    {
        pushText(sign + wrap(pop(), kPrefix), kPrefix);
    }

    void postfixPercent()
    {
        pushText(wrap(pop(), kPostfix) + u'%', kPostfix);
    }

    static QString wrap(const Operand& operand, int needed)
    {
        return operand.precedence < needed ? u'(' + operand.text + u')' : operand.text;
    }

    void externName()
    {
        const std::uint16_t word = cursor_.u16();
        const int sheet = text_.isBiff8() ? int(word) : int(static_cast<std::int16_t>(word));
        cursor_.skip(sizes_.beforeExternIndex);
        const int index = cursor_.u16();
        cursor_.skip(sizes_.afterExternName);
        pushName(text_.isBiff8() ? links_.externalName(sheet, index) : links_.externalName5(sheet, index));
    }

    // Excel 5.0/95 keeps the relative flags in the row word and the column
    // in one byte; they are moved to where Excel 97 has them.
    std::pair<int, std::uint16_t> rowAndColumnWords()
    {
        if (text_.isBiff8()) {
            const int row = cursor_.u16();
            return {row, cursor_.u16()};
        }
        const std::uint16_t row = cursor_.u16();
        const std::uint16_t column = cursor_.u8();
        return {row & kRowMask5, static_cast<std::uint16_t>(column | (row & kRelativeFlags))};
    }

    Corner corner(bool relativeToOrigin)
    {
        const auto [row, column] = rowAndColumnWords();
        return resolve(row, column, relativeToOrigin);
    }

    Corner resolve(int row, std::uint16_t column, bool relativeToOrigin) const
    {
        Corner c{row, column & kColumnMask, (column & kRowRelative) != 0, (column & kColumnRelative) != 0};
        // Relative parts of shared formulas are offsets from the cell that
        // uses them, stored modulo the file's sheet size.
        if (relativeToOrigin && c.rowRelative) {
            c.row = (origin_.row + c.row) % rowCount_;
        }
        if (relativeToOrigin && c.columnRelative) {
            c.column = (origin_.column + c.column) % kColumnCount;
        }
        return c;
    }

    static QString cellText(const Corner& c)
    {
        return cellAddressText(c.row, c.column, !c.columnRelative, !c.rowRelative);
    }

    std::pair<Corner, Corner> areaCorners(bool relativeToOrigin)
    {
        const int firstRow = cursor_.u16();
        const int lastRow = cursor_.u16();
        if (!text_.isBiff8()) {
            const std::uint16_t firstColumn = cursor_.u8();
            const std::uint16_t lastColumn = cursor_.u8();
            return {resolve(firstRow & kRowMask5, firstColumn | (firstRow & kRelativeFlags), relativeToOrigin),
                    resolve(lastRow & kRowMask5, lastColumn | (lastRow & kRelativeFlags), relativeToOrigin)};
        }
        const std::uint16_t firstColumn = cursor_.u16();
        const std::uint16_t lastColumn = cursor_.u16();
        return {resolve(firstRow, firstColumn, relativeToOrigin), resolve(lastRow, lastColumn, relativeToOrigin)};
    }

    QString areaText(bool relativeToOrigin)
    {
        const auto [first, last] = areaCorners(relativeToOrigin);
        const auto dollar = [](bool relative) { return relative ? QString() : QStringLiteral("$"); };
        if (first.row == 0 && last.row == rowCount_ - 1) {
            return dollar(first.columnRelative) + columnName(first.column) + u':' + dollar(last.columnRelative)
                   + columnName(last.column);
        }
        if (first.column == 0 && last.column == kColumnCount - 1) {
            return QString::number(first.row + 1) + u':' + QString::number(last.row + 1);
        }
        return cellText(first) + u':' + cellText(last);
    }

    std::optional<QString> sheetPrefix3d()
    {
        if (text_.isBiff8()) {
            return sheetPrefixFor(links_.sheet(cursor_.u16()));
        }
        const int number = static_cast<std::int16_t>(cursor_.u16());
        cursor_.skip(sizes_.beforeTabs);
        const int firstTab = cursor_.u16();
        const int lastTab = cursor_.u16();
        return sheetPrefixFor(links_.sheet5(number, firstTab, lastTab));
    }

    // nullopt for a deleted sheet: the reference is then #REF!.
    static std::optional<QString> sheetPrefixFor(const BiffLinkTable::SheetLink& link)
    {
        switch (link.kind) {
        case BiffLinkTable::SheetKind::Sheet:
            return sheetPrefix(link.name);
        case BiffLinkTable::SheetKind::Deleted:
            return std::nullopt;
        case BiffLinkTable::SheetKind::Workbook:
            return QString();
        case BiffLinkTable::SheetKind::Unsupported:
            break;
        }
        throw Unsupported{};
    }

    Operand pop()
    {
        if (stack_.empty()) {
            throw Unsupported{};
        }
        Operand top = std::move(stack_.back());
        stack_.pop_back();
        return top;
    }

    void push(Operand operand)
    {
        if (operand.text.size() > kMaxTextLength) {
            throw Unsupported{};
        }
        stack_.push_back(std::move(operand));
    }

    void pushText(QString text, int precedence) { push({std::move(text), precedence}); }

    const BiffLinkTable& links_;
    BiffCursor cursor_;
    CellAddress origin_;
    BiffFormulaDecoder::Context context_;
    BiffText text_;
    TokenSizes sizes_ = kSizes8;
    int rowCount_ = kRowCount;
    std::vector<Operand> stack_;
};

}  // namespace

std::optional<QString> BiffFormulaDecoder::decode(std::span<const std::uint8_t> tokens, CellAddress origin,
                                                  Context context) const
{
    try {
        return Decoding(links_, tokens, origin, context).withText(text_).run();
    } catch (const Unsupported&) {
        return std::nullopt;
    } catch (const FileFormatError&) {
        return std::nullopt;  // a token that runs past the formula's end
    }
}

}  // namespace spreadsheet::io::xls
