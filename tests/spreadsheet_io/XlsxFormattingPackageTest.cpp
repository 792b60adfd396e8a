// The sheets liborcus reads for the formats keep their styled rows, not their cells.
#include "xlsx/XlsxFormattingPackage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using spreadsheet::io::XlsxFormattingPackage;

TEST(XlsxFormattingPackageTest, PlainRowsGoAndStyledRowsKeepTheirOwnTags)
{
    struct Case {
        const char* part;
        std::optional<std::string> rows;
    };
    const std::string head = "<?xml version=\"1.0\"?><worksheet><cols><col min=\"1\" max=\"1\" width=\"9\"/></cols>";
    const Case cases[] = {
        // Number, height and visibility are the scan's to give.
        {"<sheetData><row r=\"1\" ht=\"30\" customHeight=\"1\" x14ac:dyDescent=\"0.25\"><c r=\"A1\" s=\"2\">"
         "<v>1</v></c></row><row r='2' hidden=\"1\"/><row\nr=\"3\" >\n<c r=\"A3\"/></row ></sheetData>"
         "<rowBreaks count=\"1\"><brk id=\"2\"/></rowBreaks></worksheet>",
         "<sheetData></sheetData><rowBreaks count=\"1\"><brk id=\"2\"/></rowBreaks></worksheet>"},
        // A style, no number, a height liborcus reads its own way, a tag
        // that does not parse: the tag stays for liborcus, without cells.
        {"<sheetData><row r=\"1\" s=\"3\" customFormat=\"1\"><c r=\"A1\" s=\"2\"><v>1</v></c></row>"
         "<row r=\"2\" s=\"3\" customFormat=\"1\"/><row><c r=\"A3\"/></row><row r=\"4\" ht=\" 22.5 \">"
         "<c r=\"A4\"/></row><row r=\"5\" ht=30></row><row r=\"0\"></row></sheetData></worksheet>",
         "<sheetData><row r=\"1\" s=\"3\" customFormat=\"1\"></row><row r=\"2\" s=\"3\" customFormat=\"1\"/>"
         "<row></row><row r=\"4\" ht=\" 22.5 \"></row><row r=\"5\" ht=30></row><row r=\"0\"></row>"
         "</sheetData></worksheet>"},
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
