#include "QuebraFolha.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/DateRoutines.h"
#include "host/TnClientDataSet.h"

#include <array>
#include <utility>

namespace payroll {

namespace {

// A break field a cell may give, with the argument that stands for it.
struct CampoQuebra {
    QLatin1StringView nome;
    QVariant valor;
    bool informado;
};

// In the order the chain takes them when no replication is in force.
std::array<CampoQuebra, 5> camposDaCelula(int estab, int func, const QString& organ, int outEmp, double cenCusto)
{
    return {{
        {QLatin1StringView("CODIGOESTAB"), estab, estab != -1},
        {QLatin1StringView("CODIGOOUTEMP"), outEmp, outEmp != -1},
        {QLatin1StringView("CODIGOCENTROCUSTO"), cenCusto, cenCusto != -1.0},
        {QLatin1StringView("CLASSIFORGAN"), organ, !organ.isEmpty()},
        {QLatin1StringView("CODIGOFUNCCONTR"), func, func != -1},
    }};
}

// One COMPET pair per month of the run's competence range. The walk moves
// FCompetencia[0]; the next CarregarCompetencia puts it back.
host::TnQuebra porCompetencia(TnFpaDMPlanilha& dm, host::TnQuebra quebra)
{
    const QString campo = QStringLiteral("COMPET");
    dm.CarregarCompetencia();
    auto& competencia = dm.FCompetencia;
    if (host::StartOfTheMonth(competencia[0]) == host::StartOfTheMonth(competencia[1]))
        return std::move(quebra).NewQuebra(campo, competencia[0]);
    while (competencia[0] <= competencia[1]) {
        quebra = std::move(quebra).NewQuebra(campo, competencia[0]);
        competencia[0] = host::IncMonth(competencia[0], 1);
    }
    return quebra;
}

// Whether the dataset's index names ("A;B;C", any case) are the break's
// fields in order.
bool mesmoIndice(QStringView atual, const std::vector<host::TnQuebra::Valor>& pares)
{
    qsizetype inicio = 0;
    for (std::size_t i = 0; i < pares.size(); ++i) {
        if (i > 0) {
            if (inicio >= atual.size() || atual[inicio] != u';')
                return false;
            ++inicio;
        }
        const QString& campo = pares[i].campo;
        const QStringView parte = atual.mid(inicio, campo.size());
        if (parte != campo && parte.compare(campo, Qt::CaseInsensitive) != 0)
            return false;
        inicio += campo.size();
    }
    return inicio == atual.size();
}

}  // namespace

host::TnQuebra QuebraFolha::CriarQuebra(TnFpaDMPlanilha& dm, int estab, int func, const QString& organ, int outEmp,
                                        double cenCusto, int evento, bool competencia)
{
    host::TnQuebra quebra = host::TnQuebra().NewQuebra(QStringLiteral("CODIGOEMPRESA"), dm.FCodigoEmpresa);
    if (competencia && !dm.FEhMultiplosPeriodoCalculo)
        quebra = porCompetencia(dm, quebra);

    const auto campos = camposDaCelula(estab, func, organ, outEmp, cenCusto);
    if (!dm.FIndiceQuebra.isEmpty()) {
        // The replication's own fields, in its order, whatever the cell gave.
        for (const QString& nome : dm.FIndiceQuebra) {
            for (const CampoQuebra& campo : campos) {
                if (nome == campo.nome)
                    quebra = std::move(quebra).NewQuebra(nome, campo.valor);
            }
        }
    } else {
        for (const CampoQuebra& campo : campos) {
            if (campo.informado)
                quebra = std::move(quebra).NewQuebra(QString(campo.nome), campo.valor);
        }
    }
    if (evento != -1)
        quebra = std::move(quebra).NewQuebra(QStringLiteral("CODIGOEVENTO"), evento);
    return quebra;
}

// The dataset's index is the chain's own field list, so the pairs' values
// are the index's leading key values, in order: one positional range.
void QuebraFolha::AplicarQuebra(host::TnClientDataSet& dataset, const host::TnQuebra& quebra)
{
    // Every payroll cell applies its break: the names are compared in place,
    // and the index list is joined only when it has to change.
    if (!mesmoIndice(dataset.GetIndexFieldNames(), quebra.GetValores()))
        dataset.SetIndexFieldNames(quebra.GetIndexFieldNames());
    QVariantList valores;
    valores.reserve(static_cast<qsizetype>(quebra.GetValores().size()));
    for (const auto& par : quebra.GetValores())
        valores << par.valor;
    dataset.SetRange(valores, valores);
}

void QuebraFolha::AplicarFaixaQuebra(host::TnClientDataSet& dataset, const std::vector<host::TnQuebra::Valor>& pares)
{
    const int quantidade = static_cast<int>(pares.size());
    dataset.SetRangeStart();
    dataset.SetKeyFieldCount(quantidade);
    for (const auto& par : pares)
        dataset.FieldByName(par.campo).SetValue(par.valor);
    dataset.SetRangeEnd();
    dataset.SetKeyFieldCount(quantidade);
    for (const auto& par : pares)
        dataset.FieldByName(par.campo).SetValue(par.valor);
    dataset.ApplyRange();
}

}  // namespace payroll
