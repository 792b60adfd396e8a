#include "CborOutput.h"

#include <QIODevice>

#include <bit>

namespace spreadsheet::io {

namespace {

constexpr std::size_t kFlushSize = 1 << 18;

}  // namespace

CborOutput::~CborOutput()
{
    flush();
}

void CborOutput::flush()
{
    if (device_ && !out_.empty()) {
        device_->write(out_.data(), qint64(out_.size()));
        out_.clear();
    }
}

void CborOutput::wrote()
{
    if (device_ && out_.size() >= kFlushSize) {
        flush();
    }
}

// The shortest head that holds the value, as CBOR's canonical form has it.
void CborOutput::head(int major, quint64 value)
{
    const char type = char(major << 5);
    if (value < 24) {
        out_.push_back(char(type | char(value)));
        return;
    }
    int bytes = 8;
    char size = 27;
    if (value <= 0xFF) {
        bytes = 1;
        size = 24;
    } else if (value <= 0xFFFF) {
        bytes = 2;
        size = 25;
    } else if (value <= 0xFFFFFFFF) {
        bytes = 4;
        size = 26;
    }
    out_.push_back(char(type | size));
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
        out_.push_back(char(value >> shift));
    }
}

void CborOutput::append(qint64 value)
{
    if (value < 0) {
        head(1, quint64(-1 - value));
    } else {
        head(0, quint64(value));
    }
    wrote();
}

void CborOutput::append(double value)
{
    const quint64 bits = std::bit_cast<quint64>(value);
    out_.push_back(char(0xFB));
    for (int shift = 56; shift >= 0; shift -= 8) {
        out_.push_back(char(bits >> shift));
    }
    wrote();
}

void CborOutput::append(const QString& text)
{
    // Most texts are ASCII, their UTF-8 bytes the characters themselves.
    const QChar* chars = text.constData();
    const qsizetype length = text.size();
    qsizetype i = 0;
    while (i < length && chars[i].unicode() < 0x80) {
        ++i;
    }
    if (i < length) {
        string(3, text.toUtf8());
        return;
    }
    head(3, quint64(length));
    for (i = 0; i < length; ++i) {
        out_.push_back(char(chars[i].unicode()));
    }
    wrote();
}

void CborOutput::append(QLatin1StringView text)
{
    append(QString(text));
}

void CborOutput::append(const QByteArray& bytes)
{
    string(2, bytes);
}

void CborOutput::string(int major, const QByteArray& bytes)
{
    head(major, quint64(bytes.size()));
    out_.append(bytes.constData(), std::size_t(bytes.size()));
    wrote();
}

}  // namespace spreadsheet::io
