#include "host/ProgressoRoteiro.h"

#include <QObject>

namespace host {

void ProgressoRoteiro::cancelarNaLinha(int k)
{
    FCancelarNaLinha = k;
}

void ProgressoRoteiro::cancelarQuandoContiver(const QString& texto)
{
    FCancelarTexto = texto;
}

QStringList ProgressoRoteiro::linhas() const
{
    QStringList textos;
    for (const Chamada& chamada : FChamadas) {
        if (chamada.metodo == QLatin1String("IncProgressoTotal")) {
            textos.append(chamada.argumentos.front().toString());
        }
    }
    return textos;
}

void ProgressoRoteiro::MostrarSimples(QObject* janela)
{
    FChamadas.push_back({QStringLiteral("MostrarSimples"), {QVariant::fromValue(janela)}});
}

void ProgressoRoteiro::SetEhCircular(bool circular)
{
    FChamadas.push_back({QStringLiteral("SetEhCircular"), {circular}});
}

void ProgressoRoteiro::IncProgressoTotal(const QString& texto, int n)
{
    FChamadas.push_back({QStringLiteral("IncProgressoTotal"), {texto, n}});
    ++FLinhas;
    if (deveCancelar(texto)) {
        Cancelar();
    }
}

void ProgressoRoteiro::LimparExibirCountTotal()
{
    FChamadas.push_back({QStringLiteral("LimparExibirCountTotal"), {}});
}

void ProgressoRoteiro::ConfigurarBtnCancel(std::function<void()> handler)
{
    FChamadas.push_back({QStringLiteral("ConfigurarBtnCancel"), {bool(handler)}});
    TnFraProgresso::ConfigurarBtnCancel(std::move(handler));
}

void ProgressoRoteiro::Cancelar()
{
    FChamadas.push_back({QStringLiteral("Cancelar"), {}});
    TnFraProgresso::Cancelar();
}

bool ProgressoRoteiro::deveCancelar(const QString& texto) const
{
    const bool naLinha = FCancelarNaLinha > 0 && FLinhas == FCancelarNaLinha;
    const bool noTexto = !FCancelarTexto.isEmpty() && texto.contains(FCancelarTexto);
    return naLinha || noTexto;
}

}  // namespace host
