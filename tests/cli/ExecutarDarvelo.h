#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What the command-line program answered.
struct Saida {
    int codigo;  // -1 when it did not end in time
    QString out;
    QString err;
};

// The command-line program run as users and scripts run it.
inline Saida darvelo(const QStringList& argumentos)
{
    QProcess processo;
    processo.start(QStringLiteral(DARVELO_BINARY), argumentos);
    const bool terminou = processo.waitForFinished(300000);
    return {terminou ? processo.exitCode() : -1, QString::fromUtf8(processo.readAllStandardOutput()),
            QString::fromUtf8(processo.readAllStandardError())};
}
