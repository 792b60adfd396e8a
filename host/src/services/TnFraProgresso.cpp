#include "host/TnFraProgresso.h"

namespace host {

TnFraProgresso::~TnFraProgresso() = default;

void TnFraProgresso::ConfigurarBtnCancel(std::function<void()> handler)
{
    FCancelar = std::move(handler);
}

void TnFraProgresso::Cancelar()
{
    if (FCancelar) {
        FCancelar();
    }
}

}  // namespace host
