#pragma once

#include "host/TnDM.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

namespace host {

using FabricaDM = std::function<std::unique_ptr<TnDM>()>;

// Whether this program is the suite's web server; ours never are.
bool EhHttpExe();

// Registers a data-module class with the action registry. Registering a
// class again replaces its mode and factory.
void SetActionPowerInfo(int mode, const QString& className, FabricaDM factory);

// The data-module classes the framework can create by name. Names ignore
// case, as the framework's class lookup does.
class TnActionRegistry {
public:
    static TnActionRegistry& instance();

    void registrar(int modo, const QString& className, FabricaDM fabrica);
    std::unique_ptr<TnDM> criar(const QString& className) const;
    int modo(const QString& className) const;
    bool registrada(const QString& className) const;
    // Sorted by name, in the spelling of their last registration.
    QStringList classes() const;

private:
    struct Entrada {
        QString nome;
        int modo = 0;
        FabricaDM fabrica;
    };

    const Entrada& entrada(const QString& className) const;

    std::map<QString, Entrada> FEntradas;
};

}  // namespace host
