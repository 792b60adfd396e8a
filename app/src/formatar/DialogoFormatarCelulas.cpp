#include "src/formatar/DialogoFormatarCelulas.h"

#include "src/formatar/PaginaAlinhamento.h"
#include "src/formatar/PaginaBorda.h"
#include "src/formatar/PaginaFonte.h"
#include "src/formatar/PaginaNumero.h"
#include "src/formatar/PaginaPreenchimento.h"
#include "src/formatar/PaginaProtecao.h"

#include <spreadsheet/Sheet.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>
#include <functional>

namespace {

struct Contexto {
    const spreadsheet::Sheet& folha;
    const spreadsheet::CellRange& area;
    const spreadsheet::CellStyle& estilo;  // the first cell's
    spreadsheet::StyleChange& mudanca;
    QWidget* pai;
};

// In the order of DialogoFormatarCelulas::Pagina.
struct Pagina {
    const char* titulo;
    QWidget* (*criar)(const Contexto&);
};

constexpr std::array<Pagina, 6> kPaginas{{
    {"Número",
     [](const Contexto& c) -> QWidget* {
         return new PaginaNumero(c.estilo, c.folha.value(c.area.top, c.area.left), c.mudanca, c.pai);
     }},
    {"Alinhamento", [](const Contexto& c) -> QWidget* { return new PaginaAlinhamento(c.estilo, c.mudanca, c.pai); }},
    {"Fonte", [](const Contexto& c) -> QWidget* { return new PaginaFonte(c.estilo, c.mudanca, c.pai); }},
    {"Borda",
     [](const Contexto& c) -> QWidget* {
         return new PaginaBorda(spreadsheet::CellFormatting::bordersOf(c.folha, c.area), c.area.right > c.area.left,
                                c.area.bottom > c.area.top, c.mudanca, c.pai);
     }},
    {"Preenchimento",
     [](const Contexto& c) -> QWidget* { return new PaginaPreenchimento(c.estilo, c.mudanca, c.pai); }},
    {"Proteção", [](const Contexto& c) -> QWidget* { return new PaginaProtecao(c.estilo, c.mudanca, c.pai); }},
}};

// Wide enough for every page's tab to show.
constexpr int kLargura = 560;

}  // namespace

DialogoFormatarCelulas::DialogoFormatarCelulas(const spreadsheet::Sheet& folha, const spreadsheet::CellRange& area,
                                               Pagina pagina, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogoFormatarCelulas"));
    setWindowTitle(QStringLiteral("Formatar Células"));
    auto* coluna = new QVBoxLayout(this);
    FPaginas = new QTabWidget(this);
    FPaginas->setObjectName(QStringLiteral("tabPaginas"));
    const spreadsheet::CellStyle estilo = folha.style(area.top, area.left);
    for (const auto& p : kPaginas) {
        FPaginas->addTab(p.criar({folha, area, estilo, FMudanca, FPaginas}), QString::fromUtf8(p.titulo));
    }
    FPaginas->setCurrentIndex(pagina);
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botoes->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    coluna->addWidget(FPaginas);
    coluna->addWidget(botoes);
    setMinimumWidth(kLargura);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool DialogoFormatarCelulas::ShowFormatCellsDialog(spreadsheet::Sheet& folha, const spreadsheet::CellRange& area,
                                                   Pagina pagina, QWidget* parent)
{
    DialogoFormatarCelulas dialogo(folha, area, pagina, parent);
    if (dialogo.exec() != QDialog::Accepted) {
        return false;
    }
    spreadsheet::CellFormatting::applyStyleChange(folha, area, dialogo.mudanca());
    return true;
}
