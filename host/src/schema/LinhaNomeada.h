#pragma once

#include "TableWriter.h"

namespace host::demo {

// A row filled by column name, for the wide tables whose columns are easier
// to read by name than by position. Columns left unset are null.
class LinhaNomeada {
public:
    explicit LinhaNomeada(const QString& tabela);

    // Raises HostError for a name the table does not have.
    LinhaNomeada& set(const char* coluna, const QVariant& valor);
    const Row& row() const { return row_; }
    void clear();

private:
    const schema::TableSpec* tabela_;
    Row row_;
};

}  // namespace host::demo
