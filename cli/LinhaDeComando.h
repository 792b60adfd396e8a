#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

class QCommandLineParser;
class QTextStream;

// A mistake in the command line: the caller prints the message and the
// command's usage to standard error and exits with 2.
class UsoInvalido : public std::runtime_error {
public:
    explicit UsoInvalido(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

namespace linhaDeComando {

constexpr int kAjuda = 0;
constexpr int kUso = 2;

// Declares -h/--help on the parser; every command answers it the same way.
void declararAjuda(QCommandLineParser& parser);
// Parses the arguments; throws UsoInvalido with a Portuguese message. Returns
// false when help was asked for, after printing it to `out`: the command's
// usage line (`uso`, "Uso: darvelo COMANDO ...") and the options.
bool analisar(QCommandLineParser& parser, const QStringList& argumentos, const QString& uso, QTextStream& out);

}  // namespace linhaDeComando
