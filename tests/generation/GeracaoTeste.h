#pragma once

#include "ModeloTeste.h"
#include "ProgressoTeste.h"

#include "payroll/TnFpaDMPlanilha.h"

#include "host/TnDM.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <memory>
#include <ostream>
#include <vector>

// Lets GoogleTest show QString values (and lists of them) as text in
// failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// Layout columns by letter.
enum Coluna : int { A, B, C, D, E };

// Money is compared to a thousandth of a cent: a cell keeps 15 digits.
constexpr double kCentavos = 1e-5;

// A generation run as the report framework starts it: the payroll module
// created by class name from the action registry, with a recording
// progress frame, on the demo database unless a case connects another.
class GeracaoTeste : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    static void conectar(const QString& conexao);
    // Replaces the module and its frame by new ones.
    void novoModulo();
    // Runs the template; the message of the failure the run ended with,
    // empty when it returned normally.
    QString executar(ModeloTeste& modelo);

    // Every row of a query written by the case, its fields joined by "/".
    static QStringList linhasSql(const QString& sql);
    static std::vector<QVariantList> registrosSql(const QString& sql);
    // The movement rows of a company and period (the run's own joins),
    // for the select list, the tail and the further joins the case gives.
    static QString movimento(const QString& campos, int empresa, int periodo, const QString& resto = {},
                             const QString& juncao = {});

    // The establishments of the company's movement in the period, in order.
    static QStringList estabelecimentos(int empresa, int periodo);
    // A payroll function's text read as a number of the pt-BR locale.
    static double numero(const QString& texto);

    // Declared before the template, so it outlives the workbook pointing at it.
    spreadsheet::WorkbookTag outroDono;
    ModeloTeste modelo;
    std::unique_ptr<host::TnDM> modulo;
    payroll::TnFpaDMPlanilha* dm = nullptr;
    ProgressoTeste* progresso = nullptr;
};
