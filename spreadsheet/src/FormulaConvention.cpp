#include <spreadsheet/FormulaConvention.h>

#include "FormulaWords.h"
#include "functions/BuiltinFunctions.h"

#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Value.h>

#include <array>
#include <optional>
#include <vector>

namespace spreadsheet {

namespace {

constexpr char16_t kCanonicalDecimalPoint = u'.';
constexpr char16_t kCanonicalSeparator = u';';

struct ConventionRules {
    const char16_t* name;
    FormulaConvention convention;
    char16_t decimalMark;  // as the user writes it
    char16_t separator;    // between arguments, as the user reads it
    bool portugueseNames;
    // Between the columns of an array constant; ';' ends a row in all.
    char16_t arrayColumnSeparator;
};

constexpr char16_t kCanonicalArrayColumnSeparator = u',';

constexpr std::array kConventions = std::to_array<ConventionRules>({
    {u"pt-BR", FormulaConvention::Brazilian, u',', u';', true, u'\\'},
    {u"en", FormulaConvention::English, u'.', u',', false, u','},
});

struct BooleanName {
    const char16_t* english;
    const char16_t* portuguese;
};

constexpr std::array<BooleanName, 2> kBooleanNames{{{u"TRUE", u"VERDADEIRO"}, {u"FALSE", u"FALSO"}}};

constexpr std::array kErrorCodes{ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref,
                                 ErrorCode::Name, ErrorCode::Num,  ErrorCode::NA};

const ConventionRules& rulesOf(FormulaConvention convention)
{
    for (const ConventionRules& rules : kConventions) {
        if (rules.convention == convention) {
            return rules;
        }
    }
    throw SpreadsheetError(QStringLiteral("Convenção de fórmulas desconhecida."));
}

enum class LexemeKind : std::uint8_t { Text, SheetName, Error, RowRange, Number, Word, Other };

struct Lexeme {
    LexemeKind kind;
    qsizetype start;
    qsizetype size;
};

// Cuts a formula into the pieces that a translation looks at. It checks no
// grammar: what it does not recognise passes through as single characters,
// and the parser judges it later.
class FormulaScanner {
public:
    // decimalMarks: the characters that may stand between a number's digits.
    FormulaScanner(QStringView text, QStringView decimalMarks) : text_(text), marks_(decimalMarks) {}
    std::vector<Lexeme> scan();

private:
    Lexeme lexemeAt(qsizetype i) const;
    qsizetype quotedEnd(qsizetype i) const;
    qsizetype errorEnd(qsizetype i) const;
    qsizetype rowRangeEnd(qsizetype i) const;
    qsizetype numberEnd(qsizetype i) const;
    qsizetype digitsEnd(qsizetype i) const;
    qsizetype wordEnd(qsizetype i) const;
    bool operandMayStart() const;
    bool startsFraction(qsizetype i) const { return marks_.contains(at(i)) && at(i + 1).isDigit(); }
    QChar at(qsizetype i) const { return i < text_.size() ? text_[i] : QChar(); }

    QStringView text_;
    QStringView marks_;
    std::vector<Lexeme> lexemes_;
    int braces_ = 0;
};

std::vector<Lexeme> FormulaScanner::scan()
{
    for (qsizetype i = 0; i < text_.size(); i += lexemes_.back().size) {
        lexemes_.push_back(lexemeAt(i));
        if (lexemes_.back().kind == LexemeKind::Other && (text_[i] == u'{' || text_[i] == u'}')) {
            braces_ += text_[i] == u'{' ? 1 : -1;
        }
    }
    return std::move(lexemes_);
}

Lexeme FormulaScanner::lexemeAt(qsizetype i) const
{
    const QChar c = text_[i];
    if (c == u'"' || c == u'\'') {
        return {c == u'"' ? LexemeKind::Text : LexemeKind::SheetName, i, quotedEnd(i) - i};
    }
    if (c == u'#' && errorEnd(i) > i) {
        return {LexemeKind::Error, i, errorEnd(i) - i};
    }
    if (c.isDigit()) {
        const qsizetype rows = rowRangeEnd(i);
        return rows > i ? Lexeme{LexemeKind::RowRange, i, rows - i} : Lexeme{LexemeKind::Number, i, numberEnd(i) - i};
    }
    if (startsFraction(i) && operandMayStart()) {
        return {LexemeKind::Number, i, numberEnd(i) - i};
    }
    // In an array constant a backslash separates columns; elsewhere it may start a name.
    if (isFormulaWordChar(c) && !(c == u'\\' && braces_ > 0)) {
        return {LexemeKind::Word, i, wordEnd(i) - i};
    }
    return {LexemeKind::Other, i, 1};
}

// A doubled quote belongs to the text; an unterminated text runs to the end.
qsizetype FormulaScanner::quotedEnd(qsizetype i) const
{
    const QChar quote = text_[i];
    for (++i; i < text_.size(); ++i) {
        if (text_[i] == quote) {
            if (at(i + 1) != quote) {
                return i + 1;
            }
            ++i;
        }
    }
    return text_.size();
}

qsizetype FormulaScanner::errorEnd(qsizetype i) const
{
    for (ErrorCode code : kErrorCodes) {
        const QString literal = errorText(code);
        if (text_.mid(i).startsWith(literal, Qt::CaseInsensitive)) {
            return i + literal.size();
        }
    }
    return i;
}

// "1:3" names whole rows: its digits are no number.
qsizetype FormulaScanner::rowRangeEnd(qsizetype i) const
{
    const qsizetype colon = digitsEnd(i);
    return at(colon) == u':' && at(colon + 1).isDigit() ? wordEnd(colon + 1) : i;
}

qsizetype FormulaScanner::numberEnd(qsizetype i) const
{
    i = digitsEnd(i);
    if (startsFraction(i)) {
        i = digitsEnd(i + 1);
    }
    const bool signedExponent = (at(i + 1) == u'+' || at(i + 1) == u'-') && at(i + 2).isDigit();
    if ((at(i) == u'e' || at(i) == u'E') && (at(i + 1).isDigit() || signedExponent)) {
        i = digitsEnd(i + 2);
    }
    return i;
}

qsizetype FormulaScanner::digitsEnd(qsizetype i) const
{
    while (at(i).isDigit()) {
        ++i;
    }
    return i;
}

qsizetype FormulaScanner::wordEnd(qsizetype i) const
{
    while (i < text_.size() && isFormulaWordChar(text_[i])) {
        ++i;
    }
    return i;
}

// A number may open with its decimal mark (",5") only where an operand may
// stand, so that the ',' of "A1,5" or of "0,1,2" is never taken for one.
bool FormulaScanner::operandMayStart() const
{
    for (auto it = lexemes_.rbegin(); it != lexemes_.rend(); ++it) {
        if (it->kind != LexemeKind::Other) {
            return false;
        }
        const QChar c = text_[it->start];
        if (!c.isSpace()) {
            return c != u')' && c != u'%';
        }
    }
    return true;
}

// The lexemes of one formula, with what their neighbours say about them.
class ScannedFormula {
public:
    ScannedFormula(QStringView text, QStringView decimalMarks)
        : text_(text), lexemes_(FormulaScanner(text, decimalMarks).scan())
    {
        int depth = 0;
        for (std::size_t i = 0; i < lexemes_.size(); ++i) {
            depth += isOther(i, u'{') ? 1 : (isOther(i, u'}') ? -1 : 0);
            inArray_.push_back(depth > 0);
        }
    }

    // Inside the braces of an array constant.
    bool inArray(std::size_t i) const { return inArray_[i]; }

    LexemeKind kind(std::size_t i) const { return lexemes_[i].kind; }
    QStringView textOf(std::size_t i) const { return text_.mid(lexemes_[i].start, lexemes_[i].size); }
    qsizetype position(std::size_t i) const { return lexemes_[i].start + 1; }
    bool followsNumber(std::size_t i) const { return i > 0 && kind(i - 1) == LexemeKind::Number; }
    bool isCall(std::size_t i) const;
    bool isBareWord(std::size_t i) const;

    template <typename Rewrite>
    QString rewritten(Rewrite rewrite) const
    {
        QString out;
        out.reserve(text_.size());
        for (std::size_t i = 0; i < lexemes_.size(); ++i) {
            const std::optional<QString> replacement = rewrite(i);
            out += replacement ? QStringView(*replacement) : textOf(i);
        }
        return out;
    }

private:
    bool isOther(std::size_t i, QChar c) const
    {
        return i < lexemes_.size() && kind(i) == LexemeKind::Other && text_[lexemes_[i].start] == c;
    }

    QStringView text_;
    std::vector<Lexeme> lexemes_;
    std::vector<bool> inArray_;
};

// As in the parser, a word followed by '(' after optional spaces names a function.
bool ScannedFormula::isCall(std::size_t i) const
{
    std::size_t next = i + 1;
    while (next < lexemes_.size() && kind(next) == LexemeKind::Other && text_[lexemes_[next].start].isSpace()) {
        ++next;
    }
    return isOther(next, u'(');
}

// Neither a function, nor a sheet name before '!', nor the reference after it.
bool ScannedFormula::isBareWord(std::size_t i) const
{
    return !isCall(i) && !isOther(i + 1, u'!') && !(i > 0 && isOther(i - 1, u'!'));
}

// The built-in that the parser calls for this name: a custom function of the
// same name hides it.
const BuiltinFunction* builtinCalled(QStringView name)
{
    const QString key = functionNameKey(name);
    if (FunctionRepository::instance().indexOfKey(key) >= 0) {
        return nullptr;
    }
    const int row = findBuiltinKey(key);
    return row < 0 ? nullptr : &builtinFunctions()[static_cast<std::size_t>(row)];
}

// Each translation of a name is checked to call the same built-in when read
// back, so that a custom function can never take its place.
std::optional<QString> portugueseFunctionName(QStringView word)
{
    const BuiltinFunction* function = builtinCalled(word);
    if (!function || !function->aliases || word.compare(QLatin1String(function->name), Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    const QString alias = QString::fromUtf8(function->aliases).section(u'|', 0, 0);
    return builtinCalled(alias) == function ? std::optional(alias) : std::nullopt;
}

std::optional<QString> canonicalFunctionName(QStringView word)
{
    const BuiltinFunction* function = builtinCalled(word);
    if (!function) {
        return std::nullopt;
    }
    const QString name = QString::fromLatin1(function->name);
    if (word.compare(name, Qt::CaseInsensitive) == 0 || builtinCalled(name) != function) {
        return std::nullopt;
    }
    return name;
}

std::optional<QString> booleanName(QStringView word, bool toPortuguese)
{
    for (const BooleanName& names : kBooleanNames) {
        const QStringView from(toPortuguese ? names.english : names.portuguese);
        if (word.compare(from, Qt::CaseInsensitive) == 0) {
            return QStringView(toPortuguese ? names.portuguese : names.english).toString();
        }
    }
    return std::nullopt;
}

std::optional<QString> translatedWord(const ScannedFormula& formula, std::size_t i, bool toPortuguese)
{
    const QStringView word = formula.textOf(i);
    if (formula.isCall(i)) {
        return toPortuguese ? portugueseFunctionName(word) : canonicalFunctionName(word);
    }
    return formula.isBareWord(i) ? booleanName(word, toPortuguese) : std::nullopt;
}

std::optional<QString> lexemeForUser(const ScannedFormula& formula, std::size_t i, const ConventionRules& rules)
{
    switch (formula.kind(i)) {
    case LexemeKind::Number:
        return formula.textOf(i).toString().replace(QChar(kCanonicalDecimalPoint), QChar(rules.decimalMark));
    case LexemeKind::Word:
        return rules.portugueseNames ? translatedWord(formula, i, true) : std::nullopt;
    case LexemeKind::Other:
        if (formula.inArray(i)) {
            return formula.textOf(i).front() == kCanonicalArrayColumnSeparator
                       ? std::optional<QString>(QString(QChar(rules.arrayColumnSeparator)))
                       : std::nullopt;
        }
        if (formula.textOf(i).front() == kCanonicalSeparator) {
            return QString(QChar(rules.separator));
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

[[noreturn]] void refuseDecimalPoint(QStringView number, qsizetype position, const ConventionRules& rules)
{
    throw SpreadsheetError(QStringLiteral("Número \"%1\" na posição %2: use '%3' como separador decimal.")
                               .arg(number)
                               .arg(position)
                               .arg(QChar(rules.decimalMark)));
}

[[noreturn]] void refuseStrayDecimalMark(qsizetype position, const ConventionRules& rules)
{
    throw SpreadsheetError(
        QStringLiteral("'%1' fora de um número, na posição %2: os argumentos são separados por '%3' e '%1' é o "
                       "separador decimal.")
            .arg(QChar(rules.decimalMark))
            .arg(position)
            .arg(QChar(rules.separator)));
}

QString canonicalNumber(const ScannedFormula& formula, std::size_t i, const ConventionRules& rules)
{
    QString number = formula.textOf(i).toString();
    if (rules.decimalMark != kCanonicalDecimalPoint && number.contains(QChar(kCanonicalDecimalPoint))) {
        refuseDecimalPoint(number, formula.position(i), rules);
    }
    return number.replace(QChar(rules.decimalMark), QChar(kCanonicalDecimalPoint));
}

// "1." and "1,5.3" leave the point outside the number, as the start of a word.
void checkWordAfterNumber(const ScannedFormula& formula, std::size_t i, const ConventionRules& rules)
{
    if (rules.decimalMark != kCanonicalDecimalPoint && formula.followsNumber(i)
        && formula.textOf(i).startsWith(QChar(kCanonicalDecimalPoint))) {
        refuseDecimalPoint(formula.textOf(i - 1).toString().append(formula.textOf(i)), formula.position(i - 1), rules);
    }
}

std::optional<QString> canonicalPunctuation(const ScannedFormula& formula, std::size_t i, const ConventionRules& rules)
{
    const QChar c = formula.textOf(i).front();
    if (formula.inArray(i) && (c == rules.arrayColumnSeparator || c == u';')) {
        return QString(c == u';' ? c : QChar(kCanonicalArrayColumnSeparator));
    }
    if (c == rules.separator) {
        return QString(QChar(kCanonicalSeparator));
    }
    if (c == rules.decimalMark) {
        refuseStrayDecimalMark(formula.position(i), rules);
    }
    return std::nullopt;
}

std::optional<QString> lexemeFromUser(const ScannedFormula& formula, std::size_t i, const ConventionRules& rules)
{
    switch (formula.kind(i)) {
    case LexemeKind::Number:
        return canonicalNumber(formula, i, rules);
    case LexemeKind::Word:
        checkWordAfterNumber(formula, i, rules);
        return translatedWord(formula, i, false);
    case LexemeKind::Other:
        return canonicalPunctuation(formula, i, rules);
    default:
        return std::nullopt;
    }
}

}  // namespace

FormulaConvention formulaConventionFromName(QStringView name)
{
    for (const ConventionRules& rules : kConventions) {
        if (name.compare(QStringView(rules.name), Qt::CaseInsensitive) == 0) {
            return rules.convention;
        }
    }
    throw SpreadsheetError(
        QStringLiteral("Convenção de fórmulas desconhecida: \"%1\". Use \"pt-BR\" ou \"en\".").arg(name));
}

QString formulaConventionName(FormulaConvention convention)
{
    return QStringView(rulesOf(convention).name).toString();
}

QString formulaForUser(const QString& canonical, FormulaConvention convention)
{
    if (!canonical.startsWith(u'=')) {
        return canonical;
    }
    const ConventionRules& rules = rulesOf(convention);
    const ScannedFormula formula(canonical, QStringView(&kCanonicalDecimalPoint, 1));
    return formula.rewritten([&](std::size_t i) { return lexemeForUser(formula, i, rules); });
}

QString formulaFromUser(const QString& typed, FormulaConvention convention)
{
    if (!typed.startsWith(u'=')) {
        return typed;
    }
    const ConventionRules& rules = rulesOf(convention);
    // The canonical point is scanned as a mark as well, so that "1.5" typed in a
    // convention with another mark is refused as a number, not passed on as a word.
    const std::array<char16_t, 2> marks{rules.decimalMark, kCanonicalDecimalPoint};
    const ScannedFormula formula(typed, QStringView(marks.data(), 2));
    return formula.rewritten([&](std::size_t i) { return lexemeFromUser(formula, i, rules); });
}

}  // namespace spreadsheet
