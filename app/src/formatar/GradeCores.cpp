#include "src/formatar/GradeCores.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <array>
#include <cstdint>

namespace {

struct Cor {
    std::uint32_t rgb;
    const char* nome;
};

// Five rows of eight, dark to light, as spreadsheet users know them.
constexpr int kColunas = 8;
constexpr std::array<Cor, 40> kPaleta{{
    {0x000000, "Preto"},         {0x993300, "Marrom"},        {0x333300, "Verde-oliva"},
    {0x003300, "Verde-escuro"},  {0x003366, "Azul-petróleo escuro"}, {0x000080, "Azul-escuro"},
    {0x333399, "Índigo"},        {0x333333, "Cinza 80%"},     {0x800000, "Vermelho-escuro"},
    {0xFF6600, "Laranja"},       {0x808000, "Amarelo-escuro"}, {0x008000, "Verde"},
    {0x008080, "Azul-petróleo"}, {0x0000FF, "Azul"},          {0x666699, "Azul-acinzentado"},
    {0x808080, "Cinza 50%"},     {0xFF0000, "Vermelho"},      {0xFF9900, "Laranja-claro"},
    {0x99CC00, "Verde-limão"},   {0x339966, "Verde-mar"},     {0x33CCCC, "Água"},
    {0x3366FF, "Azul-claro"},    {0x800080, "Violeta"},       {0x969696, "Cinza 40%"},
    {0xFF00FF, "Rosa"},          {0xFFCC00, "Ouro"},          {0xFFFF00, "Amarelo"},
    {0x00FF00, "Verde-brilhante"}, {0x00FFFF, "Turquesa"},    {0x00CCFF, "Azul-celeste"},
    {0x993366, "Ameixa"},        {0xC0C0C0, "Cinza 25%"},     {0xFF99CC, "Rosa-claro"},
    {0xFFCC99, "Bronzeado"},     {0xFFFF99, "Amarelo-claro"}, {0xCCFFCC, "Verde-claro"},
    {0xCCFFFF, "Turquesa-claro"}, {0x99CCFF, "Azul-pálido"},  {0xCC99FF, "Lavanda"},
    {0xFFFFFF, "Branco"},
}};

constexpr int kAmostra = 16;

QToolButton* amostra(const Cor& cor, QWidget* parent)
{
    auto* botao = new QToolButton(parent);
    botao->setObjectName(QStringLiteral("cor") + QStringLiteral("%1").arg(cor.rgb, 6, 16, QLatin1Char('0')).toUpper());
    botao->setToolTip(QString::fromUtf8(cor.nome));
    botao->setFixedSize(kAmostra + 4, kAmostra + 4);
    botao->setAutoRaise(true);
    QPixmap pixmap(kAmostra, kAmostra);
    pixmap.fill(QColor::fromRgb(cor.rgb));
    // A frame, so that white shows on a light background.
    QPainter pintor(&pixmap);
    pintor.setPen(Qt::gray);
    pintor.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    pintor.end();
    botao->setIcon(QIcon(pixmap));
    botao->setIconSize(pixmap.size());
    return botao;
}

}  // namespace

GradeCores::GradeCores(const QString& automatica, QWidget* parent) : QWidget(parent)
{
    auto* grade = new QGridLayout(this);
    grade->setSpacing(1);
    auto* automaticaBotao = new QPushButton(automatica, this);
    automaticaBotao->setObjectName(QStringLiteral("btnCorAutomatica"));
    grade->addWidget(automaticaBotao, 0, 0, 1, kColunas);
    connect(automaticaBotao, &QPushButton::clicked, this, [this] { emit escolhida({}); });
    for (std::size_t i = 0; i < kPaleta.size(); ++i) {
        QToolButton* botao = amostra(kPaleta[i], this);
        grade->addWidget(botao, 1 + int(i) / kColunas, int(i) % kColunas);
        const auto cor = spreadsheet::CellColor::rgb(kPaleta[i].rgb);
        connect(botao, &QToolButton::clicked, this, [this, cor] { emit escolhida(cor); });
    }
    auto* mais = new QPushButton(QStringLiteral("Mais cores..."), this);
    mais->setObjectName(QStringLiteral("btnMaisCores"));
    grade->addWidget(mais, 1 + int(kPaleta.size()) / kColunas, 0, 1, kColunas);
    connect(mais, &QPushButton::clicked, this, &GradeCores::maisCores);
}

QColor GradeCores::paraTela(spreadsheet::CellColor cor, const QColor& automatica)
{
    return cor.isAutomatic() ? automatica : QColor::fromRgb(cor.argb);
}

void GradeCores::maisCores()
{
    const QColor cor = QColorDialog::getColor(Qt::white, this, QStringLiteral("Cores"));
    if (cor.isValid()) {
        emit escolhida(spreadsheet::CellColor::rgb(cor.rgb() & 0xFFFFFFu));
    }
}
