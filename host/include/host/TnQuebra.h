#pragma once

#include <QString>
#include <QVariant>

#include <vector>

namespace host {

// A break: the (field, value) pairs that select the rows of one replicated
// block. A break is a value; extending one leaves the receiver unchanged, so
// a parent can hand out any number of children.
class TnQuebra {
public:
    struct Valor {
        QString campo;
        QVariant valor;
    };

    TnQuebra() = default;

    TnQuebra NewQuebra(const QString& fieldName, const QVariant& value) const&;
    // A chain built in one go hands its pairs on instead of copying them.
    TnQuebra NewQuebra(const QString& fieldName, const QVariant& value) &&;
    const std::vector<Valor>& GetValores() const { return FValores; }
    // The field names in order, joined by ";": the index that the break's
    // values are a prefix of.
    QString GetIndexFieldNames() const;

private:
    std::vector<Valor> FValores;
};

}  // namespace host
