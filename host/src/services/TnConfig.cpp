#include "host/TnConfig.h"

#include "host/HostError.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace host {

namespace {

struct TextoBooleano {
    const char16_t* texto;
    bool valor;
};

// Windows habits (1/0), programmers' (true/false) and the users' own words,
// with and without the accent, since a terminal may not type it.
constexpr std::array<TextoBooleano, 10> textosBooleanos{{
    {u"1", true},
    {u"0", false},
    {u"true", true},
    {u"false", false},
    {u"sim", true},
    {u"não", false},
    {u"nao", false},
    {u"s", true},
    {u"n", false},
    {u"", false},
}};

std::optional<bool> lerBooleano(const QString& texto)
{
    const QString limpo = texto.trimmed();
    for (const TextoBooleano& item : textosBooleanos) {
        if (limpo.compare(QString::fromUtf16(item.texto), Qt::CaseInsensitive) == 0) {
            return item.valor;
        }
    }
    return std::nullopt;
}

QString normalizada(const QString& chave)
{
    return chave.toLower();
}

using NomeCurto = std::array<char, 64>;

// The environment variable that overrides a key: "DARVELO_" and the key in
// capitals. The formatter asks for its variables at every cell, so a plain
// ASCII key that fits is spelt in `curto`, off the heap.
const char* nomeDeAmbiente(const QString& chave, NomeCurto& curto, QByteArray& longo)
{
    constexpr char kPrefixo[] = "DARVELO_";
    constexpr qsizetype kTamanho = sizeof kPrefixo - 1;
    const bool ascii = std::all_of(chave.begin(), chave.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii || chave.size() >= static_cast<qsizetype>(curto.size()) - kTamanho) {
        longo = QByteArray(kPrefixo) + chave.toUpper().toLocal8Bit();
        return longo.constData();
    }
    std::memcpy(curto.data(), kPrefixo, kTamanho);
    char* letra = curto.data() + kTamanho;
    for (const QChar c : chave) {
        const char16_t u = c.unicode();
        *letra++ = static_cast<char>(u >= u'a' && u <= u'z' ? u - (u'a' - u'A') : u);
    }
    *letra = '\0';
    return curto.data();
}

// Read once, not tested first and then read.
std::optional<QString> variavelDeAmbiente(const QString& chave)
{
    NomeCurto curto;
    QByteArray longo;
    const QByteArray texto = qgetenv(nomeDeAmbiente(chave, curto, longo));
    if (texto.isNull()) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(texto);
}

QString procurar(const TnConfig::Valores& valores, const QString& chave)
{
    const auto achado = valores.find(chave);
    return achado == valores.end() ? QString() : achado->second;
}

// An unquoted INI value with commas reads as a list; the configuration
// wants the text as written.
QString textoDe(const QVariant& valor)
{
    if (valor.typeId() == QMetaType::QStringList) {
        return valor.toStringList().join(u',');
    }
    return valor.toString();
}

}  // namespace

TnConfig::TnConfig()
{
    redefinir();
}

bool TnConfig::GetUsarProvisaoFeriasAntiga() const
{
    return booleano(QStringLiteral("UsarProvisaoFeriasAntiga"));
}

bool TnConfig::GetContabilizaProvisaoFeriasAntiga() const
{
    return booleano(QStringLiteral("ContabilizaProvisaoFeriasAntiga"));
}

bool TnConfig::GetDesabilitarCompartilharModulo() const
{
    return booleano(QStringLiteral("DesabilitarCompartilharModulo"));
}

QString TnConfig::valor(const QString& chave) const
{
    const auto definido = FDefinidos.find(chave);
    if (definido != FDefinidos.end()) {
        return definido->second;
    }
    // The environment is read on every call: a test or a wrapper script may
    // change it after the configuration was first used.
    if (std::optional<QString> ambiente = variavelDeAmbiente(chave)) {
        return *std::move(ambiente);
    }
    return procurar(FArquivos, chave);
}

bool TnConfig::booleano(const QString& chave) const
{
    const QString texto = valor(chave);
    const std::optional<bool> lido = lerBooleano(texto);
    if (!lido) {
        throw HostError(QStringLiteral("Valor inválido para a configuração %1: \"%2\"").arg(chave, texto));
    }
    return *lido;
}

void TnConfig::definir(const QString& chave, const QString& valor)
{
    ++FRevisao;
    FDefinidos[normalizada(chave)] = valor;
}

void TnConfig::carregarArquivo(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        throw HostError(QStringLiteral("Arquivo de configuração não encontrado: %1").arg(path));
    }
    lerIni(path);
}

void TnConfig::redefinir()
{
    ++FRevisao;
    FDefinidos.clear();
    FArquivos.clear();
    const QSettings usuario(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Darvelo"),
                            QStringLiteral("Darvelo"));
    lerIni(usuario.fileName());
}

void TnConfig::lerIni(const QString& path)
{
    const QSettings arquivo(path, QSettings::IniFormat);
    if (arquivo.status() != QSettings::NoError) {
        throw HostError(QStringLiteral("Arquivo de configuração inválido: %1").arg(path));
    }
    const QStringList chaves = arquivo.allKeys();
    for (const QString& chave : chaves) {
        FArquivos[normalizada(chave)] = textoDe(arquivo.value(chave));
    }
    ++FRevisao;
}

TnConfig& nConfig()
{
    static TnConfig configuracao;
    return configuracao;
}

QString PegarValorExternalVar(const QString& name)
{
    return nConfig().valor(name);
}

}  // namespace host
