#include "src/formatar/PaginaProtecao.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

PaginaProtecao::PaginaProtecao(const spreadsheet::CellStyle& estilo, spreadsheet::StyleChange& mudanca,
                               QWidget* parent)
    : QWidget(parent)
{
    auto* coluna = new QVBoxLayout(this);
    auto* bloqueada = new QCheckBox(QStringLiteral("&Bloqueada"), this);
    bloqueada->setObjectName(QStringLiteral("chkBloqueada"));
    bloqueada->setChecked(estilo.locked);
    auto* nota = new QLabel(QStringLiteral("O bloqueio vale quando a planilha é protegida, no Excel ou em outro "
                                           "programa que abra o arquivo; é gravado com a pasta."),
                            this);
    nota->setWordWrap(true);
    coluna->addWidget(bloqueada);
    coluna->addWidget(nota);
    coluna->addStretch();
    connect(bloqueada, &QCheckBox::clicked, this, [&mudanca](bool sim) { mudanca.locked = sim; });
}
