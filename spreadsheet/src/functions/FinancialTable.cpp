#include "FunctionTables.h"

#include "FinancialFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

namespace f = functions;

constexpr auto kFin = FunctionGroup::Financial;
constexpr int kAny = -1;
constexpr std::uint32_t kAfterRate = kRangeArgs & ~rangeArg(0);
constexpr std::uint32_t kFlowsAndDates = rangeArg(0) | rangeArg(1);

constexpr const char* kCoupon = "liquidação; vencimento; frequência; [base]";

constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"PV", "VP", 3, 5, false, f::presentValue, kFin, "taxa; nper; pgto; [vf]; [tipo]", kScalarArgs, "Retorna o valor presente de um investimento com pagamentos periódicos constantes e taxa constante."},
    {"FV", "VF", 3, 5, false, f::futureValue, kFin, "taxa; nper; pgto; [vp]; [tipo]", kScalarArgs, "Retorna o valor futuro de um investimento com pagamentos periódicos constantes e taxa constante."},
    {"PMT", "PGTO", 3, 5, false, f::annuityPayment, kFin, "taxa; nper; vp; [vf]; [tipo]", kScalarArgs, "Retorna o pagamento periódico de um empréstimo com pagamentos e taxa constantes."},
    {"NPER", nullptr, 3, 5, false, f::annuityPeriods, kFin, "taxa; pgto; vp; [vf]; [tipo]", kScalarArgs, "Retorna o número de períodos de um investimento com pagamentos e taxa constantes."},
    {"RATE", "TAXA", 3, 6, false, f::annuityRate, kFin, "nper; pgto; vp; [vf]; [tipo]; [estimativa]", kScalarArgs, "Retorna a taxa de juros por período de uma anuidade."},
    {"IPMT", "IPGTO", 4, 6, false, f::interestPayment, kFin, "taxa; per; nper; vp; [vf]; [tipo]", kScalarArgs, "Retorna os juros pagos em um período de um investimento com pagamentos e taxa constantes."},
    {"PPMT", "PPGTO", 4, 6, false, f::principalPayment, kFin, "taxa; per; nper; vp; [vf]; [tipo]", kScalarArgs, "Retorna o pagamento de capital em um período de um investimento com pagamentos e taxa constantes."},
    {"CUMIPMT", "PGTOJURACUM", 6, 6, false, f::cumulativeInterest, kFin, "taxa; nper; vp; início_período; final_período; tipo_pgto", kScalarArgs, "Retorna os juros acumulados pagos entre dois períodos de um empréstimo."},
    {"CUMPRINC", "PGTOCAPACUM", 6, 6, false, f::cumulativePrincipal, kFin, "taxa; nper; vp; início_período; final_período; tipo_pgto", kScalarArgs, "Retorna o capital acumulado pago entre dois períodos de um empréstimo."},
    {"ISPMT", "ÉPGTO|EPGTO", 4, 4, false, f::evenPrincipalInterest, kFin, "taxa; período; nper; vp", kScalarArgs, "Retorna os juros pagos em um período de um empréstimo com amortizações de capital iguais."},
    {"NPV", "VPL", 2, kAny, false, f::netPresentValue, kFin, "taxa; valor1; [valor2]; ...", kAfterRate, "Retorna o valor presente líquido de fluxos de caixa periódicos a uma taxa de desconto."},
    {"XNPV", "XVPL", 3, 3, false, f::datedNetPresentValue, kFin, "taxa; valores; datas", rangeArg(1) | rangeArg(2), "Retorna o valor presente líquido de fluxos de caixa em datas não necessariamente periódicas."},
    {"IRR", "TIR", 1, 2, false, f::internalRateOfReturn, kFin, "valores; [estimativa]", rangeArg(0), "Retorna a taxa interna de retorno de fluxos de caixa periódicos."},
    {"XIRR", "XTIR", 2, 3, false, f::datedInternalRateOfReturn, kFin, "valores; datas; [estimativa]", kFlowsAndDates, "Retorna a taxa interna de retorno de fluxos de caixa em datas não necessariamente periódicas."},
    {"MIRR", "MTIR", 3, 3, false, f::modifiedInternalRateOfReturn, kFin, "valores; taxa_financ; taxa_reinvest", rangeArg(0), "Retorna a taxa interna de retorno modificada, com taxas diferentes para financiar e reinvestir."},
    {"FVSCHEDULE", "VFPLANO", 2, 2, false, f::futureValueSchedule, kFin, "capital; plano", rangeArg(1), "Retorna o valor futuro de um capital após uma série de taxas de juros compostos."},
    {"SLN", "DPD", 3, 3, false, f::straightLineDepreciation, kFin, "custo; recuperação; vida_útil", kScalarArgs, "Retorna a depreciação linear de um ativo em um período."},
    {"SYD", "SDA", 4, 4, false, f::sumOfYearsDepreciation, kFin, "custo; recuperação; vida_útil; per", kScalarArgs, "Retorna a depreciação de um ativo em um período pelo método da soma dos dígitos dos anos."},
    {"DB", "BD", 4, 5, false, f::fixedDecliningDepreciation, kFin, "custo; recuperação; vida_útil; período; [mês]", kScalarArgs, "Retorna a depreciação de um ativo em um período pelo método do saldo decrescente fixo."},
    {"DDB", "BDD", 4, 5, false, f::doubleDecliningDepreciation, kFin, "custo; recuperação; vida_útil; período; [fator]", kScalarArgs, "Retorna a depreciação de um ativo em um período pelo método do saldo decrescente duplo ou outro fator."},
    {"VDB", "BDV", 5, 7, false, f::variableDecliningDepreciation, kFin, "custo; recuperação; vida_útil; início_período; final_período; [fator]; [sem_mudança]", kScalarArgs, "Retorna a depreciação de um ativo entre dois períodos, mesmo parciais, pelo saldo decrescente."},
    {"EFFECT", "EFETIVA", 2, 2, false, f::effectiveRate, kFin, "taxa_nominal; núm_por_ano", kScalarArgs, "Retorna a taxa de juros anual efetiva."},
    {"NOMINAL", nullptr, 2, 2, false, f::nominalRate, kFin, "taxa_efetiva; núm_por_ano", kScalarArgs, "Retorna a taxa de juros nominal anual."},
    {"PDURATION", "DURAÇÃOP|DURACAOP|PDURAÇÃO|PDURACAO", 3, 3, false, f::periodsToReach, kFin, "taxa; vp; vf", kScalarArgs, "Retorna o número de períodos para um investimento atingir um valor desejado."},
    {"RRI", "TAXAJURO", 3, 3, false, f::equivalentGrowthRate, kFin, "nper; vp; vf", kScalarArgs, "Retorna uma taxa de juros equivalente para o crescimento de um investimento."},
    {"DOLLARDE", "MOEDADEC", 2, 2, false, f::dollarDecimal, kFin, "moeda_fracionária; fração", kScalarArgs, "Converte um preço expresso como fração em um preço expresso como número decimal."},
    {"DOLLARFR", "MOEDAFRA", 2, 2, false, f::dollarFraction, kFin, "moeda_decimal; fração", kScalarArgs, "Converte um preço expresso como número decimal em um preço expresso como fração."},
    {"ACCRINT", "JUROSACUM", 6, 8, false, f::accruedInterest, kFin, "emissão; primeiro_juro; liquidação; taxa; valor_nominal; frequência; [base]; [método_cálculo]", kScalarArgs, "Retorna os juros acumulados de um título que paga juros periódicos."},
    {"ACCRINTM", "JUROSACUMV", 4, 5, false, f::accruedInterestAtMaturity, kFin, "emissão; liquidação; taxa; valor_nominal; [base]", kScalarArgs, "Retorna os juros acumulados de um título que paga juros no vencimento."},
    {"COUPDAYBS", "CUPDIASINLIQ", 3, 4, false, f::couponDaysBeforeSettlement, kFin, kCoupon, kScalarArgs, "Retorna o número de dias do início do período de cupom até a data de liquidação."},
    {"COUPDAYS", "CUPDIAS", 3, 4, false, f::couponPeriodDays, kFin, kCoupon, kScalarArgs, "Retorna o número de dias do período de cupom que contém a data de liquidação."},
    {"COUPDAYSNC", "CUPDIASPRÓX|CUPDIASPROX", 3, 4, false, f::couponDaysToNext, kFin, kCoupon, kScalarArgs, "Retorna o número de dias da data de liquidação até a data do próximo cupom."},
    {"COUPNCD", "CUPDATAPRÓX|CUPDATAPROX", 3, 4, false, f::nextCouponDate, kFin, kCoupon, kScalarArgs, "Retorna a data do próximo cupom após a data de liquidação."},
    {"COUPNUM", "CUPNÚM|CUPNUM", 3, 4, false, f::couponCount, kFin, kCoupon, kScalarArgs, "Retorna o número de cupons a pagar entre as datas de liquidação e de vencimento."},
    {"COUPPCD", "CUPDATAANT", 3, 4, false, f::previousCouponDate, kFin, kCoupon, kScalarArgs, "Retorna a data do cupom anterior à data de liquidação."},
    {"DISC", "DESC", 4, 5, false, f::securityDiscountRate, kFin, "liquidação; vencimento; pr; resgate; [base]", kScalarArgs, "Retorna a taxa de desconto de um título."},
    {"DURATION", "DURAÇÃO|DURACAO", 5, 6, false, f::macaulayDuration, kFin, "liquidação; vencimento; cupom; lcr; frequência; [base]", kScalarArgs, "Retorna a duração anual de um título com pagamentos de juros periódicos."},
    {"MDURATION", "MDURAÇÃO|MDURACAO", 5, 6, false, f::modifiedDuration, kFin, "liquidação; vencimento; cupom; lcr; frequência; [base]", kScalarArgs, "Retorna a duração de Macaulay modificada de um título com valor nominal de 100."},
    {"INTRATE", "TAXAJUROS", 4, 5, false, f::securityInterestRate, kFin, "liquidação; vencimento; investimento; resgate; [base]", kScalarArgs, "Retorna a taxa de juros de um título totalmente investido."},
    {"PRICE", "PREÇO|PRECO", 6, 7, false, f::bondPrice, kFin, "liquidação; vencimento; taxa; lcr; resgate; frequência; [base]", kScalarArgs, "Retorna o preço por 100 de valor nominal de um título que paga juros periódicos."},
    {"PRICEDISC", "PREÇODESC|PRECODESC", 4, 5, false, f::discountedPrice, kFin, "liquidação; vencimento; desconto; resgate; [base]", kScalarArgs, "Retorna o preço por 100 de valor nominal de um título descontado."},
    {"PRICEMAT", "PREÇOVENC|PRECOVENC", 5, 6, false, f::priceAtMaturity, kFin, "liquidação; vencimento; emissão; taxa; lcr; [base]", kScalarArgs, "Retorna o preço por 100 de valor nominal de um título que paga juros no vencimento."},
    {"RECEIVED", "RECEBER|RECEBIDO", 4, 5, false, f::amountReceived, kFin, "liquidação; vencimento; investimento; desconto; [base]", kScalarArgs, "Retorna a quantia recebida no vencimento de um título totalmente investido."},
    {"TBILLEQ", "OTN", 3, 3, false, f::treasuryBillEquivalent, kFin, "liquidação; vencimento; desconto", kScalarArgs, "Retorna o rendimento de uma letra do Tesouro equivalente ao de um título."},
    {"TBILLPRICE", "OTNVALOR", 3, 3, false, f::treasuryBillPrice, kFin, "liquidação; vencimento; desconto", kScalarArgs, "Retorna o preço por 100 de valor nominal de uma letra do Tesouro."},
    {"TBILLYIELD", "OTNLUCRO", 3, 3, false, f::treasuryBillYield, kFin, "liquidação; vencimento; pr", kScalarArgs, "Retorna o rendimento de uma letra do Tesouro."},
    {"YIELD", "LUCRO", 6, 7, false, f::bondYield, kFin, "liquidação; vencimento; taxa; pr; resgate; frequência; [base]", kScalarArgs, "Retorna o rendimento de um título que paga juros periódicos."},
    {"YIELDDISC", "LUCRODESC", 4, 5, false, f::discountedYield, kFin, "liquidação; vencimento; pr; resgate; [base]", kScalarArgs, "Retorna o rendimento anual de um título descontado."},
    {"YIELDMAT", "LUCROVENC", 5, 6, false, f::yieldAtMaturity, kFin, "liquidação; vencimento; emissão; taxa; pr; [base]", kScalarArgs, "Retorna o rendimento anual de um título que paga juros no vencimento."},
    {"AMORDEGRC", nullptr, 6, 7, false, f::degressiveAmortization, kFin, "custo; data_aquisição; prim_período; recuperação; período; taxa; [base]", kScalarArgs, "Retorna a depreciação de cada período contábil com um coeficiente de depreciação, no sistema francês."},
    {"AMORLINC", nullptr, 6, 7, false, f::linearAmortization, kFin, "custo; data_aquisição; prim_período; recuperação; período; taxa; [base]", kScalarArgs, "Retorna a depreciação linear de cada período contábil, no sistema francês."},
    {"ODDFPRICE", "PREÇOPRIMINC|PRECOPRIMINC", 8, 9, false, f::oddFirstPrice, kFin, "liquidação; vencimento; emissão; prim_cupom; taxa; lcr; resgate; frequência; [base]", kScalarArgs, "Retorna o preço por 100 de valor nominal de um título com o primeiro período incompleto."},
    {"ODDFYIELD", "LUCROPRIMINC", 8, 9, false, f::oddFirstYield, kFin, "liquidação; vencimento; emissão; prim_cupom; taxa; pr; resgate; frequência; [base]", kScalarArgs, "Retorna o rendimento de um título com o primeiro período incompleto."},
    {"ODDLPRICE", "PREÇOÚLTINC|PRECOULTINC", 7, 8, false, f::oddLastPrice, kFin, "liquidação; vencimento; último_juros; taxa; lcr; resgate; frequência; [base]", kScalarArgs, "Retorna o preço por 100 de valor nominal de um título com o último período incompleto."},
    {"ODDLYIELD", "LUCROÚLTINC|LUCROULTINC", 7, 8, false, f::oddLastYield, kFin, "liquidação; vencimento; último_juros; taxa; pr; resgate; frequência; [base]", kScalarArgs, "Retorna o rendimento de um título com o último período incompleto."},
});

}  // namespace

std::span<const BuiltinFunction> financialTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
