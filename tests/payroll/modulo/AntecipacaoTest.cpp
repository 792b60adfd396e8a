// The queries a run reads ahead, in worker threads on sessions of their own,
// against the same queries run by the functions themselves.

#include "FolhaTeste.h"

#include "cadastro/FuncoesCadastro.h"
#include "movimento/FuncoesMovimento.h"
#include "movimento/TextoEvento.h"

#include "host/HostError.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

using payroll::TnFpaDMPlanilha;

std::vector<TnFpaDMPlanilha::Antecipavel> antecipaveis()
{
    auto todas = payroll::FuncoesMovimento::Antecipaveis();
    for (const auto& antecipavel : payroll::FuncoesCadastro::Antecipaveis())
        todas.push_back(antecipavel);
    for (const auto& antecipavel : payroll::TextoEvento::Antecipaveis())
        todas.push_back(antecipavel);
    return todas;
}

QStringList linhas(host::TnClientDataSet& dataset)
{
    QStringList texto;
    for (dataset.First(); !dataset.Eof(); dataset.Next()) {
        QStringList campos;
        for (int i = 0; i < dataset.FieldCount(); ++i)
            campos << dataset.Fields(i).FieldName() + QLatin1Char('=') + dataset.Fields(i).AsString();
        texto << campos.join(QLatin1Char('|'));
    }
    return texto;
}

QString erroDe(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const host::HostError& erro) {
        return erro.message();
    }
    return {};
}

using AntecipacaoTest = FolhaTeste;

// The dataset read ahead comes from the worker's session, which is closed
// by then: that is what tells it from one the function ran itself.
TEST_F(AntecipacaoTest, DatasetLidoAntesEhOMesmoDaPropriaFuncao)
{
    for (const auto& antecipavel : antecipaveis()) {
        const TnFpaDMPlanilha::Consulta consulta = antecipavel.consulta(dm);
        auto propria = dm.ExecutarConsulta(consulta);
        dm.AnteciparConsultas({QString::fromLatin1(antecipavel.funcao).toUpper()});
        dm.AnteciparConsultasDaEmpresa();
        auto antecipada = dm.ExecutarConsulta(consulta);
        EXPECT_EQ(erroDe([&] { host::RefreshSQL(*antecipada, {}); }),
                  QStringLiteral("A conexão que abriu a consulta foi encerrada."))
            << antecipavel.funcao;
        ASSERT_GT(propria->RecordCount(), 0) << antecipavel.funcao;
        EXPECT_EQ(linhas(*antecipada), linhas(*propria)) << antecipavel.funcao;
        dm.DestruirCursores();
    }
}

TEST_F(AntecipacaoTest, FuncaoForaDaListaNaoEhLidaAntes)
{
    dm.AnteciparConsultas({QStringLiteral("FPAFUNC")});
    const auto evento = payroll::FuncoesMovimento::Antecipaveis().front();
    auto dataset = dm.ExecutarConsulta(evento.consulta(dm));
    EXPECT_TRUE(erroDe([&] { host::RefreshSQL(*dataset, {}); }).isEmpty());
}

// A copy of the demo database without the event table.
class AntecipacaoFalhaTest : public FolhaTeste {
protected:
    QString conexao() const override
    {
        const QString origem = FolhaTeste::conexao().mid(QStringLiteral("sqlite:").size());
        const QString copia = pasta.filePath(QStringLiteral("sem-eventos.sqlite"));
        if (!QFile::exists(copia)) {
            QFile::copy(origem, copia);
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sem-eventos"));
                db.setDatabaseName(copia);
                db.open();
                QSqlQuery(db).exec(QStringLiteral("DROP TABLE CALCULOEVENTO"));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("sem-eventos"));
        }
        return QStringLiteral("sqlite:") + copia;
    }

    QTemporaryDir pasta;
};

TEST_F(AntecipacaoFalhaTest, FalhaDaConsultaLidaAntesChegaComoADaPropriaFuncao)
{
    const QString formula = QStringLiteral("fpaEvValor(100;-1;\"\";-1)");
    avaliar(formula);
    const QString propria = falha();
    ASSERT_TRUE(propria.contains(QStringLiteral("CALCULOEVENTO"), Qt::CaseInsensitive)) << propria.toStdString();
    novaExecucao();
    dm.AnteciparConsultas({QStringLiteral("FPAEVVALOR")});
    avaliar(formula);
    EXPECT_EQ(falha(), propria);
    EXPECT_EQ(dm.curCalculoEvento, nullptr);
    // The next cell tries again, on the program's connection.
    folha->setText(1, 0, QStringLiteral("=") + formula);
    wb.calculate();
    EXPECT_EQ(falha(), propria);
}

}  // namespace
