#pragma once

#include "host/TnFraProgresso.h"

namespace host {

// A frame that shows nothing; its cancel button still works when pressed
// through Cancelar.
class ProgressoSilencioso : public TnFraProgresso {
public:
    void MostrarSimples(QObject* janela) override;
    void SetEhCircular(bool circular) override;
    void IncProgressoTotal(const QString& texto, int n) override;
    void LimparExibirCountTotal() override;
};

}  // namespace host
