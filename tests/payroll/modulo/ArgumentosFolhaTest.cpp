// How the payroll functions read a code or a number from their arguments:
// numbers, texts in the user's locale, blanks and what is not a number.

#include "payroll/ArgumentosFolha.h"

#include "host/HostError.h"

#include <spreadsheet/FormulaResult.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <QLocale>

namespace {

using spreadsheet::ArgumentTokens;
using spreadsheet::FormulaResult;

// Answers numeroReal of its argument, or "erro" when the argument is refused.
void lerNumero(FormulaResult& result, const ArgumentTokens& arguments)
{
    try {
        result.AddValue(payroll::ArgumentosFolha(result, arguments).numeroReal(0));
    } catch (const host::HostError&) {
        result.AddValue(QStringLiteral("erro"));
    }
}

void umOpcional(int& count, std::vector<spreadsheet::ParamKind>& kinds)
{
    count = 1;
    kinds.assign(1, spreadsheet::ParamKind::OptionalValue);
}

TEST(ArgumentosFolhaTest, CodigosENumerosComoOsDaCelula)
{
    static const bool registrada = [] {
        spreadsheet::FunctionRepository::instance().Add(QStringLiteral("tstLerNumero"), lerNumero, umOpcional,
                                                        spreadsheet::ResultKind::Value, 9101,
                                                        spreadsheet::FunctionCategory::UserDefined);
        return true;
    }();
    (void)registrada;
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    spreadsheet::Workbook wb;
    spreadsheet::Sheet& folha = wb.addSheet(QStringLiteral("Plan1"));
    struct Caso {
        const char* argumento;
        QVariant esperado;
    };
    const Caso casos[] = {
        {"35", 35.0},          {"\" 35 \"", 35.0}, {"\"-12\"", -12.0}, {"\"+5\"", 5.0},
        {"\"007\"", 7.0},      {"\"1,5\"", 1.5},   {"2.5", 2.5},       {"\"1234567890\"", 1234567890.0},
        {"TRUE", 1.0},         {"B1", -1.0},       {"", -1.0},         {"\"abc\"", QStringLiteral("erro")},
        {"\"12a\"", QStringLiteral("erro")},
    };
    for (const Caso& caso : casos) {
        folha.setText(0, 0, QStringLiteral("=tstLerNumero(%1)").arg(QLatin1String(caso.argumento)));
        const spreadsheet::Value valor = folha.value(0, 0);
        if (caso.esperado.typeId() == QMetaType::QString)
            EXPECT_EQ(valor.text(), caso.esperado.toString()) << caso.argumento;
        else
            EXPECT_EQ(valor.number(), caso.esperado.toDouble()) << caso.argumento;
    }
}

}  // namespace
