#include "src/formulas/DialogoMaisFuncoes.h"

#include <spreadsheet/FunctionCatalog.h>
#include <spreadsheet/FunctionRepository.h>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <array>

namespace {

using spreadsheet::FunctionGroup;

// The suite's functions by the start of their names.
struct GrupoSuite {
    const char* prefixo;
    const char* nome;
};
constexpr std::array<GrupoSuite, 3> kGruposSuite{{
    {"fpa", "Folha de Pagamento"}, {"ctb", "Contabilidade"}, {"ger", "Empresa e Centro de Custo"}}};
const char* const kOutras = "Outras funções do sistema";

// What an item carries: the function, its parameters and description.
constexpr int kEscolha = Qt::UserRole + 1;

QString semAcentos(const QString& texto)
{
    QString simples;
    for (QChar c : texto.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            simples += c;
    return simples.toCaseFolded();
}

host::TkvtParamList parametrosDeTexto(const QString& argumentos, const QString& separador)
{
    host::TkvtParamList itens;
    for (QString parte : argumentos.split(separador, Qt::SkipEmptyParts)) {
        parte = parte.trimmed();
        if (parte == QLatin1String("..."))
            continue;
        const bool opcional = parte.startsWith(u'[');
        parte.remove(u'[').remove(u']');
        itens.push_back(host::NovoParam(parte, parte, !opcional));
    }
    return itens;
}

QString grupoDaSuite(const QString& nome)
{
    for (const GrupoSuite& g : kGruposSuite)
        if (nome.startsWith(QLatin1String(g.prefixo), Qt::CaseInsensitive))
            return QString::fromUtf8(g.nome);
    return QString::fromUtf8(kOutras);
}

QString assinatura(const FuncaoEscolhida& e)
{
    return e.funcao + u'(' + argumentosDe(e.parametros) + u')';
}

}  // namespace

Q_DECLARE_METATYPE(FuncaoEscolhida)

DialogoMaisFuncoes::DialogoMaisFuncoes(spreadsheet::FormulaConvention convencao, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogoMaisFuncoes"));
    setWindowTitle(QStringLiteral("Mais Funções"));
    FProcurar = new QLineEdit(this);
    FProcurar->setObjectName(QStringLiteral("edtProcurar"));
    FProcurar->setPlaceholderText(QStringLiteral("Procurar função (nome em português ou em inglês)"));
    FArvore = new QTreeWidget(this);
    FArvore->setObjectName(QStringLiteral("arvFuncoes"));
    FArvore->setHeaderHidden(true);
    FDetalhe = new QLabel(this);
    FDetalhe->setObjectName(QStringLiteral("lblDetalhe"));
    FDetalhe->setWordWrap(true);
    FDetalhe->setMinimumHeight(70);
    FDetalhe->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botoes->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(FProcurar);
    coluna->addWidget(FArvore, 1);
    coluna->addWidget(FDetalhe);
    coluna->addWidget(botoes);
    preencher(convencao);
    connect(FProcurar, &QLineEdit::textChanged, this, &DialogoMaisFuncoes::filtrar);
    connect(FArvore, &QTreeWidget::currentItemChanged, this, &DialogoMaisFuncoes::mostrar);
    connect(FArvore, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (escolhida())
            accept();
    });
    connect(botoes, &QDialogButtonBox::accepted, this, [this] {
        if (escolhida())
            accept();
    });
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(520, 520);
}

QTreeWidgetItem& DialogoMaisFuncoes::grupo(const QString& nome)
{
    for (int i = 0; i < FArvore->topLevelItemCount(); ++i)
        if (FArvore->topLevelItem(i)->text(0) == nome)
            return *FArvore->topLevelItem(i);
    auto* novo = new QTreeWidgetItem(FArvore, {nome});
    novo->setFlags(Qt::ItemIsEnabled);
    return *novo;
}

void DialogoMaisFuncoes::preencher(spreadsheet::FormulaConvention convencao)
{
    const bool brasileira = convencao == spreadsheet::FormulaConvention::Brazilian;
    for (const spreadsheet::FunctionDescription& f : spreadsheet::builtinFunctionDescriptions()) {
        FuncaoEscolhida e{brasileira ? f.portugueseName : f.name, parametrosDeTexto(f.arguments, QStringLiteral(";")),
                          QStringLiteral("%1 Em inglês: %2. Em português: %3.")
                              .arg(f.description, f.name, f.portugueseName)
                              .trimmed(),
                          false};
        auto* item = new QTreeWidgetItem(&grupo(spreadsheet::functionGroupName(f.group)),
                                         {e.funcao + u'(' + f.arguments + u')'});
        item->setData(0, kEscolha, QVariant::fromValue(e));
        item->setData(0, Qt::UserRole, semAcentos(f.name + u' ' + f.portugueseName));
    }
    const spreadsheet::FunctionRepository& suite = spreadsheet::FunctionRepository::instance();
    for (int i = 0; i < suite.count(); ++i) {
        const FuncaoEscolhida e = funcaoDaSuite(suite.entry(i));
        auto* item = new QTreeWidgetItem(&grupo(grupoDaSuite(e.funcao)), {assinatura(e)});
        item->setData(0, kEscolha, QVariant::fromValue(e));
        item->setData(0, Qt::UserRole, semAcentos(e.funcao + u' ' + e.descricao));
    }
    FArvore->sortItems(0, Qt::AscendingOrder);
    FArvore->expandAll();
}

int DialogoMaisFuncoes::filtrar(const QString& texto)
{
    const QString procurado = semAcentos(texto.trimmed());
    int mostrados = 0;
    for (int g = 0; g < FArvore->topLevelItemCount(); ++g) {
        QTreeWidgetItem* grupoItem = FArvore->topLevelItem(g);
        int noGrupo = 0;
        for (int i = 0; i < grupoItem->childCount(); ++i) {
            QTreeWidgetItem* item = grupoItem->child(i);
            const bool mostra = procurado.isEmpty() || item->data(0, Qt::UserRole).toString().contains(procurado);
            item->setHidden(!mostra);
            noGrupo += mostra;
        }
        grupoItem->setHidden(noGrupo == 0);
        mostrados += noGrupo;
    }
    // Enter takes the first match, as the user expects after typing.
    const QTreeWidgetItem* atual = FArvore->currentItem();
    if (!atual || atual->isHidden() || atual->childCount() > 0) {
        for (QTreeWidgetItemIterator it(FArvore, QTreeWidgetItemIterator::NotHidden | QTreeWidgetItemIterator::NoChildren);
             *it; ++it) {
            FArvore->setCurrentItem(*it);
            break;
        }
    }
    return mostrados;
}

std::optional<FuncaoEscolhida> DialogoMaisFuncoes::escolhida() const
{
    const QTreeWidgetItem* item = FArvore->currentItem();
    if (!item || !item->data(0, kEscolha).isValid())
        return std::nullopt;
    return item->data(0, kEscolha).value<FuncaoEscolhida>();
}

void DialogoMaisFuncoes::mostrar()
{
    const std::optional<FuncaoEscolhida> e = escolhida();
    FDetalhe->setText(e ? QStringLiteral("<b>%1</b><br>%2").arg(assinatura(*e).toHtmlEscaped(), e->descricao.toHtmlEscaped())
                        : QString());
}

std::optional<FuncaoEscolhida> DialogoMaisFuncoes::escolher(spreadsheet::FormulaConvention convencao, QWidget* parent)
{
    DialogoMaisFuncoes dialogo(convencao, parent);
    return dialogo.exec() == QDialog::Accepted ? dialogo.escolhida() : std::nullopt;
}
