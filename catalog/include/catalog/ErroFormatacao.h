#pragma once

#include <QString>

#include <stdexcept>

namespace catalog {

// A value or a format that the formatting functions cannot render. The
// function procedures turn it into the value error; direct callers get the
// reason in Portuguese.
class ErroFormatacao : public std::runtime_error {
public:
    explicit ErroFormatacao(const QString& mensagem);

    const QString& message() const { return mensagem_; }

private:
    QString mensagem_;
};

}  // namespace catalog
