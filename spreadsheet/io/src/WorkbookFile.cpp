#include <spreadsheet/io/WorkbookFile.h>

#include "FormatTable.h"
#include "native/NativeFormat.h"
#include "native/NativeReader.h"
#include "native/NativeWriter.h"

#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/WorkbookBuilder.h>
#include <spreadsheet/Limits.h>
#include <spreadsheet/Workbook.h>

#include <QFile>
#include <QSaveFile>

namespace spreadsheet::io {

namespace {

constexpr qint64 kHeadSize = 64;
// Foreign files are read whole before they are parsed; a workbook within
// the memory budget never comes from a bigger one.
constexpr qint64 kMaxForeignBytes = limits::kLoadBytes / 4;

}  // namespace

FileFormat WorkbookFile::detect(const QByteArray& head)
{
    if (NativeFormat::looksNative(head)) {
        return FileFormat::Native;
    }
    for (const FormatReader& reader : foreignReaders()) {
        if (reader.recognizes(head)) {
            return reader.format;
        }
    }
    return FileFormat::Unknown;
}

LoadedWorkbook WorkbookFile::LoadFromStream(QIODevice& device)
{
    const QByteArray head = device.peek(kHeadSize);
    LoadedWorkbook loaded;
    loaded.format = detect(head);
    WorkbookBuilder builder;
    int version = 0;
    if (loaded.format == FileFormat::Native) {
        version = NativeReader::read(device, builder);
    } else if (loaded.format == FileFormat::Unknown) {
        throw FileFormatError(QStringLiteral("formato desconhecido."));
    } else {
        // Foreign files are read whole: their containers are not streams.
        if (!device.isSequential() && device.size() > kMaxForeignBytes) {
            throw FileFormatError(QStringLiteral("O arquivo tem %1 MiB; o limite para abri-lo é %2 MiB.")
                                      .arg(device.size() >> 20)
                                      .arg(kMaxForeignBytes >> 20));
        }
        const QByteArray bytes = device.readAll();
        for (const FormatReader& reader : foreignReaders()) {
            if (reader.format == loaded.format) {
                reader.read(bytes, builder);
            }
        }
    }
    loaded.workbook = builder.finish();
    loaded.workbook->setFileVersion(version);
    loaded.warnings = builder.warnings();
    loaded.printSettings = builder.printSettings();
    return loaded;
}

LoadedWorkbook WorkbookFile::load(const QString& path)
{
    const QString message = QStringLiteral("Arquivo não é um formato válido: %1").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileFormatError(message, file.errorString());
    }
    try {
        LoadedWorkbook loaded = LoadFromStream(file);
        if (loaded.format == FileFormat::Native) {
            PrintSettings settings;
            if (PrintSettings::read(file, settings)) {
                loaded.printSettings = settings;
            }
        }
        return loaded;
    } catch (const FileFormatError& e) {
        throw FileFormatError(message, e.detail().isEmpty() ? e.message() : e.message() + u' ' + e.detail());
    } catch (const SpreadsheetError& e) {
        throw FileFormatError(message, e.message());
    }
}

void WorkbookFile::writeNative(const Workbook& workbook, QIODevice& device)
{
    NativeWriter::write(workbook, device);
}

void WorkbookFile::save(const Workbook& workbook, const PrintSettings& print, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(path, file.errorString()));
    }
    NativeWriter::write(workbook, file);
    print.write(file);
    if (!file.commit()) {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(path, file.errorString()));
    }
}

}  // namespace spreadsheet::io
