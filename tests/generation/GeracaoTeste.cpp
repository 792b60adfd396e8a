#include "GeracaoTeste.h"

#include "DemoDatabases.h"

#include "catalog/RegistroFuncoes.h"
#include "generation/RegistroGeracao.h"

#include "host/HostError.h"
#include "host/QueryServices.h"
#include "host/TnActionRegistry.h"
#include "host/TnClientDataSet.h"
#include "host/TnDMSQLDataSet.h"

#include <QLocale>

#include <limits>

void GeracaoTeste::SetUpTestSuite()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    catalog::RegistrarTodasFuncoes();
    generation::RegistrarTnFpaDMPlanilha();
}

void GeracaoTeste::SetUp()
{
    conectar(host::testing::DemoDatabases::instance().sqliteConnection());
    novoModulo();
}

void GeracaoTeste::TearDown()
{
    modulo.reset();
    host::TnDMSQLDataSet::Desconectar();
}

void GeracaoTeste::conectar(const QString& conexao)
{
    host::TnDMSQLDataSet::Conectar(conexao);
}

void GeracaoTeste::novoModulo()
{
    modulo = host::TnActionRegistry::instance().criar(QStringLiteral("TnFpaDMPlanilha"));
    dm = dynamic_cast<payroll::TnFpaDMPlanilha*>(modulo.get());
    ASSERT_NE(dm, nullptr);
    auto frame = std::make_unique<ProgressoTeste>();
    progresso = frame.get();
    dm->SetProgresso(std::move(frame));
}

QString GeracaoTeste::executar(ModeloTeste& modelo)
{
    dm->SetcxSpreadSheetBook(&modelo.wb);
    try {
        dm->Executar();
    } catch (const host::HostError& erro) {
        return erro.message();
    }
    return {};
}

QStringList GeracaoTeste::linhasSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    QStringList linhas;
    for (dataset->First(); !dataset->Eof(); dataset->Next()) {
        QStringList campos;
        for (int i = 0; i < dataset->FieldCount(); ++i) {
            campos << dataset->Fields(i).AsString();
        }
        linhas << campos.join(QLatin1Char('/'));
    }
    return linhas;
}

std::vector<QVariantList> GeracaoTeste::registrosSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    std::vector<QVariantList> registros;
    for (dataset->First(); !dataset->Eof(); dataset->Next()) {
        QVariantList campos;
        for (int i = 0; i < dataset->FieldCount(); ++i) {
            campos << dataset->Fields(i).Value();
        }
        registros.push_back(campos);
    }
    return registros;
}

QString GeracaoTeste::movimento(const QString& campos, int empresa, int periodo, const QString& resto,
                                const QString& juncao)
{
    return QStringLiteral("SELECT %1 FROM FUNCPERCALCULO FPC"
                          " JOIN FUNCLOCAL FL ON FL.CODIGOEMPRESA = FPC.CODIGOEMPRESA"
                          "  AND FL.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR AND FL.DATATRANSF = FPC.DATALOCAL %2"
                          " WHERE FPC.CODIGOEMPRESA = %3 AND FPC.CODIGOPERCALCULO = %4 %5")
        .arg(campos, juncao, QString::number(empresa), QString::number(periodo), resto);
}

QStringList GeracaoTeste::estabelecimentos(int empresa, int periodo)
{
    return linhasSql(
        movimento(QStringLiteral("DISTINCT FL.CODIGOESTAB"), empresa, periodo, QStringLiteral("ORDER BY 1")));
}

double GeracaoTeste::numero(const QString& texto)
{
    bool ok = false;
    const double valor = QLocale().toDouble(texto, &ok);
    return ok ? valor : std::numeric_limits<double>::quiet_NaN();
}
