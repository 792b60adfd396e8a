#pragma once

#include "src/TVandrelPrincForm.h"
#include "workbook/TVandrelFilhaForm.h"

#include "catalog/RegistroFuncoes.h"

#include "host/DialogosRoteiro.h"
#include "host/TnDialogos.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline QByteArray ler(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void escrever(const QString& caminho, const QByteArray& bytes)
{
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Runs acao on the modal dialog the command about to run opens, once its
// event loop runs.
inline void aoAbrirModal(std::function<void(QWidget*)> acao)
{
    QTimer::singleShot(0, [acao = std::move(acao)] {
        QWidget* dialogo = QApplication::activeModalWidget();
        ASSERT_NE(dialogo, nullptr);
        acao(dialogo);
    });
}

// The editor's executable run by a test: offscreen, without touching the
// desktop's file associations.
inline QProcessEnvironment ambienteExecutavel()
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.insert(QStringLiteral("DARVELO_SEM_ASSOCIACAO"), QStringLiteral("1"));
    return ambiente;
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

// A new workbook window, with the selection and the commands driven as the
// clerk drives them.
class JanelaTeste : public EditorTeste {
protected:
    void SetUp() override
    {
        EditorTeste::SetUp();
        janela = &principal->NewSheet(QString());
        folha = &janela->workbook().activeSheet();
    }
    void selecionar(const spreadsheet::CellRange& area)
    {
        janela->cxSpreadBook().setSelection(area, {area.top, area.left});
    }
    void disparar(const char* nome) { principal->acao(QString::fromLatin1(nome))->trigger(); }

    TVandrelFilhaForm* janela = nullptr;
    spreadsheet::Sheet* folha = nullptr;
};
