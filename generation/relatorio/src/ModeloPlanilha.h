#pragma once

#include <QString>

#include <initializer_list>
#include <memory>
#include <vector>

namespace spreadsheet {
class Sheet;
class Workbook;
}  // namespace spreadsheet

namespace exemplo {

// The looks a template cell can take.
enum class Estilo { Normal, Titulo, Subtitulo, Cabecalho, Grupo, Rotulo, Direita, Moeda, Inteiro, Total, Chave };

// One cell of a layout row. The content is UTF-8; "{r}" stands for the
// row's own number, so that a row's formulas read like the sheet's.
struct CelulaModelo {
    char coluna;
    const char* conteudo;
    Estilo estilo = Estilo::Normal;
};

using LinhaModelo = std::vector<CelulaModelo>;

// The values of the run parameters every template has.
struct ValoresParametros {
    QString empresas;
    QString periodo;
    QString filiais;
    QString funcionarios;
    QString centroCustos;
    QString localContabil;
    QString replicacao;
};

// An optional run parameter, such as "LinhasPorPagina".
struct ParametroOpcional {
    const char* nome;
    const char* rotulo;
    QString valor;
    const char* ajuda;
};

// Builds a template workbook the way the editor makes one: "Sheet1" with a
// description, "Parâmetros" with one labelled value per defined name, and
// the layout sheet "Leiaute".
class ModeloPlanilha {
public:
    ModeloPlanilha();
    ~ModeloPlanilha();
    ModeloPlanilha(const ModeloPlanilha&) = delete;
    ModeloPlanilha& operator=(const ModeloPlanilha&) = delete;

    void descrever(std::initializer_list<const char*> linhas);
    // One labelled value per parameter, each named by its defined name.
    void parametros(const ValoresParametros& valores, std::initializer_list<ParametroOpcional> opcionais = {});
    // The layout rows from row 1 on; an empty row leaves a blank line.
    void leiaute(std::initializer_list<LinhaModelo> linhas);
    void larguras(std::initializer_list<std::pair<char, int>> colunas);

    std::unique_ptr<spreadsheet::Workbook> concluir();

private:
    void escrever(spreadsheet::Sheet& sheet, int row, const CelulaModelo& celula);
    void parametro(int row, const ParametroOpcional& parametro);

    std::unique_ptr<spreadsheet::Workbook> FWorkbook;
};

}  // namespace exemplo
