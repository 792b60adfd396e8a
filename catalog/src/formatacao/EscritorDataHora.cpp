#include "EscritorDataHora.h"

namespace catalog {

namespace {

// The am/pm markers; each writes itself as the format spells it, except the
// last, which writes the locale's texts.
struct MarcaAmPm {
    QLatin1StringView padrao;
    int inicioPm;  // where the afternoon text starts in the marker
    int tamanho;   // 0: the locale's texts
};

constexpr MarcaAmPm kMarcas[] = {
    {QLatin1StringView("am/pm"), 3, 2},
    {QLatin1StringView("a/p"), 2, 1},
    {QLatin1StringView("ampm"), 0, 0},
};

const MarcaAmPm* marcaEm(QStringView formato, qsizetype posicao)
{
    for (const MarcaAmPm& marca : kMarcas) {
        if (formato.mid(posicao).startsWith(marca.padrao, Qt::CaseInsensitive)) {
            return &marca;
        }
    }
    return nullptr;
}

bool aspas(QChar c)
{
    return c == u'"' || c == u'\'';
}

// The first character of a locale pattern that is neither a letter nor a
// quote: '/' in "dd/MM/yyyy", ':' in "HH:mm".
QString separador(const QString& padrao, QChar reserva)
{
    for (QChar c : padrao) {
        if (!c.isLetter() && !aspas(c) && !c.isSpace()) {
            return QString(c);
        }
    }
    return QString(reserva);
}

// Long time patterns end in a time zone ("HH:mm:ss t"), which a serial does
// not have.
QString semFusoHorario(const QString& padrao)
{
    QString resultado;
    bool citando = false;
    for (QChar c : padrao) {
        citando = c == u'\'' ? !citando : citando;
        if (citando || c != u't') {
            resultado += c;
        }
    }
    return resultado.trimmed();
}

}  // namespace

const EscritorDataHora::CampoFormato EscritorDataHora::kCampos[] = {
    {u'D', &EscritorDataHora::dia},           {u'M', &EscritorDataHora::mes},
    {u'Y', &EscritorDataHora::ano},           {u'H', &EscritorDataHora::hora},
    {u'N', &EscritorDataHora::minuto},        {u'S', &EscritorDataHora::segundo},
    {u'Z', &EscritorDataHora::milissegundo},  {u'T', &EscritorDataHora::horaDoLocale},
    {u'C', &EscritorDataHora::padrao},
};

EscritorDataHora::EscritorDataHora(const PartesDataHora& partes, const QLocale& locale)
    : partes_(partes), locale_(locale)
{
}

QString EscritorDataHora::escrever(QStringView formato)
{
    if (formato.isEmpty()) {
        padrao(1);
        return saida_;
    }
    formato_ = formato;
    posicao_ = 0;
    while (posicao_ < formato_.size()) {
        const QChar c = formato_[posicao_];
        if (aspas(c)) {
            copiarAspas();
        } else if (c == u'/') {
            saida_ += separador(locale_.dateFormat(QLocale::ShortFormat), u'/');
            ++posicao_;
        } else if (c == u':') {
            saida_ += separador(locale_.timeFormat(QLocale::ShortFormat), u':');
            ++posicao_;
        } else if (c.isLetter()) {
            letra(c);
        } else {
            saida_ += c;
            ++posicao_;
        }
    }
    return saida_;
}

void EscritorDataHora::letra(QChar c)
{
    char16_t token = c.toUpper().unicode();
    if (token == u'A' && lerAmPm()) {
        ultimo_ = token;
        return;
    }
    // "hh:mm": an m right after an hour means minutes.
    if (token == u'M' && ultimo_ == u'H') {
        token = u'N';
    }
    ultimo_ = token;
    const int quantidade = repeticoes(c);
    for (const CampoFormato& campo : kCampos) {
        if (campo.letra == token) {
            (this->*campo.manipulador)(quantidade);
            posicao_ += quantidade;
            return;
        }
    }
    saida_ += formato_.mid(posicao_, quantidade);
    posicao_ += quantidade;
}

void EscritorDataHora::copiarAspas()
{
    const qsizetype fim = formato_.indexOf(formato_[posicao_], posicao_ + 1);
    const qsizetype ate = fim < 0 ? formato_.size() : fim;
    saida_ += formato_.mid(posicao_ + 1, ate - posicao_ - 1);
    posicao_ = fim < 0 ? formato_.size() : fim + 1;
}

bool EscritorDataHora::lerAmPm()
{
    const MarcaAmPm* marca = marcaEm(formato_, posicao_);
    if (!marca) {
        return false;
    }
    const bool tarde = partes_.hora.hour() >= 12;
    if (marca->tamanho == 0) {
        saida_ += tarde ? locale_.pmText() : locale_.amText();
    } else {
        saida_ += formato_.mid(posicao_ + (tarde ? marca->inicioPm : 0), marca->tamanho);
    }
    posicao_ += marca->padrao.size();
    return true;
}

bool EscritorDataHora::dozeHoras() const
{
    bool citando = false;
    QChar aspa;
    for (qsizetype i = posicao_; i < formato_.size(); ++i) {
        const QChar c = formato_[i];
        if (citando) {
            citando = c != aspa;
        } else if (aspas(c)) {
            citando = true;
            aspa = c;
        } else if (marcaEm(formato_, i)) {
            return true;
        }
    }
    return false;
}

int EscritorDataHora::repeticoes(QChar c) const
{
    int quantidade = 1;
    while (posicao_ + quantidade < formato_.size()
           && formato_[posicao_ + quantidade].toUpper() == c.toUpper()) {
        ++quantidade;
    }
    return quantidade;
}

void EscritorDataHora::numero(int valor, int quantidade)
{
    saida_ += QString::number(valor).rightJustified(quantidade, u'0');
}

void EscritorDataHora::dia(int quantidade)
{
    const QDate& data = partes_.data;
    switch (quantidade) {
    case 1:
    case 2:
        numero(data.day(), quantidade);
        break;
    case 3:
        saida_ += locale_.dayName(data.dayOfWeek(), QLocale::ShortFormat);
        break;
    case 4:
        saida_ += locale_.dayName(data.dayOfWeek(), QLocale::LongFormat);
        break;
    case 5:
        saida_ += dataCurta();
        break;
    default:
        saida_ += locale_.toString(data, QLocale::LongFormat);
        break;
    }
}

void EscritorDataHora::mes(int quantidade)
{
    const int mes = partes_.data.month();
    if (quantidade <= 2) {
        numero(mes, quantidade);
    } else {
        saida_ += locale_.monthName(mes, quantidade == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
    }
}

void EscritorDataHora::ano(int quantidade)
{
    constexpr int kSeculo = 100;
    const int ano = partes_.data.year();
    if (quantidade <= 2) {
        numero(ano % kSeculo, 2);
    } else {
        numero(ano, 4);
    }
}

void EscritorDataHora::hora(int quantidade)
{
    int hora = partes_.hora.hour();
    if (dozeHoras()) {
        constexpr int kMeioDia = 12;
        hora = hora % kMeioDia == 0 ? kMeioDia : hora % kMeioDia;
    }
    numero(hora, quantidade == 1 ? 1 : 2);
}

void EscritorDataHora::minuto(int quantidade)
{
    numero(partes_.hora.minute(), quantidade == 1 ? 1 : 2);
}

void EscritorDataHora::segundo(int quantidade)
{
    numero(partes_.hora.second(), quantidade == 1 ? 1 : 2);
}

void EscritorDataHora::milissegundo(int quantidade)
{
    numero(partes_.hora.msec(), quantidade == 1 ? 1 : 3);
}

void EscritorDataHora::horaDoLocale(int quantidade)
{
    saida_ += quantidade == 1 ? locale_.toString(partes_.hora, QLocale::ShortFormat) : horaLonga();
}

void EscritorDataHora::padrao(int quantidade)
{
    for (int i = 0; i < quantidade; ++i) {
        saida_ += dataCurta();
        if (partes_.temHora()) {
            saida_ += u' ' + horaLonga();
        }
    }
}

QString EscritorDataHora::dataCurta() const
{
    return locale_.toString(partes_.data, QLocale::ShortFormat);
}

QString EscritorDataHora::horaLonga() const
{
    return locale_.toString(partes_.hora, semFusoHorario(locale_.timeFormat(QLocale::LongFormat)));
}

}  // namespace catalog
