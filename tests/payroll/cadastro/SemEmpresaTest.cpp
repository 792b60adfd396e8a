#include "FolhaTeste.h"

#include "host/TnDMSQLDataSet.h"

namespace {

// Every function of the family, with arguments that could not even be read
// as numbers: without a company nothing is read and nothing is asked.
const char* const kFormulas[] = {
    "fpaFunc(\"x\";100)",
    "fpaFuncTotais(\"x\")",
    "fpaGPS(\"x\";1)",
    "fpaFuncHistCargo(\"x\";100)",
    "fpaFuncHistSalario(\"x\";100)",
    "fpaFuncHistSindicato(\"x\";100)",
    "fpaFuncHistEscala(\"x\";100)",
    "fpaOutEmp(\"x\";5)",
    "fpaOrganDescr(\"x\";\"01\")",
};

class SemEmpresaTest : public FolhaTeste {};

TEST_F(SemEmpresaTest, NoCompanyGivesTheEmptyTextWithoutTheDatabase)
{
    host::TnDMSQLDataSet::Desconectar();
    dm.FCodigoEmpresa = -1;
    for (const char* formula : kFormulas) {
        const spreadsheet::Value valor = avaliar(QString::fromUtf8(formula));
        EXPECT_EQ(valor.type(), spreadsheet::ValueType::Text) << formula << " " << falha().toStdString();
        EXPECT_TRUE(valor.text().isEmpty()) << formula;
    }
}

TEST_F(SemEmpresaTest, WithACompanyTheSameCellsNeedTheDatabase)
{
    host::TnDMSQLDataSet::Desconectar();
    for (const char* formula :
         {"fpaFunc(2;100)", "fpaFuncTotais(1)", "fpaGPS(2;1)", "fpaFuncHistCargo(1;100)", "fpaOutEmp(1;5)"}) {
        EXPECT_EQ(avaliar(QString::fromUtf8(formula)).type(), spreadsheet::ValueType::Error) << formula;
    }
    EXPECT_FALSE(dm.curFuncionario || dm.curFuncTotais || dm.curGPS || dm.curFuncHistCargo || dm.curOutraEmpresa);
}

}  // namespace
