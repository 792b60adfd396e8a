// The JSON dump stays JSON whatever numbers the workbook holds.
#include <spreadsheet/io/JsonDump.h>
#include <spreadsheet/io/WorkbookBuilder.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

using namespace spreadsheet;
using namespace spreadsheet::io;

TEST(JsonDumpTest, NumbersWithoutAJsonFormAreNull)
{
    struct Caso {
        const char* nome;
        double numero;
    };
    const Caso casos[] = {
        {"nan", std::numeric_limits<double>::quiet_NaN()},
        {"inf", std::numeric_limits<double>::infinity()},
        {"-inf", -std::numeric_limits<double>::infinity()},
    };
    for (const Caso& caso : casos) {
        // As a reader hands them over: a formula whose file cached the
        // number, and a plain cell holding it.
        WorkbookBuilder builder;
        const int folha = builder.addSheet("Folha");
        builder.setFormula(folha, 0, 0, "=B1", Value(caso.numero));
        builder.setValue(folha, 1, 0, Value(caso.numero));
        const QByteArray json = JsonDump::dump(*builder.finish());

        QJsonParseError erro;
        const QJsonDocument documento = QJsonDocument::fromJson(json, &erro);
        ASSERT_EQ(erro.error, QJsonParseError::NoError) << caso.nome << ": " << json.toStdString();
        const QJsonArray celulas = documento["sheets"][0]["cells"].toArray();
        ASSERT_EQ(celulas.size(), 2) << caso.nome;
        for (const QJsonValue& celula : celulas) {
            EXPECT_TRUE(celula["value"].isNull()) << caso.nome;
        }
        EXPECT_EQ(celulas[0]["formula"].toString(), QStringLiteral("=B1")) << caso.nome;
    }
}
