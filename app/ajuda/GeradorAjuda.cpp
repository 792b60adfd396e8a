#include "ajuda/GeradorAjuda.h"

#include "ajuda/IndiceAjuda.h"
#include "ajuda/PaginaFuncao.h"

#include <catalog/AcaoFormula.h>
#include <catalog/TabelaFuncoes.h>
#include <host/HostError.h>

#include <QDir>
#include <QSaveFile>

namespace ajuda {

namespace {

void escrever(const QDir& pasta, const QString& arquivo, const QString& html)
{
    // A reader never sees half a page, even when two copies of the program
    // generate the help at once.
    QSaveFile saida(pasta.filePath(arquivo));
    if (!saida.open(QIODevice::WriteOnly) || saida.write(html.toUtf8()) < 0 || !saida.commit()) {
        throw host::HostError(
            QStringLiteral("Não foi possível gravar a ajuda em %1: %2").arg(saida.fileName(), saida.errorString()));
    }
}

}  // namespace

QStringList GeradorAjuda::funcoes()
{
    QStringList nomes;
    for (const catalog::FuncaoRegistrada& funcao : catalog::funcoesRegistradas()) {
        nomes.append(QString::fromLatin1(funcao.nome));
    }
    for (const catalog::AcaoFormula& acao : catalog::acoesFormula()) {
        if (!nomes.contains(acao.funcao, Qt::CaseInsensitive)) {
            nomes.append(acao.funcao);
        }
    }
    return nomes;
}

QString GeradorAjuda::arquivoDaFuncao(const QString& funcao)
{
    return funcao + QStringLiteral(".htm");
}

void GeradorAjuda::gerar(const QString& pasta)
{
    const QDir destino(pasta);
    if (!destino.mkpath(QStringLiteral("."))) {
        throw host::HostError(QStringLiteral("Não foi possível criar a pasta da ajuda %1").arg(pasta));
    }
    const QStringList nomes = funcoes();
    for (const QString& funcao : nomes) {
        escrever(destino, arquivoDaFuncao(funcao), PaginaFuncao(funcao).html());
    }
    escrever(destino, indice(), IndiceAjuda::html(nomes));
    escrever(destino, IndiceAjuda::paginaPlanilha(), IndiceAjuda::funcoesPlanilha());
}

}  // namespace ajuda
