#include "LinhaDeComando.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QTextStream>

#include <array>

namespace linhaDeComando {

namespace {

// Qt's parser writes its headings and messages in English; the users read
// Portuguese.
struct Traducao {
    const char* original;
    const char* traducao;
};

constexpr std::array<Traducao, 2> kTitulos{{
    {"Options:", "Opções:"},
    {"Arguments:", "Argumentos:"},
}};

// Qt's usage line names the program only; ours names the command too.
QString textoDeAjuda(const QCommandLineParser& parser, const QString& uso)
{
    QString texto = parser.helpText();
    texto = uso.trimmed() + QLatin1Char('\n') + texto.mid(texto.indexOf(QLatin1Char('\n')) + 1);
    for (const Traducao& titulo : kTitulos) {
        texto.replace(QLatin1String(titulo.original), QString::fromUtf8(titulo.traducao));
    }
    return texto;
}

QString motivo(const QCommandLineParser& parser)
{
    const QStringList desconhecidas = parser.unknownOptionNames();
    if (!desconhecidas.isEmpty()) {
        QStringList nomes;
        for (const QString& nome : desconhecidas) {
            nomes << (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
        }
        return QStringLiteral("Opção desconhecida: %1").arg(nomes.join(QStringLiteral(", ")));
    }
    static const QRegularExpression semValor(QStringLiteral("^Missing value after '(.*)'"));
    const QRegularExpressionMatch falta = semValor.match(parser.errorText());
    if (falta.hasMatch()) {
        return QStringLiteral("Falta o valor da opção %1.").arg(falta.captured(1));
    }
    return QStringLiteral("Linha de comando inválida: %1").arg(parser.errorText());
}

}  // namespace

void declararAjuda(QCommandLineParser& parser)
{
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("ajuda")},
                      QStringLiteral("Mostra esta ajuda.")});
}

bool analisar(QCommandLineParser& parser, const QStringList& argumentos, const QString& uso, QTextStream& out)
{
    if (!parser.parse(argumentos)) {
        throw UsoInvalido(motivo(parser));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << textoDeAjuda(parser, uso);
        return false;
    }
    return true;
}

}  // namespace linhaDeComando
