#include "host/TnActionRegistry.h"

#include "host/HostError.h"

namespace host {

namespace {

QString chaveDe(const QString& className)
{
    return className.toUpper();
}

}  // namespace

bool EhHttpExe()
{
    return false;
}

void SetActionPowerInfo(int mode, const QString& className, FabricaDM factory)
{
    TnActionRegistry::instance().registrar(mode, className, std::move(factory));
}

TnActionRegistry& TnActionRegistry::instance()
{
    static TnActionRegistry registro;
    return registro;
}

void TnActionRegistry::registrar(int modo, const QString& className, FabricaDM fabrica)
{
    if (className.isEmpty() || !fabrica) {
        throw HostError(QStringLiteral("Registro de classe inválido: \"%1\"").arg(className));
    }
    FEntradas[chaveDe(className)] = Entrada{className, modo, std::move(fabrica)};
}

std::unique_ptr<TnDM> TnActionRegistry::criar(const QString& className) const
{
    std::unique_ptr<TnDM> modulo = entrada(className).fabrica();
    if (!modulo) {
        throw HostError(QStringLiteral("Não foi possível criar a classe: %1").arg(className));
    }
    return modulo;
}

int TnActionRegistry::modo(const QString& className) const
{
    return entrada(className).modo;
}

bool TnActionRegistry::registrada(const QString& className) const
{
    return FEntradas.count(chaveDe(className)) != 0;
}

QStringList TnActionRegistry::classes() const
{
    QStringList nomes;
    for (const auto& [chave, entrada] : FEntradas) {
        nomes.append(entrada.nome);
    }
    return nomes;
}

const TnActionRegistry::Entrada& TnActionRegistry::entrada(const QString& className) const
{
    const auto achada = FEntradas.find(chaveDe(className));
    if (achada == FEntradas.end()) {
        throw HostError(QStringLiteral("Classe não registrada: %1").arg(className));
    }
    return achada->second;
}

}  // namespace host
