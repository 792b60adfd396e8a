#include "host/TnDM.h"

#include "host/ProgressoSilencioso.h"

namespace host {

TnDM::TnDM() = default;

TnDM::~TnDM() = default;

TnFraProgresso& TnDM::GetProgresso()
{
    // Kept once made, so that a cancel handler configured on it stays.
    if (!FProgresso) {
        FProgresso = std::make_unique<ProgressoSilencioso>();
    }
    return *FProgresso;
}

void TnDM::SetProgresso(std::unique_ptr<TnFraProgresso> progresso)
{
    FProgresso = std::move(progresso);
}

}  // namespace host
