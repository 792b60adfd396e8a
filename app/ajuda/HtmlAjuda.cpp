#include "ajuda/HtmlAjuda.h"

namespace ajuda {

namespace {

QString celulas(const QStringList& textos, const QString& marca)
{
    QString html;
    for (const QString& texto : textos) {
        html += QStringLiteral("<%1>%2</%1>").arg(marca, texto.toHtmlEscaped());
    }
    return QStringLiteral("<tr>%1</tr>\n").arg(html);
}

}  // namespace

QString HtmlAjuda::documento(const QString& titulo, const QString& corpo)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%1</title>\n</head>\n<body>\n%2<hr>\n<p>%3</p>\n</body>\n</html>\n")
        .arg(titulo.toHtmlEscaped(), corpo, link(QStringLiteral("Vandrel.htm"), QStringLiteral("Índice")));
}

QString HtmlAjuda::titulo(int nivel, const QString& texto)
{
    return QStringLiteral("<h%1>%2</h%1>\n").arg(nivel).arg(texto.toHtmlEscaped());
}

QString HtmlAjuda::paragrafo(const QString& texto)
{
    QString html = texto.toHtmlEscaped();
    html.replace(u'\n', QStringLiteral("<br>"));
    return QStringLiteral("<p>%1</p>\n").arg(html);
}

QString HtmlAjuda::codigo(const QString& texto)
{
    return QStringLiteral("<code>%1</code>").arg(texto.toHtmlEscaped());
}

QString HtmlAjuda::link(const QString& arquivo, const QString& texto)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(arquivo.toHtmlEscaped(), texto.toHtmlEscaped());
}

QString HtmlAjuda::tabela(const QStringList& cabecalho, const std::vector<QStringList>& linhas)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    html += celulas(cabecalho, QStringLiteral("th"));
    for (const QStringList& linha : linhas) {
        html += celulas(linha, QStringLiteral("td"));
    }
    return html + QStringLiteral("</table>\n");
}

QString HtmlAjuda::lista(const QStringList& itensHtml)
{
    QString html;
    for (const QString& item : itensHtml) {
        html += QStringLiteral("<li>%1</li>\n").arg(item);
    }
    return QStringLiteral("<ul>\n%1</ul>\n").arg(html);
}

}  // namespace ajuda
