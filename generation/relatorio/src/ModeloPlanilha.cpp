#include "ModeloPlanilha.h"

#include <spreadsheet/CellStyle.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <array>

namespace exemplo {

using spreadsheet::BorderLine;
using spreadsheet::HorizontalAlignment;

namespace {

const QString kParametros = QStringLiteral("Parâmetros");

struct FormatoEstilo {
    Estilo estilo;
    bool negrito;
    bool italico;
    int tamanho;
    HorizontalAlignment alinhamento;
    const char* formato;
    BorderLine bordaSuperior;
};

constexpr auto H = HorizontalAlignment::General;

constexpr std::array<FormatoEstilo, 11> kEstilos{{
    {Estilo::Normal, false, false, 8, H, "", BorderLine::None},
    {Estilo::Titulo, true, false, 12, H, "", BorderLine::None},
    {Estilo::Subtitulo, true, false, 10, H, "", BorderLine::None},
    {Estilo::Cabecalho, true, false, 8, HorizontalAlignment::Center, "", BorderLine::Thin},
    {Estilo::Grupo, true, true, 9, H, "", BorderLine::None},
    {Estilo::Rotulo, false, true, 8, HorizontalAlignment::Right, "", BorderLine::None},
    {Estilo::Direita, false, false, 8, HorizontalAlignment::Right, "", BorderLine::None},
    {Estilo::Moeda, false, false, 8, HorizontalAlignment::Right, "#,##0.00", BorderLine::None},
    {Estilo::Inteiro, false, false, 8, HorizontalAlignment::Right, "0", BorderLine::None},
    {Estilo::Total, true, false, 8, HorizontalAlignment::Right, "#,##0.00", BorderLine::Thin},
    {Estilo::Chave, false, false, 7, HorizontalAlignment::Center, "", BorderLine::None},
}};

constexpr bool estilosEmOrdem()
{
    for (std::size_t i = 0; i < kEstilos.size(); ++i) {
        if (static_cast<std::size_t>(kEstilos[i].estilo) != i)
            return false;
    }
    return true;
}
static_assert(estilosEmOrdem(), "the style table is indexed by the style");

spreadsheet::CellStyle estiloDaCelula(Estilo estilo)
{
    const FormatoEstilo& f = kEstilos[static_cast<std::size_t>(estilo)];
    spreadsheet::CellStyle style;
    style.font.bold = f.negrito;
    style.font.italic = f.italico;
    style.font.size = f.tamanho;
    style.alignHorz = f.alinhamento;
    style.numberFormat = QString::fromLatin1(f.formato);
    style.borderTop = f.bordaSuperior;
    return style;
}

int coluna(char letra)
{
    return spreadsheet::columnIndex(QString(QLatin1Char(letra)));
}

}  // namespace

ModeloPlanilha::ModeloPlanilha() : FWorkbook(std::make_unique<spreadsheet::Workbook>())
{
    // A template is written once; nothing here is to be undone.
    FWorkbook->history().setEnabled(false);
    // The sheets of a new workbook of the editor, in its order.
    FWorkbook->addSheet(QStringLiteral("Sheet1"));
    FWorkbook->addSheet(kParametros);
    FWorkbook->addSheet(QStringLiteral("Leiaute"));
}

ModeloPlanilha::~ModeloPlanilha() = default;

void ModeloPlanilha::escrever(spreadsheet::Sheet& sheet, int row, const CelulaModelo& celula)
{
    const int column = coluna(celula.coluna);
    QString conteudo = QString::fromUtf8(celula.conteudo);
    conteudo.replace(QStringLiteral("{r}"), QString::number(row + 1));
    // Only formulas are parsed: lists such as 1..4, break keywords and the
    // "..." marks must stay the texts they are.
    const bool formula = conteudo.startsWith(QLatin1Char('='));
    sheet.setText(row, column, conteudo, formula ? spreadsheet::TextMode::Recognize : spreadsheet::TextMode::Plain);
    if (celula.estilo != Estilo::Normal)
        sheet.setStyle(row, column, estiloDaCelula(celula.estilo));
}

void ModeloPlanilha::descrever(std::initializer_list<const char*> linhas)
{
    spreadsheet::Sheet& sheet = FWorkbook->sheet(0);
    int row = 0;
    for (const char* linha : linhas) {
        escrever(sheet, row, {'A', linha, row == 0 ? Estilo::Titulo : Estilo::Normal});
        ++row;
    }
}

void ModeloPlanilha::parametro(int row, const ParametroOpcional& p)
{
    spreadsheet::Sheet& sheet = *FWorkbook->findSheet(kParametros);
    escrever(sheet, row, {'A', p.rotulo, Estilo::Rotulo});
    sheet.setText(row, 1, p.valor, spreadsheet::TextMode::Plain);
    escrever(sheet, row, {'C', p.ajuda});
    FWorkbook->defineName(QString::fromLatin1(p.nome),
                          spreadsheet::sheetPrefix(kParametros) + spreadsheet::cellAddressText(row, 1, true, true));
}

void ModeloPlanilha::parametros(const ValoresParametros& v, std::initializer_list<ParametroOpcional> opcionais)
{
    const ParametroOpcional padrao[] = {
        {"Empresas", "Empresas", v.empresas, "Empresas a gerar: códigos e faixas, como 1..4 ou 1;3"},
        {"PeriodoCalculo", "Período de cálculo", v.periodo, "Período de cálculo da folha, como 3 ou 1..3"},
        {"Filiais", "Estabelecimentos", v.filiais, "Vazio: todos os estabelecimentos"},
        {"Funcionarios", "Funcionários", v.funcionarios, "Vazio: todos os funcionários"},
        {"CentroCustos", "Centros de custo", v.centroCustos, "Restringe o rateio aos centros de custo da lista"},
        {"LocalContabil", "Locais contábeis", v.localContabil, "Vazio: todos os locais contábeis"},
        {"Replicacao", "Colunas de replicação", v.replicacao,
         "Colunas do leiaute com as quebras, da externa à interna"},
    };
    spreadsheet::Sheet& sheet = *FWorkbook->findSheet(kParametros);
    escrever(sheet, 0, {'A', "Parâmetro", Estilo::Cabecalho});
    escrever(sheet, 0, {'B', "Valor", Estilo::Cabecalho});
    escrever(sheet, 0, {'C', "Observação", Estilo::Cabecalho});
    int row = 1;
    for (const ParametroOpcional& p : padrao)
        parametro(row++, p);
    for (const ParametroOpcional& p : opcionais)
        parametro(row++, p);
    sheet.setColumnWidth(0, 150);
    sheet.setColumnWidth(1, 90);
    sheet.setColumnWidth(2, 420);
}

void ModeloPlanilha::leiaute(std::initializer_list<LinhaModelo> linhas)
{
    spreadsheet::Sheet& sheet = *FWorkbook->findSheet(QStringLiteral("Leiaute"));
    int row = 0;
    for (const LinhaModelo& linha : linhas) {
        for (const CelulaModelo& celula : linha)
            escrever(sheet, row, celula);
        ++row;
    }
}

void ModeloPlanilha::larguras(std::initializer_list<std::pair<char, int>> colunas)
{
    spreadsheet::Sheet& sheet = *FWorkbook->findSheet(QStringLiteral("Leiaute"));
    for (const auto& [letra, largura] : colunas)
        sheet.setColumnWidth(coluna(letra), largura);
}

std::unique_ptr<spreadsheet::Workbook> ModeloPlanilha::concluir()
{
    FWorkbook->setActiveSheet(0);
    return std::move(FWorkbook);
}

}  // namespace exemplo
