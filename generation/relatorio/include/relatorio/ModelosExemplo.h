#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <span>

namespace spreadsheet {
class Workbook;
}

class QDir;

namespace exemplo {

// What the sample templates ask of the database they are made for: the
// companies to run, those with apportionment, and one monthly period.
struct ParametrosExemplo {
    QString empresas;
    QString empresasRateio;
    QString periodo;
};

using CriarModelo = std::unique_ptr<spreadsheet::Workbook> (*)(const ParametrosExemplo&);

struct ModeloExemplo {
    const char* arquivo;
    CriarModelo criar;
};

// The four sample templates, each with its file name.
std::span<const ModeloExemplo> modelosExemplo();
// Writes them into the folder, made for the database's facts, as they print
// best; gives the paths written.
QStringList gravarModelos(const ParametrosExemplo& parametros, const QDir& pasta);

// The demo database's file name in the samples' folder.
inline const QString kArquivoBanco = QStringLiteral("folha-demo.sqlite");

// Payroll summary by establishment, employees nested in each.
std::unique_ptr<spreadsheet::Workbook> criarResumoFolha(const ParametrosExemplo& parametros);
// Apportionment by other company, cost centre and employee.
std::unique_ptr<spreadsheet::Workbook> criarRateio(const ParametrosExemplo& parametros);
// Vacation and 13th-salary provisions by establishment, organogram class and employee.
std::unique_ptr<spreadsheet::Workbook> criarProvisoes(const ParametrosExemplo& parametros);
// Employee registry with histories, organogram, GPS and other companies.
std::unique_ptr<spreadsheet::Workbook> criarCadastro(const ParametrosExemplo& parametros);

}  // namespace exemplo
