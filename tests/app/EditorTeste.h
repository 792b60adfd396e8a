#pragma once

#include "src/TVandrelPrincForm.h"
#include "workbook/TVandrelFilhaForm.h"

#include "catalog/RegistroFuncoes.h"

#include "host/DialogosRoteiro.h"
#include "host/TnDialogos.h"

#include <spreadsheet/Workbook.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// One QApplication serves the whole program; it goes when the last test
// has run, with whatever Qt keeps for it.
class AmbienteAplicacao : public ::testing::Environment {
public:
    void TearDown() override { delete QApplication::instance(); }
};

// The main window with its dialogs answered by script.
class EditorTeste : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nome[] = "app_tests";
        static char* argv[] = {nome, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance()) {
            new QApplication(argc, argv);
            ::testing::AddGlobalTestEnvironment(new AmbienteAplicacao);
        }
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        catalog::RegistrarTodasFuncoes();
    }

    void SetUp() override
    {
        auto roteiro = std::make_unique<host::DialogosRoteiro>();
        dialogos = roteiro.get();
        host::instalarDialogos(std::move(roteiro));
        principal = std::make_unique<TVandrelPrincForm>();
        principal->show();
    }

    void TearDown() override
    {
        principal.reset();
        host::instalarDialogos(nullptr);
    }

    QString caminho(const QString& nome) const { return pasta.filePath(nome); }
    QStringList titulos() const
    {
        QStringList lista;
        for (TVandrelFilhaForm* janela : principal->janelas())
            lista << janela->windowTitle();
        return lista;
    }

    QTemporaryDir pasta;
    host::DialogosRoteiro* dialogos = nullptr;
    std::unique_ptr<TVandrelPrincForm> principal;
};
