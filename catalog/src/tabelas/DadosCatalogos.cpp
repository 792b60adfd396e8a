// Generated tables of the function catalogue; do not edit by hand.

#include "Dados.h"

namespace catalog::dados {

namespace {

// gerEMP
constexpr Item kItens0[] = {
    {1, "Código Empresa", "=gerEMP(1)", ""},
    {2, "Código Estabelecimento", "=gerEMP(2)", ""},
    {3, "Nome Empresa", "=gerEMP(3)", ""},
    {4, "Nome Estabelecimento", "=gerEMP(4)", ""},
    {5, "Nome Fantasia", "=gerEMP(5)", ""},
    {6, "Logrador Endereço", "=gerEMP(6)", "Endereço"},
    {7, "Endereço", "=gerEMP(7)", "Endereço"},
    {8, "Número Endereço", "=gerEMP(8)", "Endereço"},
    {9, "Complemento Endereço", "=gerEMP(9)", "Endereço"},
    {10, "Bairro", "=gerEMP(10)", "Endereço"},
    {11, "Data Alteração Endereço", "=gerEMP(11)", "Endereço"},
    {12, "Estado", "=gerEMP(12)", "Endereço"},
    {13, "Código Município", "=gerEMP(13)", "Endereço"},
    {14, "Nome Município", "=gerEMP(14)", "Endereço"},
    {15, "CEP", "=gerEMP(15)", "Endereço"},
    {16, "DDD Telefone", "=gerEMP(16)", "Endereço"},
    {17, "Telefone", "=gerEMP(17)", "Endereço"},
    {18, "DDD Fax", "=gerEMP(18)", "Endereço"},
    {19, "Fax", "=gerEMP(19)", "Endereço"},
    {20, "Caixa Postal", "=gerEMP(20)", "Endereço"},
    {21, "Estado Caixa Postal", "=gerEMP(21)", "Endereço"},
    {22, "CEP Caixa Postal", "=gerEMP(22)", "Endereço"},
    {23, "E-mail", "=gerEMP(23)", "Endereço"},
    {24, "Página Internet", "=gerEMP(24)", "Endereço"},
    {25, "Incrição Federal", "=gerEMP(25)", "Inscrições e Atividades"},
    {26, "CNPJ/CPF/CEI", "=gerEMP(26)", "Inscrições e Atividades"},
    {27, "Inscrição Estadual", "=gerEMP(27)", "Inscrições e Atividades"},
    {28, "inscrição Municipal", "=gerEMP(28)", "Inscrições e Atividades"},
    {29, "Tipo Registro", "=gerEMP(29)", "Inscrições e Atividades"},
    {30, "Número Registro", "=gerEMP(30)", "Inscrições e Atividades"},
    {31, "Data Registro", "=gerEMP(31)", "Inscrições e Atividades"},
    {32, "Observação Registro", "=gerEMP(32)", "Inscrições e Atividades"},
    {33, "Código Atividade Federal", "=gerEMP(33)", "Inscrições e Atividades"},
    {34, "Atividade Federal", "=gerEMP(34)", "Inscrições e Atividades"},
    {35, "Código Natureza Jurídica", "=gerEMP(35)", "Inscrições e Atividades"},
    {36, "Natureza Jurídica", "=gerEMP(36)", "Inscrições e Atividades"},
    {37, "Código Atividade Estadual", "=gerEMP(37)", "Inscrições e Atividades"},
    {38, "Atividade Estadual", "=gerEMP(38)", "Inscrições e Atividades"},
    {39, "Código Atividade Municipal", "=gerEMP(39)", "Inscrições e Atividades"},
    {40, "Atividade Municipal", "=gerEMP(40)", "Inscrições e Atividades"},
    {41, "Exercício Social Inicial", "=gerEMP(41)", "Contabilidade"},
    {42, "Exercício Social Final", "=gerEMP(42)", "Contabilidade"},
    {43, "Código Contador", "=gerEMP(43)", "Contador Fiscal"},
    {44, "Nome Contador", "=gerEMP(44)", "Contador Fiscal"},
    {45, "Inscrição Federal", "=gerEMP(45)", "Contador Fiscal"},
    {46, "CNPJ/CPF", "=gerEMP(46)", "Contador Fiscal"},
    {47, "CRC", "=gerEMP(47)", "Contador Fiscal"},
    {48, "Título Profissional", "=gerEMP(48)", "Contador Fiscal"},
    {49, "Código Contador", "=gerEMP(49)", "Contador Resp. Federal"},
    {50, "Nome Contador", "=gerEMP(50)", "Contador Resp. Federal"},
    {51, "Incrição Federal", "=gerEMP(51)", "Contador Resp. Federal"},
    {52, "CNPJ/CPF", "=gerEMP(52)", "Contador Resp. Federal"},
    {53, "CRC", "=gerEMP(53)", "Contador Resp. Federal"},
    {54, "Título Profissional", "=gerEMP(54)", "Contador Resp. Federal"},
    {55, "Código Sócio", "=gerEMP(55)", "Sócio Resp. Federal"},
    {56, "Nome Sócio", "=gerEMP(56)", "Sócio Resp. Federal"},
    {57, "Incrição Federal", "=gerEMP(57)", "Sócio Resp. Federal"},
    {58, "CNJP/CPF", "=gerEMP(58)", "Sócio Resp. Federal"},
    {59, "Cargo", "=gerEMP(59)", "Sócio Resp. Federal"},
    {60, "Enquadramento Junta Comercial", "=gerEMP(60)", ""},
    {61, "Capital Social", "=gerEMP(61)", ""},
    {62, "Valor Nominal das Cotas", "=gerEMP(62)", ""},
};
constexpr const char* kCaminho0[] = {"Empresa"};
constexpr std::span<const ParametroCatalogo> kParametros0{};

// fpaFunc
constexpr Item kItens1[] = {
    {1, "Código do Funcionário", "Retorna o Código do Funcionário", "Dados Cadastrais"},
    {2, "Nome do Funcionario", "Retorna o Nome Funcionario", "Dados Cadastrais"},
    {3, "Apelido", "Retorna o Apelido do Funcionário", "Dados Cadastrais"},
    {4, "CPF", "Retorna o CPF do Funcionário", "Dados Cadastrais"},
    {5, "Data de Nascimento", "Retorna a Data de Nascimento do Funcionário", "Dados Cadastrais"},
    {6, "Data de Admissão", "Retorna a Data de Admissão do Funcionário", "Dados Cadastrais"},
    {7, "Data de Demissão", "Retorna a Data de Demissão do Funcionário", "Dados Cadastrais"},
    {8, "Código do Estabelecimento", "Retorna o Código do Estabelecimento do Funcionário", "Dados Cadastrais"},
    {9, "Número CTPS", "Retorna o Número CTPS", "Dados Cadastrais"},
    {10, "Série CTPS", "Retorna a Série CTPS", "Dados Cadastrais"},
    {11, "Número do PIS", "Retorna o Número do PIS", "Dados Cadastrais"},
    {12, "Número do RG", "Retorna o Número do RG", "Dados Cadastrais"},
    {13, "Título de Eleitor", "Retorna o Título de Eleitor", "Dados Cadastrais"},
    {14, "Número da CNH", "Retorna o Número da CNH", "Dados Cadastrais"},
    {15, "Categoria da CNH", "Retorna a Categoria da CNH", "Dados Cadastrais"},
    {16, "Validade da CNH", "Retorna a Validade da CNH", "Dados Cadastrais"},
    {17, "Logrador Endereço", "Retorna o Logrador Endereço do Funcionário", "Endereço"},
    {18, "Endereço", "Retorna o Endereço do Funcionário", "Endereço"},
    {19, "Número Endereço", "Retorna o Número Endereço do Funcionário", "Endereço"},
    {20, "Complemento Endereço", "Retorna o Complemento Endereço do Funcionário", "Endereço"},
    {21, "Bairro", "Retorna o Bairro do Funcionário", "Endereço"},
    {22, "Estado", "Retorna o Estado do Funcionário", "Endereço"},
    {23, "Código Município", "Retorna o Código Município do Funcionário", "Endereço"},
    {24, "Nome Município", "Retorna o Nome Município do Funcionário", "Endereço"},
    {25, "CEP", "Retorna o CEP do Funcionário", "Endereço"},
    {26, "DDD Telefone", "Retorna o DDD Telefone do Funcionário", "Adicionais"},
    {27, "Telefone", "Retorna o Telefone do Funcionário", "Adicionais"},
    {28, "E-mail", "Retorna o E-mail do Funcionário", "Adicionais"},
};
constexpr const char* kCaminho1[] = {"Folha de Pagamento   ", "Funcionário"};
constexpr ParametroCatalogo kParametros1[] = {
    {"nCodigoFunc", "Código do Funcionário", true},
};

// fpaGPS
constexpr Item kItens2[] = {
    {2, "Código Tabela GPS", "Retorna o Código Tabela GPS", ""},
    {3, "Data Inicial", "Retorna à Data Inicial", ""},
    {4, "Imposto GPS", "Retorna o Imposto GPS", ""},
    {5, "Variação Imposto GPS", "Retorna à Variação Imposto GPS", ""},
    {6, "Imposto GPS 13º", "Retorna o Imposto GPS 13º", ""},
    {7, "Variação Imposto GPS 13º", "Retorna à Variação Imposto GPS 13º", ""},
    {8, "Imposto GPS Exclusivo Terceiros", "Retorna o Imposto GPS Exclusivo Terceiros", ""},
    {9, "Variação Imposto GPS Exclusivo Terceiros", "Retorna à Variação Imposto GPS Exclusivo Terceiros", ""},
    {10, "Imposto GPS 13º Exclusivo Terceiros", "Retorna o Imposto GPS 13º Exclusivo Terceiros", ""},
    {11, "Variação Imposto GPS 13º Exclusivo Terceiros", "Retorna à Variação Imposto GPS 13º Exclusivo Terceiros", ""},
    {12, "FPAS", "Retorna FPAS", ""},
    {13, "Acidente de Trabalho", "Retorna Acidente de Trabalho", ""},
    {14, "Terceiros", "Retorna Terceiros", ""},
    {15, "Percentual Empresa", "Retorna o Percentual Empresa", ""},
    {16, "Percentual Entidade Financeira", "Retorna o Percentual Entidade Financeira", ""},
    {17, "Percentual produtores Rurais", "Retorna o Percentual produtores Rurais", ""},
    {18, "Percentual RAT", "Retorna o Percentual RAT", ""},
    {19, "Acréscimo FAP", "Retorna o Acréscimo FAP", ""},
    {20, "Percentual Terceiros/Convênio", "Retorna o Percentual Terceiros/Convênio", ""},
    {21, "Percentual Diretor/Autônomo", "Retorna o Percentual Diretor/Autônomo", ""},
    {22, "Percentual Insenção Filantropia", "Retorna o Percentual Insenção Filantropia", ""},
    {23, "Percentual Cooperativa Trabalho", "Retorna o Percentual Cooperativa Trabalho", ""},
};
constexpr const char* kCaminho2[] = {"Folha de Pagamento   ", "GPS"};
constexpr ParametroCatalogo kParametros2[] = {
    {"nCodigoEstab", "Código da Filial", true},
};

// fpaFuncTotais
constexpr Item kItens3[] = {
    {1, "Total de Empregados Ativos", "Retorna o Total de Empregados Ativos", ""},
    {2, "Total de Empregados Admitidos", "Retorna o Total de Empregados Admitidos", ""},
    {3, "Total de Empregados Demitidos", "Retorna o Total de Empregados Demitidos", ""},
    {4, "Total de Empregados de Férias", "Retorna o Total de Empregados de Férias", ""},
};
constexpr const char* kCaminho3[] = {"Folha de Pagamento   ", "Funcionário", "Totalizadores"};
constexpr std::span<const ParametroCatalogo> kParametros3{};

// fpaOutEmp
constexpr Item kItens4[] = {
    {1, "Nome da Outra Empresa", "Retorna o Nome da Outra Empresa", ""},
    {2, "Nome Fantasia", "Retorna o Nome Fantasia", ""},
    {3, "Logradouro", "Retorna o Logradouro", ""},
    {4, "Endereço", "Retorna o Endereço", ""},
    {5, "Número do Endereço", "Retorna o Número do Endereço", "Endereço"},
    {6, "Complemento do Endereço", "Retorna o Complemento do Endereço", "Endereço"},
    {7, "Bairro", "Retorna o Bairro", "Endereço"},
    {8, "Estado", "Retorna o Estado", "Endereço"},
    {9, "Código Município", "Retorna o Código Município", "Endereço"},
    {10, "Nome Município", "Retorna o Nome Município", "Endereço"},
    {11, "CEP", "Retorna o CEP", "Endereço"},
    {12, "DDD Telefone", "Retorna o DDD Telefone", "Endereço"},
    {13, "Telefone", "Retorna o Telefone", "Endereço"},
    {14, "DDD Fax", "Retorna o DDD Fax", "Contato"},
    {15, "Fax", "Retorna o Fax", "Contato"},
    {16, "Endereço Eletrônico", "Retorna o Endereço Eletrônico", "Contato"},
    {17, "Site", "Retorna o Site", "Contato"},
    {18, "Tipo de Inscrição", "Retorna o Tipo de Inscrição", "Contato"},
    {19, "Inscrição Federal", "Retorna a Inscrição Federal", "Contato"},
    {20, "Porte da Empresa", "Retorna o Porte da Empresa", ""},
};
constexpr const char* kCaminho4[] = {"Folha de Pagamento   ", "Outra Empresa"};
constexpr ParametroCatalogo kParametros4[] = {
    {"nCodigoOutEmp", "Código Outra Empresa", true},
};

// fpaImpCalc
constexpr Item kItens5[] = {
    {1, "Códgio Estabelecimento", "Retorna o Códgio do Estabelecimento", ""},
    {2, "Classificação Organograma", "Retorna a Classificação do Organograma", ""},
    {3, "Código Centro de Custo", "Retorna o Código do Centro de Custo", ""},
    {4, "Código Outra Empresa", "Retorna o Código da Outra Empresa", ""},
    {5, "Valor do FGTS Normal", "Retorna o Valor do FGTS Normal", "FGTS"},
    {6, "Valor do FGTS 13º Sal.", "Retorna o Valor do FGTS 13º Salário", "FGTS"},
    {7, "Valor Adic. FGTS Normal", "Retorna o Valor Adicional ao FGTS Normal", "FGTS"},
    {8, "Valor Adic. FGTS 13º Sal.", "Retorna o Valor Adicional ao FGTS 13º Sal.", "FGTS"},
    {9, "Base FGTS Normal", "Retorna a Base do FGTS Normal", "FGTS"},
    {10, "Base FGTS 13º Sal.", "Retorna a Base do FGTS 13º Salário", "FGTS"},
    {11, "Base FGTS 13º Compl.", "Retorna a Base do FGTS 13º Salário Complementar", "FGTS"},
    {12, "Base FGTS 13º Adto.", "Retorna a Base do FGTS 13º Salário Adiantamento", "FGTS"},
    {13, "Salário INSS Adic.", "Retorna o Salário do INSS Adicional", "INSS"},
    {14, "Salário INSS Comis.", "Retorna o Salário do INSS de Comissão", "INSS"},
    {15, "Salário INSS Hora Extra", "Retorna o Salário do INSS sobre Hora Extra", "INSS"},
    {16, "Salário INSS 1/3 Férias", "Retorna o Salário do INSS de 1/3 de Férias", "INSS"},
    {17, "Salário INSS Fixo", "Retorna o Salário do INSS Fixo", "INSS"},
    {18, "Salário INSS Contrib.", "Retorna o Salário do INSS de Contribribuição", "INSS"},
    {19, "Base INSS Empresa", "Retorna a Base do INSS da Empresa", "INSS"},
    {20, "Base INSS 13º Empresa", "Retorna a Base do INSS do 13º Salário da Empresa", "INSS"},
    {21, "Base INSS Funcionário", "Retorna a Base do INSS do Funcionário", "INSS"},
    {22, "Base INSS 13º Funcionário", "Retorna a Base do INSS do 13º Salário do Funcionário", "INSS"},
    {23, "Valor INSS", "Retorna o Valor do INSS", "INSS"},
    {24, "Valor INSS 13º", "Retorna o Valor do INSS do 13º Salário", "INSS"},
    {25, "INSS Parte Empresa", "Retorna o INSS da Parte Empresa", "INSS"},
    {26, "INSS Entidade Financ.", "Retorna o INSS da Entidade Financeira", "INSS"},
    {27, "INSS Parte SAT", "Retorna o INSS da Parte SAT", "INSS"},
    {28, "INSS Parte Terc.", "Retorna o INSS da Parte dos Terceiros", "INSS"},
    {29, "INSS Diretor Auton.", "Retorna o INSS do Diretor Autônomo", "INSS"},
    {30, "INSS Salário Educação", "Retorna o INSS do Salário Educação", "INSS"},
    {31, "INSS INCRA", "Retorna o INSS do INCRA", "INSS Outros"},
    {32, "INSS SENAI", "Retorna o INSS do SENAI", "INSS Outros"},
    {33, "INSS SESI", "Retorna o INSS do SESI", "INSS Outros"},
    {34, "INSS SENAC", "Retorna o INSS do SENAC", "INSS Outros"},
    {35, "INSS SEST", "Retorna o INSS do SEST", "INSS Outros"},
    {36, "INSS SENAT", "Retorna o INSS do SENAT", "INSS Outros"},
    {37, "INSS SESC", "Retorna o INSS do SESC", "INSS Outros"},
    {38, "INSS SEBRAE", "Retorna o INSS do SEBRAE", "INSS Outros"},
    {39, "INSS DPC", "Retorna o INSS do DPC", "INSS Outros"},
    {40, "INSS FAER", "Retorna o INSS da FAER", "INSS Outros"},
    {41, "INSS SESCOOP", "Retorna o INSS do SESCOOP", "INSS Outros"},
    {42, "INSS SENAR", "Retorna o INSS do SENAR", "INSS Outros"},
    {43, "Isenção Filantrópica", "Retorna a Isenção Filantrópica", "Outros"},
    {44, "Acréscimo FAP", "Retorna o Acréscimo FAP", "Outros"},
    {45, "Isenção Convênios", "Retorna a Isenção dos Convênios", "Outros"},
    {46, "Salário Família", "Retorna o Salário Família", "Outros"},
    {47, "Dedução", "Retorna a Dedução", "Outros"},
    {48, "Acrés. SAT", "Retorna o Acréscimo SAT", "Outros"},
    {49, "Base PIS Normal", "Retorna a Base do PIS Normal", "Outros"},
    {50, "Base PIS 13º", "Retorna a Base do PIS 13º Salário", "Outros"},
    {51, "Valor PIS Normal", "Retorna o Valor do PIS Normal", "Outros"},
    {52, "Valor PIS 13º", "Retorna o Valor do PIS 13º Salário", "Outros"},
    {53, "Remuneração", "Retorna a Remuneração", "Outros"},
};
constexpr const char* kCaminho5[] = {"Folha de Pagamento   ", "Imposto Cálculo"};
constexpr ParametroCatalogo kParametros5[] = {
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nCodigoOutEmp", "Código da Outra Empresa", false},
    {"nCodigoCentroCusto", "Código do Centro de Custo", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};

// fpaFuncHistCargo
constexpr Item kItens6[] = {
    {0, "Código do Cargo", "Retorna o Código do Cargo do Funcionário", ""},
    {1, "Descrição do Cargo", "Retorna a Descrição do Cargo do Funcionário", ""},
    {2, "CBO", "Retorna o CBO do Cargo do Funcionário", ""},
};
constexpr const char* kCaminho6[] = {"Folha de Pagamento   ", "Funcionário", "Históricos", "Cargos"};
constexpr ParametroCatalogo kParametros6[] = {
    {"nCodigoFunc", "Código do Funcionário", true},
};

// fpaFuncHistSalario
constexpr Item kItens7[] = {
    {0, "Tipo Salário", "Retorna Tipo de Salário", ""},
    {1, "Valor Salário", "Retorna o Valor do Salário", ""},
    {2, "Motivo", "Retorna o Motivo da alteração do Salário", ""},
    {3, "DataInicial", "Retorna a Data Inicial da alteração do Salário", ""},
};
constexpr const char* kCaminho7[] = {"Folha de Pagamento   ", "Funcionário", "Históricos", "Salários"};
constexpr ParametroCatalogo kParametros7[] = {
    {"nCodigoFunc", "Código do Funcionário", true},
};

// fpaFuncHistEscala
constexpr Item kItens8[] = {
    {0, "Código Escala", "Retorna Código da Escala", ""},
    {1, "Descrição Escala", "Retorna a Descrição de Horários da Escala", ""},
    {2, "Data Inicial", "Retorna a Data Inicial do Histórico", ""},
    {3, "Regime de Jornada", "Retorna o Regime de Jornada", ""},
};
constexpr const char* kCaminho8[] = {"Folha de Pagamento   ", "Funcionário", "Históricos", "Escala"};
constexpr ParametroCatalogo kParametros8[] = {
    {"nCodigoFunc", "Código do Funcionário", true},
};

// fpaFuncHistSindicato
constexpr Item kItens9[] = {
    {0, "Código Sindicato", "Retorna Código do Sindicato", ""},
    {1, "Nome Sindicato", "Retorna o Nome do Sindicato", ""},
    {2, "Data Inicial", "Retorna a Data Inicial", ""},
    {3, "Sindicalizado", "Retorna se é Sindicalizado", ""},
    {4, "Desconta Mensalidade Sindical", "Retorna se Desconta Mensalidade Sindical", ""},
    {5, "Desconta Custeio Confederativo", "Retorna se Desconta Custeio Confederativo", ""},
    {6, "Desconta Taxa Assistencial", "Retorna se Desconta Taxa Assistencial", ""},
    {7, "Desconta Taxa de Reversão Salarial", "Retorna se Desconta Taxa de Reversão Salarial", ""},
    {8, "Desconta Contribuição Sindical", "Retorna se Desconta Contribuição Sindical", ""},
    {9, "Mês Contribuição Sindical", "Retorna o Mês Contribuição Sindical", ""},
};
constexpr const char* kCaminho9[] = {"Folha de Pagamento   ", "Funcionário", "Históricos", "Sindicato"};
constexpr ParametroCatalogo kParametros9[] = {
    {"nCodigoFunc", "Código do Funcionário", true},
};

// fpaProvFer
constexpr Item kItens10[] = {
    {1, "Avos de Férias", "Retorna os Avos de Férias", ""},
    {2, "Salário Base", "Retorna o Salário Base", ""},
    {3, "Adicional", "Retorna o Adicional", ""},
    {4, "Média da Hora Extra", "Retorna a Média da Hora Extra", ""},
    {5, "Média do Valor Variável", "Retorna a Média do Valor Variável", ""},
    {6, "Ajuste", "Retorna o Ajuste", "Ajuste"},
    {7, "Ajuste 1/3", "Retorna o Ajuste 1/3", "Ajuste"},
    {8, "Ajuste INSS", "Retorna o Ajuste INSS", "Ajuste"},
    {9, "Ajuste FGTS", "Retorna o Ajuste FGTS", "Ajuste"},
    {10, "Ajuste PIS", "Retorna o Ajuste PIS", "Ajuste"},
    {11, "Mês", "Retorna o Valor Pago no Mês", "Mensal"},
    {12, "Mês 1/3", "Retorna o Valor Pago 1/3 no Mês", "Mensal"},
    {13, "Mês INSS", "Retorna o Valor do INSS no Mês", "Mensal"},
    {14, "Mês FGTS", "Retorna o FGTS do Mês", "Mensal"},
    {15, "Mês PIS", "Retorna o PIS do Mês", "Mensal"},
    {16, "Férias Pagas", "Retorna o Valor de Férias Pagas", "Férias"},
    {17, "Férias Pagas 1/3", "Retorna o Valor de Férias Pagas 1/3", "Férias"},
    {18, "Férias Pagas INSS", "Retorna o Valor de Férias Pagas INSS", "Férias"},
    {19, "Férias Pagas FGTS", "Retorna o Valor de Férias Pagas FGTS", "Férias"},
    {20, "Férias Pagas PIS", "Retorna o Valor de Férias Pagas PIS", "Férias"},
    {21, "Diferença Pagamento", "Retorna a Diferença Pagamento", "Diferênça Pagamento"},
    {22, "Diferença com Pagamento INSS", "Retorna a Diferença com Pagamento INSS", "Diferênça Pagamento"},
    {23, "Diferença com Pagamento FGTS", "Retorna a Diferença com Pagamento FGTS", "Diferênça Pagamento"},
    {24, "Diferença com Pagamento PIS", "Retorna a Diferença com Pagamento PIS", "Diferênça Pagamento"},
    {25, "Saldo", "Retorna o Saldo", "Saldo"},
    {26, "Saldo 1/3", "Retorna o Saldo 1/3", "Saldo"},
    {27, "Saldo INSS", "Retorna o Saldo INSS", "Saldo"},
    {28, "Saldo FGTS", "Retorna o Saldo FGTS", "Saldo"},
    {29, "Saldo PIS", "Retorna o Saldo PIS", "Saldo"},
};
constexpr const char* kCaminho10[] = {"Folha de Pagamento   ", "Provisão de Férias"};
constexpr ParametroCatalogo kParametros10[] = {
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};

// fpaProvFerRat
constexpr Item kItens11[] = {
    {1, "Outra Empresa", "Retorna o Código da Outra Empresa - Rateio", ""},
    {2, "Centro de Custo", "Retorna o Código do Centro de Custo - Rateio", ""},
    {3, "Ajuste", "Retorna o Ajuste - Rateio", "Ajuste"},
    {4, "Ajuste 1/3", "Retorna o Ajuste 1/3 - Rateio", "Ajuste"},
    {5, "Ajuste INSS", "Retorna o Ajuste INSS - Rateio", "Ajuste"},
    {6, "Ajuste FGTS", "Retorna o Ajuste FGTS - Rateio", "Ajuste"},
    {7, "Ajuste PIS", "Retorna o Ajuste PIS - Rateio", "Ajuste"},
    {8, "Mês", "Retorna o Valor Pago no Mês - Rateio", "Mensal"},
    {9, "Mês 1/3", "Retorna o Valor Pago 1/3 no Mês - Rateio", "Mensal"},
    {10, "Mês INSS", "Retorna o Valor do INSS no Mês - Rateio", "Mensal"},
    {11, "Mês FGTS", "Retorna o Valor do FGTS no Mês - Rateio", "Mensal"},
    {12, "Mês PIS", "Retorna o Valor do PIS no Mês - Rateio", "Mensal"},
    {13, "Diferença Pagamento", "Retorna a Diferença Pagamento - Rateio", "Diferênça"},
    {14, "Diferença com Pagamento INSS", "Retorna a Diferença com Pagamento INSS - Rateio", "Diferênça"},
    {15, "Diferença com Pagamento FGTS", "Retorna a Diferença com Pagamento FGTS - Rateio", "Diferênça"},
    {16, "Diferença com Pagamento PIS", "Retorna a Diferença com Pagamento PIS - Rateio", "Diferênça"},
    {17, "Pago", "Retorna o Valor Pago - Rateio", "Valor Pago"},
    {18, "Pago 1/3", "Retorna o Valor Pago 1/3 - Rateio", "Valor Pago"},
    {19, "Pago INSS", "Retorna o Valor Pago INSS - Rateio", "Valor Pago"},
    {20, "Pago FGTS", "Retorna o Valor Pago FGTS - Rateio", "Valor Pago"},
    {21, "Pago PIS", "Retorna o Valor Pago PIS - Rateio", "Valor Pago"},
};
constexpr const char* kCaminho11[] = {"Folha de Pagamento   ", "Provisão de Férias Rateado   "};
constexpr ParametroCatalogo kParametros11[] = {
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nCodigoOutEmp", "Código da Outra Empresa", false},
    {"nCodigoCentroCusto", "Código do Centro de Custo", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};

// fpaProv13Sal
constexpr Item kItens12[] = {
    {1, "Avos de 13º Salário", "Retorna os Avos de 13º Salário", ""},
    {2, "Salário Base", "Retorna o Salário Base", ""},
    {3, "Adicional", "Retorna o Adicional", ""},
    {4, "Média da Hora Extra", "Retorna a Média da Hora Extra", ""},
    {5, "Média do Valor Variável", "Retorna a Média do Valor Variável", ""},
    {6, "Ajuste", "Retorna o Ajuste", "Ajuste"},
    {7, "Ajuste INSS", "Retorna o Ajuste INSS", "Ajuste"},
    {8, "Ajuste FGTS", "Retorna o Ajuste FGTS", "Ajuste"},
    {9, "Ajuste PIS", "Retorna o Ajuste PIS", "Ajuste"},
    {10, "Mês", "Retorna o Valor Pago no Mês", "Mensal"},
    {11, "Mês INSS", "Retorna o Valor do INSS no Mês", "Mensal"},
    {12, "Mês FGTS", "Retorna o FGTS do Mês", "Mensal"},
    {13, "Mês PIS", "Retorna o PIS do Mês", "Mensal"},
    {14, "Pago", "Retorna o Valor Pago", "Valor Pago"},
    {15, "Pago INSS", "Retorna o Valor Pago de INSS", "Valor Pago"},
    {16, "Pago FGTS", "Retorna o Valor Pago de FGTS", "Valor Pago"},
    {17, "Pago PIS", "Retorna o Valor Pago de PIS", "Valor Pago"},
    {18, "Diferença Pagamento", "Retorna a Diferença Pagamento", "Diferênça Pagamento"},
    {19, "Diferença com Pagamento INSS", "Retorna a Diferença com Pagamento INSS", "Diferênça Pagamento"},
    {20, "Diferença com Pagamento FGTS", "Retorna a Diferença com Pagamento FGTS", "Diferênça Pagamento"},
    {21, "Diferença com Pagamento PIS", "Retorna a Diferença com Pagamento PIS", "Diferênça Pagamento"},
    {22, "Saldo", "Retorna o Saldo", "Saldo"},
    {23, "Saldo INSS", "Retorna o Saldo INSS", "Saldo"},
    {24, "Saldo FGTS", "Retorna o Saldo FGTS", "Saldo"},
    {25, "Saldo PIS", "Retorna o Saldo PIS", "Saldo"},
    {26, "Indenização", "Retorna o Valor da Indenização", "Indenização"},
    {27, "Indenização FGTS", "Retorna o Valor da Indenização FGTS", "Indenização"},
    {28, "Indenização PIS", "Retorna o Valor da Indenização PIS", "Indenização"},
    {29, "Adiantamento", "Retorna o Valor do Adiantamento", "Adiantamento"},
    {30, "Adiantamento FGTS", "Retorna o Valor do Adiantamento FGTS", "Adiantamento"},
};
constexpr const char* kCaminho12[] = {"Folha de Pagamento   ", "Provisão de 13º Salário"};
constexpr ParametroCatalogo kParametros12[] = {
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};

// fpaProv13SalRat
constexpr Item kItens13[] = {
    {1, "Outra Empresa", "Retorna o Código da Outra Empresa - Rateio", ""},
    {2, "Centro de Custo", "Retorna o Código do Centro de Custo - Rateio", ""},
    {3, "Ajuste", "Retorna o Ajuste - Rateio", "Ajuste"},
    {4, "Ajuste INSS", "Retorna o Ajuste INSS - Rateio", "Ajuste"},
    {5, "Ajuste FGTS", "Retorna o Ajuste FGTS - Rateio", "Ajuste"},
    {6, "Ajuste PIS", "Retorna o Ajuste PIS - Rateio", "Ajuste"},
    {7, "Mês", "Retorna o Valor Pago no Mês - Rateio", "Mensal"},
    {8, "Mês INSS", "Retorna o Valor do INSS no Mês - Rateio", "Mensal"},
    {9, "Mês FGTS", "Retorna o FGTS do Mês - Rateio", "Mensal"},
    {10, "Mês PIS", "Retorna o PIS do Mês - Rateio", "Mensal"},
    {11, "Pago", "Retorna o Valor Pago - Rateio", "Valor Pago"},
    {12, "Pago INSS", "Retorna o Valor Pago de INSS - Rateio", "Valor Pago"},
    {13, "Pago FGTS", "Retorna o Valor Pago de FGTS - Rateio", "Valor Pago"},
    {14, "Pago PIS", "Retorna o Valor Pago de PIS - Rateio", "Valor Pago"},
    {15, "Diferença Pagamento", "Retorna a Diferença Pagamento - Rateio", "Diferênça Pagamento   "},
    {16, "Diferença com Pagamento INSS", "Retorna a Diferença com Pagamento INSS - Rateio", "Diferênça Pagamento   "},
    {17, "Diferença com Pagamento FGTS", "Retorna a Diferença com Pagamento FGTS - Rateio", "Diferênça Pagamento   "},
    {18, "Diferença com Pagamento PIS", "Retorna a Diferença com Pagamento PIS - Rateio", "Diferênça Pagamento   "},
};
constexpr const char* kCaminho13[] = {"Folha de Pagamento   ", "Provisão de 13º Salário Rateado   "};
constexpr ParametroCatalogo kParametros13[] = {
    {"nCodigoEstab", "Código do Estabelecimento", false},
    {"nCodigoOutEmp", "Código da Outra Empresa", false},
    {"nCodigoCentroCusto", "Código do Centro de Custo", false},
    {"nOrganograma", "Classificação do Organograma", false},
    {"nCodigoFunc", "Código do Funcionário", false},
};

constexpr DefinicaoCatalogo kCatalogos[] = {
    {"gerEMP", kCaminho0, kParametros0, false, true, false, kItens0},
    {"fpaFunc", kCaminho1, kParametros1, false, false, false, kItens1},
    {"fpaGPS", kCaminho2, kParametros2, false, false, true, kItens2},
    {"fpaFuncTotais", kCaminho3, kParametros3, false, false, false, kItens3},
    {"fpaOutEmp", kCaminho4, kParametros4, false, false, false, kItens4},
    {"fpaImpCalc", kCaminho5, kParametros5, true, false, false, kItens5},
    {"fpaFuncHistCargo", kCaminho6, kParametros6, false, false, false, kItens6},
    {"fpaFuncHistSalario", kCaminho7, kParametros7, false, false, false, kItens7},
    {"fpaFuncHistEscala", kCaminho8, kParametros8, false, false, false, kItens8},
    {"fpaFuncHistSindicato", kCaminho9, kParametros9, false, false, false, kItens9},
    {"fpaProvFer", kCaminho10, kParametros10, true, false, true, kItens10},
    {"fpaProvFerRat", kCaminho11, kParametros11, true, false, false, kItens11},
    {"fpaProv13Sal", kCaminho12, kParametros12, true, false, true, kItens12},
    {"fpaProv13SalRat", kCaminho13, kParametros13, true, false, false, kItens13},
};

}  // namespace

std::span<const DefinicaoCatalogo> catalogos()
{
    return kCatalogos;
}

}  // namespace catalog::dados
