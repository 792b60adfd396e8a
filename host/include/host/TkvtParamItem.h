#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace host {

// One argument that a report-parameter dialog asks for: the editor's name
// (which decides special handling such as nOrganograma), its label, the
// editor type (0, a text editor, is the only one) and whether it is required.
struct TkvtParamItem {
    static constexpr int kMaxNome = 128;

    QString nome;
    QString legenda;
    std::uint8_t tipo = 0;
    std::uint8_t obrigatorio = 0;
};

// A text-editor item; names longer than TkvtParamItem::kMaxNome are cut.
inline TkvtParamItem NovoParam(const QString& nome, const QString& legenda, bool obrigatorio)
{
    return {nome.left(TkvtParamItem::kMaxNome), legenda, 0, std::uint8_t(obrigatorio ? 1 : 0)};
}

using TkvtParamList = std::vector<TkvtParamItem>;

}  // namespace host
