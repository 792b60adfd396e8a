#include "src/formatar/PaginaFonte.h"

#include "src/formatar/BotaoCor.h"
#include "src/formatar/GradeCores.h"
#include "src/formatar/Rotulo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QLabel>

#include <array>

namespace {

// Index = italic + 2 × bold.
constexpr std::array<const char*, 4> kEstilos{"Normal", "Itálico", "Negrito", "Negrito Itálico"};
constexpr std::array<int, 16> kTamanhos{6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 28, 36, 72};
constexpr int kMaiorTamanho = 409;

// The underline and strike-out boxes: caption, name and the font member.
struct Efeito {
    const char* legenda;
    const char* nome;
    bool spreadsheet::CellFont::*membro;
    std::optional<bool> spreadsheet::StyleChange::*mudanca;
};

constexpr std::array<Efeito, 2> kEfeitos{{
    {"&Sublinhado", "chkSublinhado", &spreadsheet::CellFont::underline, &spreadsheet::StyleChange::underline},
    {"&Riscado", "chkRiscado", &spreadsheet::CellFont::strikeOut, &spreadsheet::StyleChange::strikeOut},
}};

}  // namespace

PaginaFonte::PaginaFonte(const spreadsheet::CellStyle& estilo, spreadsheet::StyleChange& mudanca, QWidget* parent)
    : QWidget(parent), FMudanca(mudanca), FFonte(estilo.font)
{
    auto* grade = new QGridLayout(this);
    FNome = new QFontComboBox(this);
    FNome->setObjectName(QStringLiteral("cbxFonte"));
    FNome->setCurrentFont(QFont(FFonte.name));
    FNome->setEditText(FFonte.name);
    FEstilo = new QComboBox(this);
    FEstilo->setObjectName(QStringLiteral("cbxEstilo"));
    for (const char* e : kEstilos) {
        FEstilo->addItem(QString::fromUtf8(e));
    }
    FEstilo->setCurrentIndex(int(FFonte.italic) + 2 * int(FFonte.bold));
    FTamanho = new QComboBox(this);
    FTamanho->setObjectName(QStringLiteral("cbxTamanho"));
    FTamanho->setEditable(true);
    for (int t : kTamanhos) {
        FTamanho->addItem(QString::number(t));
    }
    FTamanho->setEditText(QString::number(FFonte.size));
    grade->addWidget(rotulo(QStringLiteral("&Fonte:"), FNome), 0, 0);
    grade->addWidget(FNome, 1, 0);
    grade->addWidget(rotulo(QStringLiteral("&Estilo:"), FEstilo), 0, 1);
    grade->addWidget(FEstilo, 1, 1);
    grade->addWidget(rotulo(QStringLiteral("&Tamanho:"), FTamanho), 0, 2);
    grade->addWidget(FTamanho, 1, 2);
    int linha = 2;
    for (const Efeito& e : kEfeitos) {
        auto* caixa = new QCheckBox(QString::fromUtf8(e.legenda), this);
        caixa->setObjectName(QString::fromLatin1(e.nome));
        caixa->setChecked(FFonte.*e.membro);
        grade->addWidget(caixa, linha++, 0);
        connect(caixa, &QCheckBox::clicked, this, [this, e](bool sim) {
            FFonte.*e.membro = sim;
            FMudanca.*e.mudanca = sim;
            mostrarAmostra();
        });
    }
    FCor = new BotaoCor(QStringLiteral("Automática"), Qt::black, this);
    FCor->setObjectName(QStringLiteral("btnCorFonte"));
    FCor->definirCor(FFonte.color);
    grade->addWidget(rotulo(QStringLiteral("&Cor:"), FCor), 2, 1);
    grade->addWidget(FCor, 3, 1, Qt::AlignLeft);
    FAmostra = new QLabel(QStringLiteral("AaBbCcÁãÇç 123,45"), this);
    FAmostra->setObjectName(QStringLiteral("lblAmostraFonte"));
    FAmostra->setAlignment(Qt::AlignCenter);
    FAmostra->setFrameShape(QFrame::StyledPanel);
    FAmostra->setMinimumHeight(60);
    FAmostra->setAutoFillBackground(true);
    grade->addWidget(FAmostra, linha, 0, 1, 3);
    grade->setRowStretch(linha + 1, 1);
    mostrarAmostra();

    connect(FNome, &QFontComboBox::currentFontChanged, this, [this](const QFont& fonte) {
        FFonte.name = fonte.family();
        FMudanca.fontName = FFonte.name;
        mostrarAmostra();
    });
    connect(FEstilo, &QComboBox::activated, this, [this](int i) {
        FFonte.italic = (i & 1) != 0;
        FFonte.bold = (i & 2) != 0;
        FMudanca.italic = FFonte.italic;
        FMudanca.bold = FFonte.bold;
        mostrarAmostra();
    });
    connect(FTamanho, &QComboBox::currentTextChanged, this, &PaginaFonte::lerTamanho);
    connect(FCor, &BotaoCor::escolhida, this, [this](spreadsheet::CellColor cor) {
        FFonte.color = cor;
        FMudanca.fontColor = cor;
        mostrarAmostra();
    });
}

// A size that is not a whole number of points in range is not taken, and
// the last good one stays.
void PaginaFonte::lerTamanho(const QString& texto)
{
    bool ok = false;
    const int tamanho = texto.trimmed().toInt(&ok);
    if (!ok || tamanho < 1 || tamanho > kMaiorTamanho || tamanho == FFonte.size) {
        return;
    }
    FFonte.size = tamanho;
    FMudanca.fontSize = tamanho;
    mostrarAmostra();
}

void PaginaFonte::mostrarAmostra()
{
    QFont fonte(FFonte.name);
    fonte.setPointSize(FFonte.size);
    fonte.setBold(FFonte.bold);
    fonte.setItalic(FFonte.italic);
    fonte.setUnderline(FFonte.underline);
    fonte.setStrikeOut(FFonte.strikeOut);
    FAmostra->setFont(fonte);
    QPalette paleta = FAmostra->palette();
    paleta.setColor(QPalette::WindowText, GradeCores::paraTela(FFonte.color, Qt::black));
    paleta.setColor(QPalette::Window, Qt::white);
    FAmostra->setPalette(paleta);
}
