// The "darvelo converter" command, run as users and scripts run it.
#include "ExecutarDarvelo.h"

#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/Workbook.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

Saida converter(const QStringList& args)
{
    return darvelo(QStringList{"converter"} + args);
}

class ConverterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Workbook wb;
        Sheet& s = wb.addSheet("Folha");
        s.setValue(0, 0, 1.5);
        s.setValue(1, 0, 2.25);
        s.setText(2, 0, "=SUM(A1:A2)");
        s.setText(0, 1, "texto; com separador", TextMode::Plain);
        wb.defineName("Total", "Folha!$A$3");
        io::WorkbookFile::save(wb, io::PrintSettings{}, path("modelo.nxs"));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(ConverterTest, JsonDumpHasTheFixedLayout)
{
    const Saida r = converter({path("modelo.nxs"), path("saida.json")});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(read("saida.json")).object();
    const QJsonArray cells = root["sheets"].toArray()[0].toObject()["cells"].toArray();
    ASSERT_EQ(cells.size(), 4);
    EXPECT_EQ(cells[0].toObject()["ref"].toString(), QStringLiteral("A1"));
    EXPECT_EQ(cells[1].toObject()["type"].toString(), QStringLiteral("text"));
    const QJsonObject sum = cells[3].toObject();
    EXPECT_EQ(sum["formula"].toString(), QStringLiteral("=SUM(A1:A2)"));
    EXPECT_EQ(sum["value"].toDouble(), 3.75);
    EXPECT_EQ(root["names"].toArray()[0].toObject()["ref"].toString(), QStringLiteral("Folha!$A$3"));
}

TEST_F(ConverterTest, NativeToNativeIsTheSameFileAndCsvQuotes)
{
    ASSERT_EQ(converter({path("modelo.nxs"), path("copia.nxs")}).codigo, 0);
    EXPECT_EQ(read("copia.nxs"), read("modelo.nxs"));
    const Saida r = converter({path("modelo.nxs"), path("folha.csv"), "--folha", "Folha"});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    EXPECT_TRUE(read("folha.csv").contains("\"texto; com separador\""));
}

TEST_F(ConverterTest, ExitCodesTellUsageFromBadInput)
{
    EXPECT_EQ(converter({}).codigo, 2);
    EXPECT_EQ(converter({path("modelo.nxs")}).codigo, 2);
    EXPECT_EQ(converter({path("modelo.nxs"), path("saida.doc")}).codigo, 2);
    const Saida help = converter({"--help"});
    EXPECT_EQ(help.codigo, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Recalcula todas as fórmulas")));

    QFile text(path("texto.nxs"));
    text.open(QIODevice::WriteOnly);
    text.write("não sou planilha");
    text.close();
    const Saida bad = converter({path("texto.nxs"), path("x.json")});
    EXPECT_EQ(bad.codigo, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Arquivo não é um formato válido: ") + path("texto.nxs")));
    EXPECT_FALSE(QFile::exists(path("x.json")));
    EXPECT_EQ(converter({path("modelo.nxs"), path("a.csv"), "--folha", "Nenhuma"}).codigo, 1);
}

// A file's stored results are shown as they are, unless the user asks for
// them to be calculated again. The file says A1*2 is 99; A1 is 1.5.
TEST_F(ConverterTest, RecalcularReplacesStoredResults)
{
    const QString guardado = QStringLiteral(TEST_DATA_DIR "/cli/stale_result.xlsx");
    for (const bool recalcular : {false, true}) {
        QStringList args{guardado, path("guardado.csv")};
        if (recalcular)
            args << "--recalcular";
        ASSERT_EQ(converter(args).codigo, 0);
        EXPECT_TRUE(read("guardado.csv").endsWith(recalcular ? "\n3\r\n" : "\n99\r\n")) << recalcular;
    }
}
