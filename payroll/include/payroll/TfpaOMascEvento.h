#pragma once

#include "host/TParams.h"

#include <QDateTime>
#include <QString>

#include <memory>

namespace host {
class TnClientDataSet;
}

namespace payroll {

// Turns an event's base or reference into text in the event's unit, from
// its procedure code and structure class, the employee's contract and union.
class TfpaOMascEvento {
public:
    TfpaOMascEvento();  // opens the event table
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

private:
    std::unique_ptr<host::TnClientDataSet> FCurDadosContrato;
    std::unique_ptr<host::TnClientDataSet> FCurSindicato;
    QString FHoraCent;
    bool FArredondaHoraCent = false;
    host::TParams FParSindicato;
    int FCodigoEmpresa = 0;
    std::unique_ptr<host::TnClientDataSet> FCurEvento;
    QDateTime FCompet;
    std::unique_ptr<host::TnClientDataSet> FCurAnuidade;
};

}  // namespace payroll
