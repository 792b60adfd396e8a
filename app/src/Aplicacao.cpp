#include "src/Aplicacao.h"

#include "host/HostError.h"
#include "host/TnDialogos.h"

#include <spreadsheet/SpreadsheetError.h>

bool Aplicacao::notify(QObject* receiver, QEvent* event)
{
    return mostrandoErros([&] { return QApplication::notify(receiver, event); });
}

bool Aplicacao::mostrandoErros(const std::function<bool()>& entrega)
{
    try {
        return entrega();
    } catch (const spreadsheet::SpreadsheetError& erro) {
        host::nShowMessage(erro.message());
    } catch (const host::HostError& erro) {
        host::nShowMessage(erro.message());
    } catch (const std::exception& erro) {
        host::nShowMessage(QString::fromUtf8(erro.what()));
    }
    return false;
}
