#pragma once

#include <QString>
#include <QTemporaryDir>

#include <vector>

// A payroll database with exactly the rows a case needs: one calculation
// period (January 2024) per company and, per contract, its place in the
// period and the value of event 100.
class BaseMinima {
public:
    struct Contrato {
        int empresa;
        int funcionario;
        int estab;
        QString organ;
        double valorEvento100;
    };

    // Companies listed in `empresas` get the period even without contracts.
    BaseMinima(const std::vector<int>& empresas, const std::vector<Contrato>& contratos);

    QString conexao() const;

    // The sum of event 100 over the contracts that pass the test, as the
    // payroll functions should find it.
    template <typename Teste>
    double soma(Teste teste) const
    {
        double total = 0.0;
        for (const Contrato& contrato : contratos_) {
            if (teste(contrato)) {
                total += contrato.valorEvento100;
            }
        }
        return total;
    }

private:
    void criar(const std::vector<int>& empresas) const;

    QTemporaryDir pasta_;
    QString arquivo_;
    std::vector<Contrato> contratos_;
};
