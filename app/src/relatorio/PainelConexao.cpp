#include "src/relatorio/PainelConexao.h"

#include <host/HostError.h>
#include <host/TnDMSQLDataSet.h>
#include <host/TnDialogos.h>

#include "src/relatorio/ConexaoLembrada.h"
#include "gui/CursorDeEspera.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kPortaPadrao = 5432;

// The fields of a server stay indented under their choice.
QWidget* recuado(QWidget* campos)
{
    campos->layout()->setContentsMargins(24, 0, 0, 4);
    return campos;
}

}  // namespace

PainelConexao::PainelConexao(QWidget* parent)
    : QWidget(parent), FSqlite(new QRadioButton(QStringLiteral("Arquivo &SQLite"), this)),
      FPostgres(new QRadioButton(QStringLiteral("Servidor &PostgreSQL"), this)),
      FTestar(new QPushButton(QStringLiteral("&Testar conexão"), this)), FResultado(new QLabel(this))
{
    FCamposSqlite = recuado(criarSqlite());
    FCamposPostgres = recuado(criarPostgres());
    FResultado->setWordWrap(true);
    FResultado->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* teste = new QHBoxLayout;
    teste->addWidget(FTestar, 0, Qt::AlignTop);
    teste->addWidget(FResultado, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FSqlite);
    layout->addWidget(FCamposSqlite);
    layout->addWidget(FPostgres);
    layout->addWidget(FCamposPostgres);
    layout->addLayout(teste);
    FSqlite->setChecked(true);
    connect(FSqlite, &QRadioButton::toggled, this, &PainelConexao::habilitar);
    connect(FTestar, &QPushButton::clicked, this, &PainelConexao::testar);
    for (QLineEdit* campo : {FArquivo, FServidor, FBanco, FUsuario, FSenha})
        connect(campo, &QLineEdit::textChanged, this, [this] {
            mostrarSituacao();
            emit alterada();
        });
    connect(FPorta, &QSpinBox::valueChanged, this, &PainelConexao::alterada);
    habilitar();
}

QWidget* PainelConexao::criarSqlite()
{
    auto* campos = new QWidget(this);
    FArquivo = new QLineEdit(campos);
    FArquivo->setObjectName(QStringLiteral("arquivo"));
    FArquivo->setMinimumWidth(320);
    auto* procurar = new QToolButton(campos);
    procurar->setText(QStringLiteral("..."));
    procurar->setToolTip(QStringLiteral("Procurar o arquivo do banco"));
    connect(procurar, &QToolButton::clicked, this, &PainelConexao::escolherArquivo);
    auto* layout = new QHBoxLayout(campos);
    layout->addWidget(FArquivo, 1);
    layout->addWidget(procurar);
    return campos;
}

QWidget* PainelConexao::criarPostgres()
{
    auto* campos = new QWidget(this);
    FServidor = new QLineEdit(campos);
    FServidor->setPlaceholderText(QStringLiteral("localhost"));
    FPorta = new QSpinBox(campos);
    FPorta->setRange(1, 65535);
    FPorta->setValue(kPortaPadrao);
    FBanco = new QLineEdit(campos);
    FUsuario = new QLineEdit(campos);
    FSenha = new QLineEdit(campos);
    FSenha->setEchoMode(QLineEdit::Password);
    FSenha->setToolTip(QStringLiteral("A senha vale só nesta sessão: nunca é gravada."));
    auto* layout = new QFormLayout(campos);
    layout->addRow(QStringLiteral("Ser&vidor:"), FServidor);
    layout->addRow(QStringLiteral("P&orta:"), FPorta);
    layout->addRow(QStringLiteral("&Banco:"), FBanco);
    layout->addRow(QStringLiteral("&Usuário:"), FUsuario);
    layout->addRow(QStringLiteral("S&enha:"), FSenha);
    return campos;
}

void PainelConexao::definir(const host::ConnectionText& conexao)
{
    const bool sqlite = conexao.dialect == host::SqlDialect::SQLite;
    (sqlite ? FSqlite : FPostgres)->setChecked(true);
    FArquivo->setText(sqlite ? conexao.path : QString());
    FServidor->setText(conexao.host);
    FPorta->setValue(conexao.port > 0 ? conexao.port : kPortaPadrao);
    FBanco->setText(conexao.database);
    FUsuario->setText(conexao.user);
    FSenha->setText(conexao.password);
    mostrarSituacao();
}

host::ConnectionText PainelConexao::conexao() const
{
    host::ConnectionText conexao;
    if (FSqlite->isChecked()) {
        conexao.path = FArquivo->text().trimmed();
        return conexao;
    }
    conexao.dialect = host::SqlDialect::PostgreSQL;
    conexao.host = FServidor->text().trimmed();
    conexao.port = FPorta->value();
    conexao.database = FBanco->text().trimmed();
    conexao.user = FUsuario->text().trimmed();
    conexao.password = FSenha->text();
    return conexao;
}

QString PainelConexao::incompleta() const
{
    const QString arquivo = FArquivo->text().trimmed();
    if (FSqlite->isChecked() && arquivo.isEmpty())
        return QStringLiteral("Informe o arquivo do banco de dados.");
    if (FSqlite->isChecked() && !QFileInfo(arquivo).isFile()) {
        if (QFileInfo(arquivo) == QFileInfo(ConexaoLembrada::demonstracao().path))
            return QStringLiteral("O banco de demonstração ainda não existe: crie-o em "
                                  "Relatório \u25b8 Banco de Demonstração, ou escolha o banco da folha.");
        return QStringLiteral("Arquivo não encontrado: %1").arg(arquivo);
    }
    if (FPostgres->isChecked() && FBanco->text().trimmed().isEmpty())
        return QStringLiteral("Informe o nome do banco de dados.");
    return {};
}

// A database that opens but lacks the payroll tables would fail only at its
// first query: the test reads one of them.
bool PainelConexao::testar()
{
    if (const QString falta = incompleta(); !falta.isEmpty()) {
        mostrarResultado(falta, false);
        return false;
    }
    const gui::CursorDeEspera espera;
    try {
        const host::TnDMSQLDataSet banco(conexao());
        const QVariant contratos = banco.PegarValorCampo(QStringLiteral("FuncContrato"), QStringLiteral("COUNT(*)"), {});
        mostrarResultado(QStringLiteral("Conexão bem-sucedida: %1 contratos de funcionários.").arg(contratos.toLongLong()),
                         true);
        return true;
    } catch (const host::HostError& erro) {
        mostrarResultado(erro.message(), false);
        return false;
    }
}

void PainelConexao::escolherArquivo()
{
    const QString caminho = host::SelecionarArquivo(QStringLiteral("Banco de dados da folha"),
                                                    QStringLiteral("Banco SQLite|*.sqlite;*.sqlite3;*.db|Todos os arquivos|*"),
                                                    false);
    if (!caminho.isEmpty())
        FArquivo->setText(QFileInfo(caminho).absoluteFilePath());
}

void PainelConexao::habilitar()
{
    FCamposSqlite->setEnabled(FSqlite->isChecked());
    FCamposPostgres->setEnabled(FPostgres->isChecked());
    mostrarSituacao();
    emit alterada();
}

// What keeps the connection from being used is said where the test's
// outcome goes.
void PainelConexao::mostrarSituacao()
{
    const QString falta = incompleta();
    if (falta.isEmpty())
        FResultado->clear();
    else
        mostrarResultado(falta, false);
}

void PainelConexao::mostrarResultado(const QString& texto, bool ok)
{
    FResultado->setStyleSheet(ok ? QStringLiteral("color: #1a7f37;") : QStringLiteral("color: #b00020;"));
    FResultado->setText(texto);
}
