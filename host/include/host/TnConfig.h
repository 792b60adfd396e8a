#pragma once

#include <QString>

#include <cstdint>
#include <map>

namespace host {

// The host's configuration. A value is looked up, in this order, among the
// values given on the command line (definir), the environment (DARVELO_ and
// the key in upper case) and the settings files: the user's settings file,
// overlaid by any file loaded with carregarArquivo. Keys ignore case.
class TnConfig {
public:
    // Keys are stored in lower case and found in any case.
    struct MenorSemCaixa {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const { return a.compare(b, Qt::CaseInsensitive) < 0; }
    };
    using Valores = std::map<QString, QString, MenorSemCaixa>;

    TnConfig();

    bool GetUsarProvisaoFeriasAntiga() const;
    bool GetContabilizaProvisaoFeriasAntiga() const;
    bool GetDesabilitarCompartilharModulo() const;

    // Empty when the key is set nowhere.
    QString valor(const QString& chave) const;
    // False when unset; raises when the text is not a yes or a no.
    bool booleano(const QString& chave) const;

    void definir(const QString& chave, const QString& valor);
    // Raises when the file is missing or is not a valid INI file.
    void carregarArquivo(const QString& path);
    // Forgets the command-line values and loaded files, and reads the user's
    // settings file again.
    void redefinir();
    // Counts the changes made through this object (definir, carregarArquivo,
    // redefinir), so that a reader may keep what it read until the next one.
    // The environment is the process's own and is not counted.
    std::uint64_t revisao() const { return FRevisao; }

private:
    void lerIni(const QString& path);

    Valores FArquivos;
    Valores FDefinidos;
    std::uint64_t FRevisao = 0;
};

TnConfig& nConfig();

// The text of a host variable such as "gCodigoEmpresa", from the same
// sources as the configuration; empty when unset.
QString PegarValorExternalVar(const QString& name);

}  // namespace host
