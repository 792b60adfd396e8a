#include "LinhasDoFuncionario.h"

#include "host/TnClientDataSet.h"

#include <limits>

namespace payroll {

namespace {

bool inteiro(qint64 valor)
{
    return valor >= std::numeric_limits<int>::min() && valor <= std::numeric_limits<int>::max();
}

}  // namespace

std::unique_ptr<LinhasDoFuncionario> LinhasDoFuncionario::ler(host::TnClientDataSet& dataset, int empresa)
{
    host::TnField& codigoEmpresa = dataset.FieldByName(QStringLiteral("CodigoEmpresa"));
    host::TnField& codigoFunc = dataset.FieldByName(QStringLiteral("CodigoFuncContr"));
    if (codigoEmpresa.DataType() != host::FieldType::Integer || codigoFunc.DataType() != host::FieldType::Integer)
        return nullptr;
    auto linhas = std::make_unique<LinhasDoFuncionario>();
    linhas->FLinhas.reserve(static_cast<std::size_t>(dataset.RecordCount()));
    // In index order, so that the first row of an employee is kept, as a
    // key search finds it. A null key matches no code.
    for (dataset.First(); !dataset.Eof(); dataset.Next()) {
        if (codigoEmpresa.IsNull() || codigoFunc.IsNull() || codigoEmpresa.AsLargeInt() != empresa)
            continue;
        const qint64 func = codigoFunc.AsLargeInt();
        if (inteiro(func))
            linhas->FLinhas.try_emplace(static_cast<int>(func), dataset.RecNo());
    }
    return linhas;
}

bool LinhasDoFuncionario::posicionar(host::TnClientDataSet& dataset, int codFunc) const
{
    const auto linha = FLinhas.find(codFunc);
    if (linha == FLinhas.end())
        return false;
    dataset.SetRecNo(linha->second);
    return true;
}

}  // namespace payroll
