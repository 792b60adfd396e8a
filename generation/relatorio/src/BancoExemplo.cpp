#include "relatorio/BancoExemplo.h"
#include "relatorio/SessaoBanco.h"

#include "host/HostError.h"

#include <QDate>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <vector>

namespace exemplo {

namespace {

// The demo's fixed cases (employee 100's vacation, transfers around it)
// fall in January 2024, so a template run on it finds data in every column.
const QDate kCompetenciaPreferida(2024, 1, 1);


// Codes in ascending order as an inclusion list: runs become ranges.
QString listaInclusao(const std::vector<QVariantList>& linhas)
{
    QStringList partes;
    std::size_t i = 0;
    while (i < linhas.size()) {
        const int inicio = linhas[i].front().toInt();
        int fim = inicio;
        while (i + 1 < linhas.size() && linhas[i + 1].front().toInt() == fim + 1) {
            ++fim;
            ++i;
        }
        partes << (fim == inicio ? QString::number(inicio) : QStringLiteral("%1..%2").arg(inicio).arg(fim));
        ++i;
    }
    return partes.join(QLatin1Char(';'));
}

QString periodoMensal(const std::vector<QVariantList>& periodos)
{
    for (const QVariantList& periodo : periodos) {
        if (periodo[1].toDate() == kCompetenciaPreferida)
            return periodo[0].toString();
    }
    return periodos.back()[0].toString();
}

}  // namespace

BancoExemplo::BancoExemplo(const QString& conexao) : FTexto(host::ConnectionText::parse(conexao)) {}

bool BancoExemplo::existe() const
{
    if (FTexto.dialect == host::SqlDialect::SQLite)
        return QFileInfo::exists(FTexto.path);
    const SessaoBanco sessao(FTexto);
    QSqlQuery query(sessao.db());
    return query.exec(QStringLiteral("SELECT 1 FROM PERIODOCALCULO")) && query.next();
}

void BancoExemplo::criar(const host::DemoDataOptions& opcoes) const
{
    if (FTexto.dialect == host::SqlDialect::SQLite) {
        host::DemoDataGenerator::criarSqlite(FTexto.path, opcoes);
        return;
    }
    const SessaoBanco sessao(FTexto);
    QSqlDatabase db = sessao.db();
    host::DemoDataGenerator::gerar(db, FTexto.dialect, opcoes);
}

ParametrosExemplo BancoExemplo::parametros() const
{
    const SessaoBanco sessao(FTexto);
    const auto empresas = sessao.linhas(QStringLiteral("SELECT CODIGOEMPRESA FROM EMPRESA ORDER BY 1"));
    if (empresas.empty())
        throw host::HostError(QStringLiteral("O banco %1 não tem empresas.").arg(descricao()));
    auto rateio = sessao.linhas(QStringLiteral("SELECT DISTINCT CODIGOEMPRESA FROM CALCULORATEIO ORDER BY 1"));
    const auto periodos = sessao.linhas(QStringLiteral("SELECT CODIGOPERCALCULO, COMPET FROM PERIODOCALCULO"
                                                       " WHERE CODIGOEMPRESA = %1 AND TIPOPERCALCULO = 1"
                                                       " ORDER BY COMPET")
                                            .arg(empresas.front().front().toInt()));
    if (periodos.empty())
        throw host::HostError(QStringLiteral("O banco %1 não tem períodos de cálculo mensais.").arg(descricao()));
    // A database without apportionment still gets a company list the run
    // accepts; its apportionment blocks then stay unreplicated.
    if (rateio.empty())
        rateio.push_back(empresas.front());
    return {listaInclusao(empresas), listaInclusao(rateio), periodoMensal(periodos)};
}

}  // namespace exemplo
