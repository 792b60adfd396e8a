#include "QuebraFolha.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/DateRoutines.h"
#include "host/TnClientDataSet.h"

#include <array>
#include <utility>

namespace payroll {

namespace {

// What a cell gives for its break.
struct ArgumentosQuebra {
    int estab;
    int func;
    const QString& organ;
    int outEmp;
    double cenCusto;
};

// A break field a cell may give, with the argument that stands for it. The
// value is made only for the fields the chain takes.
struct CampoQuebra {
    QString nome;
    bool (*informado)(const ArgumentosQuebra&);
    QVariant (*valor)(const ArgumentosQuebra&);
};

using Celula = const ArgumentosQuebra&;

// In the order the chain takes them when no replication is in force.
const std::array<CampoQuebra, 5>& camposDaCelula()
{
    static const std::array<CampoQuebra, 5> campos{{
        {QStringLiteral("CODIGOESTAB"), [](Celula a) { return a.estab != -1; },
         [](Celula a) { return QVariant(a.estab); }},
        {QStringLiteral("CODIGOOUTEMP"), [](Celula a) { return a.outEmp != -1; },
         [](Celula a) { return QVariant(a.outEmp); }},
        {QStringLiteral("CODIGOCENTROCUSTO"), [](Celula a) { return a.cenCusto != -1.0; },
         [](Celula a) { return QVariant(a.cenCusto); }},
        {QStringLiteral("CLASSIFORGAN"), [](Celula a) { return !a.organ.isEmpty(); },
         [](Celula a) { return QVariant(a.organ); }},
        {QStringLiteral("CODIGOFUNCCONTR"), [](Celula a) { return a.func != -1; },
         [](Celula a) { return QVariant(a.func); }},
    }};
    return campos;
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

// Whether the dataset's index names ("A;B;C") are the break's fields in
// order, spelt the same. An index named in other capitals is set once more
// in the chain's spelling: the fields are the same, so the dataset keeps its
// order, and later cells match here without a comparison that folds case.
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
        if (atual.mid(inicio, campo.size()) != campo)
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

    const ArgumentosQuebra argumentos{estab, func, organ, outEmp, cenCusto};
    if (!dm.FIndiceQuebra.isEmpty()) {
        // The replication's own fields, in its order, whatever the cell gave.
        for (const QString& nome : dm.FIndiceQuebra) {
            for (const CampoQuebra& campo : camposDaCelula()) {
                if (nome == campo.nome)
                    quebra = std::move(quebra).NewQuebra(nome, campo.valor(argumentos));
            }
        }
    } else {
        for (const CampoQuebra& campo : camposDaCelula()) {
            if (campo.informado(argumentos))
                quebra = std::move(quebra).NewQuebra(campo.nome, campo.valor(argumentos));
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
    // The list keeps its storage from cell to cell.
    thread_local QVariantList valores;
    valores.resize(0);
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
