#include "src/relatorio/DialogoGerarRelatorio.h"

#include "src/relatorio/PainelConexao.h"

#include <relatorio/ParametrosModelo.h>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using relatorio::ParametroRelatorio;
using relatorio::ParametrosModelo;

DialogoGerarRelatorio::DialogoGerarRelatorio(QWidget* parent, const spreadsheet::Workbook& modelo,
                                             const host::ConnectionText& conexao)
    : QDialog(parent), FConexao(new PainelConexao(this)),
      FBotoes(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("DialogoGerarRelatorio"));
    setWindowTitle(QStringLiteral("Gerar Relatório"));
    FConexao->definir(conexao);
    auto* banco = new QGroupBox(QStringLiteral("Banco de dados"), this);
    (new QVBoxLayout(banco))->addWidget(FConexao);
    botaoGerar().setText(QStringLiteral("&Gerar"));
    FBotoes->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(FBotoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(FBotoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(FConexao, &PainelConexao::alterada, this, &DialogoGerarRelatorio::validar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banco);
    layout->addWidget(criarParametros(modelo));
    layout->addWidget(FBotoes);
    validar();
}

DialogoGerarRelatorio::~DialogoGerarRelatorio() = default;

// The parameters every template has, and the optional ones it has a name for.
QWidget* DialogoGerarRelatorio::criarParametros(const spreadsheet::Workbook& modelo)
{
    auto* grupo = new QGroupBox(QStringLiteral("Parâmetros"), this);
    auto* grade = new QGridLayout(grupo);
    grade->setColumnStretch(1, 1);
    for (const ParametroRelatorio& parametro : ParametrosModelo::parametros()) {
        const QString nome = QString::fromLatin1(parametro.nome);
        const std::optional<QString> valor = ParametrosModelo::ler(modelo, nome);
        if (!parametro.sempreOferecido && !valor)
            continue;
        Campo campo{&parametro, valor.value_or(QString()), new QLineEdit(valor.value_or(QString()), grupo),
                    new QLabel(grupo)};
        campo.texto->setObjectName(nome);
        campo.texto->setToolTip(QString::fromUtf8(parametro.descricao));
        campo.erro->setStyleSheet(QStringLiteral("color: #b00020;"));
        campo.erro->setWordWrap(true);
        campo.erro->setMinimumWidth(220);
        auto* rotulo = new QLabel(nome + QLatin1Char(':'), grupo);
        rotulo->setBuddy(campo.texto);
        const int linha = grade->rowCount();
        grade->addWidget(rotulo, linha, 0);
        grade->addWidget(campo.texto, linha, 1);
        grade->addWidget(campo.erro, linha, 2);
        connect(campo.texto, &QLineEdit::textChanged, this, &DialogoGerarRelatorio::validar);
        FCampos.push_back(campo);
    }
    return grupo;
}

void DialogoGerarRelatorio::validar()
{
    bool valido = FConexao->incompleta().isEmpty();
    for (const Campo& campo : FCampos) {
        const QString erro = ParametrosModelo::validar(*campo.parametro, campo.texto->text());
        campo.erro->setText(erro);
        valido = valido && erro.isEmpty();
    }
    botaoGerar().setEnabled(valido);
}

// Only what the user changed is written into the copy the run works on, so
// a parameter cell the template computes keeps its formula.
relatorio::PedidoExecucao DialogoGerarRelatorio::pedido() const
{
    relatorio::PedidoExecucao pedido;
    pedido.banco = FConexao->conexao();
    for (const Campo& campo : FCampos) {
        if (campo.texto->text() != campo.inicial)
            pedido.parametros.emplace_back(QString::fromLatin1(campo.parametro->nome), campo.texto->text().trimmed());
    }
    return pedido;
}

const DialogoGerarRelatorio::Campo* DialogoGerarRelatorio::procurar(const QString& nome) const
{
    for (const Campo& campo : FCampos) {
        if (nome == QLatin1String(campo.parametro->nome))
            return &campo;
    }
    return nullptr;
}

QLineEdit* DialogoGerarRelatorio::campo(const QString& nome) const
{
    const Campo* achado = procurar(nome);
    return achado ? achado->texto : nullptr;
}

QLabel* DialogoGerarRelatorio::erro(const QString& nome) const
{
    const Campo* achado = procurar(nome);
    return achado ? achado->erro : nullptr;
}

QPushButton& DialogoGerarRelatorio::botaoGerar() const
{
    return *FBotoes->button(QDialogButtonBox::Ok);
}
