// Packages whose relations name their parts absolutely, as openpyxl writes
// them, keep their formats.
#include "IoTestSupport.h"
#include "xlsx/XlsxPackageRewrite.h"
#include "xlsx/XlsxPackageScan.h"
#include "xlsx/XlsxReader.h"
#include "xlsx/XlsxRelativeTargets.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookExport.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace spreadsheet;
using namespace spreadsheet::io;

TEST(XlsxRelativeTargetsTest, AbsolutePartNamesSeenFromAFolder)
{
    struct Case {
        const char* folder;
        const char* absolute;
        const char* relative;
    };
    for (const Case c : {Case{"xl/", "/xl/worksheets/sheet1.xml", "worksheets/sheet1.xml"},
                         Case{"xl/", "/xl/styles.xml", "styles.xml"},
                         Case{"xl/", "/docProps/custom.xml", "../docProps/custom.xml"},
                         Case{"xl/worksheets/", "/xl/drawings/drawing1.xml", "../drawings/drawing1.xml"},
                         Case{"", "/xl/workbook.xml", "xl/workbook.xml"},
                         Case{"xl/xl/", "/xl/a.xml", "../a.xml"}}) {
        EXPECT_EQ(XlsxRelativeTargets::relative(c.folder, c.absolute), c.relative) << c.folder << " " << c.absolute;
    }
}

TEST(XlsxRelativeTargetsTest, OnlyInternalAbsoluteTargetsChange)
{
    const QByteArray text = "<Relationships><Relationship Id=\"rId1\" Target=\"/xl/worksheets/sheet1.xml\"/>"
                            "<Relationship Target='/xl/worksheets/sheet2.xml' Id='rId2'/>"
                            "<Relationship Id=\"rId3\" Target=\"styles.xml\"/>"
                            "<Relationship Id=\"rId4\" TargetMode=\"External\" Target=\"/srv/dados.xlsx\"/>"
                            "</Relationships>";
    EXPECT_EQ(XlsxRelativeTargets::relations(text, "xl/"),
              "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/>"
              "<Relationship Target='worksheets/sheet2.xml' Id='rId2'/>"
              "<Relationship Id=\"rId3\" Target=\"styles.xml\"/>"
              "<Relationship Id=\"rId4\" TargetMode=\"External\" Target=\"/srv/dados.xlsx\"/>"
              "</Relationships>");
}

TEST(XlsxRelativeTargetsTest, AWorkbookNamingItsSheetsAbsolutelyKeepsItsFormats)
{
    Workbook workbook;
    Sheet& sheet = workbook.addSheet(QStringLiteral("Dados"));
    sheet.setValue(0, 0, 12.5);
    sheet.setColumnWidth(0, 200);
    workbook.addSheet(QStringLiteral("Outra")).setValue(1, 1, 3.0);
    QTemporaryDir dir;
    const QString ours = dir.filePath(QStringLiteral("nosso.xlsx"));
    const QString absolute = dir.filePath(QStringLiteral("absoluto.xlsx"));
    WorkbookExport::xlsx(workbook, ours);
    XlsxPackageRewrite rewrite;
    rewrite.replace("xl/_rels/workbook.xml.rels", [](const QByteArray& text) {
        return XlsxPackageRewrite::whole(QByteArray(text).replace("Target=\"worksheets/", "Target=\"/xl/worksheets/"));
    });
    rewrite.run(ours, absolute);
    ASSERT_TRUE(XlsxPackageScan(iotest::fileBytes(absolute)).namesPartsAbsolutely());

    const iotest::Loaded loaded = iotest::load<XlsxReader>(iotest::fileBytes(absolute));
    EXPECT_TRUE(loaded.warnings.empty()) << loaded.warnings.front().toStdString();
    ASSERT_EQ(loaded.workbook->sheetCount(), 2);
    EXPECT_EQ(loaded.workbook->sheet(0).columnWidth(0), 200);
    EXPECT_EQ(loaded.workbook->sheet(0).value(0, 0), Value(12.5));
    EXPECT_EQ(loaded.workbook->sheet(1).value(1, 1), Value(3.0));
}
