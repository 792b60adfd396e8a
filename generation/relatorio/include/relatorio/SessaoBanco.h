#pragma once

#include "host/ConnectionText.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <vector>

namespace exemplo {

// A Qt SQL connection of its own to the database a connection text names,
// for the demo database's upkeep and for measuring plain queries; removed
// with the object. Raises HostError when it cannot connect.
class SessaoBanco {
public:
    explicit SessaoBanco(const host::ConnectionText& texto);
    ~SessaoBanco();
    SessaoBanco(const SessaoBanco&) = delete;
    SessaoBanco& operator=(const SessaoBanco&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(FNome, false); }
    // Every row of the query, read forward once.
    std::vector<QVariantList> linhas(const QString& sql) const;

private:
    QString FNome;
};

}  // namespace exemplo
