#include "relatorio/ModelosExemplo.h"

#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <QDir>

#include <array>

namespace exemplo {

namespace {

constexpr std::array<ModeloExemplo, 4> kModelos{{
    {"resumo-folha.nxs", criarResumoFolha},
    {"rateio.nxs", criarRateio},
    {"provisoes.nxs", criarProvisoes},
    {"cadastro.nxs", criarCadastro},
}};

}  // namespace

std::span<const ModeloExemplo> modelosExemplo()
{
    return kModelos;
}

QStringList gravarModelos(const ParametrosExemplo& parametros, const QDir& pasta)
{
    spreadsheet::io::PrintSettings impressao;
    impressao.landscape = true;  // the reports are wider than they are long
    impressao.fitPagesWide = 1;  // every column of a report on the page
    impressao.footerText = QStringLiteral("&[Guia] - Página &[Página] de &[Páginas]");
    QStringList gravados;
    for (const ModeloExemplo& modelo : modelosExemplo()) {
        const QString caminho = pasta.filePath(QString::fromLatin1(modelo.arquivo));
        spreadsheet::io::WorkbookFile::save(*modelo.criar(parametros), impressao, caminho);
        gravados << caminho;
    }
    return gravados;
}

}  // namespace exemplo
