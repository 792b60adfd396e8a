#pragma once

#include <QString>
#include <QVariantList>

#include <functional>
#include <memory>

namespace host {
class TnClientDataSet;
}

namespace spreadsheet {
class FormulaResult;
}

namespace payroll {

class TnFpaDMPlanilha;

// What the registration functions share: the no-company answer, the
// inclusion conditions, the cached query built once per run and the keyed
// read of one column.
class BuscaCadastro {
public:
    static inline const QString CampoNaoExiste = QStringLiteral("Campo não existe.");

    // Adds the empty text when no company is being processed.
    static bool SemEmpresa(const TnFpaDMPlanilha& dm, spreadsheet::FormulaResult& result);

    // The condition of an integer inclusion list on one column, preceded by
    // " AND " when `conjuncao`; `extra` asks for the variant with one more
    // integer argument.
    static QString Filtro(const QString& coluna, const QString& lista, bool conjuncao, bool extra = false);

    // The cached dataset, built by `construir` when the field holds none. A
    // build that fails leaves the field empty, so the next cell tries again.
    static host::TnClientDataSet& Consulta(std::unique_ptr<host::TnClientDataSet>& cache,
                                           const std::function<std::unique_ptr<host::TnClientDataSet>()>& construir);

    static bool ColunaValida(const host::TnClientDataSet& dataset, int coluna, int primeira);

    // The text of column `coluna` of the record with the key, or `naoEncontrado`.
    static QString TextoDaChave(host::TnClientDataSet& dataset, const QVariantList& chave, int coluna,
                                const QString& naoEncontrado);
};

}  // namespace payroll
