// Command-line conventions every command keeps: help and version on
// standard output with exit 0, usage errors on standard error with exit 2.
#include "ExecutarDarvelo.h"

#include <gtest/gtest.h>

namespace {

enum class Canal { Saida, Erro };

struct Caso {
    QStringList argumentos;
    int codigo;
    Canal canal;  // where the answer goes; the other channel stays empty
    const char* texto;
};

}  // namespace

TEST(LinhaDeComandoTest, AjudaVersaoEErrosDeUso)
{
    const Caso casos[] = {
        {{"--help"}, 0, Canal::Saida, "Uso: darvelo COMANDO"},
        {{"-h"}, 0, Canal::Saida, "Comandos:"},
        {{"--version"}, 0, Canal::Saida, "darvelo " DARVELO_VERSAO "\n"},
        {{"gerar", "--help"}, 0, Canal::Saida, "Uso: darvelo gerar MODELO"},
        {{"converter", "--help"}, 0, Canal::Saida, "Uso: darvelo converter"},
        {{"banco-demo", "--help"}, 0, Canal::Saida, "--se-ausente"},
        {{"exemplo", "--help"}, 0, Canal::Saida, "Uso: darvelo exemplo"},
        {{"demo", "--help"}, 0, Canal::Saida, "Uso: darvelo demo"},
        {{}, 2, Canal::Erro, "Uso: darvelo COMANDO"},
        {{"--desconhecida"}, 2, Canal::Erro, "Opção desconhecida: --desconhecida"},
        {{"nada"}, 2, Canal::Erro, "Comando desconhecido: nada"},
        {{"gerar", "m.nxs", "--banco", "sqlite:x", "--xyz"}, 2, Canal::Erro, "Opção desconhecida: --xyz"},
        {{"gerar", "m.nxs", "--banco"}, 2, Canal::Erro, "Falta o valor da opção"},
        {{"converter", "--desconhecida", "a.nxs", "b.json"}, 2, Canal::Erro, "Opção desconhecida: --desconhecida"},
        {{"banco-demo", "--xyz"}, 2, Canal::Erro, "Opção desconhecida: --xyz"},
        {{"exemplo", "--xyz"}, 2, Canal::Erro, "Opção desconhecida: --xyz"},
        {{"demo", "--xyz"}, 2, Canal::Erro, "Opção desconhecida: --xyz"},
    };
    for (const Caso& caso : casos) {
        const Saida r = darvelo(caso.argumentos);
        const std::string onde = caso.argumentos.join(u' ').toStdString();
        EXPECT_EQ(r.codigo, caso.codigo) << onde;
        const QString& resposta = caso.canal == Canal::Saida ? r.out : r.err;
        const QString& outro = caso.canal == Canal::Saida ? r.err : r.out;
        EXPECT_TRUE(resposta.contains(QString::fromUtf8(caso.texto))) << onde << ": " << resposta.toStdString();
        EXPECT_TRUE(outro.isEmpty()) << onde << ": " << outro.toStdString();
    }
}
