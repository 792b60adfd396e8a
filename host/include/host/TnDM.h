#pragma once

#include "host/TnFraProgresso.h"

#include <QString>

#include <memory>

namespace host {

// A data module of the framework: created by class name through the action
// registry, and reporting its progress to a frame.
class TnDM {
public:
    TnDM();
    TnDM(const TnDM&) = delete;
    TnDM& operator=(const TnDM&) = delete;
    virtual ~TnDM();

    virtual QString ClassName() const = 0;

    // The installed frame, or a silent one when none was installed.
    TnFraProgresso& GetProgresso();
    void SetProgresso(std::unique_ptr<TnFraProgresso> progresso);

private:
    std::unique_ptr<TnFraProgresso> FProgresso;
};

}  // namespace host
