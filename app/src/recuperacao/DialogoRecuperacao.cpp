#include "src/recuperacao/DialogoRecuperacao.h"

#include "src/recuperacao/ModeloRecuperacao.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Coluna { kTitulo, kArquivo, kHora, kAcao, kColunas };

}  // namespace

DialogoRecuperacao::DialogoRecuperacao(ModeloRecuperacao& modelo, QWidget* parent) : QDialog(parent), FModelo(modelo)
{
    setWindowTitle(QStringLiteral("Recuperação de planilhas"));
    auto* layout = new QVBoxLayout(this);
    auto* aviso = new QLabel(QStringLiteral("O editor não foi encerrado normalmente. Há cópias de recuperação destas "
                                            "planilhas; escolha o que fazer com cada uma."),
                             this);
    aviso->setWordWrap(true);
    layout->addWidget(aviso);
    FTabela = new QTableWidget(modelo.quantidade(), kColunas, this);
    FTabela->setHorizontalHeaderLabels(
        {QStringLiteral("Planilha"), QStringLiteral("Arquivo original"), QStringLiteral("Cópia de"), QStringLiteral("Ação")});
    FTabela->verticalHeader()->hide();
    FTabela->setSelectionMode(QAbstractItemView::NoSelection);
    FTabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTabela->horizontalHeader()->setSectionResizeMode(kArquivo, QHeaderView::Stretch);
    layout->addWidget(FTabela);
    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("Continuar"), QDialogButtonBox::AcceptRole)->setDefault(true);
    botoes->addButton(QStringLiteral("Decidir depois"), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(botoes);
    preencher();
    resize(760, 180 + 30 * std::min(modelo.quantidade(), 10));
}

void DialogoRecuperacao::preencher()
{
    for (int linha = 0; linha < FModelo.quantidade(); ++linha) {
        FTabela->setItem(linha, kTitulo, new QTableWidgetItem(FModelo.titulo(linha)));
        FTabela->setItem(linha, kArquivo, new QTableWidgetItem(FModelo.arquivoOriginal(linha)));
        FTabela->setItem(linha, kHora, new QTableWidgetItem(FModelo.hora(linha)));
        auto* acao = new QComboBox(FTabela);
        acao->addItems({QStringLiteral("Recuperar"), QStringLiteral("Descartar")});
        acao->setCurrentIndex(FModelo.escolha(linha) == ModeloRecuperacao::Escolha::Recuperar ? 0 : 1);
        connect(acao, &QComboBox::currentIndexChanged, this, [this, linha](int indice) {
            FModelo.escolher(linha, indice == 0 ? ModeloRecuperacao::Escolha::Recuperar
                                                : ModeloRecuperacao::Escolha::Descartar);
        });
        FTabela->setCellWidget(linha, kAcao, acao);
    }
    FTabela->resizeColumnToContents(kTitulo);
    FTabela->resizeColumnToContents(kHora);
    FTabela->resizeColumnToContents(kAcao);
}
