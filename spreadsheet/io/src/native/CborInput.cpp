#include "CborInput.h"

#include <spreadsheet/io/FileFormatError.h>

#include <QIODevice>

namespace spreadsheet::io {

CborInput::CborInput(QIODevice& device) : reader_(&device), size_(device.size()) {}

CborInput::CborInput(const QByteArray& data) : reader_(data), size_(data.size()) {}

void CborInput::fail() const
{
    throw FileFormatError(QStringLiteral("conteúdo inválido na posição %1.").arg(reader_.currentOffset()));
}

void CborInput::check()
{
    if (reader_.lastError() != QCborError::NoError) {
        fail();
    }
}

qint64 CborInput::enterArray(qint64 minimum, qint64 maximum)
{
    if (!reader_.isArray() || !reader_.isLengthKnown()) {
        fail();
    }
    const quint64 length = reader_.length();
    // Every item takes at least one byte of the file.
    if (length < quint64(minimum) || length > quint64(maximum) || qint64(length) > size_) {
        fail();
    }
    reader_.enterContainer();
    check();
    return qint64(length);
}

void CborInput::leaveArray()
{
    if (reader_.hasNext()) {
        fail();
    }
    reader_.leaveContainer();
    check();
}

qint64 CborInput::integer(qint64 minimum, qint64 maximum)
{
    if (!reader_.isInteger()) {
        fail();
    }
    const qint64 value = reader_.toInteger();
    if (value < minimum || value > maximum) {
        fail();
    }
    reader_.next();
    check();
    return value;
}

double CborInput::number()
{
    if (!reader_.isDouble()) {
        fail();
    }
    const double value = reader_.toDouble();
    reader_.next();
    check();
    return value;
}

bool CborInput::boolean()
{
    if (!reader_.isBool()) {
        fail();
    }
    const bool value = reader_.toBool();
    reader_.next();
    check();
    return value;
}

// Strings arrive in chunks; each is bounded by what is left of the input.
template <typename T, typename Read>
T CborInput::chunks(Read read)
{
    T value;
    for (;;) {
        if (reader_.currentStringChunkSize() > size_) {
            fail();
        }
        auto chunk = (reader_.*read)();
        if (chunk.status == QCborStreamReader::Error) {
            fail();
        }
        if (chunk.status == QCborStreamReader::EndOfString) {
            break;
        }
        value += chunk.data;
    }
    check();
    return value;
}

QString CborInput::text()
{
    if (!reader_.isString()) {
        fail();
    }
    return chunks<QString>(&QCborStreamReader::readString);
}

QByteArray CborInput::bytes()
{
    if (!reader_.isByteArray()) {
        fail();
    }
    return chunks<QByteArray>(&QCborStreamReader::readByteArray);
}

void CborInput::skipNull()
{
    if (!reader_.isNull()) {
        fail();
    }
    reader_.next();
    check();
}

}  // namespace spreadsheet::io
