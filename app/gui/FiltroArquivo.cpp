#include "gui/FiltroArquivo.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace gui {

namespace {

QString padroesQt(const QString& padroes)
{
    QStringList lista = padroes.split(u';', Qt::SkipEmptyParts);
    for (QString& padrao : lista) {
        padrao = padrao.trimmed();
    }
    return lista.join(u' ');
}

}  // namespace

QString FiltroArquivo::paraQt(const QString& filtro)
{
    const QStringList partes = filtro.split(u'|');
    QStringList filtros;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
        filtros.append(QStringLiteral("%1 (%2)").arg(partes[i].trimmed(), padroesQt(partes[i + 1])));
    }
    // A lone description without patterns says nothing a dialog can use.
    return filtros.join(QStringLiteral(";;"));
}

QString FiltroArquivo::extensaoPadrao(const QString& filtroQt)
{
    static const QRegularExpression padrao(QStringLiteral("\\*\\.([^\\s;*?)]+)"));
    const QRegularExpressionMatch encontrado = padrao.match(filtroQt);
    return encontrado.hasMatch() ? encontrado.captured(1) : QString();
}

QString FiltroArquivo::comExtensao(const QString& caminho, const QString& filtroQt)
{
    const QString extensao = extensaoPadrao(filtroQt);
    if (caminho.isEmpty() || extensao.isEmpty() || !QFileInfo(caminho).suffix().isEmpty()) {
        return caminho;
    }
    return caminho + u'.' + extensao;
}

}  // namespace gui
