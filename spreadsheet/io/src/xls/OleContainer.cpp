#include "OleContainer.h"

#include <spreadsheet/io/FileFormatError.h>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

#include <array>
#include <cstring>
#include <memory>

namespace spreadsheet::io::xls {

namespace {

constexpr std::array<unsigned char, 8> kSignature{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
// Large streams are read in pieces so that libgsf never has to hand out one
// buffer of a size the file merely claims.
constexpr gsf_off_t kReadChunk = 64 * 1024;

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
using InputPtr = std::unique_ptr<GsfInput, GObjectUnref>;
using InfilePtr = std::unique_ptr<GsfInfile, GObjectUnref>;
using ErrorPtr = std::unique_ptr<GError, GErrorFree>;

// Stream names in a compound document compare without regard to case.
InputPtr childNamed(GsfInfile* infile, const char* wanted)
{
    const int count = gsf_infile_num_children(infile);
    for (int i = 0; i < count; ++i) {
        const char* name = gsf_infile_name_by_index(infile, i);
        if (name && QByteArray(name).compare(wanted, Qt::CaseInsensitive) == 0) {
            return InputPtr(gsf_infile_child_by_index(infile, i));
        }
    }
    return nullptr;
}

QByteArray readAll(GsfInput* input, qsizetype limit)
{
    const gsf_off_t size = gsf_input_size(input);
    if (size < 0 || size > limit) {
        throw FileFormatError(QStringLiteral("Tamanho de fluxo inválido no contêiner OLE2."));
    }
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    gsf_off_t done = 0;
    while (done < size) {
        const gsf_off_t part = std::min(kReadChunk, size - done);
        auto* target = reinterpret_cast<guint8*>(out.data() + done);
        if (!gsf_input_read(input, static_cast<size_t>(part), target)) {
            throw FileFormatError(QStringLiteral("Fluxo danificado no contêiner OLE2."));
        }
        done += part;
    }
    return out;
}

}  // namespace

bool OleContainer::hasSignature(const QByteArray& head)
{
    return head.size() >= static_cast<qsizetype>(kSignature.size())
           && std::memcmp(head.constData(), kSignature.data(), kSignature.size()) == 0;
}

QByteArray OleContainer::workbookStream(const QByteArray& file)
{
    if (!hasSignature(file)) {
        throw FileFormatError(QStringLiteral("Não é um arquivo do Excel 97-2003 (assinatura OLE2 ausente)."));
    }
    InputPtr memory(gsf_input_memory_new(reinterpret_cast<const guint8*>(file.constData()), file.size(), FALSE));
    if (!memory) {
        throw FileFormatError(QStringLiteral("Não foi possível abrir o contêiner OLE2."));
    }
    GError* rawError = nullptr;
    InfilePtr infile(gsf_infile_msole_new(memory.get(), &rawError));
    const ErrorPtr error(rawError);
    if (!infile) {
        const QString reason = error ? QString::fromUtf8(error->message) : QString();
        throw FileFormatError(QStringLiteral("Contêiner OLE2 danificado. %1").arg(reason).trimmed());
    }
    // Excel 5.0/95 names the stream "Book", and some writers give that name
    // to Excel 97 workbooks too: the BOF record, not the name, tells them apart.
    for (const char* name : {"Workbook", "Book"}) {
        if (InputPtr workbook = childNamed(infile.get(), name)) {
            // A stream cannot hold more bytes than the whole file.
            return readAll(workbook.get(), file.size());
        }
    }
    // Newer workbooks saved with a password travel in the same container.
    if (childNamed(infile.get(), "EncryptedPackage")) {
        throw FileFormatError(QStringLiteral("Arquivo protegido por senha não é suportado."));
    }
    throw FileFormatError(QStringLiteral("O arquivo não contém uma pasta de trabalho do Excel."));
}

}  // namespace spreadsheet::io::xls
