#include "CorrecaoNumeros.h"

#include <QByteArrayView>

#include <algorithm>
#include <iterator>

namespace catalog {

namespace {

struct Correcao {
    const char* funcao;
    int numero;
    int corrigido;
};

// These menu rows were numbered after another column order than the one
// their function returns: the employee query puts telephone and e-mail
// (17-19) before the address (20-28), and the GPS query puts the third-party,
// director, philanthropy and FAP percentages at 19-22 in that order. Each row
// keeps its caption, hint and menu place and takes the number of its column.
constexpr Correcao kCorrecoes[] = {
    {"fpaFunc", 17, 20},  // Logrador Endereço
    {"fpaFunc", 18, 21},  // Endereço
    {"fpaFunc", 19, 22},  // Número Endereço
    {"fpaFunc", 20, 23},  // Complemento Endereço
    {"fpaFunc", 21, 24},  // Bairro
    {"fpaFunc", 22, 25},  // Estado
    {"fpaFunc", 23, 26},  // Código Município
    {"fpaFunc", 24, 27},  // Nome Município
    {"fpaFunc", 25, 28},  // CEP
    {"fpaFunc", 26, 17},  // DDD Telefone
    {"fpaFunc", 27, 18},  // Telefone
    {"fpaFunc", 28, 19},  // E-mail
    {"fpaGPS", 19, 22},   // Acréscimo FAP
    {"fpaGPS", 20, 19},   // Percentual Terceiros/Convênio
    {"fpaGPS", 21, 20},   // Percentual Diretor/Autônomo
    {"fpaGPS", 22, 21},   // Percentual Insenção Filantropia
};

}  // namespace

int numeroCorrigido(const char* funcao, int numero)
{
    const auto* correcao = std::find_if(std::begin(kCorrecoes), std::end(kCorrecoes), [&](const Correcao& c) {
        return c.numero == numero && QByteArrayView(c.funcao) == QByteArrayView(funcao);
    });
    return correcao == std::end(kCorrecoes) ? numero : correcao->corrigido;
}

}  // namespace catalog
