#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace ajuda {

// The few pieces of HTML the help pages are made of. Every text given is
// plain text and is escaped here.
class HtmlAjuda {
public:
    static QString documento(const QString& titulo, const QString& corpo);
    static QString titulo(int nivel, const QString& texto);
    static QString paragrafo(const QString& texto);
    static QString codigo(const QString& texto);
    static QString link(const QString& arquivo, const QString& texto);
    // The cells of the rows are plain text; the header row comes first.
    static QString tabela(const QStringList& cabecalho, const std::vector<QStringList>& linhas);
    // Items already in HTML.
    static QString lista(const QStringList& itensHtml);
};

}  // namespace ajuda
