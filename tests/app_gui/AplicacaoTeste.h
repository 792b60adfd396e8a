#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// The widgets under test need one QApplication for the whole program; it is
// created before the first test and destroyed after the last, while every
// widget of the tests is already gone.
class AmbienteQt : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        FAplicacao = std::make_unique<QApplication>(FArgc, FArgv);
    }
    void TearDown() override { FAplicacao.reset(); }

private:
    int FArgc = 1;
    char FNome[16] = "app_gui_tests";
    char* FArgv[2] = {FNome, nullptr};
    std::unique_ptr<QApplication> FAplicacao;
};

inline ::testing::Environment* const kAmbienteQt = ::testing::AddGlobalTestEnvironment(new AmbienteQt);

// Runs acao on the modal dialog that the code under test is about to open,
// as soon as the dialog's event loop runs.
inline void aoAbrirModal(std::function<void(QWidget*)> acao)
{
    auto* espera = new QTimer;
    espera->setInterval(5);
    QObject::connect(espera, &QTimer::timeout, [espera, acao = std::move(acao)] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            espera->stop();
            espera->deleteLater();
            acao(modal);
        }
    });
    espera->start();
}
