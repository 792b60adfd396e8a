#pragma once

#include <QString>
#include <QStringView>

#include <span>

// The query texts of the payroll functions, the event-mask formatter and the
// movement of a generation run, as the database services receive them before
// dialect translation and formatting. A query with joins that only a filter
// needs is kept in pieces and composed for the run's conditions. UTF-8.

namespace payroll {

// A piece of a query text. A piece with an alias is a join that no selected
// column reads: it is written only when a condition of the run names the
// alias, so that a run without that filter does not pay for the join.
struct ParteConsulta {
    const char* texto;
    const char* alias = nullptr;
    // The accounting-location join, written for the table alias whose
    // employee it reads and the competence column it is taken at.
    const char* dono = nullptr;
    const char* competencia = nullptr;
};

// The accounting location in force at a competence (FLC) is the employee's
// row of the latest option date up to the competence's last day. Each row is
// read with the next option date, aggregated once per employee, so that the
// row in force is found by a range join rather than by a maximum taken again
// for every row of the query.
inline constexpr const char* SqlJuncaoLocalContabil =
    R"SQL( LEFT JOIN (SELECT FLCA.CODIGOEMPRESA, FLCA.CODIGOFUNCCONTR, FLCA.DATAOPCAO, FLCA.CODIGOLOCALCTB, MIN(FLCP.DATAOPCAO) PROXIMAOPCAO FROM FUNCLOCALCTB FLCA LEFT JOIN FUNCLOCALCTB FLCP ON FLCP.CODIGOEMPRESA = FLCA.CODIGOEMPRESA AND FLCP.CODIGOFUNCCONTR = FLCA.CODIGOFUNCCONTR AND FLCP.DATAOPCAO > FLCA.DATAOPCAO GROUP BY FLCA.CODIGOEMPRESA, FLCA.CODIGOFUNCCONTR, FLCA.DATAOPCAO, FLCA.CODIGOLOCALCTB) FLC ON FLC.CODIGOEMPRESA = %1.CODIGOEMPRESA AND FLC.CODIGOFUNCCONTR = %1.CODIGOFUNCCONTR AND FLC.DATAOPCAO <= {TIMESTAMPADD(DAY, - {EXTRACT(DAY, {TIMESTAMPADD(MONTH, 1, CAST(%2 AS DATE))})} , {TIMESTAMPADD(MONTH, 1, CAST(%2 AS DATE))})} AND (FLC.PROXIMAOPCAO IS NULL OR FLC.PROXIMAOPCAO > {TIMESTAMPADD(DAY, - {EXTRACT(DAY, {TIMESTAMPADD(MONTH, 1, CAST(%2 AS DATE))})} , {TIMESTAMPADD(MONTH, 1, CAST(%2 AS DATE))})}) )SQL";

inline constexpr ParteConsulta JuncaoLocalContabil(const char* dono, const char* competencia)
{
    return {nullptr, "FLC", dono, competencia};
}

inline QString TextoParte(const ParteConsulta& parte)
{
    if (!parte.dono)
        return QString::fromUtf8(parte.texto);
    return QString::fromUtf8(SqlJuncaoLocalContabil)
        .replace(QLatin1String("%1"), QLatin1String(parte.dono))
        .replace(QLatin1String("%2"), QLatin1String(parte.competencia));
}

// Whether the condition text refers to a column of the alias ("FLC.x").
inline bool NomeiaAlias(QStringView condicoes, QStringView alias)
{
    for (qsizetype i = condicoes.indexOf(alias, 0, Qt::CaseInsensitive); i >= 0;
         i = condicoes.indexOf(alias, i + 1, Qt::CaseInsensitive)) {
        const qsizetype fim = i + alias.size();
        const bool inicio = i == 0 || !(condicoes[i - 1].isLetterOrNumber() || condicoes[i - 1] == u'_');
        if (inicio && fim < condicoes.size() && condicoes[fim] == u'.')
            return true;
    }
    return false;
}

// The text of a query for the given conditions: every fixed piece, and the
// optional joins that the conditions need.
inline QString ComporConsulta(std::span<const ParteConsulta> partes, QStringView condicoes)
{
    QString texto;
    for (const ParteConsulta& parte : partes) {
        if (!parte.alias || NomeiaAlias(condicoes, QString::fromLatin1(parte.alias)))
            texto += TextoParte(parte);
    }
    return texto;
}

// The text with every optional join, as a run that filters by all of them sends it.
inline QString ConsultaCompleta(std::span<const ParteConsulta> partes)
{
    QString texto;
    for (const ParteConsulta& parte : partes)
        texto += TextoParte(parte);
    return texto;
}


// fpaFunc: employee registration record of every selected company; %0:s is the condition.
inline constexpr ParteConsulta SqlFuncionario[] = {
    {R"SQL(Select DISTINCT F.CodigoEmpresa,       F.CodigoFuncContr,       FP.NomeFunc,       FP.ApelidoFunc,       FP.CPFFunc,       FP.DataNasc,       F.DataAdm,       F.DataDem,       FL.CodigoEstab,       FTD.NUMEROCTPS,       FTD.SERIECTPS,       FP.PISFUNC,       FP.NUMERORG,       FP.TITELEIT,       FP.CNHFUNC,       Fp.CATEGCNH,       Fp.VALIDCNH,       FP.DDDFone,       FP.NumeroFone,       FP.EnderEletr,       TL.DescrTipoLograd LogradFunc,       FP.EnderFunc,       FP.NumeroEnder,       FP.ComplEnder,       FP.BairroFunc,       FP.SiglaEstado,       FP.CodigoMunic,       M.NomeMunic,       FP.CEPFunc from FuncContrato F Join FuncPessoa FP    on FP.CodigoFuncPessoa = F.CodigoFuncPessoa join FuncPerCalculo FPC   on FPC.CodigoEmpresa = F.CodigoEmpresa  and FPC.CodigoFuncContr = F.CodigoFuncContr join PeriodoCalculo PC   on PC.CodigoEmpresa = FPC.CodigoEmpresa  and PC.CodigoPerCalculo = FPC.CodigoPerCalculo   left join TipoLogradouro TL   on TL.CodigoTipoLograd = FP.CodigoTipoLograd   left join Municipio M   on M.SiglaEstado = FP.SiglaEstado  and M.CodigoMunic = FP.CodigoMunic left join FuncLocal FL   on FL.CodigoEmpresa = F.CodigoEmpresa  and FL.CodigoFuncContr = F.CodigoFuncContr  and FL.DataTransf = FPC.DataLocal   LEFT JOIN (SELECT FTD.CODIGOEMPRESA,                   FTD.CODIGOFUNCCONTR,                MAX(FTD.DATAINICIAL) DATAINICIAL              FROM FUNCCTPS FTD            GROUP BY FTD.CODIGOEMPRESA, FTD.CODIGOFUNCCONTR) FCTD               ON FCTD.CODIGOEMPRESA = F.CODIGOEMPRESA              AND FCTD.CODIGOFUNCCONTR = F.CODIGOFUNCCONTR  LEFT JOIN FUNCCTPS FTD               ON FTD.CODIGOEMPRESA = F.CODIGOEMPRESA              AND FTD.CODIGOFUNCCONTR = F.CODIGOFUNCCONTR              AND FTD.DATAINICIAL = FCTD.DATAINICIAL)SQL"},
    JuncaoLocalContabil("FL", "PC.COMPET"),
    {R"SQL( where   %0:s order by F.CodigoEmpresa,         F.CodigoFuncContr,         FL.CodigoEstab)SQL"},
};

// The event table read by the event-mask formatter.
inline constexpr const char* SqlEventoMascara =
    R"SQL(  select CodigoEvento,         CodigoProced,         CodigoEstrut,         ReferEvento    from Evento order by 1)SQL";

// fpaEvValor, fpaEvBase, fpaEvRefer: calculated events; %0:s is the condition.
inline constexpr ParteConsulta SqlCalculoEvento[] = {
    {R"SQL(SELECT CE.CODIGOEMPRESA,       FL.CODIGOESTAB,       CE.CodigoFuncContr,       CE.CODIGOEVENTO,    CE.BASEEVENTO,    CE.REFEREVENTO,    CE.VALOREVENTO,    FL.CLASSIFORGAN  FROM CALCULOEVENTO CE  JOIN FUNCPERCALCULO FP    ON FP.CODIGOEMPRESA = CE.CODIGOEMPRESA   AND FP.CodigoFuncContr = CE.CodigoFuncContr   AND FP.CODIGOPERCALCULO = CE.CODIGOPERCALCULO JOIN PERIODOCALCULO PC  ON PC.CODIGOEMPRESA = FP.CODIGOEMPRESA AND PC.CODIGOPERCALCULO = FP.CODIGOPERCALCULO  JOIN FUNCLOCAL FL    ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA   AND FL.CodigoFuncContr = FP.CodigoFuncContr   AND FL.DATATRANSF = FP.DATALOCAL)SQL"},
    JuncaoLocalContabil("FP", "PC.COMPET"),
    {R"SQL( WHERE  %0:s)SQL"},
};

// fpaRat...: apportioned events; %0:s, %1:s, %2:s are the company, establishment and period conditions.
inline constexpr const char* SqlCalculoRateio =
    R"SQL(SELECT CR.CODIGOEMPRESA,       FL.CODIGOESTAB,       CR.CODIGOOUTEMP,    CR.CODIGOCENTROCUSTO,    CR.CodigoFuncContr,    CR.CODIGOEVENTO,    CR.BASEEVENTO,    CR.REFEREVENTO,    CR.VALOREVENTO,       FL.CLASSIFORGAN,       CR.CODIGOPROFTIPOAULA FROM CALCULORATEIO CR  JOIN FUNCPERCALCULO FP    ON FP.CODIGOEMPRESA = CR.CODIGOEMPRESA   AND FP.CodigoFuncContr = CR.CodigoFuncContr   AND FP.CODIGOPERCALCULO = CR.CODIGOPERCALCULO  JOIN FUNCLOCAL FL    ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA   AND FL.CodigoFuncContr = FP.CodigoFuncContr   AND FL.DATATRANSF = FP.DATALOCAL WHERE  %0:s %1:s %2:s)SQL";

// fpaFuncTotais: head counts per period; %0:s company, %1:s period condition.
inline constexpr const char* SqlFuncTotais =
    R"SQL(Select P.CodigoEmpresa,      (select Count(1) from FuncPercalculo F                        join FuncContrato FC                          on FC.CodigoEmpresa = F.CodigoEmpresa                        and FC.CodigoFuncContr = F.CodigoFuncContr                      where F.CodigoEmpresa = P.CodigoEmpresa                        and F.CodigoPercalculo = P.CodigoPercalculo                         and FC.DataDem is Null) as Ativos,       (select Count(1) from FuncContrato F         where F.CodigoEmpresa = P.CodigoEmpresa           and F.dataAdm between P.DATAINICIALFOLHA and P.DATAFINALFOLHA) as Admitidos,       (select Count(1) from FuncContrato F         where F.CodigoEmpresa = P.CodigoEmpresa           and F.datadem between P.DATAINICIALFOLHA and P.DATAFINALFOLHA) as Demitidos,       (select Count(1) from ReciboFerias F         where F.CodigoEmpresa = P.CodigoEmpresa           and ((F.DataInicialFerias between P.DATAINICIALFOLHA and P.DATAFINALFOLHA)            or (F.DataFinalFerias between P.DATAINICIALFOLHA and P.DATAFINALFOLHA)           or (P.DATAINICIALFOLHA between F.DATAINICIALFerias and F.DATAFINALFERIAS))) as Ferias from PeriodoCalculo P where %0:s      %1:s order by P.CodigoEmpresa)SQL";

// fpaGPS: GPS configuration in force at :DataInicial; %0:s company condition.
inline constexpr const char* SqlGps =
    R"SQL(select gps1.CODIGOEMPRESA     , cef.CodigoEstab     , gps1.CODIGOTABGPS     , gps1.DATAINICIAL     , gps1.CODIGOIMPOSTO     , gps1.VARIACAOIMPOSTO     , gps1.CODIGOIMPOSTO13     , gps1.VARIACAOIMPOSTO13     , gps1.CODIGOIMPOSTOTERC     , gps1.VARIACAOIMPOSTOTERC     , gps1.CODIGOIMPOSTOTERC13     , gps1.VARIACAOIMPOSTOTERC13     , gps1.CODIGOFPAS     , gps1.CODIGOACIDTRAB     , gps1.TERCEIROS     , gps1.PERCPARTEEMP     , gps1.PERCENTFINANC     , gps1.PERCPRODRURAIS     , gps1.PERCPARTESAT     , gps1.PERCPARTETERC     , gps1.PERCDIRAUTON     , gps1.PERCISENCAOFILANT     , gps1.PERCACRESCFAP     , gps1.PERCCOOPTRAB  from GPS gps1  join CfgEstabFpa cef    on cef.CodigoEmpresa = gps1.CodigoEmpresa   and cef.CODIGOTABGPS = gps1.CODIGOTABGPS   where %0:s   and gps1.DataInicial = (select max(gps2.DataInicial)                             from gps gps2                            where gps2.CodigoEmpresa = gps1.CodigoEmpresa                              and gps2.CodigoTabGPS = gps1.CodigoTabGPS                              and gps2.DataInicial <= :DataInicial) order by gps1.CodigoEmpresa, cef.CodigoEstab, gps1.DataInicial)SQL";

// fpaImpCalc: taxes of the run; %0:s is used in both halves of the union.
inline constexpr ParteConsulta SqlImpostoCalculo[] = {
    {R"SQL(SELECT I.CODIGOEMPRESA,  I.CODIGOFUNCCONTR,  I.CODIGOESTAB,  I.CLASSIFORGAN,  I.CODIGOCENTROCUSTO,  I.CODIGOOUTEMP,  I.VALORFGTSNORM,  I.VALORFGTS13,  I.VALORADICFGTSNORM,  I.VALORADICFGTS13,  I.BASEFGTSNORM,  I.BASEFGTS13,  I.BASEFGTS13COMPL,  I.BASEFGTS13ADTO,  I.SALINSSADIC,  I.SALINSSCOMIS,  I.SALINSSHORAEXTRA,  I.SALINSS1TERCFERIAS,  I.SALINSSFIXO,  I.SALINSSCONTRIB,  I.BASEINSSEMP,  I.BASEINSS13EMP,  I.BASEINSSFUNC,  I.BASEINSS13FUNC,  I.VALORINSS,  I.VALORINSS13,  I.INSSPARTEEMP,  I.INSSENTFINANC,  I.INSSPARTESAT,  I.INSSPARTETERC,  I.INSSDIRAUTON,  I.INSSSALEDUCACAO,  I.INSSINCRA,  I.INSSSENAI,  I.INSSSESI,  I.INSSSENAC,  I.INSSSEST,  I.INSSSENAT,  I.INSSSESC,  I.INSSSEBRAE,  I.INSSDPC,  I.INSSFAER,  I.INSSSESCOOP,  I.INSSSENAR,  I.ISENCAOFILANTROPICA,  I.ACRESFAP,  I.ISENCAOCONVENIOS,  I.SALFAMILIA,  I.DEDUCAO,  I.ACRESSAT,  I.BASEPISNORM,  I.BASEPIS13,  I.VALORPISNORM,  I.VALORPIS13,  I.REMUNERACAO,  I.CODIGOPERCALCULO FROM IMPOSTOCALCULO I  JOIN PERIODOCALCULO PC   ON PC.CODIGOEMPRESA = I.CODIGOEMPRESA  AND PC.CODIGOPERCALCULO  = I.CODIGOPERCALCULO)SQL"},
    JuncaoLocalContabil("I", "PC.COMPET"),
    {R"SQL( WHERE I.CLASSIFORGAN IS NOT NULL  AND I.COMPROCESSO = '1'  %0:s UNION                                          SELECT I.CODIGOEMPRESA,  I.CODIGOFUNCCONTR,  I.CODIGOESTAB,  FL.CLASSIFORGAN,  I.CODIGOCENTROCUSTO,  I.CODIGOOUTEMP,  I.VALORFGTSNORM,  I.VALORFGTS13,  I.VALORADICFGTSNORM,  I.VALORADICFGTS13,  I.BASEFGTSNORM,  I.BASEFGTS13,  I.BASEFGTS13COMPL,  I.BASEFGTS13ADTO,  I.SALINSSADIC,  I.SALINSSCOMIS,  I.SALINSSHORAEXTRA,  I.SALINSS1TERCFERIAS,  I.SALINSSFIXO,  I.SALINSSCONTRIB,  I.BASEINSSEMP,  I.BASEINSS13EMP,  I.BASEINSSFUNC,  I.BASEINSS13FUNC,  I.VALORINSS,  I.VALORINSS13,  I.INSSPARTEEMP,  I.INSSENTFINANC,  I.INSSPARTESAT,  I.INSSPARTETERC,  I.INSSDIRAUTON,  I.INSSSALEDUCACAO,  I.INSSINCRA,  I.INSSSENAI,  I.INSSSESI,  I.INSSSENAC,  I.INSSSEST,  I.INSSSENAT,  I.INSSSESC,  I.INSSSEBRAE,  I.INSSDPC,  I.INSSFAER,  I.INSSSESCOOP,  I.INSSSENAR,  I.ISENCAOFILANTROPICA,  I.ACRESFAP,  I.ISENCAOCONVENIOS,  I.SALFAMILIA,  I.DEDUCAO,  I.ACRESSAT,  I.BASEPISNORM,  I.BASEPIS13,  I.VALORPISNORM,  I.VALORPIS13,  I.REMUNERACAO,  I.CODIGOPERCALCULO FROM IMPOSTOCALCULO I JOIN FUNCPERCALCULO FP  ON FP.CODIGOEMPRESA = I.CODIGOEMPRESA AND FP.CodigoFuncContr = I.CodigoFuncContr AND FP.CODIGOPERCALCULO = I.CODIGOPERCALCULO JOIN PERIODOCALCULO PC   ON PC.CODIGOEMPRESA = FP.CODIGOEMPRESA  AND PC.CODIGOPERCALCULO  = FP.CODIGOPERCALCULO JOIN FUNCLOCAL FL  ON FL.CODIGOEMPRESA = FP.CODIGOEMPRESA AND FL.CodigoFuncContr = FP.CodigoFuncContr AND FL.DATATRANSF = FP.DATALOCAL)SQL"},
    JuncaoLocalContabil("I", "PC.COMPET"),
    {R"SQL( WHERE I.CLASSIFORGAN IS NULL  AND I.COMPROCESSO = '1'  %0:s ORDER BY 1,2)SQL"},
};

// fpaFuncHistCargo: position in force at :pDataInicial.
inline constexpr const char* SqlHistCargo =
    R"SQL(Select FC.CodigoCargo,       C.DescrCargo,       C.CBO  from FuncCargo FC  join Cargo C    on C.CodigoCargo = FC.CodigoCargo where FC.CodigoEmpresa = :pCodigoEmpresa   and FC.CodigoFuncContr = :pCodigoFuncContr   and FC.DataInicial = (Select Max(FCa.DataInicial)                           from FuncCargo FCa                          where FCa.CodigoEmpresa = FC.CodigoEmpresa                            and FCa.CodigoFuncContr = FC.CodigoFuncContr                            and FCa.DataInicial <= :pDataInicial))SQL";

// fpaFuncHistEscala: work schedule in force at :pDataInicial.
inline constexpr const char* SqlHistEscala =
    R"SQL(Select E.CodigoEscala,       E.DESCRESCALA,    FE.DataInicial,    CAST(case when FE.REGIMEJOR = 1 then 'Submetidos a Horário de Trabalho (Cap. II da CLT)'              when FE.REGIMEJOR = 2 then 'Atividade Externa especificada no Inciso I do Art. 62 da CLT'              when FE.REGIMEJOR = 3 then 'Funções específicadas no Inciso II do Art. 62 da CLT' end as VARCHAR(60)) REGIMEJOR  from FuncEscala FE  join Escala E    on E.CodigoEscala = FE.CodigoEscala where FE.CodigoEmpresa = :pCodigoEmpresa   and FE.CodigoFuncContr = :pCodigoFuncContr   and FE.DataInicial = (Select Max(FEa.DataInicial)                           from FuncEscala FEa                          where FEa.CodigoEmpresa = FE.CodigoEmpresa                            and FEa.CodigoFuncContr = FE.CodigoFuncContr                            and FEa.DataInicial <= :pDataInicial))SQL";

// fpaFuncHistSalario: salary in force at :pDataInicial, greatest sequence of that date.
inline constexpr const char* SqlHistSalario =
    R"SQL(Select FS.TIPOSALARIO,       FS.VALORSAL,       M.DescrMotivo,    FS.DataInicial  from FuncSalario FS  join Motivo M    on M.CodigoMotivo = FS.CodigoMotivo where FS.CodigoEmpresa   = :pCodigoEmpresa   and FS.CodigoFuncContr = :pCodigoFuncContr   and FS.DataInicial     = (Select Max(FSa.DataInicial)                               from FuncSalario FSa                              where FSa.CodigoEmpresa = FS.CodigoEmpresa                                and FSa.CodigoFuncContr = FS.CodigoFuncContr                                and FSa.DataInicial <= :pDataInicial)   and FS.SEQ     = (Select Max(FSa.SEQ)                               from FuncSalario FSa                              where FSa.CodigoEmpresa = FS.CodigoEmpresa                                and FSa.CodigoFuncContr = FS.CodigoFuncContr                                and FSa.DataInicial = FS.DataInicial))SQL";

// fpaFuncHistSindicato: union in force at :pDataInicial.
inline constexpr const char* SqlHistSindicato =
    R"SQL(Select S.CodigoSind     , S.NOMESIND     , FS.DATAINICIAL     , FS.SINDICALIZADO     , FS.DESCMENSSIND     , FS.DESCCUSTCONFED     , FS.DESCTAXAASSIST     , FS.DESCONTAREVSAL     , FS.DESCCONTRIBSIND     , FS.MESCONTRIBSIND  from FuncSindicato FS  join Sindicato S    on S.CodigoSind = FS.CodigoSind where FS.CodigoEmpresa = :pCodigoEmpresa   and FS.CodigoFuncContr = :pCodigoFuncContr   and FS.DataInicial = (Select Max(FSa.DataInicial)                           from FuncSindicato FSa                          where FSa.CodigoEmpresa = FS.CodigoEmpresa                            and FSa.CodigoFuncContr = FS.CodigoFuncContr                            and FSa.DataInicial <= :pDataInicial))SQL";

// fpaProvFer on the old vacation table.
inline constexpr ParteConsulta SqlProvisaoFeriasAntiga[] = {
    {R"SQL(SELECT P.CODIGOEMPRESA     , P.COMPET     , FL.CODIGOESTAB     , FL.CLASSIFORGAN     , P.CodigoFuncContr     , CAST(SUM(P.AVOS) AS NUMERIC(18, 2)) AVOS     , CAST(SUM(P.SALBASE) AS NUMERIC(18, 2)) SALBASE     , CAST(SUM(P.ADICIONAL) AS NUMERIC(18, 2)) ADICIONAL     , CAST(SUM(P.MEDIAHORAEXTRA) AS NUMERIC(18, 2)) MEDIAHORAEXTRA     , CAST(SUM(P.MEDIAVALORVAR) AS NUMERIC(18, 2)) MEDIAVALORVAR     , CAST(SUM(P.AJUSTE) AS NUMERIC(18, 2)) AJUSTE     , CAST(SUM(P.AJUSTE1TERC) AS NUMERIC(18, 2)) AJUSTE1TERC     , CAST(SUM(P.AJUSTEINSS) AS NUMERIC(18, 2)) AJUSTEINSS     , CAST(SUM(P.AJUSTEFGTS) AS NUMERIC(18, 2)) AJUSTEFGTS     , CAST(SUM(P.AJUSTEPIS) AS NUMERIC(18, 2)) AJUSTEPIS     , CAST(SUM(P.MES) AS NUMERIC(18, 2)) MES     , CAST(SUM(P.MES1TERC) AS NUMERIC(18, 2)) MES1TERC     , CAST(SUM(P.MESINSS) AS NUMERIC(18, 2)) MESINSS     , CAST(SUM(P.MESFGTS) AS NUMERIC(18, 2)) MESFGTS     , CAST(SUM(P.MESPIS) AS NUMERIC(18, 2)) MESPIS     , CAST(SUM(P.FERIASPAGAS) AS NUMERIC(18, 2)) FERIASPAGAS     , CAST(SUM(P.FERIASPAGAS1TERC) AS NUMERIC(18, 2)) FERIASPAGAS1TERC     , CAST(SUM(P.FERIASPAGASINSS) AS NUMERIC(18, 2)) FERIASPAGASINSS     , CAST(SUM(P.FERIASPAGASFGTS) AS NUMERIC(18, 2)) FERIASPAGASFGTS     , CAST(SUM(P.FERIASPAGASPIS) AS NUMERIC(18, 2)) FERIASPAGASPIS     , CAST(SUM(P.DIFERPGTO) AS NUMERIC(18, 2)) DIFERPGTO     , CAST(SUM(P.DIFERPGTOINSS) AS NUMERIC(18, 2)) DIFERPGTOINSS     , CAST(SUM(P.DIFERPGTOFGTS) AS NUMERIC(18, 2)) DIFERPGTOFGTS     , CAST(SUM(P.DIFERPGTOPIS) AS NUMERIC(18, 2)) DIFERPGTOPIS     , CAST(SUM(P.SALDO) AS NUMERIC(18, 2)) SALDO     , CAST(SUM(P.SALDO1TERC) AS NUMERIC(18, 2)) SALDO1TERC     , CAST(SUM(P.SALDOINSS) AS NUMERIC(18, 2)) SALDOINSS     , CAST(SUM(P.SALDOFGTS) AS NUMERIC(18, 2)) SALDOFGTS     , CAST(SUM(P.SALDOPIS) AS NUMERIC(18, 2)) SALDOPIS  FROM PROVISAOFERIAS P  JOIN FUNCLOCAL FL    ON FL.CODIGOEMPRESA = P.CODIGOEMPRESA   AND FL.CodigoFuncContr = P.CodigoFuncContr   AND FL.DATATRANSF = (SELECT MAX(FL1.DATATRANSF)                          FROM FUNCLOCAL FL1                         WHERE FL1.CODIGOEMPRESA = FL.CODIGOEMPRESA                           AND FL1.CodigoFuncContr = FL.CodigoFuncContr                           AND FL1.DATATRANSF <= {TIMESTAMPADD(DAY, - {EXTRACT(DAY, {TIMESTAMPADD(MONTH, 1, P.COMPET)})} , {TIMESTAMPADD(MONTH, 1,  P.COMPET)})}))SQL"},
    JuncaoLocalContabil("P", "P.COMPET"),
    {R"SQL( WHERE P.COMPET between :pCompetIni and :pCompetFim %0:s GROUP BY P.CODIGOEMPRESA,          P.COMPET,          FL.CODIGOESTAB,          FL.CLASSIFORGAN,          P.CodigoFuncContr ORDER BY P.CODIGOEMPRESA,          P.COMPET)SQL"},
};

// fpaProvFer on the day-based vacation table.
inline constexpr ParteConsulta SqlProvisaoFeriasEmDias[] = {
    {R"SQL(SELECT P.CODIGOEMPRESA      , P.COMPET      , P.CODIGOESTAB       , FL.CLASSIFORGAN      , P.CODIGOFUNCCONTR      , CAST(SUM(COALESCE(P.AVOS,0)) AS NUMERIC(18, 2)) AVOS     , CAST(SUM(COALESCE(P.SALARIOBASE,0)) AS NUMERIC(18, 2)) SALBASE      , CAST(SUM(COALESCE(P.ADICIONAL,0)) AS NUMERIC(18, 2)) ADICIONAL      , CAST(SUM(COALESCE(P.MEDIAHORAEXTRA,0)) AS NUMERIC(18, 2)) MEDIAHORAEXTRA      , CAST(SUM(COALESCE(P.MEDIAVALORVARIAVEL,0)) AS NUMERIC(18, 2)) MEDIAVALORVAR      , CAST(SUM(COALESCE(P.AJUSTEREMUNERACAO,0)) AS NUMERIC(18, 2)) AJUSTE      , CAST(SUM(COALESCE(P.AJUSTETERCOFERIAS,0)) AS NUMERIC(18, 2)) AJUSTE1TERC       , CAST(SUM(COALESCE(P.AJUSTEINSS,0)) AS NUMERIC(18, 2)) AJUSTEINSS      , CAST(SUM(COALESCE(P.AJUSTEFGTS,0)) AS NUMERIC(18, 2)) AJUSTEFGTS      , CAST(SUM(COALESCE(P.AJUSTEPIS,0)) AS NUMERIC(18, 2)) AJUSTEPIS      , CAST(SUM(COALESCE(P.PROVISAOMESREMUNERACAO,0)) AS NUMERIC(18, 2)) MES      , CAST(SUM(COALESCE(P.PROVISAOMESTERCOFERIAS,0)) AS NUMERIC(18, 2)) MES1TERC      , CAST(SUM(COALESCE(P.PROVISAOMESINSS,0)) AS NUMERIC(18, 2)) MESINSS      , CAST(SUM(COALESCE(P.PROVISAOMESFGTS,0)) AS NUMERIC(18, 2)) MESFGTS       , CAST(SUM(COALESCE(P.PROVISAOMESPIS,0)) AS NUMERIC(18, 2)) MESPIS      , CAST(SUM(COALESCE(P.PAGOREMUNERACAO,0)) AS NUMERIC(18, 2)) FERIASPAGAS      , CAST(SUM(COALESCE(P.PAGOTERCOFERIAS,0)) AS NUMERIC(18, 2)) FERIASPAGAS1TERC        , CAST(SUM(COALESCE(P.PAGOINSS,0)) AS NUMERIC(18, 2)) FERIASPAGASINSS      , CAST(SUM(COALESCE(P.PAGOFGTS,0)) AS NUMERIC(18, 2)) FERIASPAGASFGTS       , CAST(SUM(COALESCE(P.PAGOPIS,0)) AS NUMERIC(18, 2)) FERIASPAGASPIS      , CAST((SUM(COALESCE(P.DIFERENCAPAGAMENTOREMUNERACAO,0)) +              SUM(COALESCE(P.DIFERENCAPAGAMENTOTERCOFERIAS,0))) AS NUMERIC(18, 2)) DIFERPGTO      , CAST(SUM(COALESCE(P.DIFERENCAPAGAMENTOINSS,0)) AS NUMERIC(18, 2)) DIFERPGTOINSS      , CAST(SUM(COALESCE(P.DIFERENCAPAGAMENTOFGTS,0)) AS NUMERIC(18, 2)) DIFERPGTOFGTS      , CAST(SUM(COALESCE(P.DIFERENCAPAGAMENTOPIS,0)) AS NUMERIC(18, 2)) DIFERPGTOPIS       , CAST(SUM(COALESCE(P.SALDOFINALREMUNERACAO,0)) AS NUMERIC(18, 2)) SALDO        , CAST(SUM(COALESCE(P.SALDOFINALTERCOFERIAS,0)) AS NUMERIC(18, 2)) SALDO1TERC      , CAST(SUM(COALESCE(P.SALDOFINALINSS,0)) AS NUMERIC(18, 2)) SALDOINSS      , CAST(SUM(COALESCE(P.SALDOFINALFGTS,0)) AS NUMERIC(18, 2)) SALDOFGTS      , CAST(SUM(COALESCE(P.SALDOFINALPIS,0)) AS NUMERIC(18, 2)) SALDOPIS   FROM PROVISAOFERIASEMDIAS P   JOIN FUNCLOCAL FL      ON FL.CODIGOEMPRESA = P.CODIGOEMPRESA   AND FL.CODIGOESTAB = P.CODIGOESTAB   AND FL.CODIGOFUNCCONTR = P.CODIGOFUNCCONTR    AND FL.DATATRANSF = (SELECT MAX(FL1.DATATRANSF)                            FROM FUNCLOCAL FL1                         WHERE FL1.CODIGOEMPRESA = FL.CODIGOEMPRESA                           AND FL1.CODIGOFUNCCONTR = FL.CODIGOFUNCCONTR                           AND FL1.DATATRANSF <= {TIMESTAMPADD(DAY, - {EXTRACT(DAY, {TIMESTAMPADD(MONTH, 1, P.COMPET)})} , {TIMESTAMPADD(MONTH, 1,  P.COMPET)})}))SQL"},
    JuncaoLocalContabil("P", "P.COMPET"),
    {R"SQL( WHERE P.COMPET BETWEEN :PCOMPETINI AND :PCOMPETFIM   %0:S   GROUP BY P.CODIGOEMPRESA         , P.COMPET         , P.CODIGOESTAB          , FL.CLASSIFORGAN         , P.CODIGOFUNCCONTR  ORDER BY P.CODIGOEMPRESA,           P.COMPET )SQL"},
};

// fpaProv13Sal.
inline constexpr ParteConsulta SqlProvisao13Sal[] = {
    {R"SQL(SELECT P.CODIGOEMPRESA     , P.COMPET  , FL.CODIGOESTAB  , FL.CLASSIFORGAN     , P.CodigoFuncContr     , P.AVOS     , P.SALBASE     , P.ADICIONAL     , P.MEDIAHORAEXTRA     , P.MEDIAVALORVAR     , P.AJUSTE     , P.AJUSTEINSS     , P.AJUSTEFGTS     , P.AJUSTEPIS     , P.MES     , P.MESINSS     , P.MESFGTS     , P.MESPIS     , P.PAGO     , P.PAGOINSS     , P.PAGOFGTS     , P.PAGOPIS     , P.DIFERPGTO     , P.DIFERPGTOINSS     , P.DIFERPGTOFGTS     , P.DIFERPGTOPIS     , P.SALDO     , P.SALDOINSS     , P.SALDOFGTS     , P.SALDOPIS     , P.INDENIZ     , P.INDENIZFGTS     , P.INDENIZPIS     , P.ADIANT     , P.ADIANTFGTS  FROM PROVISAO13 P  JOIN FUNCLOCAL FL    ON FL.CODIGOEMPRESA = P.CODIGOEMPRESA   AND FL.CodigoFuncContr = P.CodigoFuncContr   AND FL.DATATRANSF = (SELECT MAX(FL1.DATATRANSF)                          FROM FUNCLOCAL FL1                         WHERE FL1.CODIGOEMPRESA = FL.CODIGOEMPRESA                           AND FL1.CodigoFuncContr = FL.CodigoFuncContr                           AND FL1.DATATRANSF <= {TIMESTAMPADD(DAY, - {EXTRACT(DAY, {TIMESTAMPADD(MONTH, 1, P.COMPET)})} , {TIMESTAMPADD(MONTH, 1,  P.COMPET)})}))SQL"},
    JuncaoLocalContabil("P", "P.COMPET"),
    {R"SQL( WHERE P.COMPET between :pCompetIni and :pCompetFim %0:s ORDER BY P.CODIGOEMPRESA,          P.COMPET,          P.CodigoFuncContr)SQL"},
};

// fpaProvFerRat on the old apportioned vacation table.
inline constexpr ParteConsulta SqlProvisaoFeriasRatAntiga[] = {
    {R"SQL(select P.CODIGOEMPRESA     , P.COMPET     , FL.CODIGOESTAB     , FL.CLASSIFORGAN     , P.CodigoFuncContr     , P.CODIGOOUTEMP     , P.CODIGOCENTROCUSTO     , CAST(SUM(P.AJUSTE) AS NUMERIC(18, 2)) AJUSTE     , CAST(SUM(P.AJUSTE1TERC) AS NUMERIC(18, 2)) AJUSTE1TERC     , CAST(SUM(P.AJUSTEINSS) AS NUMERIC(18, 2)) AJUSTEINSS     , CAST(SUM(P.AJUSTEFGTS) AS NUMERIC(18, 2)) AJUSTEFGTS     , CAST(SUM(P.AJUSTEPIS) AS NUMERIC(18, 2)) AJUSTEPIS     , CAST(SUM(P.MES) AS NUMERIC(18, 2)) MES     , CAST(SUM(P.MES1TERC) AS NUMERIC(18, 2)) MES1TERC     , CAST(SUM(P.MESINSS) AS NUMERIC(18, 2)) MESINSS     , CAST(SUM(P.MESFGTS) AS NUMERIC(18, 2)) MESFGTS     , CAST(SUM(P.MESPIS) AS NUMERIC(18, 2)) MESPIS     , CAST(SUM(P.DIFERPGTO) AS NUMERIC(18, 2)) DIFERPGTO     , CAST(SUM(P.DIFERPGTOINSS) AS NUMERIC(18, 2)) DIFERPGTOINSS     , CAST(SUM(P.DIFERPGTOFGTS) AS NUMERIC(18, 2)) DIFERPGTOFGTS     , CAST(SUM(P.DIFERPGTOPIS) AS NUMERIC(18, 2)) DIFERPGTOPIS     , CAST(SUM(P.PAGO) AS NUMERIC(18, 2)) PAGO     , CAST(SUM(P.PAGO1TERC) AS NUMERIC(18, 2)) PAGO1TERC     , CAST(SUM(P.PAGOINSS) AS NUMERIC(18, 2)) PAGOINSS     , CAST(SUM(P.PAGOFGTS) AS NUMERIC(18, 2)) PAGOFGTS     , CAST(SUM(P.PAGOPIS) AS NUMERIC(18, 2)) PAGOPIS  from PROVISAOFERRAT P  JOIN FUNCLOCAL FL    ON FL.CODIGOEMPRESA = P.CODIGOEMPRESA   AND FL.CodigoFuncContr = P.CodigoFuncContr   AND FL.DATATRANSF = (SELECT MAX(FL1.DATATRANSF)                          FROM FUNCLOCAL FL1                         WHERE FL1.CODIGOEMPRESA = FL.CODIGOEMPRESA                           AND FL1.CodigoFuncContr = FL.CodigoFuncContr                           AND FL1.DATATRANSF <= {TIMESTAMPADD(DAY, - {EXTRACT(DAY, {TIMESTAMPADD(MONTH, 1, P.COMPET)})} , {TIMESTAMPADD(MONTH, 1,  P.COMPET)})}))SQL"},
    JuncaoLocalContabil("P", "P.COMPET"),
    {R"SQL( WHERE P.COMPET between :pCompetIni and :pCompetFim %0:s GROUP BY P.CODIGOEMPRESA,  P.COMPET,     FL.CODIGOESTAB,       FL.CLASSIFORGAN,  P.CodigoFuncContr,  P.CODIGOOUTEMP,  P.CODIGOCENTROCUSTO ORDER BY P.CODIGOEMPRESA,          P.COMPET)SQL"},
};

// fpaProvFerRat on the day-based apportioned vacation table.
inline constexpr ParteConsulta SqlProvisaoFeriasRatEmDias[] = {
    {R"SQL(SELECT P.CODIGOEMPRESA      , P.COMPET       , P.CODIGOESTAB       , FL.CLASSIFORGAN       , P.CODIGOFUNCCONTR        , P.CODIGOOUTEMPEMP CODIGOOUTEMP       , P.CODIGOCENTROCUSTO       , CAST(SUM(COALESCE(P.AJUSTEREMUNERACAO,0)) AS NUMERIC(18, 2)) AJUSTE       , CAST(SUM(COALESCE(P.AJUSTETERCOFERIAS,0)) AS NUMERIC(18, 2)) AJUSTE1TERC       , CAST(SUM(COALESCE(P.AJUSTEINSS,0)) AS NUMERIC(18, 2)) AJUSTEINSS      , CAST(SUM(COALESCE(P.AJUSTEFGTS,0)) AS NUMERIC(18, 2)) AJUSTEFGTS      , CAST(SUM(COALESCE(P.AJUSTEPIS,0)) AS NUMERIC(18, 2)) AJUSTEPIS        , CAST(SUM(COALESCE(P.PROVISAOMESREMUNERACAO,0)) AS NUMERIC(18, 2)) MES        , CAST(SUM(COALESCE(P.PROVISAOMESTERCOFERIAS,0)) AS NUMERIC(18, 2)) MES1TERC        , CAST(SUM(COALESCE(P.PROVISAOMESINSS,0)) AS NUMERIC(18, 2)) MESINSS       , CAST(SUM(COALESCE(P.PROVISAOMESFGTS,0)) AS NUMERIC(18, 2)) MESFGTS       , CAST(SUM(COALESCE(P.PROVISAOMESPIS,0)) AS NUMERIC(18, 2)) MESPIS       , CAST((SUM(COALESCE(P.DIFERENCAPAGAMENTOREMUNERACAO, 0)) +              SUM(COALESCE(P.DIFERENCAPAGAMENTOTERCOFERIAS, 0))) AS NUMERIC(18, 2)) DIFERPGTO      , CAST(SUM(COALESCE(P.DIFERENCAPAGAMENTOINSS,0)) AS NUMERIC(18, 2)) DIFERPGTOINSS      , CAST(SUM(COALESCE(P.DIFERENCAPAGAMENTOFGTS,0)) AS NUMERIC(18, 2)) DIFERPGTOFGTS      , CAST(SUM(COALESCE(P.DIFERENCAPAGAMENTOPIS,0)) AS NUMERIC(18, 2)) DIFERPGTOPIS       , CAST(SUM(COALESCE(P.PAGOREMUNERACAO,0)) AS NUMERIC(18, 2)) PAGO       , CAST(SUM(COALESCE(P.PAGOTERCOFERIAS,0)) AS NUMERIC(18, 2)) PAGO1TERC      , CAST(SUM(COALESCE(P.PAGOINSS,0)) AS NUMERIC(18, 2)) PAGOINSS      , CAST(SUM(COALESCE(P.PAGOFGTS,0)) AS NUMERIC(18, 2)) PAGOFGTS      , CAST(SUM(COALESCE(P.PAGOPIS,0)) AS NUMERIC(18, 2)) PAGOPIS  FROM PROVISAOFERIASEMDIASRATEIO P   JOIN FUNCLOCAL FL     ON FL.CODIGOEMPRESA = P.CODIGOEMPRESA   AND FL.CODIGOESTAB = P.CODIGOESTAB   AND FL.CODIGOFUNCCONTR = P.CODIGOFUNCCONTR   AND FL.DATATRANSF = (SELECT MAX(FL1.DATATRANSF)                           FROM FUNCLOCAL FL1                         WHERE FL1.CODIGOEMPRESA   = FL.CODIGOEMPRESA                                AND FL1.CODIGOESTAB     = FL.CODIGOESTAB                          AND FL1.CODIGOFUNCCONTR = FL.CODIGOFUNCCONTR                          AND FL1.DATATRANSF <= {TIMESTAMPADD(DAY, - {EXTRACT(DAY, {TIMESTAMPADD(MONTH, 1, P.COMPET)})} , {TIMESTAMPADD(MONTH, 1,  P.COMPET)})}))SQL"},
    JuncaoLocalContabil("P", "P.COMPET"),
    {R"SQL( WHERE P.COMPET BETWEEN :PCOMPETINI AND :PCOMPETFIM    %0:S  GROUP BY P.CODIGOEMPRESA         , P.COMPET          , P.CODIGOESTAB          , FL.CLASSIFORGAN          , P.CODIGOFUNCCONTR           , P.CODIGOOUTEMPEMP            , P.CODIGOCENTROCUSTO   ORDER BY P.CODIGOEMPRESA,           P.COMPET)SQL"},
};

// fpaProv13SalRat.
inline constexpr ParteConsulta SqlProvisao13SalRat[] = {
    {R"SQL(SELECT P.CODIGOEMPRESA     , P.COMPET     , FL.CODIGOESTAB     , FL.CLASSIFORGAN     , P.CodigoFuncContr     , P.CODIGOOUTEMP     , P.CODIGOCENTROCUSTO     , P.AJUSTE     , P.AJUSTEINSS     , P.AJUSTEFGTS     , P.AJUSTEPIS     , P.MES     , P.MESINSS     , P.MESFGTS     , P.MESPIS     , P.PAGO     , P.PAGOINSS     , P.PAGOFGTS     , P.PAGOPIS     , P.DIFERPGTO     , P.DIFERPGTOINSS     , P.DIFERPGTOFGTS     , P.DIFERPGTOPIS  FROM PROVISAO13RAT P  JOIN FUNCLOCAL FL    ON FL.CODIGOEMPRESA = P.CODIGOEMPRESA   AND FL.CodigoFuncContr = P.CodigoFuncContr   AND FL.DATATRANSF = (SELECT MAX(FL1.DATATRANSF)                          FROM FUNCLOCAL FL1                         WHERE FL1.CODIGOEMPRESA = FL.CODIGOEMPRESA                           AND FL1.CodigoFuncContr = FL.CodigoFuncContr                           AND FL1.DATATRANSF <= {TIMESTAMPADD(DAY, - {EXTRACT(DAY, {TIMESTAMPADD(MONTH, 1, P.COMPET)})} , {TIMESTAMPADD(MONTH, 1,  P.COMPET)})}))SQL"},
    JuncaoLocalContabil("P", "P.COMPET"),
    {R"SQL( WHERE P.COMPET between :pCompetIni and :pCompetFim %0:s ORDER BY P.CODIGOEMPRESA,          P.COMPET)SQL"},
};

// fpaOutEmp: other companies linked to the selected companies; %0:s is appended to the last join.
inline constexpr const char* SqlOutraEmpresa =
    R"SQL(SELECT OEE.CODIGOEMPRESA,  OE.CODIGOOUTEMP,  OE.NOMEOUTEMP,  OE.FANTOUTEMP,  TL.DESCRTIPOLOGRAD,  OE.ENDEROUTEMP,  OE.NUMEROENDER,  OE.COMPLENDER,  OE.BAIRROOUTEMP,  OE.SIGLAESTADO,  OE.CODIGOMUNIC,   M.NOMEMUNIC,  OE.CEP,  OE.DDDFONE,  OE.NUMEROFONE,  OE.DDDFAX,  OE.NUMEROFAX,  OE.ENDERELETR,  OE.PAGINAINTER,  OE.TIPOINSCR,  OE.INSCRFEDERAL,  OE.PORTEEMP  FROM OUTRAEMPRESA OE  JOIN OUTRAEMPEMP OEE    ON OEE.CODIGOOUTEMP = OE.CODIGOOUTEMP  LEFT JOIN MUNICIPIO M    ON M.SIGLAESTADO = OE.SIGLAESTADO   AND M.CODIGOMUNIC = OE.CODIGOMUNIC Left join TipoLogradouro TL    on TL.CodigoTipoLograd = OE.CodigoTipoLograd %0:s ORDER BY OEE.CODIGOEMPRESA,     OE.CODIGOOUTEMP;)SQL";

// fpaOrganDescr: organogram classes; %0:s company, %1:s establishment condition.
inline constexpr const char* SqlOrganograma =
    R"SQL(select CODIGOEMPRESA,       CODIGOESTAB,       CLASSIFORGAN,       DESCRORGAN from organograma where %0:s       %1:s)SQL";

// Annuity table of the event-mask formatter.
inline constexpr const char* SqlTabelaAnuidade =
    R"SQL(SELECT CODIGOANUIDADE, TIPOANUIDADE FROM ANUIDADE ORDER BY 1, 2)SQL";

// Contract data of one company (:pCodigoEmpresa).
inline constexpr const char* SqlDadosContrato =
    R"SQL(Select f.CodigoEmpresa, f.CodigoFuncContr, tc.PROPORCCALCULO13DIA, tc.PROPORCCALCULOFERIASDIA, cfg.AnuidadeTempoServico, cfg.CodigoAnuidade, ha.TIPOANUIDADE from TipoContrato tc join FuncContrato f on f.CodigoTipoContr = tc.CodigoTipoContr join cfgempresafpa cfg on cfg.codigoempresa = f.codigoempresa left join (select CodigoEmpresa, CodigoFuncContr, Max(DataInicio) DataInicio from FUNCHISTANUIDADE Group By CodigoEmpresa, CodigoFuncContr) HAi on HAi.CodigoEmpresa = F.CodigoEmpresa and HAi.CodigoFuncContr = F.CodigoFuncContr left join FUNCHISTANUIDADE HA on HA.CodigoEmpresa = F.CodigoEmpresa and HA.CodigoFuncContr = F.CodigoFuncContr and HA.DataInicio = HAi.DataInicio where f.CodigoEmpresa = :pCodigoEmpresa order by f.CodigoEmpresa, f.CodigoFuncContr )SQL";

// Union data of one company at :pData.
inline constexpr const char* SqlSindicato =
    R"SQL(  Select F.CodigoEmpresa,  F.CodigoFuncContr,  FS.CodigoSind,  SC.TipoQuebraCaixa, CS.TIPOCONTRIB as TIPOCSIND,  TA.TIPOCONTRIB as TipoTaxaASS,  CC.TIPOCONTRIB as TipoCusteioConf,  MS.TIPOCONTRIB as TipoMSind,  SC.AnuidadeTempoServico,  SC.CodigoAnuidade  from FuncContrato F  left join (select CodigoEmpresa, CodigoFuncContr, Max(DataInicial) DataInicial from FuncSindicato where DataInicial <= :pData Group By CodigoEmpresa, CodigoFuncContr) FSi on FSi.CodigoEmpresa = F.CodigoEmpresa and FSi.CodigoFuncContr = F.CodigoFuncContr left join FuncSindicato FS on FS.CodigoEmpresa = F.CodigoEmpresa and FS.CodigoFuncContr = F.CodigoFuncContr and FS.DataInicial = FSi.DataInicial left join (select CodigoSind, Max(DataInicial) DataInicial from SindConvencao where DataInicial <= :pData Group By CodigoSind) SCi on SCi.CodigoSind = FS.CodigoSind left join SindConvencao SC on SC.CodigoSind = FS.CodigoSind and SC.DataInicial = SCi.DataInicial left join (select CodigoSind, Max(DataInicial) DataInicial from SindContrib where DataInicial <= :pData and ContribSind = 1 Group By CodigoSind) CSi on CSi.CodigoSind = FS.CodigoSind left join SindContrib CS on CS.CodigoSind = FS.CodigoSind and CS.ContribSind = 1 and CS.DataInicial = CSi.DataInicial left join (select CodigoSind, Max(DataInicial) DataInicial from SindContrib where DataInicial <= :pData and ContribSind = 2 Group By CodigoSind) CSTi on CSTi.CodigoSind = FS.CodigoSind left join SindContrib TA on TA.CodigoSind = FS.CodigoSind and TA.ContribSind = 2 and TA.DataInicial = CSTi.DataInicial left join (select CodigoSind, Max(DataInicial) DataInicial from SindContrib where DataInicial <= :pData and ContribSind = 3 Group By CodigoSind) CCi on CCi.CodigoSind = FS.CodigoSind left join SindContrib CC on CC.CodigoSind = FS.CodigoSind and CC.ContribSind = 3 and CC.DataInicial = CCi.DataInicial left join (select CodigoSind, Max(DataInicial) DataInicial from SindContrib where DataInicial <= :pData and ContribSind = 4 Group By CodigoSind) MSi on MSi.CodigoSind = FS.CodigoSind left join SindContrib MS on MS.CodigoSind = FS.CodigoSind and MS.ContribSind = 4 and MS.DataInicial = MSi.DataInicial left join (select CodigoSind, Max(DataInicial) DataInicial from SindContrib where DataInicial <= :pData and ContribSind = 5 Group By CodigoSind) RSi on RSi.CodigoSind = FS.CodigoSind left join SindContrib RS on RS.CodigoSind = FS.CodigoSind and RS.ContribSind = 5 and RS.DataInicial = RSi.DataInicial left join (select CodigoSind, Max(DataInicial) DataInicial from SindContrib where DataInicial <= :pData and ContribSind = 6 Group By CodigoSind) PAi on PAi.CodigoSind = FS.CodigoSind left join SindContrib PA on PA.CodigoSind = FS.CodigoSind and PA.ContribSind = 6 and PA.DataInicial = PAi.DataInicial where F.CodigoEmpresa = :pCodigoEmpresa order by 1, 2, 3 )SQL";

// Movement of one company with apportionment (:PCODIGOEMPRESA); %0:S is the run filter.
inline constexpr ParteConsulta SqlMovimentoRateio[] = {
    {R"SQL(SELECT FL.CODIGOESTAB,       CR.CODIGOOUTEMP,       CR.CODIGOCENTROCUSTO,       FL.CLASSIFORGAN,       FPC.CODIGOFUNCCONTR,       CR.CODIGOPROFTIPOAULA FROM FUNCPERCALCULO FPC JOIN PERIODOCALCULO PC  ON PC.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND PC.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO JOIN FUNCLOCAL FL   ON FL.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR AND FL.DATATRANSF = FPC.DATALOCAL LEFT JOIN CALCULORATEIO CR   ON CR.CODIGOEMPRESA = FPC.CODIGOEMPRESA  AND CR.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR  AND CR.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO)SQL"},
    JuncaoLocalContabil("FPC", "PC.COMPET"),
    {R"SQL( WHERE FPC.CODIGOEMPRESA = :PCODIGOEMPRESA %0:S GROUP BY FL.CODIGOESTAB,         CR.CODIGOOUTEMP,         CR.CODIGOCENTROCUSTO,         FL.CLASSIFORGAN,         FPC.CODIGOFUNCCONTR,         CR.CODIGOPROFTIPOAULA)SQL"},
};

// Movement of one company without apportionment (:PCODIGOEMPRESA); %0:S is the run filter.
inline constexpr ParteConsulta SqlMovimento[] = {
    {R"SQL(SELECT FL.CODIGOESTAB,       FL.CLASSIFORGAN,       FPC.CODIGOFUNCCONTR FROM FUNCPERCALCULO FPC JOIN PERIODOCALCULO PC  ON PC.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND PC.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO JOIN FUNCLOCAL FL  ON FL.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND FL.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR AND FL.DATATRANSF = FPC.DATALOCAL)SQL"},
    {R"SQL( LEFT JOIN CALCULOEVENTO CR  ON CR.CODIGOEMPRESA = FPC.CODIGOEMPRESA AND CR.CODIGOFUNCCONTR = FPC.CODIGOFUNCCONTR AND CR.CODIGOPERCALCULO = FPC.CODIGOPERCALCULO)SQL", "CR"},
    JuncaoLocalContabil("FPC", "PC.COMPET"),
    {R"SQL( WHERE FPC.CODIGOEMPRESA = :PCODIGOEMPRESA %0:S GROUP BY      FL.CODIGOESTAB,      FL.CLASSIFORGAN,      FPC.CODIGOFUNCCONTR)SQL"},
};

}  // namespace payroll
