#include "src/formatar/PaginaAlinhamento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

using HA = spreadsheet::HorizontalAlignment;
using VA = spreadsheet::VerticalAlignment;

// In the order of the codes.
const char* const kHorizontais[] = {"Geral", "Esquerda", "Centro", "Direita", "Preencher", "Justificar",
                                    "Distribuído"};
const char* const kVerticais[] = {"Inferior", "Centro", "Superior"};

template <std::size_t N>
QComboBox* lista(const char* nome, const char* const (&itens)[N], int atual, QWidget* parent)
{
    auto* caixa = new QComboBox(parent);
    caixa->setObjectName(QString::fromLatin1(nome));
    for (const char* item : itens) {
        caixa->addItem(QString::fromUtf8(item));
    }
    caixa->setCurrentIndex(atual);
    return caixa;
}

}  // namespace

PaginaAlinhamento::PaginaAlinhamento(const spreadsheet::CellStyle& estilo, spreadsheet::StyleChange& mudanca,
                                     QWidget* parent)
    : QWidget(parent)
{
    auto* coluna = new QVBoxLayout(this);
    auto* texto = new QGroupBox(QStringLiteral("Alinhamento do texto"), this);
    auto* campos = new QFormLayout(texto);
    QComboBox* horizontal = lista("cbxHorizontal", kHorizontais, int(estilo.alignHorz), texto);
    QComboBox* vertical = lista("cbxVertical", kVerticais, int(estilo.alignVert), texto);
    campos->addRow(QStringLiteral("&Horizontal:"), horizontal);
    campos->addRow(QStringLiteral("&Vertical:"), vertical);
    auto* controle = new QGroupBox(QStringLiteral("Controle de texto"), this);
    auto* quebrar = new QCheckBox(QStringLiteral("&Quebrar texto automaticamente"), controle);
    quebrar->setObjectName(QStringLiteral("chkQuebrar"));
    quebrar->setChecked(estilo.wrapText);
    (new QVBoxLayout(controle))->addWidget(quebrar);
    coluna->addWidget(texto);
    coluna->addWidget(controle);
    coluna->addStretch();
    connect(horizontal, &QComboBox::activated, this, [&mudanca](int i) { mudanca.alignHorz = HA(i); });
    connect(vertical, &QComboBox::activated, this, [&mudanca](int i) { mudanca.alignVert = VA(i); });
    connect(quebrar, &QCheckBox::clicked, this, [&mudanca](bool sim) { mudanca.wrapText = sim; });
}
