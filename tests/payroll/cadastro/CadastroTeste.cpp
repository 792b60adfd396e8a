#include "CadastroTeste.h"

QString CadastroTeste::textoSql(const QString& sql)
{
    auto dataset = host::ExecutarSQL(host::PegarSQL(sql));
    return dataset->IsEmpty() ? QString() : dataset->Fields(0).AsString();
}
