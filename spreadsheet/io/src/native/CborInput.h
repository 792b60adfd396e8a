#pragma once

#include <spreadsheet/Value.h>

#include <QCborStreamReader>
#include <QString>

namespace spreadsheet::io {

// Checked reading of the items of a CBOR stream: any item of the wrong type
// or with an impossible length is a FileFormatError.
class CborInput {
public:
    CborInput(QIODevice& device);
    explicit CborInput(const QByteArray& data);

    // Enters an array of a length within [minimum, maximum] and returns it.
    qint64 enterArray(qint64 minimum, qint64 maximum);
    void leaveArray();
    qint64 integer(qint64 minimum, qint64 maximum);
    double number();
    bool boolean();
    QString text();
    QByteArray bytes();
    bool atNull() const { return reader_.isNull(); }
    void skipNull();
    qint64 offset() const { return reader_.currentOffset(); }

private:
    [[noreturn]] void fail() const;
    void check();
    template <typename T, typename Read>
    T chunks(Read read);

    QCborStreamReader reader_;
    qint64 size_;
};

}  // namespace spreadsheet::io
