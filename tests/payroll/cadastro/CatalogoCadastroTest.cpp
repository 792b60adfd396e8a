#include "FolhaTeste.h"

#include "catalog/Catalogo.h"

#include <map>

namespace {

// What each caption of the menus names, read here straight from the tables.
using Legendas = std::map<QString, QString>;

const QString kFuncionario = QStringLiteral("select %1 from FuncContrato F join FuncPessoa FP on FP.CodigoFuncPessoa = "
                                            "F.CodigoFuncPessoa "
                                            "left join TipoLogradouro TL on TL.CodigoTipoLograd = FP.CodigoTipoLograd "
                                            "left join Municipio M on M.SiglaEstado = FP.SiglaEstado and M.CodigoMunic "
                                            "= FP.CodigoMunic "
                                            "left join FuncLocal FL on FL.CodigoEmpresa = F.CodigoEmpresa and "
                                            "FL.CodigoFuncContr = F.CodigoFuncContr "
                                            " and FL.DataTransf = (select DataLocal from FuncPerCalculo where "
                                            "CodigoEmpresa = 1 and CodigoFuncContr = 100 "
                                            " and CodigoPerCalculo = 3) "
                                            "left join FuncCTPS FTD on FTD.CodigoEmpresa = F.CodigoEmpresa and "
                                            "FTD.CodigoFuncContr = F.CodigoFuncContr "
                                            " and FTD.DataInicial = (select max(DataInicial) from FuncCTPS where "
                                            "CodigoEmpresa = 1 and CodigoFuncContr = 100) "
                                            "where F.CodigoEmpresa = 1 and F.CodigoFuncContr = 100");

const Legendas kColunasFuncionario{
    {"Código do Funcionário", "F.CodigoFuncContr"},
    {"Nome do Funcionario", "FP.NomeFunc"},
    {"Apelido", "FP.ApelidoFunc"},
    {"CPF", "FP.CPFFunc"},
    {"Data de Nascimento", "FP.DataNasc"},
    {"Data de Admissão", "F.DataAdm"},
    {"Data de Demissão", "F.DataDem"},
    {"Código do Estabelecimento", "FL.CodigoEstab"},
    {"Número CTPS", "FTD.NumeroCTPS"},
    {"Série CTPS", "FTD.SerieCTPS"},
    {"Número do PIS", "FP.PISFunc"},
    {"Número do RG", "FP.NumeroRG"},
    {"Título de Eleitor", "FP.TitEleit"},
    {"Número da CNH", "FP.CNHFunc"},
    {"Categoria da CNH", "FP.CategCNH"},
    {"Validade da CNH", "FP.ValidCNH"},
    {"Logrador Endereço", "TL.DescrTipoLograd"},
    {"Endereço", "FP.EnderFunc"},
    {"Número Endereço", "FP.NumeroEnder"},
    {"Complemento Endereço", "FP.ComplEnder"},
    {"Bairro", "FP.BairroFunc"},
    {"Estado", "FP.SiglaEstado"},
    {"Código Município", "FP.CodigoMunic"},
    {"Nome Município", "M.NomeMunic"},
    {"CEP", "FP.CEPFunc"},
    {"DDD Telefone", "FP.DDDFone"},
    {"Telefone", "FP.NumeroFone"},
    {"E-mail", "FP.EnderEletr"},
};

const QString kTotais = QStringLiteral("select %1 from PeriodoCalculo P where P.CodigoEmpresa = 1 and "
                                       "P.CodigoPerCalculo = 3");

const Legendas kColunasTotais{
    {"Total de Empregados Ativos", "(select count(*) from FuncPerCalculo F join FuncContrato C on "
                                   "C.CodigoEmpresa = F.CodigoEmpresa and "
                                   "C.CodigoFuncContr = F.CodigoFuncContr where F.CodigoEmpresa = 1 and "
                                   "F.CodigoPerCalculo = 3 and "
                                   "C.DataDem is null)"},
    {"Total de Empregados Admitidos", "(select count(*) from FuncContrato C where C.CodigoEmpresa = 1 and "
                                      "C.DataAdm >= P.DataInicialFolha and "
                                      "C.DataAdm <= P.DataFinalFolha)"},
    {"Total de Empregados Demitidos", "(select count(*) from FuncContrato C where C.CodigoEmpresa = 1 and "
                                      "C.DataDem >= P.DataInicialFolha and "
                                      "C.DataDem <= P.DataFinalFolha)"},
    {"Total de Empregados de Férias", "(select count(*) from ReciboFerias R where R.CodigoEmpresa = 1 and "
                                      "R.DataInicialFerias <= P.DataFinalFolha "
                                      "and R.DataFinalFerias >= P.DataInicialFolha)"},
};

const QString kGPS = QStringLiteral("select G.%1 from GPS G join CfgEstabFpa C on "
                                    "C.CodigoEmpresa = G.CodigoEmpresa and "
                                    "C.CodigoTabGPS = G.CodigoTabGPS where G.CodigoEmpresa = 1 "
                                    "and C.CodigoEstab = 3 and "
                                    "G.DataInicial = (select max(DataInicial) from GPS where "
                                    "CodigoEmpresa = 1 and CodigoTabGPS = G.CodigoTabGPS "
                                    "and DataInicial <= '2024-06-30') order by G.DataInicial");

const Legendas kColunasGPS{
    {"Código Tabela GPS", "CodigoTabGPS"},
    {"Data Inicial", "DataInicial"},
    {"Imposto GPS", "CodigoImposto"},
    {"Variação Imposto GPS", "VariacaoImposto"},
    {"Imposto GPS 13º", "CodigoImposto13"},
    {"Variação Imposto GPS 13º", "VariacaoImposto13"},
    {"Imposto GPS Exclusivo Terceiros", "CodigoImpostoTerc"},
    {"Variação Imposto GPS Exclusivo Terceiros", "VariacaoImpostoTerc"},
    {"Imposto GPS 13º Exclusivo Terceiros", "CodigoImpostoTerc13"},
    {"Variação Imposto GPS 13º Exclusivo Terceiros", "VariacaoImpostoTerc13"},
    {"FPAS", "CodigoFPAS"},
    {"Acidente de Trabalho", "CodigoAcidTrab"},
    {"Terceiros", "Terceiros"},
    {"Percentual Empresa", "PercParteEmp"},
    {"Percentual Entidade Financeira", "PercentFinanc"},
    {"Percentual produtores Rurais", "PercProdRurais"},
    {"Percentual RAT", "PercParteSAT"},
    {"Acréscimo FAP", "PercAcrescFAP"},
    {"Percentual Terceiros/Convênio", "PercParteTerc"},
    {"Percentual Diretor/Autônomo", "PercDirAuton"},
    {"Percentual Insenção Filantropia", "PercIsencaoFilant"},
    {"Percentual Cooperativa Trabalho", "PercCoopTrab"},
};

const QString kOutraEmpresa = QStringLiteral("select %1 from OutraEmpresa OE left join Municipio M on "
                                             "M.SiglaEstado = OE.SiglaEstado and "
                                             "M.CodigoMunic = OE.CodigoMunic left join TipoLogradouro TL "
                                             "on TL.CodigoTipoLograd = OE.CodigoTipoLograd "
                                             "where OE.CodigoOutEmp = 5");

const Legendas kColunasOutraEmpresa{
    {"Nome da Outra Empresa", "OE.NomeOutEmp"},
    {"Nome Fantasia", "OE.FantOutEmp"},
    {"Logradouro", "TL.DescrTipoLograd"},
    {"Endereço", "OE.EnderOutEmp"},
    {"Número do Endereço", "OE.NumeroEnder"},
    {"Complemento do Endereço", "OE.ComplEnder"},
    {"Bairro", "OE.BairroOutEmp"},
    {"Estado", "OE.SiglaEstado"},
    {"Código Município", "OE.CodigoMunic"},
    {"Nome Município", "M.NomeMunic"},
    {"CEP", "OE.CEP"},
    {"DDD Telefone", "OE.DDDFone"},
    {"Telefone", "OE.NumeroFone"},
    {"DDD Fax", "OE.DDDFax"},
    {"Fax", "OE.NumeroFax"},
    {"Endereço Eletrônico", "OE.EnderEletr"},
    {"Site", "OE.PaginaInter"},
    {"Tipo de Inscrição", "OE.TipoInscr"},
    {"Inscrição Federal", "OE.InscrFederal"},
    {"Porte da Empresa", "OE.PorteEmp"},
};

// The histories of employee 100 at 2024-06-30; the latest record first.
const QString kCargo = QStringLiteral("select %1 from FuncCargo FC join Cargo C on C.CodigoCargo "
                                      "= FC.CodigoCargo where FC.CodigoEmpresa = 1 and "
                                      "FC.CodigoFuncContr = 100 and FC.DataInicial <= "
                                      "'2024-06-30' order by FC.DataInicial desc");
const Legendas kColunasCargo{
    {"Código do Cargo", "C.CodigoCargo"}, {"Descrição do Cargo", "C.DescrCargo"}, {"CBO", "C.CBO"}};

const QString kSalario = QStringLiteral("select %1 from FuncSalario FS join Motivo M on M.CodigoMotivo = "
                                        "FS.CodigoMotivo where FS.CodigoEmpresa = 1 and "
                                        "FS.CodigoFuncContr = 100 and FS.DataInicial <= '2024-06-30' order by "
                                        "FS.DataInicial desc, FS.Seq desc");
const Legendas kColunasSalario{{"Tipo Salário", "FS.TipoSalario"},
                               {"Valor Salário", "FS.ValorSal"},
                               {"Motivo", "M.DescrMotivo"},
                               {"DataInicial", "FS.DataInicial"}};

const QString kEscala = QStringLiteral("select %1 from FuncEscala FE join Escala E on E.CodigoEscala = "
                                       "FE.CodigoEscala where FE.CodigoEmpresa = 1 and "
                                       "FE.CodigoFuncContr = 100 and FE.DataInicial <= '2024-06-30' order by "
                                       "FE.DataInicial desc");
const Legendas kColunasEscala{{"Código Escala", "E.CodigoEscala"},
                              {"Descrição Escala", "E.DescrEscala"},
                              {"Data Inicial", "FE.DataInicial"},
                              {"Regime de Jornada",
                               "case FE.RegimeJor when 1 then 'Submetidos a Horário de Trabalho (Cap. II "
                               "da CLT)' "
                               "when 2 then 'Atividade Externa especificada no Inciso I do Art. 62 da "
                               "CLT' "
                               "when 3 then 'Funções específicadas no Inciso II do Art. 62 da CLT' end"}};

const QString kSindicato = QStringLiteral("select %1 from FuncSindicato FS join Sindicato S on "
                                          "S.CodigoSind = FS.CodigoSind where FS.CodigoEmpresa = 1 "
                                          "and FS.CodigoFuncContr = 100 and FS.DataInicial <= "
                                          "'2024-06-30' order by FS.DataInicial desc");
const Legendas kColunasSindicato{
    {"Código Sindicato", "S.CodigoSind"},
    {"Nome Sindicato", "S.NomeSind"},
    {"Data Inicial", "FS.DataInicial"},
    {"Sindicalizado", "FS.Sindicalizado"},
    {"Desconta Mensalidade Sindical", "FS.DescMensSind"},
    {"Desconta Custeio Confederativo", "FS.DescCustConfed"},
    {"Desconta Taxa Assistencial", "FS.DescTaxaAssist"},
    {"Desconta Taxa de Reversão Salarial", "FS.DescontaRevSal"},
    {"Desconta Contribuição Sindical", "FS.DescContribSind"},
    {"Mês Contribuição Sindical", "FS.MesContribSind"},
};

struct Familia {
    const char* funcao;
    const char* chave;  // the arguments after the field number
    const QString* consulta;
    const Legendas* colunas;
};

const Familia kFamilias[] = {
    {"fpaFunc", ";100", &kFuncionario, &kColunasFuncionario},
    {"fpaFuncTotais", "", &kTotais, &kColunasTotais},
    {"fpaGPS", ";3", &kGPS, &kColunasGPS},
    {"fpaOutEmp", ";5", &kOutraEmpresa, &kColunasOutraEmpresa},
    {"fpaFuncHistCargo", ";100", &kCargo, &kColunasCargo},
    {"fpaFuncHistSalario", ";100", &kSalario, &kColunasSalario},
    {"fpaFuncHistEscala", ";100", &kEscala, &kColunasEscala},
    {"fpaFuncHistSindicato", ";100", &kSindicato, &kColunasSindicato},
};

class CatalogoCadastroTest : public FolhaTeste, public ::testing::WithParamInterface<Familia> {
protected:
    void SetUp() override
    {
        FolhaTeste::SetUp();
        dm.SetDataReferenciaFixa(QDateTime(QDate(2024, 6, 30), QTime(0, 0)));
    }
};

TEST_P(CatalogoCadastroTest, EveryMenuItemGivesTheColumnItsCaptionNames)
{
    const Familia& familia = GetParam();
    const catalog::Catalogo& catalogo = catalog::catalogo(QString::fromUtf8(familia.funcao));
    ASSERT_EQ(catalogo.itens.size(), familia.colunas->size());
    int preenchidas = 0;
    for (const catalog::ItemCatalogo& item : catalogo.itens) {
        const auto coluna = familia.colunas->find(item.legenda);
        ASSERT_NE(coluna, familia.colunas->end()) << item.legenda.toStdString();
        const QString esperado = textoSql(familia.consulta->arg(coluna->second));
        preenchidas += esperado.isEmpty() ? 0 : 1;
        const QString formula =
            QStringLiteral("%1(%2%3)").arg(QString::fromUtf8(familia.funcao)).arg(item.numero).arg(familia.chave);
        EXPECT_EQ(texto(formula), esperado) << formula.toStdString() << " " << item.legenda.toStdString();
    }
    // Empty columns would agree with anything.
    EXPECT_GT(preenchidas, static_cast<int>(catalogo.itens.size()) / 2);
}

INSTANTIATE_TEST_SUITE_P(Catalogos, CatalogoCadastroTest, ::testing::ValuesIn(kFamilias),
                         [](const ::testing::TestParamInfo<Familia>& info) { return std::string(info.param.funcao); });

}  // namespace
