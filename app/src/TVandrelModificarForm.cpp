#include "src/TVandrelModificarForm.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace {

// One row per choice: its code and its captions in each mode.
struct Escolha {
    int codigo;
    const char* inserir;
    const char* excluir;
};

constexpr std::array<Escolha, 4> kEscolhas{{
    {2, "Deslocar células para baixo", "Deslocar células para a esquerda"},
    {3, "Deslocar células para a direita", "Deslocar células para cima"},
    {1, "Linha inteira", "Linha inteira"},
    {0, "Coluna Inteira", "Coluna Inteira"},
}};

constexpr int kLargura = 190;
constexpr int kAltura = 142;

}  // namespace

TVandrelModificarForm::TVandrelModificarForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("VandrelModificarForm"));
    setModal(true);
    auto* disposicao = new QVBoxLayout(this);
    rbShiftCol = new QRadioButton(this);
    rbShiftRw = new QRadioButton(this);
    rbRw = new QRadioButton(this);
    rbCol = new QRadioButton(this);
    const std::array<QRadioButton*, 4> botoes{rbShiftCol, rbShiftRw, rbRw, rbCol};
    const std::array<const char*, 4> nomes{"rbShiftCol", "rbShiftRw", "rbRw", "rbCol"};
    for (std::size_t i = 0; i < botoes.size(); ++i) {
        botoes[i]->setObjectName(QString::fromLatin1(nomes[i]));
        disposicao->addWidget(botoes[i]);
    }
    auto* linha = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("btnCancel"));
    linha->addWidget(ok);
    linha->addWidget(cancelar);
    disposicao->addLayout(linha);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(kLargura, kAltura);
}

bool TVandrelModificarForm::Execute(bool insertMode)
{
    setWindowTitle(insertMode ? QStringLiteral("Inserir células") : QStringLiteral("Excluir células"));
    const std::array<QRadioButton*, 4> botoes{rbShiftCol, rbShiftRw, rbRw, rbCol};
    for (std::size_t i = 0; i < botoes.size(); ++i)
        botoes[i]->setText(QString::fromUtf8(insertMode ? kEscolhas[i].inserir : kEscolhas[i].excluir));
    rbShiftCol->setChecked(true);
    // 190 by 142 as designed for the system's small font; with a larger
    // one the captions would be cut, so the dialog grows to show them.
    setFixedSize(layout()->sizeHint().expandedTo(QSize(kLargura, kAltura)));
    if (exec() != QDialog::Accepted)
        return false;
    for (std::size_t i = 0; i < botoes.size(); ++i) {
        if (botoes[i]->isChecked()) {
            FModifySheet = kEscolhas[i].codigo;
            break;
        }
    }
    return true;
}
