#pragma once

// The catalogue tables as plain constant data, in the layout the generated
// sources fill. The public structures are built from them once.

#include "catalog/ParametroCatalogo.h"
#include "catalog/TabelaFuncoes.h"

#include <span>

namespace catalog::dados {

struct Item {
    int numero;  // as the menu row is numbered, before CorrecaoNumeros
    const char* legenda;
    const char* dica;
    const char* grupo;
};

struct DefinicaoCatalogo {
    const char* funcao;
    std::span<const char* const> caminho;
    std::span<const ParametroCatalogo> parametros;
    bool ajusteFolha;
    bool escreveDica;
    bool separadorAntes;
    std::span<const Item> itens;
};

struct DefinicaoAcao {
    const char* nome;
    const char* legenda;
    const char* funcao;
    int tag;
    const char* manipulador;
    std::span<const ParametroCatalogo> parametros;
    bool ajusteFolha;
    int idDescricao;            // string-table id of the hint; 0 when it is not taken from there
    const char* dicaDeclarada;  // the hint of an action without a description, or nullptr
    std::span<const char* const> caminho;
    bool separadorAntes;
};

struct DefinicaoQuebra {
    const char* acao;
    const char* palavra;
    const char* legenda;
    const char* dica;
    std::span<const char* const> caminho;
};

struct EntradaString {
    int id;
    const char* texto;
};

struct AjudaParametro {
    const char* parametro;
    int id;
};

std::span<const DefinicaoCatalogo> catalogos();
std::span<const DefinicaoAcao> acoes();
std::span<const DefinicaoQuebra> quebras();
std::span<const FuncaoRegistrada> funcoes();
// Sorted by id.
std::span<const EntradaString> strings();
std::span<const AjudaParametro> ajudas();

}  // namespace catalog::dados
