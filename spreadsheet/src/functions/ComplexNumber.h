#pragma once

#include "CallContext.h"

#include <spreadsheet/Value.h>

#include <QChar>
#include <QString>
#include <QStringView>

#include <complex>
#include <optional>

// Complex numbers as the engineering functions take and give them: text such
// as "3+4i", "-j" or "2.5", or a plain number for a real one.
namespace spreadsheet::functions::complex {

using Complex = std::complex<double>;

// The imaginary unit a number was written with; a real number has none and
// goes with either.
enum class Suffix : std::uint8_t { None, I, J };

struct Parsed {
    Complex z;
    Suffix suffix = Suffix::None;
};

// "a+bi" and its shorter forms ("bi", "a", "i", "-j"), with a decimal point
// or the locale's decimal mark; nothing else, not even spaces.
std::optional<Parsed> parse(QStringView text);

// The text of z with each part in up to 15 significant digits and the
// locale's decimal mark: "3+4i", "i", "-2.5j", "0".
QString format(Complex z, Suffix suffix);

// Reads complex numbers and merges their suffixes: a first error sticks, and
// "i" and "j" numbers cannot be mixed (#VALUE!).
class Reader {
public:
    explicit Reader(const CallContext& context) : context_(context) {}

    // Argument i as one complex number.
    Complex argument(int i);
    // Every complex number of argument i: one value, or each non-empty cell
    // of a range or element of an array.
    template <typename Visit>
    void forEach(int i, Visit&& visit);
    // A real argument (the exponent of IMPOWER).
    double real(int i);

    bool failed() const { return error_.has_value(); }
    Value error() const { return Value::error(error_.value_or(ErrorCode::Value)); }
    void fail(ErrorCode code);
    // z as text with the suffix the inputs used ("i" when they had none); a
    // result that overflowed is #NUM!.
    Value result(Complex z) const;

private:
    Complex read(const Value& v);

    const CallContext& context_;
    std::optional<ErrorCode> error_;
    Suffix suffix_ = Suffix::None;
};

template <typename Visit>
void Reader::forEach(int i, Visit&& visit)
{
    if (!context_.isReference(i) && !context_.isArray(i)) {
        visit(argument(i));
        return;
    }
    context_.forEachCell(i, [&](int, int, const Value& v) {
        const Complex z = read(v);
        if (!failed()) {
            visit(z);
        }
    });
}

}  // namespace spreadsheet::functions::complex
