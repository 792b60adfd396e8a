// Where the pages of a sheet fall. Rows and columns are 100 pixels, so that
// an A4 page in portrait with the default margins (184.6 x 271.6 mm, that is
// 697.7 x 1026.5 pixels) holds 6 columns and 10 rows.
#include <spreadsheet/print/PageLayout.h>
#include <spreadsheet/print/PagePainter.h>

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <functional>

using namespace spreadsheet;
using spreadsheet::print::PageLayout;
using spreadsheet::print::PagePainter;

namespace {

struct LayoutCase {
    const char* what;
    std::function<void(Sheet&, io::PrintSettings&)> setUp;
    std::size_t pages;
    CellRange first;
    CellRange second;
};

class PageLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

// 30 rows and 8 columns of 100 pixels, with a value in the last cell.
TEST_P(PageLayoutTest, PagesRunDownThenAcross)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Folha"));
    for (int r = 0; r < 30; ++r)
        sheet.setRowHeight(r, 100);
    for (int c = 0; c < 8; ++c)
        sheet.setColumnWidth(c, 100);
    sheet.setValue(29, 7, 1.0);
    io::PrintSettings settings;
    GetParam().setUp(sheet, settings);
    const PageLayout layout(sheet, settings);
    ASSERT_EQ(layout.pages().size(), GetParam().pages) << GetParam().what;
    EXPECT_EQ(layout.pages()[0], GetParam().first) << GetParam().what;
    if (layout.pages().size() > 1) {
        EXPECT_EQ(layout.pages()[1], GetParam().second) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageLayoutTest,
    ::testing::Values(
        LayoutCase{"margins and paper", [](Sheet&, io::PrintSettings&) {}, 6, {0, 0, 5, 9}, {0, 10, 5, 19}},
        LayoutCase{"landscape", [](Sheet&, io::PrintSettings& s) { s.landscape = true; }, 5, {0, 0, 7, 5},
                   {0, 6, 7, 11}},
        LayoutCase{"manual break", [](Sheet& sheet, io::PrintSettings&) { sheet.setPageBreak(4, true); }, 8,
                   {0, 0, 5, 3}, {0, 4, 5, 13}},
        LayoutCase{"fit to one page wide, 800 pixels on 697.7",
                   [](Sheet&, io::PrintSettings& s) { s.fitPagesWide = 1; }, 3, {0, 0, 7, 10}, {0, 11, 7, 21}},
        LayoutCase{"hidden rows take no room",
                   [](Sheet& sheet, io::PrintSettings&) {
                       for (int r = 2; r <= 5; ++r)
                           sheet.setRowHidden(r, true);
                   },
                   6, {0, 0, 5, 13}, {0, 14, 5, 23}},
        LayoutCase{"a merge across the page edge moves the break up",
                   [](Sheet& sheet, io::PrintSettings&) { sheet.mergeCells({0, 8, 1, 11}); }, 8, {0, 0, 5, 7},
                   {0, 8, 5, 17}},
        LayoutCase{"print area", [](Sheet&, io::PrintSettings& s) { s.printArea = QStringLiteral("Folha!$B$2:$C$5"); },
                   1, {1, 1, 2, 4}, {}},
        LayoutCase{"another sheet's print area", [](Sheet&, io::PrintSettings& s) { s.printArea = QStringLiteral("Outra!$B$2:$C$5"); },
                   6, {0, 0, 5, 9}, {0, 10, 5, 19}},
        LayoutCase{"half scale", [](Sheet&, io::PrintSettings& s) { s.scalePercent = 50; }, 2, {0, 0, 7, 19},
                   {0, 20, 7, 29}}));

TEST(PageLayoutEmptyTest, ASheetWithNothingHasNoPages)
{
    Workbook workbook;
    const PageLayout layout(workbook.addSheet(), io::PrintSettings{});
    EXPECT_TRUE(layout.pages().empty());
}

TEST(PageFieldsTest, FieldsAndNumberStyles)
{
    io::PrintSettings settings;
    const print::PageFields fields{4, 12, QStringLiteral("Emp1"), QStringLiteral("rel.pdf"),
                                   QDateTime(QDate(2026, 12, 7), QTime(9, 5))};
    settings.dateFormat = QStringLiteral("dd/MM/yyyy");
    settings.timeFormat = QStringLiteral("HH:mm");
    EXPECT_EQ(PagePainter::withFields(QStringLiteral("&[Guia] - Página &[Página] de &[pages], &[Data] &[Hora] &[Arquivo] &[x]"),
                                      fields, settings),
              QStringLiteral("Emp1 - Página 4 de 12, 07/12/2026 09:05 rel.pdf &[x]"));
    using N = io::PrintSettings::PageNumbers;
    const std::pair<N, const char*> styles[] = {
        {N::Arabic, "14"}, {N::RomanLower, "xiv"}, {N::RomanUpper, "XIV"}, {N::LettersLower, "n"}, {N::LettersUpper, "N"}};
    for (const auto& [style, text] : styles)
        EXPECT_EQ(PagePainter::pageNumber(14, style), QString::fromLatin1(text));
    EXPECT_EQ(PagePainter::pageNumber(28, N::LettersUpper), QStringLiteral("AB"));
}

}  // namespace
