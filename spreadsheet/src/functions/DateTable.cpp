#include "DateFunctions.h"
#include "FunctionTables.h"

#include <array>

namespace spreadsheet::functions {

namespace f = functions;

namespace {

constexpr auto kDateTime = FunctionGroup::DateTime;

constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"TIME", "TEMPO", 3, 3, false, f::time, kDateTime, "hora; minuto; segundo", kScalarArgs,
     "Retorna o número decimal de um horário dado em horas, minutos e segundos."},
    {"HOUR", "HORA", 1, 1, false, f::hour, kDateTime, "núm_série", kScalarArgs,
     "Retorna a hora de um valor de tempo, de 0 a 23."},
    {"MINUTE", "MINUTO", 1, 1, false, f::minute, kDateTime, "núm_série", kScalarArgs,
     "Retorna os minutos de um valor de tempo, de 0 a 59."},
    {"SECOND", "SEGUNDO", 1, 1, false, f::second, kDateTime, "núm_série", kScalarArgs,
     "Retorna os segundos de um valor de tempo, de 0 a 59."},
    {"WEEKDAY", "DIA.DA.SEMANA", 1, 2, false, f::weekday, kDateTime, "núm_série; [retornar_tipo]", kScalarArgs,
     "Retorna o dia da semana de uma data, como um número de 1 a 7 por padrão."},
    {"WEEKNUM", "NÚMSEMANA|NUMSEMANA", 1, 2, false, f::weekNumber, kDateTime, "núm_série; [retornar_tipo]",
     kScalarArgs, "Retorna o número da semana do ano em que cai uma data."},
    {"ISOWEEKNUM", "NÚMSEMANAISO|NUMSEMANAISO", 1, 1, false, f::isoWeekNumber, kDateTime, "data", kScalarArgs,
     "Retorna o número da semana ISO do ano em que cai uma data."},
    {"DAYS", "DIAS", 2, 2, false, f::days, kDateTime, "data_final; data_inicial", kScalarArgs,
     "Retorna o número de dias entre duas datas."},
    {"DAYS360", "DIAS360", 2, 3, false, f::days360, kDateTime, "data_inicial; data_final; [método]", kScalarArgs,
     "Retorna o número de dias entre duas datas num ano de 360 dias, de doze meses de 30 dias."},
    {"DATEDIF", "DATADIF", 3, 3, false, f::dateDif, kDateTime, "data_inicial; data_final; unidade", kScalarArgs,
     "Retorna o número de anos, meses ou dias completos entre duas datas."},
    {"YEARFRAC", "FRAÇÃOANO|FRACAOANO", 2, 3, false, f::yearFrac, kDateTime, "data_inicial; data_final; [base]",
     kScalarArgs, "Retorna a fração do ano representada pelos dias entre duas datas."},
    {"DATEVALUE", "DATA.VALOR", 1, 1, false, f::dateValue, kDateTime, "texto_data", kScalarArgs,
     "Converte uma data escrita como texto no seu número de série."},
    {"TIMEVALUE", "VALOR.TEMPO", 1, 1, false, f::timeValue, kDateTime, "texto_hora", kScalarArgs,
     "Converte um horário escrito como texto no seu número decimal, de 0 a menos de 1."},
    {"NETWORKDAYS", "DIATRABALHOTOTAL", 2, 3, false, f::networkDays, kDateTime, "data_inicial; data_final; [feriados]",
     rangeArg(2), "Retorna o número de dias úteis entre duas datas, sem fins de semana e feriados."},
    {"NETWORKDAYS.INTL", "DIATRABALHOTOTAL.INTL", 2, 4, false, f::networkDaysIntl, kDateTime,
     "data_inicial; data_final; [fimdesemana]; [feriados]", rangeArg(3),
     "Retorna o número de dias úteis entre duas datas, com os dias de fim de semana escolhidos."},
    {"WORKDAY", "DIATRABALHO", 2, 3, false, f::workday, kDateTime, "data_inicial; dias; [feriados]", rangeArg(2),
     "Retorna a data que fica um número de dias úteis antes ou depois da data inicial."},
    {"WORKDAY.INTL", "DIATRABALHO.INTL", 2, 4, false, f::workdayIntl, kDateTime,
     "data_inicial; dias; [fimdesemana]; [feriados]", rangeArg(3),
     "Retorna a data que fica um número de dias úteis antes ou depois, com os dias de fim de semana escolhidos."},
});

}  // namespace

std::span<const BuiltinFunction> dateTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
