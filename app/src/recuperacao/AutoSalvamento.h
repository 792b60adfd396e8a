#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <map>

class ArmazemRecuperacao;
class TVandrelFilhaForm;
class TVandrelPrincForm;

// Every so often, writes a recovery copy of each workbook window with unsaved
// changes, and drops the copy of a window once it is saved or closed. The
// windows themselves are only read: their file, modified flag and history
// stay as they were.
class AutoSalvamento : public QObject {
    Q_OBJECT
public:
    // The setting "IntervaloRecuperacao", in minutes (decimals allowed); 5
    // when unset, 0 to switch the copies off. Raises HostError for a value
    // that is not a number of minutes.
    static std::chrono::milliseconds intervaloConfigurado();

    AutoSalvamento(TVandrelPrincForm& principal, ArmazemRecuperacao& armazem);

    // Zero stops the timer.
    void setIntervalo(std::chrono::milliseconds intervalo);
    // One round of copies now, as the timer does.
    void salvarAgora();
    // A window opened from a copy that is now this editor's as copy "id",
    // already up to date with it.
    void adotar(TVandrelFilhaForm& janela, const QString& id);
    // The id the next copy of a window gets.
    QString novoId();

private:
    struct Registro {
        QString id;
        std::uint64_t estado = 0;  // the history's state in the copy
        bool copiada = false;
    };
    Registro& registro(TVandrelFilhaForm& janela);
    void salvar(TVandrelFilhaForm& janela, Registro& dela);
    void descartar(Registro& dela);

    TVandrelPrincForm& FPrincipal;
    ArmazemRecuperacao& FArmazem;
    QTimer FRelogio;
    std::map<const QObject*, Registro> FJanelas;
    int FProximo = 1;
};
