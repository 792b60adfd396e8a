#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <cstddef>
#include <string>

class QIODevice;

namespace spreadsheet::io {

// Writes CBOR items as QCborStreamWriter does, byte for byte, into a buffer
// of its own: a workbook has millions of small items, and handing each one
// to a device costs more than encoding it. With a device the buffer goes
// there in large pieces; without, it is taken whole.
class CborOutput {
public:
    CborOutput() = default;
    explicit CborOutput(QIODevice& device) : device_(&device) {}
    ~CborOutput();
    CborOutput(const CborOutput&) = delete;
    CborOutput& operator=(const CborOutput&) = delete;

    void startArray(quint64 length) { head(4, length); }
    void endArray() {}
    void append(qint64 value);
    void append(int value) { append(qint64(value)); }
    void append(double value);
    void append(bool value) { out_.push_back(value ? char(0xF5) : char(0xF4)); }
    void append(std::nullptr_t) { out_.push_back(char(0xF6)); }
    void append(const QString& text);
    void append(QLatin1StringView text);
    void append(const QByteArray& bytes);

    // Sends what is buffered to the device.
    void flush();
    // Everything written, for an output without a device.
    const std::string& bytes() const { return out_; }

private:
    void head(int major, quint64 value);
    void string(int major, const QByteArray& bytes);
    void wrote();

    QIODevice* device_ = nullptr;
    std::string out_;
};

}  // namespace spreadsheet::io
