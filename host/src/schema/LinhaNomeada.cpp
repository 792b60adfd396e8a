#include "LinhaNomeada.h"

#include "SchemaCatalogue.h"

#include "host/HostError.h"

namespace host::demo {

LinhaNomeada::LinhaNomeada(const QString& tabela) : tabela_(schema::findTable(tabela))
{
    if (tabela_ == nullptr) {
        throw HostError(QStringLiteral("Tabela desconhecida na base de demonstração: %1").arg(tabela));
    }
    clear();
}

LinhaNomeada& LinhaNomeada::set(const char* coluna, const QVariant& valor)
{
    const int posicao = schema::columnIndex(*tabela_, QLatin1String(coluna));
    if (posicao < 0) {
        throw HostError(
            QStringLiteral("Coluna inexistente em %1: %2").arg(QLatin1String(tabela_->name), QLatin1String(coluna)));
    }
    row_[static_cast<std::size_t>(posicao)] = valor;
    return *this;
}

void LinhaNomeada::clear()
{
    row_.assign(tabela_->columns.size(), QVariant());
}

}  // namespace host::demo
