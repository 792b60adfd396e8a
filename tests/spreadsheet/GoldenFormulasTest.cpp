// Runs a table of formulas, whose expected results were computed once by a
// real spreadsheet, against the engine.  The tables live in GOLDEN_DATA_DIR:
//   golden_fixture.tsv   ADDRESS \t KIND \t VALUE         the input cells
//   golden_formulas.tsv  FORMULA \t TYPE \t EXPECTED \t NOTE
// Case n (one-based, comment lines not counted) is written into cell Z<n> of
// Sheet1, the same cell the generator (data/make_golden.py) used, so both
// evaluate the very same workbook.  Every case is its own test, so one
// mismatch never hides another.

#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Value.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <cmath>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#ifndef GOLDEN_DATA_DIR
#error "GOLDEN_DATA_DIR must name the directory holding the golden tables"
#endif

namespace {

using namespace spreadsheet;

// Column Z: well to the right of every fixture cell.
constexpr int kFormulaColumn = 25;
// The table is meant to cover the whole function set; a truncated file must
// not pass quietly.
constexpr std::size_t kMinimumCases = 320;

struct GoldenCase {
    int line = 0;     // line in golden_formulas.tsv, for finding the case
    int row = 0;      // zero-based row in column Z
    QString formula;
    QString type;     // n, s, b or e
    QString expected;
    QString note;
};

struct FixtureCell {
    int line = 0;
    QString address;
    QString kind;     // n, s, b or f
    QString value;
};

void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.formula.toStdString();
}

QString dataPath(const char* fileName)
{
    return QString::fromUtf8(GOLDEN_DATA_DIR) + QLatin1Char('/') + QString::fromUtf8(fileName);
}

// \t, \n and \\ are the only escapes the generator writes.
QString unescapeField(const QString& field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar ch = field.at(i);
        if (ch == QLatin1Char('\\') && i + 1 < field.size()) {
            const QChar next = field.at(++i);
            if (next == QLatin1Char('t'))
                out += QLatin1Char('\t');
            else if (next == QLatin1Char('n'))
                out += QLatin1Char('\n');
            else
                out += next;
        } else {
            out += ch;
        }
    }
    return out;
}

// Data lines with their one-based line numbers; '#' lines and blank lines are
// skipped.  Lines are not trimmed: leading and trailing spaces are data.
std::vector<std::pair<int, QStringList>> readTable(const QString& path, int columns, QString* error)
{
    std::vector<std::pair<int, QStringList>> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1").arg(path);
        return rows;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != columns) {
            *error = QStringLiteral("%1:%2: expected %3 tab-separated fields, found %4")
                         .arg(path)
                         .arg(i + 1)
                         .arg(columns)
                         .arg(fields.size());
            rows.clear();
            return rows;
        }
        rows.emplace_back(static_cast<int>(i + 1), fields);
    }
    return rows;
}

std::vector<GoldenCase> loadCases(QString* error)
{
    std::vector<GoldenCase> cases;
    for (const auto& [line, fields] : readTable(dataPath("golden_formulas.tsv"), 4, error)) {
        GoldenCase c;
        c.line = line;
        c.row = static_cast<int>(cases.size());
        c.formula = fields.at(0);
        c.type = fields.at(1);
        c.expected = unescapeField(fields.at(2));
        c.note = fields.at(3);
        cases.push_back(c);
    }
    return cases;
}

std::vector<GoldenCase> casesForParameters()
{
    QString error;
    return loadCases(&error);
}

std::vector<FixtureCell> loadFixture(QString* error)
{
    std::vector<FixtureCell> cells;
    for (const auto& [line, fields] : readTable(dataPath("golden_fixture.tsv"), 3, error)) {
        cells.push_back({line, fields.at(0), fields.at(1), unescapeField(fields.at(2))});
    }
    return cells;
}

const QStringList& errorSpellings()
{
    static const QStringList spellings = {
        QStringLiteral("#NULL!"), QStringLiteral("#DIV/0!"), QStringLiteral("#VALUE!"),
        QStringLiteral("#REF!"),  QStringLiteral("#NAME?"),  QStringLiteral("#NUM!"),
        QStringLiteral("#N/A")};
    return spellings;
}

QString describe(const Value& v)
{
    switch (v.type()) {
    case ValueType::Empty:
        return QStringLiteral("empty");
    case ValueType::Number:
        return QStringLiteral("number %1").arg(QString::number(v.number(), 'g', 17));
    case ValueType::Text:
        return QStringLiteral("text \"%1\"").arg(v.text());
    case ValueType::Boolean:
        return QStringLiteral("boolean %1").arg(v.boolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    case ValueType::Error:
        return QStringLiteral("error %1").arg(errorText(v.error()));
    case ValueType::Array:
        return QStringLiteral("array");
    }
    return QStringLiteral("?");
}

QString describeExpected(const GoldenCase& c)
{
    if (c.type == QLatin1String("n"))
        return QStringLiteral("number ") + c.expected;
    if (c.type == QLatin1String("s"))
        return QStringLiteral("text \"%1\"").arg(c.expected);
    if (c.type == QLatin1String("b"))
        return QStringLiteral("boolean ") + c.expected;
    return QStringLiteral("error ") + c.expected;
}

// Empty string when the value matches, otherwise why not.
QString compare(const GoldenCase& c, const Value& actual)
{
    bool matches = false;
    if (c.type == QLatin1String("n")) {
        bool ok = false;
        const double expected = c.expected.toDouble(&ok);
        if (!ok)
            return QStringLiteral("bad expected number '%1' in the table").arg(c.expected);
        if (actual.type() == ValueType::Number) {
            // The oracle printed 15 significant digits, so anything closer
            // than 1e-9 relative is the same answer; the tiny absolute floor
            // accepts rounding noise around an expected zero.
            const double diff = std::fabs(actual.number() - expected);
            matches = diff <= 1e-9 * std::fabs(expected) || diff <= 1e-15;
        }
    } else if (c.type == QLatin1String("s")) {
        matches = actual.type() == ValueType::Text && actual.text() == c.expected;
    } else if (c.type == QLatin1String("b")) {
        matches = actual.type() == ValueType::Boolean
                  && actual.boolean() == (c.expected == QLatin1String("TRUE"));
    } else if (c.type == QLatin1String("e")) {
        matches = actual.type() == ValueType::Error && errorText(actual.error()) == c.expected;
    } else {
        return QStringLiteral("bad type '%1' in the table").arg(c.type);
    }
    if (matches)
        return {};
    QString message = QStringLiteral("%1  (golden_formulas.tsv line %2)\n  expected: %3\n  actual:   %4")
                          .arg(c.formula)
                          .arg(c.line)
                          .arg(describeExpected(c), describe(actual));
    if (!c.note.isEmpty())
        message += QStringLiteral("\n  note:     ") + c.note;
    return message;
}

class GoldenFormulasTest : public ::testing::TestWithParam<GoldenCase> {
public:
    static void SetUpTestSuite()
    {
        // TEXT() output separators follow the default locale; the expected
        // values were produced in en-US.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

        setupError_.clear();
        workbook_ = std::make_unique<Workbook>();
        sheet_ = &workbook_->addSheet(QStringLiteral("Sheet1"));

        const std::vector<FixtureCell> fixture = loadFixture(&setupError_);
        if (!setupError_.isEmpty())
            return;
        for (const FixtureCell& cell : fixture) {
            CellAddress at;
            if (!parseCellAddress(cell.address, at) || at.column >= kFormulaColumn) {
                setupError_ = QStringLiteral("golden_fixture.tsv line %1: bad address %2")
                                  .arg(cell.line)
                                  .arg(cell.address);
                return;
            }
            // Numbers, texts and booleans are set as typed values so that a
            // text such as "123" stays text.
            if (cell.kind == QLatin1String("n")) {
                bool ok = false;
                const double number = cell.value.toDouble(&ok);
                if (!ok) {
                    setupError_ = QStringLiteral("golden_fixture.tsv line %1: bad number").arg(cell.line);
                    return;
                }
                sheet_->setValue(at.row, at.column, Value(number));
            } else if (cell.kind == QLatin1String("s")) {
                sheet_->setValue(at.row, at.column, Value(cell.value));
            } else if (cell.kind == QLatin1String("b")) {
                sheet_->setValue(at.row, at.column, Value::boolean(cell.value == QLatin1String("TRUE")));
            } else if (cell.kind == QLatin1String("f")) {
                sheet_->setText(at.row, at.column, cell.value, true);
            } else {
                setupError_ = QStringLiteral("golden_fixture.tsv line %1: bad kind %2")
                                  .arg(cell.line)
                                  .arg(cell.kind);
                return;
            }
        }

        const std::vector<GoldenCase> cases = loadCases(&setupError_);
        if (!setupError_.isEmpty())
            return;
        for (const GoldenCase& c : cases)
            sheet_->setText(c.row, kFormulaColumn, c.formula, true);
        workbook_->calculate();
    }

    static void TearDownTestSuite()
    {
        sheet_ = nullptr;
        workbook_.reset();
    }

protected:
    static std::unique_ptr<Workbook> workbook_;
    static Sheet* sheet_;
    static QString setupError_;
};

std::unique_ptr<Workbook> GoldenFormulasTest::workbook_;
Sheet* GoldenFormulasTest::sheet_ = nullptr;
QString GoldenFormulasTest::setupError_;

TEST_P(GoldenFormulasTest, MatchesReference)
{
    ASSERT_TRUE(setupError_.isEmpty()) << setupError_.toStdString();
    ASSERT_NE(sheet_, nullptr);
    const GoldenCase& c = GetParam();
    const QString mismatch = compare(c, sheet_->value(c.row, kFormulaColumn));
    EXPECT_TRUE(mismatch.isEmpty()) << mismatch.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, GoldenFormulasTest, ::testing::ValuesIn(casesForParameters()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             return "line" + std::to_string(info.param.line);
                         });

// Guards the table itself, so a damaged or truncated file fails loudly
// instead of running fewer cases.
TEST(GoldenFormulasTable, IsWellFormed)
{
    QString error;
    const std::vector<GoldenCase> cases = loadCases(&error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_GE(cases.size(), kMinimumCases);

    for (const GoldenCase& c : cases) {
        SCOPED_TRACE("golden_formulas.tsv line " + std::to_string(c.line));
        EXPECT_TRUE(c.formula.startsWith(QLatin1Char('='))) << c.formula.toStdString();
        if (c.type == QLatin1String("n")) {
            bool ok = false;
            c.expected.toDouble(&ok);
            EXPECT_TRUE(ok) << c.expected.toStdString();
        } else if (c.type == QLatin1String("b")) {
            EXPECT_TRUE(c.expected == QLatin1String("TRUE") || c.expected == QLatin1String("FALSE"))
                << c.expected.toStdString();
        } else if (c.type == QLatin1String("e")) {
            EXPECT_TRUE(errorSpellings().contains(c.expected)) << c.expected.toStdString();
        } else {
            EXPECT_TRUE(c.type == QLatin1String("s")) << "unknown type " << c.type.toStdString();
        }
    }

    const std::vector<FixtureCell> fixture = loadFixture(&error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_FALSE(fixture.empty());
    for (const FixtureCell& cell : fixture) {
        CellAddress at;
        EXPECT_TRUE(parseCellAddress(cell.address, at)) << cell.address.toStdString();
        EXPECT_LT(at.column, kFormulaColumn) << cell.address.toStdString();
    }
}

// The engine spells its errors the way the table does.
TEST(GoldenFormulasTable, ErrorSpellingsMatchEngine)
{
    const ErrorCode codes[] = {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref,
                               ErrorCode::Name, ErrorCode::Num,  ErrorCode::NA};
    for (std::size_t i = 0; i < std::size(codes); ++i)
        EXPECT_TRUE(errorText(codes[i]) == errorSpellings().at(static_cast<qsizetype>(i)))
            << errorText(codes[i]).toStdString() << " vs " << errorSpellings().at(static_cast<qsizetype>(i)).toStdString();
}

}  // namespace
