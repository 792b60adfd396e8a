#pragma once

#include <QString>

#include <functional>

class QObject;

namespace host {

// The progress frame of a long operation: progress lines and a cancel
// button. A line added with n = 0 is a step; lines added with n > 0 come
// once per row or record and may be shown in summary.
class TnFraProgresso {
public:
    virtual ~TnFraProgresso();

    // The window may be null.
    virtual void MostrarSimples(QObject* janela) = 0;
    virtual void SetEhCircular(bool circular) = 0;
    virtual void IncProgressoTotal(const QString& texto, int n) = 0;
    virtual void LimparExibirCountTotal() = 0;

    virtual void ConfigurarBtnCancel(std::function<void()> handler);
    // What the cancel button does: calls the configured handler, if any.
    virtual void Cancelar();

private:
    std::function<void()> FCancelar;
};

}  // namespace host
