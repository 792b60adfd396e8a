#include "src/impressao/DialogoConfigurarPagina.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace {

using spreadsheet::io::PrintSettings;

// Paper sizes by Excel's codes, as the file keeps them.
struct Papel {
    int codigo;
    const char* nome;
    double largura, altura;
};

constexpr std::array<Papel, 6> kPapeis{{
    {9, "A4 (210 × 297 mm)", 210, 297},
    {1, "Carta (216 × 279 mm)", 215.9, 279.4},
    {5, "Ofício (216 × 356 mm)", 215.9, 355.6},
    {8, "A3 (297 × 420 mm)", 297, 420},
    {11, "A5 (148 × 210 mm)", 148, 210},
    {13, "B5 (182 × 257 mm)", 182, 257},
}};

// The margins, in the order of the spin boxes.
struct Margem {
    const char* nome;
    const char* legenda;
    double PrintSettings::*campo;
};

constexpr std::array<Margem, 6> kMargens{{
    {"spnEsquerda", "&Esquerda:", &PrintSettings::marginLeftMm},
    {"spnSuperior", "&Superior:", &PrintSettings::marginTopMm},
    {"spnDireita", "&Direita:", &PrintSettings::marginRightMm},
    {"spnInferior", "&Inferior:", &PrintSettings::marginBottomMm},
    {"spnCabecalho", "&Cabeçalho:", &PrintSettings::headerMm},
    {"spnRodape", "&Rodapé:", &PrintSettings::footerMm},
}};

QSpinBox* inteiro(const char* nome, int minimo, int maximo, int valor, QWidget* pai)
{
    auto* caixa = new QSpinBox(pai);
    caixa->setObjectName(QString::fromLatin1(nome));
    caixa->setRange(minimo, maximo);
    caixa->setValue(valor);
    return caixa;
}

QCheckBox* marca(const char* nome, const char* legenda, bool marcada, QWidget* pai)
{
    auto* caixa = new QCheckBox(QString::fromUtf8(legenda), pai);
    caixa->setObjectName(QString::fromLatin1(nome));
    caixa->setChecked(marcada);
    return caixa;
}

}  // namespace

DialogoConfigurarPagina::DialogoConfigurarPagina(const PrintSettings& settings, QWidget* parent)
    : QDialog(parent), FOriginal(settings)
{
    setObjectName(QStringLiteral("DialogoConfigurarPagina"));
    setWindowTitle(QStringLiteral("Configurar Página"));
    auto* paginas = new QTabWidget(this);
    paginas->addTab(criarPagina(), QStringLiteral("Página"));
    paginas->addTab(criarMargens(), QStringLiteral("Margens"));
    paginas->addTab(criarCabecalho(), QStringLiteral("Cabeçalho/Rodapé"));
    paginas->addTab(criarPlanilha(), QStringLiteral("Planilha"));
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botoes->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(paginas);
    coluna->addWidget(botoes);
}

QWidget* DialogoConfigurarPagina::criarPagina()
{
    auto* pagina = new QWidget(this);
    auto* coluna = new QVBoxLayout(pagina);
    auto* orientacao = new QGroupBox(QStringLiteral("Orientação"), pagina);
    FRetrato = new QRadioButton(QStringLiteral("Re&trato"), orientacao);
    FRetrato->setObjectName(QStringLiteral("rbRetrato"));
    FPaisagem = new QRadioButton(QStringLiteral("&Paisagem"), orientacao);
    FPaisagem->setObjectName(QStringLiteral("rbPaisagem"));
    (FOriginal.landscape ? FPaisagem : FRetrato)->setChecked(true);
    auto* linha = new QHBoxLayout(orientacao);
    linha->addWidget(FRetrato);
    linha->addWidget(FPaisagem);
    linha->addStretch();

    auto* escala = new QGroupBox(QStringLiteral("Escala"), pagina);
    auto* grade = new QGridLayout(escala);
    FPorEscala = new QRadioButton(QStringLiteral("&Ajustar para"), escala);
    FPorEscala->setObjectName(QStringLiteral("rbEscala"));
    FEscala = inteiro("spnEscala", 10, 400, FOriginal.scalePercent, escala);
    FEscala->setSuffix(QStringLiteral(" % do tamanho normal"));
    FAjustar = new QRadioButton(QStringLiteral("A&justar para"), escala);
    FAjustar->setObjectName(QStringLiteral("rbAjustar"));
    FLargura = inteiro("spnLargura", 0, 100, std::max(FOriginal.fitPagesWide, 1), escala);
    FLargura->setSuffix(QStringLiteral(" página(s) de largura"));
    FAltura = inteiro("spnAltura", 0, 100, FOriginal.fitPagesTall, escala);
    FAltura->setSuffix(QStringLiteral(" de altura"));
    FAltura->setSpecialValueText(QStringLiteral("qualquer altura"));
    const bool ajustar = FOriginal.fitPagesWide > 0 || FOriginal.fitPagesTall > 0;
    (ajustar ? FAjustar : FPorEscala)->setChecked(true);
    grade->addWidget(FPorEscala, 0, 0);
    grade->addWidget(FEscala, 0, 1, 1, 2);
    grade->addWidget(FAjustar, 1, 0);
    grade->addWidget(FLargura, 1, 1);
    grade->addWidget(FAltura, 1, 2);

    FPapel = new QComboBox(pagina);
    FPapel->setObjectName(QStringLiteral("cbxPapel"));
    for (const Papel& p : kPapeis)
        FPapel->addItem(QString::fromUtf8(p.nome), p.codigo);
    const int atual = FPapel->findData(FOriginal.paperCode);
    if (atual < 0)  // a size of the file's own, kept as it is
        FPapel->addItem(QStringLiteral("Do arquivo (%1 × %2 mm)").arg(FOriginal.paperWidthMm).arg(FOriginal.paperHeightMm),
                        FOriginal.paperCode);
    FPapel->setCurrentIndex(atual < 0 ? FPapel->count() - 1 : atual);
    auto* papel = new QFormLayout;
    papel->addRow(QStringLiteral("Tamanho do pa&pel:"), FPapel);
    coluna->addWidget(orientacao);
    coluna->addWidget(escala);
    coluna->addLayout(papel);
    coluna->addStretch();
    return pagina;
}

QWidget* DialogoConfigurarPagina::criarMargens()
{
    auto* pagina = new QWidget(this);
    auto* campos = new QFormLayout(pagina);
    for (std::size_t i = 0; i < kMargens.size(); ++i) {
        auto* caixa = new QDoubleSpinBox(pagina);
        caixa->setObjectName(QString::fromLatin1(kMargens[i].nome));
        caixa->setRange(0, 200);
        caixa->setDecimals(1);
        caixa->setSingleStep(0.5);
        caixa->setSuffix(QStringLiteral(" mm"));
        caixa->setValue(FOriginal.*kMargens[i].campo);
        campos->addRow(QString::fromUtf8(kMargens[i].legenda), caixa);
        FMargens[i] = caixa;
    }
    FCentroHorizontal = marca("chkCentroHorizontal", "Centralizar &horizontalmente", FOriginal.centerHorizontally, pagina);
    FCentroVertical = marca("chkCentroVertical", "Centralizar &verticalmente", FOriginal.centerVertically, pagina);
    campos->addRow(FCentroHorizontal);
    campos->addRow(FCentroVertical);
    return pagina;
}

QWidget* DialogoConfigurarPagina::criarCabecalho()
{
    auto* pagina = new QWidget(this);
    auto* campos = new QFormLayout(pagina);
    FCabecalho = new QLineEdit(FOriginal.headerText, pagina);
    FCabecalho->setObjectName(QStringLiteral("edtCabecalho"));
    FRodape = new QLineEdit(FOriginal.footerText, pagina);
    FRodape->setObjectName(QStringLiteral("edtRodape"));
    campos->addRow(QStringLiteral("Ca&beçalho:"), FCabecalho);
    campos->addRow(QStringLiteral("&Rodapé:"), FRodape);
    auto* nota = new QLabel(QStringLiteral("Campos: &[Página], &[Páginas], &[Data], &[Hora], &[Guia] (a planilha) e "
                                              "&[Arquivo]. Exemplo: Página &[Página] de &[Páginas]."),
                               pagina);
    nota->setWordWrap(true);
    campos->addRow(nota);
    return pagina;
}

QWidget* DialogoConfigurarPagina::criarPlanilha()
{
    auto* pagina = new QWidget(this);
    auto* coluna = new QVBoxLayout(pagina);
    FGrade = marca("chkGrade", "Imprimir &linhas de grade", FOriginal.printGridLines, pagina);
    FTitulos = marca("chkTitulos", "Imprimir &títulos de linha e coluna", FOriginal.printHeadings, pagina);
    coluna->addWidget(FGrade);
    coluna->addWidget(FTitulos);
    if (!FOriginal.printArea.isEmpty())
        coluna->addWidget(new QLabel(QStringLiteral("Área de impressão: %1").arg(FOriginal.printArea), pagina));
    coluna->addStretch();
    return pagina;
}

PrintSettings DialogoConfigurarPagina::settings() const
{
    PrintSettings s = FOriginal;
    s.landscape = FPaisagem->isChecked();
    const int codigo = FPapel->currentData().toInt();
    for (const Papel& p : kPapeis) {
        if (p.codigo == codigo && codigo != FOriginal.paperCode) {
            s.paperCode = p.codigo;
            s.paperWidthMm = p.largura;
            s.paperHeightMm = p.altura;
        }
    }
    for (std::size_t i = 0; i < kMargens.size(); ++i)
        s.*kMargens[i].campo = FMargens[i]->value();
    s.scalePercent = FEscala->value();
    s.fitPagesWide = FAjustar->isChecked() ? FLargura->value() : 0;
    s.fitPagesTall = FAjustar->isChecked() ? FAltura->value() : 0;
    s.centerHorizontally = FCentroHorizontal->isChecked();
    s.centerVertically = FCentroVertical->isChecked();
    s.headerText = FCabecalho->text();
    s.footerText = FRodape->text();
    s.printGridLines = FGrade->isChecked();
    s.printHeadings = FTitulos->isChecked();
    return s;
}
