#include "src/recuperacao/AutoSalvamento.h"

#include "src/Aplicacao.h"
#include "src/TVandrelPrincForm.h"
#include "workbook/ArmazemRecuperacao.h"
#include "workbook/TVandrelFilhaForm.h"

#include "host/HostError.h"
#include "host/TnConfig.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Workbook.h>

#include <QStatusBar>

namespace {

const QString kChave = QStringLiteral("IntervaloRecuperacao");
constexpr double kMinutosPadrao = 5;

}  // namespace

std::chrono::milliseconds AutoSalvamento::intervaloConfigurado()
{
    const QString texto = host::nConfig().valor(kChave).trimmed();
    bool numero = true;
    const double minutos = texto.isEmpty() ? kMinutosPadrao : QLocale::c().toDouble(texto, &numero);
    if (!numero || minutos < 0)
        throw host::HostError(QStringLiteral("Valor inválido para a configuração %1: \"%2\"").arg(kChave, texto));
    return std::chrono::milliseconds(static_cast<long long>(minutos * 60000));
}

AutoSalvamento::AutoSalvamento(TVandrelPrincForm& principal, ArmazemRecuperacao& armazem)
    : FPrincipal(principal), FArmazem(armazem)
{
    connect(&FRelogio, &QTimer::timeout, this, &AutoSalvamento::salvarAgora);
    connect(&FArmazem, &ArmazemRecuperacao::falhou, this,
            [this](const QString& mensagem) { FPrincipal.statusBar()->showMessage(mensagem); });
}

void AutoSalvamento::setIntervalo(std::chrono::milliseconds intervalo)
{
    if (intervalo.count() <= 0) {
        FRelogio.stop();
        return;
    }
    FRelogio.start(intervalo);
}

QString AutoSalvamento::novoId()
{
    return QString::number(FProximo++);
}

AutoSalvamento::Registro& AutoSalvamento::registro(TVandrelFilhaForm& janela)
{
    auto achado = FJanelas.find(&janela);
    if (achado != FJanelas.end())
        return achado->second;
    // Saved, or gone: its copy has nothing left to keep.
    connect(&janela, &TVandrelFilhaForm::changedStateChanged, this, [this, &janela] {
        auto dela = FJanelas.find(&janela);
        if (dela != FJanelas.end() && !janela.changed())
            descartar(dela->second);
    });
    connect(&janela, &QObject::destroyed, this, [this](QObject* objeto) {
        auto dela = FJanelas.find(objeto);
        if (dela == FJanelas.end())
            return;
        descartar(dela->second);
        FJanelas.erase(dela);
    });
    return FJanelas.emplace(&janela, Registro{novoId()}).first->second;
}

void AutoSalvamento::salvarAgora()
{
    for (TVandrelFilhaForm* janela : FPrincipal.janelas()) {
        Registro& dela = registro(*janela);
        if (!janela->changed())
            descartar(dela);
        else if (!dela.copiada || dela.estado != janela->workbook().history().stateId())
            salvar(*janela, dela);
    }
}

// A copy that cannot be taken is told on the status bar: the workbook in
// the window is untouched, and the next round tries again.
void AutoSalvamento::salvar(TVandrelFilhaForm& janela, Registro& dela)
{
    try {
        FArmazem.gravar(dela.id, janela.workbook(), janela.reportLink(), janela.windowTitle(), janela.caminho());
    } catch (const std::exception& erro) {
        FPrincipal.statusBar()->showMessage(QStringLiteral("Não foi possível gravar a cópia de recuperação de \"%1\": %2")
                                                .arg(janela.windowTitle(), Aplicacao::mensagemDe(erro)));
        return;
    }
    dela.copiada = true;
    dela.estado = janela.workbook().history().stateId();
}

void AutoSalvamento::descartar(Registro& dela)
{
    if (!dela.copiada)
        return;
    FArmazem.remover(dela.id);
    dela.copiada = false;
}

void AutoSalvamento::adotar(TVandrelFilhaForm& janela, const QString& id)
{
    Registro& dela = registro(janela);
    dela.id = id;
    dela.copiada = true;
    dela.estado = janela.workbook().history().stateId();
}
