// Totals reused from ranges earlier in a pass give what a plain evaluation
// of every call gives, bit for bit.
#include "functions/RangeReuse.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <cstring>
#include <iterator>
#include <functional>
#include <vector>

using namespace spreadsheet;

namespace {

constexpr int kRows = 40;
constexpr int kDataRow = 49;  // the row that formulas growing right read

// One formula per row (or per column, for {c}) of its own column; {r} is the
// row, {c} the column letter.
const char* const kFormulas[] = {
    "=SUM($A$1:A{r})",
    "=SUM(A{r}:$A$40)",
    "=SUM(C{r}:$C$40)",
    "=SUM($A$1:B{r})",
    "=COUNT($A$1:A{r})",
    "=COUNT(A{r}:$C$40)",
    "=COUNTA(A{r}:$A$40)",
    "=MAX($A$1:A{r})",
    "=MIN(A{r}:$A$40)",
    "=MAX(C{r}:$C$40)",
    "=SUMIFS($A$1:A{r};$B$1:B{r};\"x\")",
    "=SUMIFS(C{r}:$C$40;B{r}:$B$40;\"<>y\")",
    "=COUNTIFS(B{r}:$B$40;\"x\";A{r}:$A$40;\">0\")",
    "=AVERAGEIFS($A$1:A{r};$B$1:B{r};\"<>y\")",
    "=MAXIFS($A$1:A{r};$B$1:B{r};\"x\")",
    "=MINIFS(A{r}:$A$40;B{r}:$B$40;\"y\")",
    "=SUMIF($A$1:A{r};\">0\")",
    "=COUNTIF(A{r}:$A$40;\"<2\")",
    "=SUM($A$50:{c}50)+COUNT($A$50:{c}51)+MAX($A$50:{c}50)",
    "=SUMIFS($A$50:{c}50;$A$51:{c}51;\">0\")",
};

QString letter(int column)
{
    return QString(QChar('A' + column));
}

QString formulaFor(const char* text, int row, int column)
{
    return QString::fromUtf8(text).replace("{r}", QString::number(row + 1)).replace("{c}", letter(column));
}

// The data of columns A to C and of rows 50 and 51; cell (row, column).
using Fill = std::function<QString(int row, int column)>;

struct DataCase {
    const char* name;
    Fill fill;
};

QString decimal(int row, int column)
{
    return QString::number(0.1 * (row * 7 % 13) + column * 0.37 - 0.4, 'g', 17);
}

const DataCase kData[] = {
    {"decimals", [](int row, int column) { return decimal(row, column); }},
    {"integers", [](int row, int column) { return QString::number((row * 5 % 11) - 4 + column); }},
    {"errors", [](int row, int column) { return row == 17 ? QString("=1/0") : row == 29 ? QString("=NA()") : decimal(row, column); }},
    {"texts, booleans, empty",
     [](int row, int column) {
         switch (row % 5) {
         case 0: return QString("x");
         case 1: return QString("VERDADEIRO");
         case 2: return QString();
         case 3: return QString("y");
         default: return decimal(row, column);
         }
     }},
    {"a spill in the range", [](int row, int column) { return row == 3 && column == 0 ? QString("=SEQUENCE(5)") : row > 3 && row < 8 && column == 0 ? QString() : decimal(row, column); }},
    {"the summed column reads the running total", [](int row, int column) { return column == 0 && row > 0 ? "=E" + QString::number(row) + "/3+" + QString::number(row % 3) : decimal(row, column); }},
    {"a circular reference", [](int row, int column) { return column == 0 && row == 12 ? QString("=E30") : decimal(row, column); }},
};

// Numbers are written as numbers, the rest as typed.
void put(Sheet& s, int row, int column, const QString& text)
{
    bool number = false;
    const double x = text.toDouble(&number);
    if (number) {
        s.setValue(row, column, x);
    } else {
        s.setText(row, column, text);
    }
}

void build(Sheet& s, const DataCase& data)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < 3; ++column) {
            // Column B holds the criteria's categories.
            put(s, row, column, column == 1 ? QString(row % 3 == 0 ? "x" : "y") : data.fill(row, column));
        }
    }
    for (int column = 0; column < 10; ++column) {
        put(s, kDataRow, column, data.fill(column, 0));
        put(s, kDataRow + 1, column, data.fill(column, 2));
    }
    for (int f = 0; f < int(std::size(kFormulas)); ++f) {
        const bool acrossRow = QString(kFormulas[f]).contains("{c}");
        for (int i = 0; i < (acrossRow ? 10 : kRows); ++i) {
            const int row = acrossRow ? 52 + f : i;
            const int column = acrossRow ? i : 4 + f;
            s.setText(row, column, formulaFor(kFormulas[f], row, i));
        }
    }
}

struct Shown {
    ValueType type;
    std::uint64_t bits;
    QString text;
    bool operator==(const Shown&) const = default;
    friend void PrintTo(const Shown& s, std::ostream* os)
    {
        *os << "type " << int(s.type) << ", " << std::bit_cast<double>(s.bits) << " " << s.text.toStdString();
    }
};

std::vector<Shown> everyValue(const Sheet& s)
{
    std::vector<Shown> out;
    for (int row = 0; row < 80; ++row) {
        for (int column = 0; column < 4 + int(std::size(kFormulas)); ++column) {
            const Value v = s.value(row, column);
            std::uint64_t bits = 0;
            const double number = v.isError() ? double(v.error()) : v.number();
            std::memcpy(&bits, &number, sizeof bits);
            out.push_back({v.type(), bits, v.isText() ? v.text() : QString()});
        }
    }
    return out;
}

// The same edits on two workbooks, one reusing totals and one evaluating
// every call plainly, leave the same values.
struct Twins {
    Workbook reusing;
    Workbook plain;

    Twins()
    {
        reusing.addSheet();
        plain.addSheet();
    }

    void apply(const char* step, const std::function<void(Workbook&, Sheet&)>& edit)
    {
        edit(reusing, reusing.sheet(0));
        RangeReuse::setEnabled(false);
        edit(plain, plain.sheet(0));
        RangeReuse::setEnabled(true);
        const std::vector<Shown> a = everyValue(reusing.sheet(0));
        const std::vector<Shown> b = everyValue(plain.sheet(0));
        const std::size_t columns = 4 + std::size(kFormulas);
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i], b[i]) << step << ": row " << i / columns + 1 << ", column " << i % columns;
        }
    }
};

class RangeReuseTest : public testing::TestWithParam<DataCase> {};

}  // namespace

TEST_P(RangeReuseTest, GivesWhatAPlainEvaluationGives)
{
    const DataCase& data = GetParam();
    Twins twins;
    twins.apply("built", [&data](Workbook& wb, Sheet& s) {
        wb.beginUpdate();
        build(s, data);
        wb.endUpdate();
    });
    twins.apply("calculated again", [](Workbook& wb, Sheet&) { wb.calculate(); });
    twins.apply("edited in the middle", [](Workbook&, Sheet& s) {
        s.setValue(20, 0, 2.75);
        s.setValue(20, 2, -3.0);
        s.setValue(kDataRow, 4, 1.5);
    });
    twins.apply("an error written", [](Workbook&, Sheet& s) { s.setText(9, 0, "=NA()"); });
    twins.apply("a row inserted", [](Workbook&, Sheet& s) {
        s.InsertRows(15, 1);
        s.setValue(15, 0, 4.0);
    });
    twins.apply("a batch of edits", [](Workbook& wb, Sheet& s) {
        wb.beginUpdate();
        s.setValue(2, 0, 9.0);
        s.setText(30, 2, "texto");
        s.setValue(kDataRow, 2, -0.0);
        wb.endUpdate();
    });
}

INSTANTIATE_TEST_SUITE_P(Data, RangeReuseTest, testing::ValuesIn(kData), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p) {
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    }
    return name;
});
