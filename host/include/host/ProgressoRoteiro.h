#pragma once

#include "host/TnFraProgresso.h"

#include <QStringList>
#include <QVariantList>

#include <vector>

namespace host {

// A frame for tests: records every call with its arguments, and presses its
// own cancel button when told to, as a user watching the lines would.
class ProgressoRoteiro : public TnFraProgresso {
public:
    struct Chamada {
        QString metodo;
        QVariantList argumentos;
        bool operator==(const Chamada&) const = default;
    };

    // Cancels when the k-th progress line arrives, counting from 1.
    void cancelarNaLinha(int k);
    void cancelarQuandoContiver(const QString& texto);

    const std::vector<Chamada>& chamadas() const { return FChamadas; }
    // The texts of the progress lines, in order.
    QStringList linhas() const;

    void MostrarSimples(QObject* janela) override;
    void SetEhCircular(bool circular) override;
    void IncProgressoTotal(const QString& texto, int n) override;
    void LimparExibirCountTotal() override;
    void ConfigurarBtnCancel(std::function<void()> handler) override;
    void Cancelar() override;

private:
    bool deveCancelar(const QString& texto) const;

    std::vector<Chamada> FChamadas;
    int FLinhas = 0;
    int FCancelarNaLinha = 0;
    QString FCancelarTexto;
};

}  // namespace host
