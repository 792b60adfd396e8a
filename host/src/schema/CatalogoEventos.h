#pragma once

#include <QString>

#include <vector>

namespace host::demo {

// Units of an event's reference, as the event table codes them.
enum class Unidade { Horas = 1, Valor = 2, Percentual = 3, Dias = 4, PercentualBase = 7 };

struct Evento {
    int codigo;
    QString descricao;
    int procedimento;
    QString estrutura;
    Unidade unidade;

    // Installment events keep "parcel.total" as their reference (3.12 is 3 of 12).
    bool parcelado() const;
};

// The demo event table: every code from 1 to kUltimoEvento. The low codes
// cover each procedure and structure class that the event text routines
// tell apart; the rest are ordinary earnings and deductions.
class CatalogoEventos {
public:
    static std::vector<Evento> todos();

    static constexpr int kUltimoEvento = 300;
    static constexpr int kSalario = 100;
    static constexpr int kHorasExtras50 = 35;
    static constexpr int kHorasExtras100 = 37;
    static constexpr int kAdicionalNoturno = 49;
    static constexpr int kAdiantamento13 = 87;
    static constexpr int kSalario13 = 88;
    static constexpr int kInss13 = 89;

    // Events a calculation never draws at random: they are given on purpose.
    static bool reservado(int codigo);
};

}  // namespace host::demo
