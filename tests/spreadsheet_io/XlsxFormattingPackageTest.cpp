// The sheets liborcus reads for the formats keep their rows, not their cells.
#include "xlsx/XlsxFormattingPackage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using spreadsheet::io::XlsxFormattingPackage;

TEST(XlsxFormattingPackageTest, RowsKeepTheirOwnTagsAndLoseTheirCells)
{
    struct Case {
        const char* part;
        std::optional<std::string> rows;
    };
    const std::string head = "<?xml version=\"1.0\"?><worksheet><cols><col min=\"1\" max=\"1\" width=\"9\"/></cols>";
    const Case cases[] = {
        {"<sheetData><row r=\"1\" ht=\"30\" customHeight=\"1\"><c r=\"A1\" s=\"2\"><v>1</v></c>"
         "<c r=\"B1\" s=\"3\"/></row><row r=\"2\" hidden=\"1\"/><row r=\"3\">\n<c r=\"A3\" t=\"inlineStr\">"
         "<is><t>x</t></is></c></row ></sheetData><rowBreaks count=\"1\"><brk id=\"2\"/></rowBreaks></worksheet>",
         "<sheetData><row r=\"1\" ht=\"30\" customHeight=\"1\"></row><row r=\"2\" hidden=\"1\"/><row r=\"3\"></row >"
         "</sheetData><rowBreaks count=\"1\"><brk id=\"2\"/></rowBreaks></worksheet>"},
        {"<sheetData/></worksheet>", "<sheetData/></worksheet>"},
        {"<sheetData><!-- <row r=\"1\"> --></sheetData></worksheet>", std::nullopt},
        {"<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c></sheetData></worksheet>", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> rows = XlsxFormattingPackage::withoutCells(head + c.part);
        ASSERT_EQ(rows.has_value(), c.rows.has_value()) << c.part;
        if (rows) {
            EXPECT_EQ(*rows, head + *c.rows);
        }
    }
}
