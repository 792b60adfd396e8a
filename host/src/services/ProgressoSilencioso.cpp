#include "host/ProgressoSilencioso.h"

namespace host {

void ProgressoSilencioso::MostrarSimples(QObject* /*janela*/) {}

void ProgressoSilencioso::SetEhCircular(bool /*circular*/) {}

void ProgressoSilencioso::IncProgressoTotal(const QString& /*texto*/, int /*n*/) {}

void ProgressoSilencioso::LimparExibirCountTotal() {}

}  // namespace host
