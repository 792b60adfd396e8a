// Runs the tables of data/functions/*.tsv, one table per group of functions.
// Each table is calculated in one workbook holding the cells of
// data/golden_fixture.tsv and the table's own input lines:
//   @S1<TAB>-1000                 input cell, typed as a user types it (S..Y)
//   =FORMULA<TAB>EXPECTED[<TAB>TOLERANCE][<TAB>NOTE]
// EXPECTED is a number, a "quoted text", TRUE, FALSE, an error literal or an
// array {1,2;3,4} that the formula spills. TOLERANCE is relative, 1e-9 when
// left out and 0 for an exact number. Case n is written into Z(20n+1), so
// that an array has room.

#include "FormulaTables.h"
#include "functions/BuiltinFunctions.h"

#include <spreadsheet/Workbook.h>

#include <QDir>
#include <QLocale>
#include <QSet>

#include <cmath>

namespace {

using namespace formulatables;

constexpr int kRowsPerCase = 20;

// One expected element: a number, "text", TRUE/FALSE or an error literal.
Value expectedValue(const QString& text)
{
    ErrorCode code;
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'))) {
        return Value(text.mid(1, text.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\"")));
    }
    if (text == QLatin1String("TRUE") || text == QLatin1String("FALSE")) {
        return Value::boolean(text == QLatin1String("TRUE"));
    }
    if (parseErrorText(text, code)) {
        return Value::error(code);
    }
    bool ok = false;
    const double number = text.toDouble(&ok);
    EXPECT_TRUE(ok) << "bad expected value " << text.toStdString();
    return Value(number);
}

// {1,2;3,4}: ',' between columns, ';' between rows; texts hold neither.
std::vector<std::vector<Value>> expectedBlock(const QString& text)
{
    if (!text.startsWith(QLatin1Char('{'))) {
        return {{expectedValue(text)}};
    }
    std::vector<std::vector<Value>> rows;
    for (const QString& row : text.mid(1, text.size() - 2).split(QLatin1Char(';'))) {
        rows.emplace_back();
        for (const QString& item : row.split(QLatin1Char(','))) {
            rows.back().push_back(expectedValue(item.trimmed()));
        }
    }
    return rows;
}

bool same(const Value& actual, const Value& expected, double tolerance)
{
    if (expected.isNumber() && actual.isNumber()) {
        const double diff = std::fabs(actual.number() - expected.number());
        return diff <= tolerance * std::max(1.0, std::fabs(expected.number()));
    }
    return actual == expected;
}

struct Case {
    int line;
    int row;
    QString formula;
    QString expected;
    double tolerance;
};

class FunctionTablesTest : public ::testing::TestWithParam<std::string> {};

TEST_P(FunctionTablesTest, GivesTheReferenceResults)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Sheet1"));
    loadFixture(sheet);
    std::vector<Case> cases;
    const QString table = QString::fromStdString(GetParam());
    const QStringList lines = readLines(QStringLiteral("functions/") + table);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(QLatin1Char('\t'));
        CellAddress at;
        if (lines[i].startsWith(QLatin1Char('@')) && f.size() == 2 && parseCellAddress(f[0].mid(1), at)) {
            sheet.setText(at.row, at.column, f[1], true);
        } else if (lines[i].startsWith(QLatin1Char('='))) {
            ASSERT_GE(f.size(), 2) << GetParam() << ':' << i + 1;
            const double tolerance = f.size() > 2 && !f[2].isEmpty() ? f[2].toDouble() : 1e-9;
            cases.push_back({i + 1, int(cases.size()) * kRowsPerCase, f[0], f[1], tolerance});
            sheet.setText(cases.back().row, kFormulaColumn, f[0], true);
        }
    }
    ASSERT_FALSE(cases.empty());
    workbook.calculate();
    for (const Case& c : cases) {
        const auto block = expectedBlock(c.expected);
        for (int r = 0; r < int(block.size()); ++r) {
            for (int k = 0; k < int(block[r].size()); ++k) {
                const Value actual = sheet.value(c.row + r, kFormulaColumn + k);
                EXPECT_TRUE(same(actual, block[r][k], c.tolerance))
                    << GetParam() << ':' << c.line << "  " << c.formula.toStdString() << "\n  expected "
                    << describe(block[r][k]).toStdString() << " at [" << r << ',' << k << "], got "
                    << describe(actual).toStdString();
            }
        }
    }
}

std::vector<std::string> tables()
{
    std::vector<std::string> names;
    for (const QString& name :
         QDir(dataPath(QStringLiteral("functions"))).entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name)) {
        names.push_back(name.toStdString());
    }
    return names;
}

INSTANTIATE_TEST_SUITE_P(Group, FunctionTablesTest, ::testing::ValuesIn(tables()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param.substr(0, info.param.find('.'));
                         });

// The parser, the browser and autocompletion find a function by any of its
// names: two rows with one name would hide one of them.
TEST(BuiltinTable, EveryRowHasUniqueNamesAndSaysWhatItDoes)
{
    QSet<QString> seen;
    const auto rows = builtinFunctions();
    EXPECT_GE(rows.size(), 350u);
    for (const BuiltinFunction& f : rows) {
        QStringList names{QString::fromLatin1(f.name)};
        if (f.aliases) {
            names += QString::fromUtf8(f.aliases).split(u'|');
        }
        for (const QString& name : names) {
            EXPECT_FALSE(seen.contains(name.toUpper())) << name.toStdString() << " is in two rows";
            seen.insert(name.toUpper());
        }
        EXPECT_STRNE(f.description, "") << f.name;
        EXPECT_TRUE(f.maxArgs < 0 || (f.minArgs <= f.maxArgs && (f.maxArgs == 0 || *f.arguments))) << f.name;
    }
}

}  // namespace
