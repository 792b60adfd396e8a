#pragma once

#include "payroll/ConsultaFolha.h"
#include "payroll/RotinasEvento.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

namespace host {
class TnClientDataSet;
}

namespace payroll {

class LinhasDoFuncionario;


// Turns an event's base or reference into text in the event's unit, from
// its procedure code and structure class, the employee's contract and union.
class TfpaOMascEvento {
public:
    using Consulta = ConsultaFolha;
    // Runs the contract and union queries; by default on the program's
    // connection.
    using Executor = std::function<std::unique_ptr<host::TnClientDataSet>(const Consulta&)>;

    explicit TfpaOMascEvento(Executor executar = {});  // opens the event table
    ~TfpaOMascEvento();
    TfpaOMascEvento(const TfpaOMascEvento&) = delete;
    TfpaOMascEvento& operator=(const TfpaOMascEvento&) = delete;

    int CodigoEmpresa();  // 0 reads the host variable "gCodigoEmpresa"
    void SetCodigoEmpresa(int codigo) { FCodigoEmpresa = codigo; }
    void SetarCodigoEmpresa(int codigo) { FCodigoEmpresa = codigo; }

    QString GetBaseEventEx(int codFunc, int codEvento, double baseEvent);
    QString GetBaseEventExMask(int codFunc, int codEvento, double baseEvent);
    QString GetReferEventEx(int codFunc, int codEvento, double referEvent, bool complReferencia);
    QString GetReferEventEx(int codigoEmpresa, int codFunc, int codEvento, double referEvent, bool complReferencia);
    QString GetReferEventExMask(int codFunc, int codEvento, double referEvent, bool complReferencia);
    // The reference text from what the event table, contract and union give.
    static QString GetReferEvent(int codProced, int tipoQuebraCaixa, double ceReferEvent, const QString& codigoEstrut,
                                 const QString& evReferEvent, const QString& hora, const QString& horaCent,
                                 bool arredondarHoraCentesimal, bool complReferencia,
                                 const QString& proporcCalculo13Dia, const QString& proporcCalculoFeriasDia,
                                 bool mascara = false);
    // The contract and the union rows of a company's employees at a date:
    // the one text and values that the formatter and the run's read-ahead
    // both send.
    static Consulta ConsultaDadosContrato(int empresa, const QDate& data);
    static Consulta ConsultaSindicato(int empresa, const QDate& data);

private:
    QString Base(int codFunc, int codEvento, double valor, bool mascara);
    QString Refer(int codFunc, int codEvento, double valor, bool complReferencia, bool mascara);
    const ClasseEvento& PosicionarEvento(int codEvento);
    void PosicionarFuncionario(int codFunc);
    void LerAjustesHora();
    int TipoAnuidade(const QString& codigoEstrut);
    int TipoNaTabelaAnuidade(int codigoAnuidade);
    QString SufixoClasse(const QString& codigoEstrut, double valor) const;
    int TipoQuebraCaixa() const;

    std::unique_ptr<host::TnClientDataSet> FCurDadosContrato;
    std::unique_ptr<host::TnClientDataSet> FCurSindicato;
    QString FHoraCent;
    bool FArredondaHoraCent = false;
    // The configuration's revision the two above were read at.
    std::optional<std::uint64_t> FAjustesLidos;
    Executor FExecutar;
    int FCodigoEmpresa = 0;
    std::unique_ptr<host::TnClientDataSet> FCurEvento;
    QDateTime FCompet;
    std::unique_ptr<host::TnClientDataSet> FCurAnuidade;
    // The company each dataset was read for, and whether the employee was
    // found in it; an employee missing reads as empty data.
    std::optional<int> FEmpresaContrato;
    std::optional<int> FEmpresaSindicato;
    std::unique_ptr<LinhasDoFuncionario> FLinhasContrato;
    std::unique_ptr<LinhasDoFuncionario> FLinhasSindicato;
    bool FContratoAchado = false;
    bool FSindicatoAchado = false;
    std::optional<std::pair<int, int>> FFuncionarioPosicionado;  // company and employee
    std::map<int, ClasseEvento> FEventosLidos;
};

}  // namespace payroll
