// Feeds arbitrary text to the SQL translator, as a query written in a
// template or a payroll routine reaches PegarSQL: translating for either
// database must end with a text or with a HostError. Only a text that is
// blanks, comments and a final ";" may translate to nothing.
#include <host/HostError.h>
#include <host/SqlDialect.h>
#include <host/SqlTranslator.h>

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool mayVanish(const QString& text)
{
    QString rest = text;
    rest.remove(u';');
    rest = rest.trimmed();
    return rest.isEmpty() || rest.startsWith(u"--") || rest.startsWith(u"/*");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const host::SqlDialect dialect : {host::SqlDialect::SQLite, host::SqlDialect::PostgreSQL}) {
        try {
            const QString translated = host::SqlTranslator::translate(text, dialect);
            if (translated.isEmpty() && !mayVanish(text)) {
                std::abort();
            }
        } catch (const host::HostError&) {
            // refused: fine
        }
    }
    return 0;
}
