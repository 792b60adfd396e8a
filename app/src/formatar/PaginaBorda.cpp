#include "src/formatar/PaginaBorda.h"

#include "src/formatar/AmostraBordas.h"
#include "src/formatar/BotaoCor.h"
#include "src/formatar/Rotulo.h"

#include <spreadsheet/render/BorderLinePainter.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using spreadsheet::AreaBorders;
using spreadsheet::BorderLine;
using spreadsheet::BorderSide;
using A = AmostraBordas;

struct Linha {
    BorderLine linha;
    const char* nome;
};

constexpr std::array<Linha, 9> kLinhas{{
    {BorderLine::None, "Nenhuma"},
    {BorderLine::Hair, "Fio"},
    {BorderLine::Dotted, "Pontilhada"},
    {BorderLine::Dashed, "Tracejada"},
    {BorderLine::Thin, "Fina"},
    {BorderLine::MediumDashed, "Tracejada média"},
    {BorderLine::Medium, "Média"},
    {BorderLine::Thick, "Grossa"},
    {BorderLine::Double, "Dupla"},
}};
constexpr int kFina = 4;
constexpr QSize kIconeLinha(64, 14);

// The side buttons: their place around the picture, name and hint.
struct BotaoLado {
    int lado;
    int linha, coluna;
    const char* nome;
    const char* dica;
};

constexpr std::array<BotaoLado, 6> kBotoesLado{{
    {A::Superior, 0, 0, "btnBordaSuperior", "Borda superior"},
    {A::InternaHorizontal, 1, 0, "btnBordaInternaHorizontal", "Linhas internas horizontais"},
    {A::Inferior, 2, 0, "btnBordaInferior", "Borda inferior"},
    {A::Esquerda, 3, 1, "btnBordaEsquerda", "Borda esquerda"},
    {A::InternaVertical, 3, 2, "btnBordaInternaVertical", "Linhas internas verticais"},
    {A::Direita, 3, 3, "btnBordaDireita", "Borda direita"},
}};

// The presets: name, caption and the sides they set to the chosen line
// (all sides to none for the first).
struct Predefinicao {
    const char* nome;
    const char* legenda;
    std::initializer_list<int> lados;
};

const std::array<Predefinicao, 3> kPredefinicoes{{
    {"btnNenhuma", "&Nenhuma", {}},
    {"btnContorno", "C&ontorno", {A::Esquerda, A::Superior, A::Direita, A::Inferior}},
    {"btnInterna", "&Interna", {A::InternaVertical, A::InternaHorizontal}},
}};

// The line as the grid draws it; no line is its name.
QIcon desenhoLinha(const Linha& linha)
{
    QPixmap pixmap(kIconeLinha);
    pixmap.fill(Qt::white);
    QPainter pintor(&pixmap);
    if (linha.linha == BorderLine::None) {
        pintor.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(linha.nome));
    }
    const int largura = spreadsheet::render::borderLineWidth(linha.linha);
    spreadsheet::render::paintBorderLine(pintor, QRect(4, (kIconeLinha.height() - largura) / 2, kIconeLinha.width() - 8, 1),
                                          false, linha.linha, Qt::black);
    return QIcon(pixmap);
}

// A small square with the button's side drawn black over a grey outline.
QIcon desenhoLado(int lado)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::white);
    QPainter pintor(&pixmap);
    pintor.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    pintor.drawRect(3, 3, 13, 13);
    pintor.drawLine(10, 3, 10, 16);
    pintor.drawLine(3, 10, 16, 10);
    pintor.setPen(QPen(Qt::black, 2));
    const std::array<QLine, 6> lados{QLine(3, 3, 3, 16), QLine(3, 3, 16, 3), QLine(16, 3, 16, 16),
                                     QLine(3, 16, 16, 16), QLine(10, 3, 10, 16), QLine(3, 10, 16, 10)};
    pintor.drawLine(lados.at(std::size_t(lado)));
    return QIcon(pixmap);
}

}  // namespace

PaginaBorda::PaginaBorda(const AreaBorders& bordas, bool variasColunas, bool variasLinhas,
                         spreadsheet::StyleChange& mudanca, QWidget* parent)
    : QWidget(parent), FMudanca(mudanca), FBordas(bordas)
{
    FAmostra = new AmostraBordas(variasColunas, variasLinhas, this);
    auto* grade = new QGridLayout(this);
    grade->addWidget(criarLinhas(), 0, 0, 2, 1);
    auto* predefinicoes = new QHBoxLayout;
    for (const Predefinicao& p : kPredefinicoes) {
        auto* botao = new QPushButton(QString::fromUtf8(p.legenda), this);
        botao->setObjectName(QString::fromLatin1(p.nome));
        predefinicoes->addWidget(botao);
        const bool possivel = std::all_of(p.lados.begin(), p.lados.end(), [this](int l) { return FAmostra->tem(l); });
        botao->setEnabled(possivel);
        connect(botao, &QPushButton::clicked, this, [this, &p] {
            if (p.lados.size() == 0) {
                for (int l = 0; l < A::kLados; ++l) {
                    definir(l, {});
                }
            }
            for (int l : p.lados) {
                definir(l, pena());
            }
            mostrar();
        });
    }
    grade->addLayout(predefinicoes, 0, 1);
    grade->addWidget(criarLados(), 1, 1);
    auto* nota = new QLabel(QStringLiteral("Escolha a linha e a cor, depois clique nos botões ou na figura para "
                                           "pôr ou tirar cada borda."),
                            this);
    nota->setWordWrap(true);
    grade->addWidget(nota, 2, 0, 1, 2);
    connect(FAmostra, &AmostraBordas::clicado, this, &PaginaBorda::alternar);
    mostrar();
}

QWidget* PaginaBorda::criarLinhas()
{
    auto* grupo = new QGroupBox(QStringLiteral("Linha"), this);
    auto* coluna = new QVBoxLayout(grupo);
    FLinhas = new QListWidget(grupo);
    FLinhas->setObjectName(QStringLiteral("lstLinhas"));
    FLinhas->setIconSize(kIconeLinha);
    FLinhas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const Linha& l : kLinhas) {
        auto* item = new QListWidgetItem(desenhoLinha(l), QString());
        item->setToolTip(QString::fromUtf8(l.nome));
        FLinhas->addItem(item);
    }
    FLinhas->setCurrentRow(kFina);
    FLinhas->setFixedWidth(kIconeLinha.width() + 24);
    FCor = new BotaoCor(QStringLiteral("Automática"), Qt::black, grupo);
    FCor->setObjectName(QStringLiteral("btnCorLinha"));
    coluna->addWidget(rotulo(QStringLiteral("&Estilo:"), FLinhas));
    coluna->addWidget(FLinhas);
    coluna->addWidget(rotulo(QStringLiteral("&Cor:"), FCor));
    coluna->addWidget(FCor);
    return grupo;
}

QWidget* PaginaBorda::criarLados()
{
    auto* grupo = new QGroupBox(QStringLiteral("Borda"), this);
    auto* grade = new QGridLayout(grupo);
    grade->addWidget(FAmostra, 0, 1, 3, 3);
    for (const BotaoLado& b : kBotoesLado) {
        auto* botao = new QToolButton(grupo);
        botao->setObjectName(QString::fromLatin1(b.nome));
        botao->setToolTip(QString::fromUtf8(b.dica));
        botao->setIcon(desenhoLado(b.lado));
        botao->setIconSize(QSize(20, 20));
        botao->setCheckable(true);
        botao->setAutoRaise(true);  // so that a side with a line shows pressed
        botao->setEnabled(FAmostra->tem(b.lado));
        grade->addWidget(botao, b.linha, b.coluna, Qt::AlignCenter);
        FBotoesLado[std::size_t(b.lado)] = botao;
        connect(botao, &QToolButton::clicked, this, [this, lado = b.lado] { alternar(lado); });
    }
    return grupo;
}

BorderSide PaginaBorda::pena() const
{
    const int linha = std::max(0, FLinhas->currentRow());
    return {kLinhas[std::size_t(linha)].linha, FCor->cor()};
}

void PaginaBorda::alternar(int lado)
{
    const BorderSide atual = FBordas.*AmostraBordas::lado(lado);
    definir(lado, atual == pena() ? BorderSide{} : pena());
    mostrar();
}

void PaginaBorda::definir(int lado, BorderSide linha)
{
    if (!FAmostra->tem(lado)) {
        return;
    }
    if (linha.line == BorderLine::None) {
        linha.color = {};
    }
    FBordas.*AmostraBordas::lado(lado) = linha;
    FMudanca.*AmostraBordas::mudanca(lado) = linha;
}

void PaginaBorda::mostrar()
{
    FAmostra->mostrar(FBordas);
    for (int l = 0; l < A::kLados; ++l) {
        FBotoesLado[std::size_t(l)]->setChecked((FBordas.*AmostraBordas::lado(l)).line != BorderLine::None);
    }
}
