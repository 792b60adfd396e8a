#pragma once

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
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
        QProcess processo;
        processo.start(QStringLiteral(DARVELO_BINARY), {QStringLiteral("exemplo"), FPasta.path()});
        if (!processo.waitForFinished(120000) || processo.exitCode() != 0) {
            throw std::runtime_error("darvelo exemplo falhou: "
                                     + processo.readAllStandardError().toStdString());
        }
        FSaida = QString::fromUtf8(processo.readAllStandardOutput());
    }

    QTemporaryDir FPasta;
    QString FSaida;
};

}  // namespace exemplo::testes
