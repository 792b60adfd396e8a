#include "src/formatar/PaginaPreenchimento.h"

#include "src/formatar/GradeCores.h"

#include <QGridLayout>
#include <QLabel>

PaginaPreenchimento::PaginaPreenchimento(const spreadsheet::CellStyle& estilo, spreadsheet::StyleChange& mudanca,
                                         QWidget* parent)
    : QWidget(parent)
{
    auto* grade = new QGridLayout(this);
    auto* cores = new GradeCores(QStringLiteral("Sem cor"), this);
    cores->setObjectName(QStringLiteral("gradeFundo"));
    FAmostra = new QLabel(this);
    FAmostra->setObjectName(QStringLiteral("lblAmostraFundo"));
    FAmostra->setFrameShape(QFrame::StyledPanel);
    FAmostra->setMinimumSize(120, 50);
    FAmostra->setAutoFillBackground(true);
    grade->addWidget(new QLabel(QStringLiteral("Cor do plano de fundo:"), this), 0, 0);
    grade->addWidget(cores, 1, 0, Qt::AlignTop | Qt::AlignLeft);
    grade->addWidget(new QLabel(QStringLiteral("Exemplo:"), this), 2, 0);
    grade->addWidget(FAmostra, 3, 0);
    grade->setRowStretch(4, 1);
    mostrar(estilo.fill);
    connect(cores, &GradeCores::escolhida, this, [this, &mudanca](spreadsheet::CellColor cor) {
        mudanca.fill = cor;
        mostrar(cor);
    });
}

void PaginaPreenchimento::mostrar(spreadsheet::CellColor cor)
{
    QPalette paleta = FAmostra->palette();
    paleta.setColor(QPalette::Window, GradeCores::paraTela(cor, Qt::white));
    FAmostra->setPalette(paleta);
}
