#include "src/formulas/TVandrelParamFormula.h"

#include "src/Aplicacao.h"
#include "src/formulas/EditorParametro.h"

#include "catalog/TabelaStrings.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace {

// The window's client area and where its parts sit in it.
constexpr QSize kTamanho(426, 299);
constexpr int kAlturaEditores = 141;
constexpr int kAlturaDescricao = 125;
constexpr int kXOk = 268;
constexpr int kXCancelar = 349;
constexpr QSize kBotao(75, 25);

const QString kDuasQuebras = QStringLiteral("\r\n\r\n");

}  // namespace

TVandrelParamFormula::TVandrelParamFormula(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("VandrelParamFormula"));
    setWindowTitle(QStringLiteral("Argumentos da Função"));
    setModal(true);
    criarPaineis();
    setFixedSize(kTamanho);
}

void TVandrelParamFormula::criarPaineis()
{
    FCaixaEditores = new QScrollArea(this);
    FCaixaEditores->setObjectName(QStringLiteral("nScrollBox"));
    FCaixaEditores->setGeometry(0, 0, kTamanho.width(), kAlturaEditores);
    FCaixaEditores->setWidgetResizable(true);
    auto* pilha = new QWidget(FCaixaEditores);
    FPilhaEditores = new QVBoxLayout(pilha);
    FPilhaEditores->setContentsMargins(0, 2, 0, 2);
    FPilhaEditores->setSpacing(0);
    FPilhaEditores->addStretch();
    FCaixaEditores->setWidget(pilha);

    auto* painel = new QWidget(this);
    painel->setGeometry(0, kAlturaEditores, kTamanho.width(), kAlturaDescricao);
    nGBoxFormula = new QGroupBox(painel);
    nGBoxFormula->setObjectName(QStringLiteral("nGBoxFormula"));
    nGBoxFormula->setGeometry(painel->rect().adjusted(6, 2, -6, -2));
    nGBoxFormula->setStyleSheet(QStringLiteral("QGroupBox { font-weight: bold; }"));
    auto* rolagem = new QScrollArea(nGBoxFormula);
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    nLbDescricao = new QLabel(rolagem);
    nLbDescricao->setObjectName(QStringLiteral("nLbDescricao"));
    nLbDescricao->setWordWrap(true);
    nLbDescricao->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nLbDescricao->setStyleSheet(QStringLiteral("font-weight: normal;"));
    rolagem->setWidget(nLbDescricao);
    (new QVBoxLayout(nGBoxFormula))->addWidget(rolagem);

    const int yBotoes = kAlturaEditores + kAlturaDescricao + 4;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("nBtnOk"));
    ok->setGeometry(kXOk, yBotoes, kBotao.width(), kBotao.height());
    ok->setDefault(true);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("nBtnCancel"));
    cancelar->setGeometry(kXCancelar, yBotoes, kBotao.width(), kBotao.height());
    connect(ok, &QPushButton::clicked, this, Aplicacao::comando(this, &TVandrelParamFormula::nBtnOkClick));
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TVandrelParamFormula::ConfigurarParam()
{
    nGBoxFormula->setTitle(FFuncao);
    nLbDescricao->setText(FDescricao);
    int maisLargo = INT_MIN;
    for (const host::TkvtParamItem& item : FParametros) {
        auto* editor = new EditorParametro(item, FCaixaEditores->widget());
        editor->definirAjuda(catalog::TabelaStrings::ajudaParametro(item.nome));
        FPilhaEditores->insertWidget(FPilhaEditores->count() - 1, editor);
        connect(editor, &EditorParametro::entrou, this, &TVandrelParamFormula::nFormulaParamEnter);
        FEditores.push_back(editor);
        maisLargo = std::max(maisLargo, editor->larguraRotulo());
    }
    for (EditorParametro* editor : FEditores)
        editor->definirLarguraRotulo(maisLargo);
    if (!FEditores.empty())
        FEditores.front()->campo().setFocus();
}

std::vector<catalog::ValorParametro> TVandrelParamFormula::valores() const
{
    std::vector<catalog::ValorParametro> resultado;
    for (const EditorParametro* editor : FEditores)
        resultado.push_back({editor->objectName(), editor->texto()});
    return resultado;
}

void TVandrelParamFormula::definirValores(const std::vector<catalog::ValorParametro>& valores)
{
    for (std::size_t i = 0; i < valores.size() && i < FEditores.size(); ++i)
        FEditores[i]->definirTexto(valores[i].valor);
}

void TVandrelParamFormula::GerarFormula()
{
    FFormula = catalog::GerarFormula(FFuncao, FCampo, valores());
}

void TVandrelParamFormula::nBtnOkClick()
{
    GerarFormula();
    accept();
}

void TVandrelParamFormula::nFormulaParamEnter(EditorParametro* editor)
{
    nLbDescricao->setText(editor->ajuda() + kDuasQuebras + FDescricao);
}

void TVandrelParamFormula::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        emit ajudaPedida(FFuncao);
        return;
    }
    QDialog::keyPressEvent(event);
}
