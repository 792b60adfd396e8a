#include "CatalogoEventos.h"

#include <algorithm>
#include <array>

namespace host::demo {

namespace {

struct EventoFixo {
    int codigo;
    const char* descricao;
    int procedimento;
    const char* estrutura;
    Unidade unidade;
};

constexpr Unidade H = Unidade::Horas;
constexpr Unidade V = Unidade::Valor;
constexpr Unidade P = Unidade::Percentual;
constexpr Unidade D = Unidade::Dias;
constexpr Unidade B = Unidade::PercentualBase;

constexpr EventoFixo kFixos[] = {
    {1, "Salário Horista", 1, "01.01.01.02", H},
    {2, "Pró-Labore", 1, "01.01.02.01", V},
    {3, "Horas Normais Diurnas", 2, "01.01.03.01", H},
    {4, "Horas Normais Noturnas", 3, "01.01.04.01", H},
    {5, "Comissões", 1, "01.01.05.01", P},
    {6, "Gratificação de Função", 6, "02.01.01.01", P},
    {7, "Adicional de Insalubridade", 7, "02.02.01.01", P},
    {8, "Adicional de Periculosidade", 8, "02.03.01.01", P},
    {9, "Anuênio", 9, "03.01.01.06", P},
    {10, "Adicional por Tempo de Serviço", 9, "03.01.01.01", P},
    {11, "Quebra de Caixa", 11, "01.06.01.01", P},
    {12, "Prêmio Produção", 10, "02.04.01.01", V},
    {13, "Média de Férias", 6, "05.18.02.01", V},
    {14, "Diferença de Férias", 1, "05.18.03.01", H},
    {15, "Férias Vencidas", 1, "05.18.01.01", D},
    {16, "Férias Proporcionais", 25, "05.18.07.01", D},
    {17, "Horas Extras Noturnas", 20, "01.02.03.01", H},
    {18, "Sobreaviso", 29, "01.02.04.01", H},
    {19, "Horas de Prontidão", 56, "01.02.05.01", H},
    {20, "Horas in Itinere", 65, "01.02.06.01", H},
    {21, "Banco de Horas Crédito", 73, "01.02.07.01", H},
    {22, "Banco de Horas Débito", 74, "01.02.08.01", H},
    {23, "Faltas em Horas", 23, "01.04.01.01", H},
    {24, "Atrasos", 24, "01.04.02.01", H},
    {25, "Faltas Justificadas", 23, "01.01.08.04", D},
    {26, "Atestado Médico", 24, "01.01.09.04", D},
    {27, "Faltas Injustificadas", 23, "04.03.01.01", D},
    {28, "Faltas sobre Férias", 23, "05.12.02.01", D},
    {29, "Faltas sobre 13º Salário", 24, "05.13.02.01", D},
    {30, "Faltas Aviso Prévio", 23, "05.14.01.01", D},
    {31, "Faltas Saldo de Salário", 24, "05.15.01.01", D},
    {32, "Faltas Rescisão", 23, "05.21.01.01", D},
    {33, "Faltas Licença", 24, "05.16.02.01", D},
    {34, "DSR sobre Horas Extras", 25, "01.05.01.01", H},
    {35, "Horas Extras 50%", 2, "01.02.01.01", H},
    {36, "DSR sobre Faltas", 26, "04.09.01.01", D},
    {37, "Horas Extras 100%", 3, "01.02.01.02", H},
    {38, "Aviso Prévio Indenizado", 25, "04.05.07.01", D},
    {39, "Aviso Prévio Trabalhado", 26, "04.07.07.01", D},
    {40, "Licença Maternidade", 40, "05.19.01.01", D},
    {41, "Dias de Afastamento", 25, "04.07.11.07", D},
    {42, "Dias de Rescisão", 26, "05.07.11.07", D},
    {43, "Saldo de Salário", 25, "05.15.07.01", D},
    {44, "Indenização Rescisória", 26, "05.21.07.01", D},
    {45, "Férias Indenizadas", 25, "04.01.07.01", D},
    {46, "13º Salário Indenizado", 26, "04.02.07.01", D},
    {47, "Férias Proporcionais Rescisão", 25, "05.12.07.01", D},
    {48, "13º Proporcional Rescisão", 26, "05.13.07.01", D},
    {49, "Adicional Noturno", 19, "01.03.01.01", H},
    {50, "Horas de Férias", 1, "05.07.01.01", H},
    {51, "Horas de Abono", 1, "05.07.03.01", H},
    {52, "Férias em Dias", 1, "04.01.01.01", D},
    {53, "13º Salário em Dias", 1, "04.02.01.01", D},
    {54, "Dias de Aviso Prévio", 1, "04.08.01.01", D},
    {55, "Férias na Rescisão", 1, "05.12.01.01", D},
    {56, "13º Salário Proporcional", 1, "05.13.01.01", D},
    {57, "Rescisão Complementar", 1, "05.22.01.01", D},
    {58, "Licença Remunerada", 1, "04.06.01.01", D},
    {59, "Licença não Remunerada", 1, "04.06.01.02", D},
    {60, "Auxílio Doença", 1, "05.16.01.01", D},
    {61, "Acidente de Trabalho", 1, "05.16.01.02", D},
    {62, "Abono Pecuniário", 1, "05.07.02.01", D},
    {63, "Férias Normais", 1, "05.20.01.01", D},
    {64, "Férias Coletivas", 1, "05.20.02.01", D},
    {65, "Empréstimo Consignado", 1, "97.06.01.01", V},
    {66, "Adiantamento Parcelado", 1, "97.05.03.01", V},
    {67, "Vale Parcelado", 1, "97.05.04.01", V},
    {68, "Contribuição Sindical", 1, "97.01.01", P},
    {69, "Custeio Confederativo", 1, "97.01.02", P},
    {70, "Taxa Assistencial", 1, "97.01.03", P},
    {71, "Mensalidade Sindical", 1, "97.01.04", P},
    {72, "Contribuição Sindical Rescisão", 1, "97.01.06", D},
    {73, "Custeio Confederativo Rescisão", 1, "97.01.07", D},
    {74, "Taxa Assistencial Rescisão", 1, "97.01.08", D},
    {75, "Mensalidade Sindical Rescisão", 1, "97.01.09", D},
    {76, "Contribuição Sindical Férias", 1, "06.04.02.02", P},
    {77, "Custeio Confederativo Férias", 1, "06.04.02.03", P},
    {78, "Taxa Assistencial Férias", 1, "06.04.02.04", P},
    {79, "Mensalidade Sindical Férias", 1, "06.04.02.05", P},
    {80, "INSS", 1, "03.02.01.01", B},
    {81, "IRRF", 1, "03.03.01.01", B},
    {82, "Vale Transporte", 1, "03.04.01.01", B},
    {83, "Plano de Saúde", 1, "03.05.01.01", V},
    {84, "Adiantamento Salarial", 1, "03.06.01.01", P},
    {85, "Pensão Alimentícia", 1, "03.07.01.01", P},
    {86, "Salário Família", 1, "01.07.01.01", V},
    {87, "Adiantamento 13º Salário", 1, "05.13.03.01", D},
    {88, "13º Salário", 1, "05.13.04.01", D},
    {89, "INSS 13º Salário", 1, "03.02.02.01", B},
    {90, "Ajuda de Custo", 1, "01.08.01.01", V},
    {100, "Salário Mensal", 1, "01.01.01.01", H},
};

constexpr std::array<Unidade, 5> kUnidadesComuns = {V, P, D, B, H};

Evento comum(int codigo)
{
    const bool provento = codigo % 2 == 0;
    const QString grupo = provento ? QStringLiteral("01.09") : QStringLiteral("03.09");
    return {codigo,
            (provento ? QStringLiteral("Provento Diverso %1") : QStringLiteral("Desconto Diverso %1")).arg(codigo),
            provento ? 1 : 5,
            QStringLiteral("%1.%2.01").arg(grupo).arg(codigo % 100, 2, 10, QLatin1Char('0')),
            kUnidadesComuns[static_cast<std::size_t>(codigo) % kUnidadesComuns.size()]};
}

}  // namespace

bool Evento::parcelado() const
{
    return estrutura.startsWith(QLatin1String("97.06")) || estrutura.startsWith(QLatin1String("97.05.03"))
        || estrutura.startsWith(QLatin1String("97.05.04"));
}

std::vector<Evento> CatalogoEventos::todos()
{
    std::vector<Evento> eventos;
    for (int codigo = 1; codigo <= kUltimoEvento; ++codigo) {
        const auto fixo = std::find_if(std::begin(kFixos), std::end(kFixos),
                                       [codigo](const EventoFixo& e) { return e.codigo == codigo; });
        if (fixo == std::end(kFixos)) {
            eventos.push_back(comum(codigo));
        } else {
            eventos.push_back({codigo, QString::fromUtf8(fixo->descricao), fixo->procedimento,
                               QLatin1String(fixo->estrutura), fixo->unidade});
        }
    }
    return eventos;
}

bool CatalogoEventos::reservado(int codigo)
{
    static constexpr int kReservados[] = {kSalario,          kHorasExtras50, kHorasExtras100, kAdicionalNoturno,
                                          kAdiantamento13,   kSalario13,     kInss13};
    return std::find(std::begin(kReservados), std::end(kReservados), codigo) != std::end(kReservados);
}

}  // namespace host::demo
