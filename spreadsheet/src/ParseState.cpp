#include "ParseState.h"

#include "FormulaParser.h"
#include "FormulaWords.h"
#include "functions/BuiltinFunctions.h"

#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace spreadsheet {

namespace {

// A number as the formula writes it: ASCII digits, a point, an exponent.
// std::from_chars reads it exactly as the locale-free conversion does, and
// without its cost; a result out of range goes to Qt, which decides.
double numberText(QStringView text, bool& ok)
{
    char ascii[64];
    const bool plain = text.size() < qsizetype(sizeof ascii)
                       && std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (plain) {
        for (qsizetype i = 0; i < text.size(); ++i)
            ascii[i] = static_cast<char>(text[i].unicode());
        double value = 0.0;
        const auto [end, error] = std::from_chars(ascii, ascii + text.size(), value);
        if (error == std::errc() && end == ascii + text.size()) {
            ok = true;
            return value;
        }
    }
    return text.toDouble(&ok);
}

struct BinaryOperator {
    const char16_t* text;
    OpCode op;
};

constexpr std::array<BinaryOperator, 6> kComparisons{{
    {u"<>", OpCode::Ne}, {u"<=", OpCode::Le}, {u">=", OpCode::Ge},
    {u"=", OpCode::Eq}, {u"<", OpCode::Lt}, {u">", OpCode::Gt},
}};

struct BooleanWord {
    const char16_t* text;
    bool value;
};

constexpr std::array<BooleanWord, 4> kBooleanWords{{
    {u"TRUE", true}, {u"FALSE", false}, {u"VERDADEIRO", true}, {u"FALSO", false},
}};

}  // namespace

void ParseState::fail(const QString& reason) const
{
    throw ParseFailure(reason);
}

void ParseState::append(OpCode op, int a, int b)
{
    Token t;
    t.op = op;
    t.a = a;
    t.b = b;
    tokens.push_back(t);
}

int ParseState::addString(const QString& s)
{
    strings.push_back(s);
    return static_cast<int>(strings.size()) - 1;
}

void ParseState::parseFormula()
{
    skipSpaces();
    if (peek() == u'=') {
        ++pos_;
    }
    expression();
    skipSpaces();
    if (pos_ < text_.size()) {
        fail(QStringLiteral("Caractere inesperado '%1' na posição %2.").arg(text_[pos_]).arg(pos_ + 1));
    }
}

void ParseState::expression()
{
    if (++depth_ > FormulaParser::kMaxNesting) {
        fail(QStringLiteral("Fórmula com aninhamento excessivo (mais de %1 níveis).").arg(FormulaParser::kMaxNesting));
    }
    comparison();
    --depth_;
}

void ParseState::comparison()
{
    concatenation();
    for (;;) {
        skipSpaces();
        const QChar c = peek();
        if (c != u'=' && c != u'<' && c != u'>') {
            return;
        }
        const BinaryOperator* found = nullptr;
        for (const BinaryOperator& candidate : kComparisons) {
            if (text_.mid(pos_).startsWith(QStringView(candidate.text))) {
                found = &candidate;
                break;
            }
        }
        pos_ += static_cast<int>(QStringView(found->text).size());
        concatenation();
        append(found->op);
    }
}

void ParseState::concatenation()
{
    additive();
    while (accept(u'&')) {
        additive();
        append(OpCode::Concat);
    }
}

void ParseState::additive()
{
    term();
    for (;;) {
        if (accept(u'+')) {
            term();
            append(OpCode::Add);
        } else if (accept(u'-')) {
            term();
            append(OpCode::Sub);
        } else {
            return;
        }
    }
}

void ParseState::term()
{
    power();
    for (;;) {
        if (accept(u'*')) {
            power();
            append(OpCode::Mul);
        } else if (accept(u'/')) {
            power();
            append(OpCode::Div);
        } else {
            return;
        }
    }
}

// '^' is left-associative and binds looser than unary minus: -2^2 is 4.
void ParseState::power()
{
    unary();
    while (accept(u'^')) {
        unary();
        append(OpCode::Pow);
    }
}

// Signs are collected in a loop, not by recursion, so that a long run of
// them cannot exhaust the stack.
void ParseState::unary()
{
    std::vector<OpCode> signs;
    for (;;) {
        if (accept(u'-')) {
            signs.push_back(OpCode::Neg);
        } else if (accept(u'+')) {
            signs.push_back(OpCode::Plus);
        } else {
            break;
        }
        if (signs.size() > static_cast<std::size_t>(FormulaParser::kMaxLength)) {
            fail(QStringLiteral("Fórmula longa demais."));
        }
    }
    referenceOperand();
    while (accept(u'%')) {
        append(OpCode::Percent);
    }
    for (auto it = signs.rbegin(); it != signs.rend(); ++it) {
        append(*it);
    }
}

// The reference operators bind tighter than any other: A1:INDEX(B:B;3),
// OFFSET(A1;1;1):C9, and the intersection A1:C5 B2:B9 written with a space.
void ParseState::referenceOperand()
{
    primary();
    for (;;) {
        if (peek() == u':') {
            ++pos_;
            skipSpaces();
            primary();
            append(OpCode::RangeOp);
        } else if (intersectionFollows()) {
            skipSpaces();
            primary();
            append(OpCode::Intersect);
        } else {
            return;
        }
    }
}

// A space between two references is an operator; elsewhere it is layout.
bool ParseState::intersectionFollows() const
{
    if (!peek().isSpace() || tokens.empty()) {
        return false;
    }
    switch (tokens.back().op) {
    case OpCode::Ref:
    case OpCode::Range:
    case OpCode::RangeOp:
    case OpCode::Intersect:
    case OpCode::SpillRef:
    case OpCode::Name:
    case OpCode::Paren:
    case OpCode::Builtin:
        break;
    default:
        return false;
    }
    int i = pos_;
    while (i < text_.size() && text_[i].isSpace()) {
        ++i;
    }
    if (i >= text_.size()) {
        return false;
    }
    const QChar next = text_[i];
    return next == u'$' || next == u'\'' || next == u'(' || next.isLetter();
}

void ParseState::primary()
{
    skipSpaces();
    const QChar c = peek();
    if (c.isNull()) {
        fail(QStringLiteral("Fórmula incompleta."));
    }
    if (c == u'(') {
        parenthesized();
    } else if (c == u'{') {
        arrayConstant();
    } else if (c.isDigit() || (c == u'.' && peek(1).isDigit())) {
        number();
    } else if (c == u'"') {
        stringLiteral();
    } else if (c == u'#') {
        errorLiteral();
    } else if (c == u'\'') {
        quotedSheetReference();
    } else if (isFormulaWordChar(c)) {
        word();
    } else {
        fail(QStringLiteral("Caractere inesperado '%1' na posição %2.").arg(c).arg(pos_ + 1));
    }
}

void ParseState::parenthesized()
{
    ++pos_;
    expression();
    // (A1:A3;C1:C3) is a reference of several areas.
    while (accept(u';') || accept(u',')) {
        expression();
        append(OpCode::Union);
    }
    if (!accept(u')')) {
        fail(QStringLiteral("Parêntese não fechado."));
    }
    append(OpCode::Paren);
}

// {1,2;3,4}: ',' between the columns, ';' between the rows; the elements
// are constants only.
void ParseState::arrayConstant()
{
    ++pos_;  // '{'
    int rows = 0;
    int columns = -1;
    int inRow = 0;
    for (;;) {
        arrayElement();
        ++inRow;
        if (accept(u',')) {
            continue;
        }
        const bool last = accept(u'}');
        if (!last && !accept(u';')) {
            fail(QStringLiteral("Esperado ',', ';' ou '}' na matriz constante."));
        }
        if (columns >= 0 && inRow != columns) {
            fail(QStringLiteral("As linhas de uma matriz constante devem ter o mesmo número de colunas."));
        }
        columns = inRow;
        inRow = 0;
        ++rows;
        if (long(rows) * columns > FormulaParser::kMaxLength) {
            fail(QStringLiteral("Matriz constante grande demais."));
        }
        if (last) {
            break;
        }
    }
    append(OpCode::Array, rows, columns);
}

void ParseState::arrayElement()
{
    skipSpaces();
    bool negative = false;
    if (peek() == u'-' || peek() == u'+') {
        negative = peek() == u'-';
        ++pos_;
        if (!peek().isDigit() && peek() != u'.') {
            fail(QStringLiteral("Uma matriz constante só contém números, textos, valores lógicos e erros."));
        }
    }
    const QChar c = peek();
    const std::size_t before = tokens.size();
    if (c.isDigit() || c == u'.') {
        number();
    } else if (c == u'"') {
        stringLiteral();
    } else if (c == u'#') {
        errorLiteral();
    } else if (isFormulaWordChar(c)) {
        const QStringView w = readWord();
        for (const BooleanWord& b : kBooleanWords) {
            if (w.compare(QStringView(b.text), Qt::CaseInsensitive) == 0) {
                append(OpCode::Boolean, b.value ? 1 : 0);
            }
        }
    }
    if (tokens.size() != before + 1 || tokens.back().op == OpCode::Range) {
        fail(QStringLiteral("Uma matriz constante só contém números, textos, valores lógicos e erros."));
    }
    if (negative) {
        tokens.back() = Token::number(-tokens.back().numberValue());
    }
    skipSpaces();
}

void ParseState::number()
{
    const int start = pos_;
    while (peek().isDigit()) {
        ++pos_;
    }
    // "1:3" is a range of whole rows.
    if (peek() == u':' && (peek(1).isDigit() || (peek(1) == u'$' && peek(2).isDigit()))) {
        bool ok = false;
        const int row = text_.mid(start, pos_ - start).toInt(&ok);
        if (!ok || row < 1 || row > kMaxRows) {
            fail(QStringLiteral("Referência inválida."));
        }
        rowRange(row - 1, kOwnSheet);
        return;
    }
    if (peek() == u'.') {
        ++pos_;
        while (peek().isDigit()) {
            ++pos_;
        }
    }
    if ((peek() == u'e' || peek() == u'E')
        && (peek(1).isDigit() || ((peek(1) == u'+' || peek(1) == u'-') && peek(2).isDigit()))) {
        pos_ += 2;
        while (peek().isDigit()) {
            ++pos_;
        }
    }
    bool ok = false;
    const double value = numberText(text_.mid(start, pos_ - start), ok);
    if (!ok || !std::isfinite(value)) {
        fail(QStringLiteral("Número inválido: %1").arg(text_.mid(start, pos_ - start)));
    }
    tokens.push_back(Token::number(value));
}

void ParseState::stringLiteral()
{
    ++pos_;
    QString s;
    for (;;) {
        if (pos_ >= text_.size()) {
            fail(QStringLiteral("Texto sem aspas de fechamento."));
        }
        const QChar c = text_[pos_++];
        if (c == u'"') {
            if (peek() != u'"') {
                break;
            }
            ++pos_;
        }
        s.append(c);
    }
    append(OpCode::String, addString(s));
}

void ParseState::errorLiteral()
{
    static const std::array<ErrorCode, 9> kCodes{ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value,
                                                 ErrorCode::Ref,  ErrorCode::Name, ErrorCode::Num,
                                                 ErrorCode::NA,   ErrorCode::Spill, ErrorCode::Calc};
    for (ErrorCode code : kCodes) {
        const QString literal = errorText(code);
        if (text_.mid(pos_).startsWith(literal, Qt::CaseInsensitive)) {
            pos_ += static_cast<int>(literal.size());
            append(OpCode::Error, static_cast<int>(code));
            return;
        }
    }
    fail(QStringLiteral("Valor de erro desconhecido."));
}

std::uint16_t ParseState::sheetId(const QString& name, bool& found) const
{
    const Sheet* sheet = workbook_.findSheet(name);
    found = sheet != nullptr;
    return found ? static_cast<std::uint16_t>(sheet->id()) : kOwnSheet;
}

void ParseState::quotedSheetReference()
{
    const int start = pos_++;
    QString name;
    for (;;) {
        if (pos_ >= text_.size()) {
            fail(QStringLiteral("Nome de planilha sem aspas de fechamento."));
        }
        const QChar c = text_[pos_++];
        if (c == u'\'') {
            if (peek() != u'\'') {
                break;
            }
            ++pos_;
        }
        name.append(c);
    }
    if (peek() != u'!') {
        fail(QStringLiteral("Esperado '!' após o nome da planilha."));
    }
    ++pos_;
    bool found = false;
    const std::uint16_t sheet = sheetId(name, found);
    qualifiedReference(sheet, found ? -1 : start);
}

QStringView ParseState::readWord()
{
    const int start = pos_;
    while (pos_ < text_.size() && isFormulaWordChar(text_[pos_])) {
        ++pos_;
    }
    return text_.mid(start, pos_ - start);
}

// A reference after "Sheet!". A reference to an unknown sheet keeps its text,
// from unknownStart on, so that the formula is written back as typed; it
// evaluates to #REF!.
void ParseState::qualifiedReference(std::uint16_t sheet, int unknownStart)
{
    if (peek() == u'#') {
        errorLiteral();
        return;
    }
    if (peek().isDigit()) {
        if (!tryRowRange(readWord(), sheet)) {
            fail(QStringLiteral("Referência inválida."));
        }
    } else {
        const QStringView w = readWord();
        if (!tryRowRange(w, sheet) && !tryColumnRange(w, sheet) && !tryCellReference(w, sheet)) {
            fail(QStringLiteral("Referência inválida: %1").arg(w));
        }
    }
    if (unknownStart >= 0) {
        tokens.pop_back();
        append(OpCode::BadRef, addString(text_.mid(unknownStart, pos_ - unknownStart).toString()));
    }
}

void ParseState::word()
{
    const int start = pos_;
    const QStringView w = readWord();
    if (peek() == u'!') {
        ++pos_;
        bool found = false;
        const QString name = w.toString();
        const std::uint16_t sheet = sheetId(name, found);
        qualifiedReference(sheet, found ? -1 : start);
        return;
    }
    skipSpaces();
    if (peek() == u'(') {
        functionCall(w.toString());
        return;
    }
    pos_ = start + static_cast<int>(w.size());
    if (tryRowRange(w, kOwnSheet)) {
        return;
    }
    if (tryColumnRange(w, kOwnSheet) || tryCellReference(w, kOwnSheet)) {
        return;
    }
    for (const BooleanWord& b : kBooleanWords) {
        if (w.compare(QStringView(b.text), Qt::CaseInsensitive) == 0) {
            append(OpCode::Boolean, b.value ? 1 : 0);
            return;
        }
    }
    defineName(w.toString());
}

void ParseState::defineName(const QString& name)
{
    if (!name[0].isLetter() && name[0] != u'_' && name[0] != u'\\') {
        fail(QStringLiteral("Nome inválido: %1").arg(name));
    }
    append(OpCode::Name, addString(name));
}

bool ParseState::tryCellReference(QStringView w, std::uint16_t sheet)
{
    CellAddress first;
    AbsoluteFlags abs;
    if (!parseCellCorner(w, first, abs.column1, abs.row1)) {
        return false;
    }
    const int save = pos_;
    if (peek() == u':') {
        ++pos_;
        CellAddress second;
        if (parseCellCorner(readWord(), second, abs.column2, abs.row2)) {
            CellRange r{first.column, first.row, second.column, second.row};
            // B2:A1 means A1:B2; each '$' follows its edge.
            if (r.left > r.right) {
                std::swap(r.left, r.right);
                std::swap(abs.column1, abs.column2);
            }
            if (r.top > r.bottom) {
                std::swap(r.top, r.bottom);
                std::swap(abs.row1, abs.row2);
            }
            const std::uint8_t flags = (abs.column1 ? kAbsColumn1 : 0) | (abs.row1 ? kAbsRow1 : 0)
                                       | (abs.column2 ? kAbsColumn2 : 0) | (abs.row2 ? kAbsRow2 : 0);
            tokens.push_back(Token::range(r, sheet, flags));
            return true;
        }
        pos_ = save;
    }
    Token t;
    t.op = OpCode::Ref;
    // A1# names the array that the formula in A1 spilled.
    if (peek() == u'#' && !isFormulaWordChar(peek(1)) && peek(1) != u'!' && peek(1) != u'/') {
        ++pos_;
        t.op = OpCode::SpillRef;
    }
    t.sheet = sheet;
    t.flags = (abs.column1 ? kAbsColumn1 : 0) | (abs.row1 ? kAbsRow1 : 0);
    t.a = first.row;
    t.b = first.column;
    tokens.push_back(t);
    return true;
}

bool ParseState::tryColumnRange(QStringView w, std::uint16_t sheet)
{
    if (peek() != u':') {
        return false;
    }
    const auto column = [](QStringView s, bool& absolute) {
        absolute = s.startsWith(u'$');
        return columnIndex(absolute ? s.mid(1) : s);
    };
    bool abs1 = false;
    const int c1 = column(w, abs1);
    if (c1 < 0) {
        return false;
    }
    const int save = pos_;
    ++pos_;
    bool abs2 = false;
    const int c2 = column(readWord(), abs2);
    if (c2 < 0) {
        pos_ = save;
        return false;
    }
    const std::uint8_t flags = kWholeColumns | (abs1 ? kAbsColumn1 : 0) | (abs2 ? kAbsColumn2 : 0);
    tokens.push_back(Token::range({c1, 0, c2, kMaxRows - 1}, sheet, flags));
    return true;
}

void ParseState::rowRange(int firstRow, std::uint16_t sheet, bool absoluteFirst)
{
    ++pos_;  // ':'
    QStringView digits = readWord();
    const bool absoluteLast = digits.startsWith(u'$');
    bool ok = false;
    const int last = (absoluteLast ? digits.mid(1) : digits).toInt(&ok);
    if (!ok || last < 1 || last > kMaxRows) {
        fail(QStringLiteral("Referência inválida."));
    }
    CellRange r{0, std::min(firstRow, last - 1), kMaxColumns - 1, std::max(firstRow, last - 1)};
    const std::uint8_t flags = kWholeRows | (absoluteFirst ? kAbsRow1 : 0) | (absoluteLast ? kAbsRow2 : 0);
    tokens.push_back(Token::range(r, sheet, flags));
}

// $1:$3, and 1:3 after a sheet name.
bool ParseState::tryRowRange(QStringView w, std::uint16_t sheet)
{
    if (peek() != u':' || w.isEmpty()) {
        return false;
    }
    const bool absolute = w.startsWith(u'$');
    bool ok = false;
    const int row = (absolute ? w.mid(1) : w).toInt(&ok);
    if (!ok || row < 1 || row > kMaxRows) {
        return false;
    }
    rowRange(row - 1, sheet, absolute);
    return true;
}

// LET(name1; value1; [name2; value2; ...]; calculation): each value is
// bound to its name for what follows it.
void ParseState::letCall()
{
    ++pos_;  // '('
    int names = 0;
    for (;;) {
        skipSpaces();
        const int start = pos_;
        const QString name = readWord().toString();
        skipSpaces();
        const bool isName = !name.isEmpty() && (name[0].isLetter() || name[0] == u'_') && (peek() == u';' || peek() == u',');
        if (!isName) {
            pos_ = start;
            if (names == 0) {
                fail(QStringLiteral("LET espera um nome como primeiro argumento."));
            }
            expression();
            break;
        }
        ++pos_;
        expression();
        append(OpCode::LetBind, addString(name));
        ++names;
        if (!accept(u';') && !accept(u',')) {
            fail(QStringLiteral("LET espera um cálculo depois dos nomes e valores."));
        }
    }
    if (!accept(u')')) {
        fail(QStringLiteral("Esperado ')' na função LET."));
    }
    append(OpCode::LetEnd, names);
}

void ParseState::functionCall(const QString& name)
{
    if (name.compare(QLatin1String("LET"), Qt::CaseInsensitive) == 0
        && FunctionRepository::instance().indexOf(name) < 0) {
        letCall();
        return;
    }
    ++pos_;  // '('
    if (++depth_ > FormulaParser::kMaxNesting) {
        fail(QStringLiteral("Fórmula com aninhamento excessivo (mais de %1 níveis).").arg(FormulaParser::kMaxNesting));
    }
    int argc = 0;
    skipSpaces();
    if (!accept(u')')) {
        for (;;) {
            skipSpaces();
            if (peek() == u';' || peek() == u',' || peek() == u')') {
                append(OpCode::Missing);
            } else {
                expression();
            }
            if (++argc > FormulaParser::kMaxArguments) {
                fail(QStringLiteral("Argumentos demais na função %1.").arg(name));
            }
            if (accept(u')')) {
                break;
            }
            if (!accept(u';') && !accept(u',')) {
                fail(QStringLiteral("Esperado ';' ou ')' na função %1.").arg(name));
            }
        }
    }
    --depth_;
    // Both tables are keyed by the upper-cased name: it is made once.
    const QString key = functionNameKey(name);
    const int custom = FunctionRepository::instance().indexOfKey(key);
    const int builtin = custom < 0 ? findBuiltinKey(key) : -1;
    if (builtin >= 0) {
        const BuiltinFunction& f = builtinFunctions()[static_cast<std::size_t>(builtin)];
        if (argc < f.minArgs || (f.maxArgs >= 0 && argc > f.maxArgs)) {
            fail(QStringLiteral("Número de argumentos inválido na função %1.").arg(QLatin1String(f.name)));
        }
        append(OpCode::Builtin, builtin, argc);
        return;
    }
    const QString stored = custom >= 0 ? FunctionRepository::instance().entry(custom).name : name;
    append(OpCode::Custom, addString(stored), argc);
    // Resolved once here; a function registered later is found by name when called.
    tokens.back().c = custom + 1;
}

}  // namespace spreadsheet
