// Runs a table of formulas, whose expected results were computed once by a
// real spreadsheet, against the engine.  The tables live in GOLDEN_DATA_DIR:
//   golden_fixture.tsv   ADDRESS \t KIND \t VALUE         the input cells
//   golden_formulas.tsv  FORMULA \t TYPE \t EXPECTED \t NOTE
// Case n (one-based, comment lines not counted) is written into cell Z<n> of
// Sheet1, the same cell the generator (data/make_golden.py) used, so both
// evaluate the very same workbook.  Every case is its own test, so one
// mismatch never hides another.

#include "FormulaTables.h"

#include <spreadsheet/Workbook.h>

#include <QLocale>

#include <cmath>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>

namespace {

using namespace formulatables;

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
    qsizetype fields = 0;  // four in a well-formed line
};

void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.formula.toStdString();
}

std::vector<GoldenCase> loadCases()
{
    std::vector<GoldenCase> cases;
    const QStringList lines = readLines(QStringLiteral("golden_formulas.tsv"));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty() || lines[i].startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList f = lines[i].split(QLatin1Char('\t'));
        cases.push_back({i + 1, int(cases.size()), f.value(0), f.value(1), unescapeField(f.value(2)), f.value(3),
                         f.size()});
    }
    return cases;
}

const QStringList& errorSpellings()
{
    static const QStringList spellings = {
        QStringLiteral("#NULL!"), QStringLiteral("#DIV/0!"), QStringLiteral("#VALUE!"),
        QStringLiteral("#REF!"),  QStringLiteral("#NAME?"),  QStringLiteral("#NUM!"),
        QStringLiteral("#N/A")};
    return spellings;
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
    QString message = QStringLiteral("%1  (golden_formulas.tsv line %2)\n  expected: %3 %4\n  actual:   %5")
                          .arg(c.formula)
                          .arg(c.line)
                          .arg(c.type, c.expected, describe(actual));
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
        workbook_ = std::make_unique<Workbook>();
        sheet_ = &workbook_->addSheet(QStringLiteral("Sheet1"));
        loadFixture(*sheet_);
        for (const GoldenCase& c : loadCases())
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
};

std::unique_ptr<Workbook> GoldenFormulasTest::workbook_;
Sheet* GoldenFormulasTest::sheet_ = nullptr;

TEST_P(GoldenFormulasTest, MatchesReference)
{
    ASSERT_NE(sheet_, nullptr);
    const GoldenCase& c = GetParam();
    const QString mismatch = compare(c, sheet_->value(c.row, kFormulaColumn));
    EXPECT_TRUE(mismatch.isEmpty()) << mismatch.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, GoldenFormulasTest, ::testing::ValuesIn(loadCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             return "line" + std::to_string(info.param.line);
                         });

// Guards the tables themselves, so a damaged or truncated file fails loudly
// instead of running fewer cases.
TEST(GoldenFormulasTable, IsWellFormed)
{
    const std::vector<GoldenCase> cases = loadCases();
    EXPECT_GE(cases.size(), kMinimumCases);

    for (const GoldenCase& c : cases) {
        SCOPED_TRACE("golden_formulas.tsv line " + std::to_string(c.line));
        EXPECT_EQ(c.fields, 4);
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

    const std::vector<FixtureCell> fixture = fixtureCells();
    EXPECT_FALSE(fixture.empty());
    for (const FixtureCell& cell : fixture) {
        SCOPED_TRACE("golden_fixture.tsv line " + std::to_string(cell.line));
        CellAddress at;
        EXPECT_EQ(cell.fields, 3);
        EXPECT_TRUE(parseCellAddress(cell.address, at)) << cell.address.toStdString();
        EXPECT_LT(at.column, kFormulaColumn) << cell.address.toStdString();
        EXPECT_TRUE(QStringList({"n", "s", "b", "f"}).contains(cell.kind)) << "bad kind " << cell.kind.toStdString();
        bool ok = true;
        if (cell.kind == QLatin1String("n")) {
            cell.value.toDouble(&ok);
        }
        EXPECT_TRUE(ok) << "bad number " << cell.value.toStdString();
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
