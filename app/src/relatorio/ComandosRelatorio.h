#pragma once

#include <host/ConnectionText.h>

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QAction;
class TVandrelFilhaForm;
class TVandrelPrincForm;

namespace gui {
class ProgressoJanela;
}

namespace host {
class TnDMPlanilha;
}

namespace relatorio {
struct PedidoExecucao;
}

// The host framework's part of the editor: the "Relatório" menu, which runs
// the active template on the payroll database and opens the report beside
// it, exports a report, and says where the database is.
class ComandosRelatorio : public QObject {
    Q_OBJECT
public:
    ComandosRelatorio(TVandrelPrincForm& principal, host::TnDMPlanilha& modulo);
    ~ComandosRelatorio() override;

    QAction* acao(const QString& nome) const;  // null for an unknown name

    void gerar();
    void exportar();
    void conexao();
    void bancoDemonstracao();

    // Runs the template in its window as asked, on a copy of its workbook;
    // the report, when there is one, opens in a window of its own.
    TVandrelFilhaForm* executar(TVandrelFilhaForm& modelo, const relatorio::PedidoExecucao& pedido);

private:
    void criarMenu();
    void atualizar();
    host::ConnectionText conexaoAtual() const;
    void lembrar(const host::ConnectionText& conexao);
    gui::ProgressoJanela* progresso() const;

    TVandrelPrincForm& FPrincipal;
    host::TnDMPlanilha& FModulo;
    std::map<QString, QAction*> FAcoes;
    // Asked once per session, never written anywhere.
    QString FSenha;
};
