#include "generation/ReplicacaoFolha.h"

#include "generation/MovimentoFolha.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/QueryServices.h"
#include "host/TextRoutines.h"
#include "host/TnClientDataSet.h"

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Sheet.h>

namespace generation {

namespace {

const QString kContinuacao = QStringLiteral("...");

// Keys compare as the walk's markers do: numbers by value, a text made of
// digits as its number, any other text only with an equal text.
bool mesmaChave(const QVariant& a, const QVariant& b)
{
    const auto numero = [](const QVariant& v, double& n) {
        if (v.typeId() == QMetaType::QString) {
            const QString text = v.toString().trimmed();
            bool digits = !text.isEmpty();
            for (QChar c : text)
                digits = digits && c.isDigit();
            n = digits ? text.toDouble() : 0.0;
            return digits;
        }
        bool ok = false;
        n = v.toDouble(&ok);
        return ok;
    };
    double na = 0.0;
    double nb = 0.0;
    const bool numA = numero(a, na);
    const bool numB = numero(b, nb);
    if (numA && numB)
        return na == nb;
    if (numA || numB)
        return false;
    return a.toString() == b.toString();
}

QString textoCelula(const spreadsheet::Value& value)
{
    if (value.type() == spreadsheet::ValueType::Number)
        return QString::number(value.number(), 'g', 15);
    return value.type() == spreadsheet::ValueType::Text ? value.text() : QString();
}

}  // namespace

ReplicacaoFolha::ReplicacaoFolha(payroll::TnFpaDMPlanilha& dm) : dm_(dm) {}

void ReplicacaoFolha::Iniciar(int colunas)
{
    FRaiz = host::TnQuebra();
    FListas.assign(static_cast<std::size_t>(colunas), {});
    if (dm_.curMovimento)
        dm_.curMovimento->SetIndexFieldNames(QString());
}

void ReplicacaoFolha::LiberarQuebras()
{
    dm_.FIndiceQuebra.clear();
    dm_.FIndexFieldNames.clear();
    LiberarListas();
}

void ReplicacaoFolha::LiberarListas()
{
    FRaiz = host::TnQuebra();
    FListas.clear();
}

void ReplicacaoFolha::PrepararQuebra(const QString& palavra)
{
    host::TnClientDataSet& movimento = host::CDS(dm_.curMovimento);
    dm_.ixMovimento = MovimentoFolha::IndiceCampoQuebra(dm_, palavra);
    FCampoChave = movimento.Fields(dm_.ixMovimento).FieldName();
    if (host::InStrArray(FCampoChave, dm_.FIndexFieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts)))
        return;
    dm_.FIndexFieldNames =
        dm_.FIndexFieldNames.isEmpty() ? FCampoChave : dm_.FIndexFieldNames + QLatin1Char(';') + FCampoChave;
    movimento.SetIndexFieldNames(dm_.FIndexFieldNames);
    dm_.FIndiceQuebra = host::StrToStrArray(dm_.FIndexFieldNames.toUpper(), QStringLiteral(";"));
}

void ReplicacaoFolha::FiltrarQuebra(const host::TnQuebra& pai)
{
    payroll::TnFpaDMPlanilha::AplicarFaixaQuebra(host::CDS(dm_.curMovimento), pai.GetValores());
}

// A record whose key is missing (no apportionment) counts as key 0, which
// is never replicated.
QVariant ReplicacaoFolha::valorChave()
{
    host::TnField& campo = dm_.curMovimento->Fields(dm_.ixMovimento);
    return campo.IsNull() ? QVariant(0) : campo.Value();
}

int ReplicacaoFolha::ContarValoresQuebra()
{
    host::TnClientDataSet& movimento = host::CDS(dm_.curMovimento);
    movimento.SetSavePoint();
    int contagem = 0;
    QVariant anterior = 0;
    for (; !movimento.Eof(); movimento.Next()) {
        const QVariant valor = valorChave();
        if (!mesmaChave(valor, anterior))
            ++contagem;
        anterior = valor;
    }
    movimento.RestoreSavePoint();
    return contagem;
}

QString ReplicacaoFolha::textoChave()
{
    const QString texto = dm_.curMovimento->Fields(dm_.ixMovimento).AsString();
    if (dm_.ixMovimento == dm_.ixMovimento_ClassifOrgan)
        return QLatin1Char('\'') + texto + QLatin1Char('\'');
    return texto;
}

void ReplicacaoFolha::testarCancelamento()
{
    if (dm_.Cancelado())
        throw ExecucaoCancelada();
}

bool ReplicacaoFolha::selecionarMovimento(int indice, int& indicePai, host::TnQuebra& pai)
{
    if (indice > 0) {
        const auto& anterior = FListas[static_cast<std::size_t>(indice - 1)];
        // An inner block beyond the outer break's values has no parent to
        // be filtered by, like one under an empty list.
        if (anterior.empty() || indicePai >= static_cast<int>(anterior.size()))
            return false;
        pai = anterior[static_cast<std::size_t>(indicePai)];
        FiltrarQuebra(pai);
        ++indicePai;
    }
    dm_.curMovimento->First();
    return !dm_.curMovimento->Eof();
}

// Rows for every further copy are made in one insertion; an outer column
// gets one row more, which keeps its copies apart.
void ReplicacaoFolha::inserirCopias(const Bloco& bloco, bool ultima)
{
    if (dm_.curMovimento->RecordCount() <= 1)
        return;
    const int tamanho = bloco.ultima - bloco.primeira + 1;
    const int copias = ContarValoresQuebra();
    const int fundo = bloco.ultima + 1 + (copias - 1) * tamanho - (ultima ? 1 : 0);
    if (fundo < bloco.ultima + 1)
        return;
    spreadsheet::Sheet& destino = dm_.DestinoAsTable();
    destino.InsertRows(bloco.ultima + 1, fundo - bloco.ultima);
    const int altura = destino.rowHeight(bloco.ultima);
    if (altura != destino.defaultRowHeight()) {
        for (int row = bloco.ultima + 1; row <= fundo; ++row)
            destino.setRowHeight(row, altura);
    }
}

// Fills the block once per distinct key of the current view and returns
// the row below the last copy.
int ReplicacaoFolha::preencherBloco(const Bloco& bloco, int indice, int coluna, bool ultima, const host::TnQuebra& pai)
{
    spreadsheet::Sheet& destino = dm_.DestinoAsTable();
    host::TnClientDataSet& movimento = *dm_.curMovimento;
    auto& lista = FListas[static_cast<std::size_t>(indice)];
    QVariant anterior = -1;
    int row = bloco.primeira;
    for (; !movimento.Eof(); movimento.Next()) {
        dm_.GetProgresso().IncProgressoTotal(
            QStringLiteral("Dados do Movimento: ") + QString::number(movimento.RecordCount()), 100);
        testarCancelamento();
        const QVariant valor = valorChave();
        if (mesmaChave(valor, anterior) || mesmaChave(valor, 0))
            continue;
        anterior = valor;
        if (!ultima)
            lista.push_back(pai.NewQuebra(FCampoChave, valor));
        // The block is captured before its first key is written, so every
        // copy shows the keyword and its marks again.
        if (row == bloco.primeira)
            dm_.SpreadSheetDataToClipboardData(
                destino, spreadsheet::CellRange{0, bloco.primeira, destino.columnCount() - 1, bloco.ultima});
        else
            dm_.ColarClipboard(destino, row, 0);
        const QString chave = textoChave();
        destino.setText(row, coluna, chave, spreadsheet::TextMode::Plain);
        for (++row; destino.text(row, coluna) == kContinuacao; ++row)
            destino.setText(row, coluna, chave, spreadsheet::TextMode::Plain);
    }
    return row;
}

void ReplicacaoFolha::Replicar(int indice, int coluna, bool ultima)
{
    spreadsheet::Sheet& destino = dm_.DestinoAsTable();
    host::TnQuebra pai = FRaiz;
    int indicePai = 0;
    int row = 0;
    while (row <= destino.rowCount() - 1) {
        dm_.GetProgresso().IncProgressoTotal(
            QStringLiteral("Inicio Repl. Total Linhas: ") + QString::number(destino.rowCount()), 100);
        testarCancelamento();
        const QString texto = destino.text(row, coluna);
        if (texto.isEmpty() || texto == kContinuacao) {
            ++row;
            continue;
        }
        PrepararQuebra(textoCelula(destino.value(row, coluna)));
        if (!selecionarMovimento(indice, indicePai, pai)) {
            ++row;
            continue;
        }
        const Bloco bloco{row, dm_.InicioProximaReplicacao(row)};
        inserirCopias(bloco, ultima);
        const int abaixo = preencherBloco(bloco, indice, coluna, ultima, pai);
        // A view whose keys are all 0 fills nothing; the walk must still
        // move on, or it would meet the same keyword again forever.
        row = abaixo == bloco.primeira ? row + 1 : abaixo;
    }
}

}  // namespace generation
