#pragma once

#include "workbook/CopiaRecuperacao.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <map>
#include <memory>
#include <vector>

namespace spreadsheet {
class Workbook;
namespace io {
struct PrintSettings;
}
}  // namespace spreadsheet

// The recovery copies of one running editor. Each editor keeps its copies in
// a folder of its own under the recovery root, locked while it runs, so that
// another editor started meanwhile never takes them; an editor that ended
// normally leaves no folder, one that died leaves a folder whose lock is
// stale. Copies are written in the background, in the order asked, and
// never touch the workbook's own file.
class ArmazemRecuperacao : public QObject {
    Q_OBJECT
public:
    // $XDG_STATE_HOME/Darvelo/recuperacao, or ~/.local/state/Darvelo/recuperacao.
    static QString raizPadrao();

    // Creates and locks this editor's folder. Throws HostError.
    explicit ArmazemRecuperacao(const QString& raiz = raizPadrao());
    // Waits for the writes under way, then removes the folder and its lock.
    ~ArmazemRecuperacao() override;
    ArmazemRecuperacao(const ArmazemRecuperacao&) = delete;
    ArmazemRecuperacao& operator=(const ArmazemRecuperacao&) = delete;

    const QString& pasta() const { return FPasta; }

    // Takes the workbook's content now, on the caller's thread, and writes
    // it as copy "id" (replacing an earlier one) in the background. Only
    // reads the workbook. A failure is told through falhou.
    void gravar(const QString& id, const spreadsheet::Workbook& workbook, const spreadsheet::io::PrintSettings& impressao,
                const QString& titulo, const QString& caminho);
    void remover(const QString& id);
    // Returns once every write and removal asked so far is done.
    void aguardar();
    // This editor's copies, once written.
    std::vector<CopiaRecuperacao> copias() const;

    // The copies left by editors that did not end normally. Their folders
    // stay claimed by this editor until concluir, so that no other editor
    // offers them meanwhile; a live editor's folder is never listed.
    std::vector<CopiaRecuperacao> abandonadas();
    // Moves an abandoned copy into this editor's folder as copy "id".
    // Throws HostError.
    void adotar(const CopiaRecuperacao& copia, const QString& id);
    void descartar(const CopiaRecuperacao& copia);
    // Gives up the claimed folders: those left without copies are removed,
    // the others wait for the next start.
    void concluir();

signals:
    // From the writing thread; reaches receivers on their own thread.
    void falhou(const QString& mensagem);

private:
    QString arquivo(const QString& id) const;
    static std::vector<CopiaRecuperacao> lerPasta(const QString& pasta);

    QString FRaiz;
    QString FPasta;
    std::unique_ptr<QLockFile> FTrava;
    std::map<QString, std::unique_ptr<QLockFile>> FReclamadas;  // folder -> its lock, taken over
    QThreadPool FEscrita;                                         // one thread: requests keep their order
};
