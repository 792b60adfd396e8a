#include "gui/DialogosJanela.h"

#include "ajuda/CaminhoAjuda.h"
#include "ajuda/JanelaAjuda.h"
#include "gui/FiltroArquivo.h"
#include "gui/TituloPrograma.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <vector>

namespace gui {

namespace {

struct IconeTipo {
    host::TipoMensagem tipo;
    QMessageBox::Icon icone;
};

constexpr std::array<IconeTipo, 5> kIcones{{
    {host::TipoMensagem::Aviso, QMessageBox::Warning},
    {host::TipoMensagem::Erro, QMessageBox::Critical},
    {host::TipoMensagem::Informacao, QMessageBox::Information},
    {host::TipoMensagem::Confirmacao, QMessageBox::Question},
    {host::TipoMensagem::Personalizado, QMessageBox::NoIcon},
}};

QMessageBox::Icon iconeDe(host::TipoMensagem tipo)
{
    for (const IconeTipo& item : kIcones) {
        if (item.tipo == tipo) {
            return item.icone;
        }
    }
    return QMessageBox::NoIcon;
}

}  // namespace

DialogosJanela::DialogosJanela() = default;

DialogosJanela::~DialogosJanela()
{
    // A widget cannot be destroyed once the application object is gone; at
    // that point the process is ending and the system takes the window back.
    if (!QApplication::instance()) {
        static_cast<void>(FJanelaAjuda.release());
    }
}

void DialogosJanela::mostrarMensagem(const QString& texto, host::TipoMensagem tipo)
{
    perguntar(texto, tipo, {}, {});
}

int DialogosJanela::perguntar(const QString& texto, host::TipoMensagem tipo, const QStringList& botoes,
                              const QString& titulo)
{
    const QStringList legendas = botoes.isEmpty() ? QStringList{QStringLiteral("OK")} : botoes;
    QMessageBox caixa(iconeDe(tipo), titulo.isEmpty() ? tituloPrograma() : titulo, texto, QMessageBox::NoButton,
                      QApplication::activeWindow());
    std::vector<QPushButton*> criados;
    for (const QString& legenda : legendas) {
        // One role for all keeps the buttons in the order they were given.
        criados.push_back(caixa.addButton(legenda, QMessageBox::ActionRole));
    }
    caixa.setDefaultButton(criados.front());
    caixa.setEscapeButton(criados.back());
    caixa.exec();
    for (std::size_t i = 0; i < criados.size(); ++i) {
        if (caixa.clickedButton() == criados[i]) {
            return int(i);
        }
    }
    return int(criados.size()) - 1;
}

bool DialogosJanela::pedirTexto(const QString& titulo, const QString& pergunta, QString& valor)
{
    bool ok = false;
    const QString resposta =
        QInputDialog::getText(QApplication::activeWindow(), titulo, pergunta, QLineEdit::Normal, valor, &ok);
    if (ok) {
        valor = resposta;
    }
    return ok;
}

QString DialogosJanela::selecionarArquivo(const QString& titulo, const QString& filtro, bool salvar)
{
    const QString filtroQt = FiltroArquivo::paraQt(filtro);
    QString escolhido;
    if (!salvar) {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), titulo, QString(), filtroQt, &escolhido);
    }
    const QString caminho =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), titulo, QString(), filtroQt, &escolhido);
    return FiltroArquivo::comExtensao(caminho, escolhido.isEmpty() ? filtroQt : escolhido);
}

void DialogosJanela::mostrarAjuda(const QString& arquivo, const QString& pagina)
{
    const QString pasta = ajuda::CaminhoAjuda::resolver(arquivo);
    if (!FJanelaAjuda) {
        FJanelaAjuda = std::make_unique<ajuda::JanelaAjuda>();
    }
    FJanelaAjuda->mostrar(pasta, pagina);
}

}  // namespace gui
