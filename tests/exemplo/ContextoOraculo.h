#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <vector>

namespace exemplo::testes {

class BancoOraculo;
class ExecucaoModelo;

// A template's run parameters, read from its defined names and its layout
// as the run reads them.
struct ParametrosExecucao {
    QString empresas;
    QString periodos;
    QString filiais;
    QString funcionarios;
    QString centroCustos;
    QString localContabil;
    int linhasPorPagina = -1;
    // The break fields of the replication, in the order the walk meets
    // their keywords: what every payroll function's break chain is made of.
    QStringList camposQuebra;

    static ParametrosExecucao ler(const ExecucaoModelo& execucao);
};

// A break field as a family's query names it, with the cell's value for
// it and whether the cell gave one.
struct CampoQuebra {
    const char* campo;
    QString coluna;
    QVariant valor;
    bool informado;
};

// A cell being checked: its run, the company and row of its page, and the
// oracle's database.
struct ContextoCelula {
    const ParametrosExecucao& parametros;
    const BancoOraculo& banco;
    int empresa;
    int row;

    // The last day of the latest competence of the run's companies and
    // periods, 'YYYY-MM-DD': the date of the history and GPS lookups.
    QString dataReferencia() const;
    // The cell's break chain as SQL conditions: with a replication in
    // force, each break field of the run with the cell's value, -1
    // included; otherwise the fields the cell gives.
    QString quebra(const std::vector<CampoQuebra>& campos) const;
};

// A call's arguments read by the payroll conventions: by position, numbers
// rounded with -1 for "not given", texts empty when not given.
class ArgumentosOraculo {
public:
    explicit ArgumentosOraculo(QVariantList valores) : FValores(std::move(valores)) {}

    int quantidade() const { return static_cast<int>(FValores.size()); }
    int numero(int indice) const;
    double real(int indice) const;
    QString texto(int indice) const;
    QString organograma(int indice) const;  // without single quotes

private:
    QVariantList FValores;
};

}  // namespace exemplo::testes
