// Feeds arbitrary masks and values to the masks of FMTNUM and
// FORMATARDATAHORA, as a template's formulas hand them over: formatting must
// end with a text or with an ErroFormatacao. The first byte chooses the
// function, the locale and whether the value is a number (the next 8 bytes)
// or a date text (up to the first NUL); the rest is the mask.
#include "LeitorDataHora.h"

#include <catalog/ErroFormatacao.h>
#include <catalog/FormatoDataHora.h>
#include <catalog/MascaraNumerica.h>

#include "FuzzInput.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const QLocale& locale = fuzz::locale((choice & 2) != 0);
    ++data;
    --size;
    double value = 0.0;
    if (choice & 4) {
        const auto* end = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
        const std::size_t length = end ? std::size_t(end - data) : size;
        if (!catalog::LeitorDataHora::ler(fuzz::utf8(data, length), locale, value)) {
            return 0;  // not a date: the function answers with the value error
        }
        data += end ? length + 1 : length;
        size -= end ? length + 1 : length;
    } else {
        if (size < sizeof value) {
            return 0;
        }
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    QString mask = fuzz::utf8(data, size);
    try {
        if (choice & 1) {
            catalog::FormatoDataHora::formatar(value, mask, locale);
        } else {
            mask.replace(u'9', u'#');  // as FMTNUM reads its mask
            catalog::MascaraNumerica::formatar(value, mask, locale);
        }
    } catch (const catalog::ErroFormatacao&) {
        // refused: fine
    }
    return 0;
}
