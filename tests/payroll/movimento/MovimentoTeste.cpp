#include "MovimentoTeste.h"

#include <limits>

QString MovimentoTestePg::conexao() const
{
    return host::testing::DemoDatabases::instance().postgresConnection(QStringLiteral("darvelo_payroll_movimento_test"));
}

double MovimentoTeste::numero(const QString& formula)
{
    const spreadsheet::Value valor = avaliar(formula);
    if (valor.isNumber())
        return valor.number();
    bool ok = false;
    const double lido = QLocale().toDouble(valor.text(), &ok);
    return ok ? lido : std::numeric_limits<double>::quiet_NaN();
}

QVariantList MovimentoTeste::linhaSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    QVariantList linha;
    if (!dataset->IsEmpty()) {
        for (int i = 0; i < dataset->FieldCount(); ++i)
            linha << dataset->Fields(i).Value();
    }
    return linha;
}

QVariantList MovimentoTeste::colunaSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    QVariantList coluna;
    for (dataset->First(); !dataset->Eof(); dataset->Next())
        coluna << dataset->Fields(0).Value();
    return coluna;
}
