#include "ProgressoGeracao.h"

#include "Interrupcao.h"

#include <array>

namespace {

// The step line that closes each phase, by its ending.
struct FimDeFase {
    const char* final;
    const char* fase;
};

constexpr std::array<FimDeFase, 8> kFases{{
    {" configurar ini", "consulta"},
    {" criar page", "consulta"},
    {" inicio Repl", "leiaute"},
    {" fim Repl", "replicação"},
    {" recalc", "recálculo"},
    {" fim Excl", "exclusão"},
    {" fim sem Excl", "exclusão"},
    {" fim Montar Paginas", "paginação"},
}};

}  // namespace

ProgressoGeracao::ProgressoGeracao(std::unique_ptr<host::TnFraProgresso> exibicao) : FExibicao(std::move(exibicao))
{
    FRelogio.start();
}

ProgressoGeracao::~ProgressoGeracao() = default;

// Every line, the per-cell ones of a recalculation too, hears a Ctrl+C.
void ProgressoGeracao::verificarInterrupcao()
{
    if (Interrupcao::pedida())
        Cancelar();
}

void ProgressoGeracao::MostrarSimples(QObject* janela)
{
    FExibicao->MostrarSimples(janela);
}

void ProgressoGeracao::SetEhCircular(bool circular)
{
    FExibicao->SetEhCircular(circular);
}

void ProgressoGeracao::somar(const QString& fase, qint64 ms)
{
    for (auto& [nome, total] : FFases) {
        if (nome == fase) {
            total += ms;
            return;
        }
    }
    FFases.emplace_back(fase, ms);
}

// The final recalculation and the freeze share one step line; the screen
// clearing between them tells them apart.
void ProgressoGeracao::IncProgressoTotal(const QString& texto, int n)
{
    FExibicao->IncProgressoTotal(texto, n);
    verificarInterrupcao();
    if (n != 0)
        return;
    const qint64 agora = FRelogio.elapsed();
    const qint64 desde = agora - FUltimaLinha;
    FUltimaLinha = agora;
    if (texto == QLatin1String("Tirar formulas.")) {
        const qint64 congelamento = FUltimaLimpeza >= 0 ? agora - FUltimaLimpeza : 0;
        somar(QStringLiteral("recálculo"), desde - congelamento);
        somar(QStringLiteral("congelamento"), congelamento);
    } else {
        QString fase = QStringLiteral("outros");
        for (const FimDeFase& fim : kFases) {
            if (texto.endsWith(QLatin1String(fim.final)))
                fase = QString::fromUtf8(fim.fase);
        }
        somar(fase, desde);
    }
    FUltimaLimpeza = -1;
}

void ProgressoGeracao::LimparExibirCountTotal()
{
    FExibicao->LimparExibirCountTotal();
    FUltimaLimpeza = FRelogio.elapsed();
    verificarInterrupcao();
}

std::vector<std::pair<QString, qint64>> ProgressoGeracao::fases() const
{
    return FFases;
}
