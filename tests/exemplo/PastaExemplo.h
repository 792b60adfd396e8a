#pragma once

#include "ExecutarDarvelo.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>

namespace exemplo::testes {

// What "darvelo exemplo" wrote, made once per test program: the demo
// database and the four templates in a temporary folder.
class PastaExemplo {
public:
    static PastaExemplo& instance()
    {
        static PastaExemplo pasta;
        return pasta;
    }

    QString caminho(const QString& arquivo) const { return QDir(FPasta.path()).filePath(arquivo); }
    QString conexao() const { return QStringLiteral("sqlite:") + caminho(QStringLiteral("folha-demo.sqlite")); }
    const QString& saida() const { return FSaida; }

private:
    PastaExemplo()
    {
        const Saida r = darvelo({QStringLiteral("exemplo"), FPasta.path()});
        if (r.codigo != 0) {
            throw std::runtime_error("darvelo exemplo falhou: " + r.err.toStdString());
        }
        FSaida = r.out;
    }

    QTemporaryDir FPasta;
    QString FSaida;
};

}  // namespace exemplo::testes
