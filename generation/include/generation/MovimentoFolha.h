#pragma once

#include <QString>
#include <QStringList>

namespace payroll {
class TnFpaDMPlanilha;
}

namespace generation {

// The movement dataset of a run: one record per combination of the break
// keys of the company being built, the source of every replicated block.
class MovimentoFolha {
public:
    // Whether a replication column of the layout asks for apportionment
    // keys (other company or cost centre).
    static bool VerificarTemRateio(const payroll::TnFpaDMPlanilha& dm, const QStringList& letras);
    // Builds the dataset on the run's first company; later companies only
    // re-run the same query with their own code.
    static void AbrirMovimento(payroll::TnFpaDMPlanilha& dm);
    // The position in the dataset of the field a break keyword replicates by.
    static int IndiceCampoQuebra(const payroll::TnFpaDMPlanilha& dm, const QString& palavra);

    static QString FiltroMovimento(const payroll::TnFpaDMPlanilha& dm);
    // The movement query as the run sends it: translated, with the run's
    // filter and only the joins that filter needs.
    static QString ConsultaMovimento(const payroll::TnFpaDMPlanilha& dm);
};

}  // namespace generation
