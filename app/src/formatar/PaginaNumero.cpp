#include "src/formatar/PaginaNumero.h"

#include "src/formatar/Rotulo.h"

#include <spreadsheet/CellDisplay.h>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <array>
#include <climits>
#include <initializer_list>

namespace {

struct Categoria {
    const char* nome;
    const char* descricao;
    std::initializer_list<const char*> codigos;  // as files keep them
};

// The last category takes any code, so it lists every other one.
const std::array<Categoria, 9> kCategorias{{
    {"Geral", "Sem formato específico: números com até 15 algarismos, textos como digitados.", {""}},
    {"Número", "Números com casas decimais fixas, com ou sem separador de milhar.",
     {"0", "0.00", "#,##0", "#,##0.00", "#,##0.00;-#,##0.00", "#,##0.00;[Red]-#,##0.00"}},
    {"Moeda", "Valores em reais, com o símbolo da moeda.",
     {"\"R$\" #,##0.00", "\"R$\" #,##0.00;-\"R$\" #,##0.00", "\"R$\" #,##0.00;[Red]-\"R$\" #,##0.00"}},
    {"Contábil", "Valores em reais alinhados pelo símbolo e pela vírgula; zero como traço.",
     {"_-\"R$\" * #,##0.00_-;-\"R$\" * #,##0.00_-;_-\"R$\" * \"-\"??_-;_-@_-",
      "_-* #,##0.00_-;-* #,##0.00_-;_-* \"-\"??_-;_-@_-"}},
    {"Data", "Números de série de data mostrados como datas.",
     {"dd/mm/yyyy", "dd/mm/yy", "d/m/yyyy", "dd-mmm-yy", "mmm/yy", "mmmm \"de\" yyyy",
      "d \"de\" mmmm \"de\" yyyy", "dd/mm/yyyy hh:mm"}},
    {"Hora", "Frações do dia mostradas como horas.", {"hh:mm", "hh:mm:ss", "[h]:mm:ss", "h:mm AM/PM", "mm:ss"}},
    {"Porcentagem", "O valor vezes 100, com o sinal de porcentagem.", {"0%", "0.00%"}},
    {"Científico", "Mantissa e expoente de dez.", {"0.00E+00", "##0.0E+0"}},
    {"Texto", "O conteúdo mostrado como digitado, mesmo que seja um número.", {"@"}},
}};

const char* const kPersonalizado = "Personalizado";
constexpr int kPersonalizadoIndice = int(kCategorias.size());

// A number to show a code on when the cell holds none.
constexpr double kExemplo = 1234.5678;

int categoriaDe(const QString& codigo)
{
    for (std::size_t i = 0; i < kCategorias.size(); ++i) {
        for (const char* c : kCategorias[i].codigos) {
            if (codigo == QString::fromUtf8(c)) {
                return int(i);
            }
        }
    }
    return kPersonalizadoIndice;
}

// The General format is kept as no code and shown by its name.
QString nomeDoCodigo(const QString& codigo)
{
    return codigo.isEmpty() ? QStringLiteral("Geral") : codigo;
}

QString codigoDoNome(const QString& nome)
{
    return nome.compare(QLatin1String("Geral"), Qt::CaseInsensitive) == 0 ? QString() : nome;
}

}  // namespace

PaginaNumero::PaginaNumero(const spreadsheet::CellStyle& estilo, const spreadsheet::Value& valor,
                           spreadsheet::StyleChange& mudanca, QWidget* parent)
    : QWidget(parent), FMudanca(mudanca), FValor(valor.isEmpty() ? spreadsheet::Value(kExemplo) : valor)
{
    auto* grade = new QGridLayout(this);
    FCategorias = new QListWidget(this);
    FCategorias->setObjectName(QStringLiteral("lstCategorias"));
    for (const Categoria& c : kCategorias) {
        FCategorias->addItem(QString::fromUtf8(c.nome));
    }
    FCategorias->addItem(QString::fromUtf8(kPersonalizado));
    FCategorias->setMaximumWidth(FCategorias->sizeHintForColumn(0) + 30);
    FExemplo = new QLabel(this);
    FExemplo->setObjectName(QStringLiteral("lblExemplo"));
    FExemplo->setFrameShape(QFrame::StyledPanel);
    FCodigo = new QLineEdit(this);
    FCodigo->setObjectName(QStringLiteral("edtCodigo"));
    FCodigos = new QListWidget(this);
    FCodigos->setObjectName(QStringLiteral("lstCodigos"));
    FDescricao = new QLabel(this);
    FDescricao->setWordWrap(true);
    auto* nota = new QLabel(QStringLiteral("No código, \".\" marca as decimais e \",\" os milhares; "
                                           "o exemplo mostra como a planilha exibe o valor."),
                            this);
    nota->setWordWrap(true);
    grade->addWidget(rotulo(QStringLiteral("&Categoria:"), FCategorias), 0, 0);
    grade->addWidget(FCategorias, 1, 0, 5, 1);
    grade->addWidget(new QLabel(QStringLiteral("Exemplo:"), this), 0, 1);
    grade->addWidget(FExemplo, 1, 1);
    grade->addWidget(rotulo(QStringLiteral("C&ódigo do formato:"), FCodigo), 2, 1);
    grade->addWidget(FCodigo, 3, 1);
    grade->addWidget(FCodigos, 4, 1);
    grade->addWidget(FDescricao, 5, 1);
    grade->addWidget(nota, 6, 0, 1, 2);

    const QString atual = estilo.numberFormat.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0
                              ? QString()
                              : estilo.numberFormat;
    FCategorias->setCurrentRow(categoriaDe(atual));
    escolherCategoria(categoriaDe(atual));
    FCodigo->setText(nomeDoCodigo(atual));
    mostrarExemplo();

    connect(FCategorias, &QListWidget::currentRowChanged, this, [this](int categoria) {
        escolherCategoria(categoria);
        if (FCodigos->count() > 0) {
            FCodigos->setCurrentRow(0);
        }
    });
    connect(FCodigos, &QListWidget::currentTextChanged, this, [this](const QString& texto) {
        if (!texto.isEmpty()) {
            escolherCodigo(texto);
        }
    });
    connect(FCodigo, &QLineEdit::textEdited, this, &PaginaNumero::escolherCodigo);
}

void PaginaNumero::escolherCategoria(int categoria)
{
    const bool personalizado = categoria == kPersonalizadoIndice;
    const QSignalBlocker bloqueio(FCodigos);
    FCodigos->clear();
    for (std::size_t i = 0; i < kCategorias.size(); ++i) {
        if (personalizado || int(i) == categoria) {
            for (const char* c : kCategorias[i].codigos) {
                FCodigos->addItem(nomeDoCodigo(QString::fromUtf8(c)));
            }
        }
    }
    FDescricao->setText(personalizado ? QStringLiteral("Digite um código ou parta de um dos existentes.")
                                      : QString::fromUtf8(kCategorias[std::size_t(categoria)].descricao));
}

void PaginaNumero::escolherCodigo(const QString& codigo)
{
    const QString guardado = codigoDoNome(codigo);
    FMudanca.numberFormat = guardado;
    if (FCodigo->text() != codigo) {
        FCodigo->setText(codigo);
    }
    mostrarExemplo();
}

void PaginaNumero::mostrarExemplo()
{
    const QString codigo = FMudanca.numberFormat.value_or(codigoDoNome(FCodigo->text()));
    const spreadsheet::CellDisplay exibicao(INT_MAX, [](QStringView) { return 0; });
    FExemplo->setText(exibicao.text(FValor, codigo, QLocale()));
}
