#include "MatrixFunctions.h"

#include "ArgumentReader.h"
#include "MathSupport.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <variant>
#include <vector>

namespace spreadsheet::functions {

namespace {

// A unit matrix larger than this would not fit any sheet's spill area anyway.
constexpr int kLargestUnitMatrix = 1024;

struct Matrix {
    int rows = 0;
    int columns = 0;
    std::vector<double> items;  // row by row

    double& at(int r, int c) { return items[std::size_t(r) * std::size_t(columns) + std::size_t(c)]; }
    double at(int r, int c) const { return items[std::size_t(r) * std::size_t(columns) + std::size_t(c)]; }
};

// Every cell must hold a number: an empty cell, a text or a boolean makes
// the matrix #VALUE!, an error value is passed on.
std::variant<Matrix, ErrorCode> readMatrix(const CallContext& context, int i)
{
    const ValueArray block = context.values(i);
    // A reference reaching past the sheet's used area has empty cells there.
    if (block.rows() != context.rows(i) || block.columns() != context.columns(i)) {
        return ErrorCode::Value;
    }
    Matrix m{block.rows(), block.columns(), {}};
    m.items.reserve(block.items().size());
    for (const Value& v : block.items()) {
        if (v.isError()) {
            return v.error();
        }
        if (!v.isNumber()) {
            return ErrorCode::Value;
        }
        m.items.push_back(v.number());
    }
    return m;
}

Value toValue(const Matrix& m)
{
    std::vector<Value> items;
    items.reserve(m.items.size());
    for (double x : m.items) {
        if (!std::isfinite(x)) {
            return Value::error(ErrorCode::Num);
        }
        items.emplace_back(x);
    }
    return Value::array(ValueArray(m.rows, m.columns, std::move(items)));
}

// Reads argument 0 as a square matrix and hands it to f.
template <typename F>
Value withSquare(const CallContext& context, F f)
{
    auto read = readMatrix(context, 0);
    if (const ErrorCode* error = std::get_if<ErrorCode>(&read)) {
        return Value::error(*error);
    }
    Matrix& m = std::get<Matrix>(read);
    return m.rows == m.columns ? f(m) : Value::error(ErrorCode::Value);
}

// Moves the row with the largest entry of column c (from row c down) to row
// c in both matrices. Gives the row that was moved up, -1 when the column has
// only zeros there.
int pivot(Matrix& m, Matrix* companion, int c)
{
    int best = c;
    for (int r = c + 1; r < m.rows; ++r) {
        if (std::fabs(m.at(r, c)) > std::fabs(m.at(best, c))) {
            best = r;
        }
    }
    if (m.at(best, c) == 0.0) {
        return -1;
    }
    if (best != c) {
        for (int k = 0; k < m.columns; ++k) {
            std::swap(m.at(best, k), m.at(c, k));
            if (companion) {
                std::swap(companion->at(best, k), companion->at(c, k));
            }
        }
    }
    return best;
}

Matrix identity(int n)
{
    Matrix m{n, n, std::vector<double>(std::size_t(n) * std::size_t(n), 0.0)};
    for (int i = 0; i < n; ++i) {
        m.at(i, i) = 1.0;
    }
    return m;
}

std::vector<double> largestInColumns(const Matrix& m)
{
    std::vector<double> largest(std::size_t(m.columns), 0.0);
    for (int r = 0; r < m.rows; ++r) {
        for (int c = 0; c < m.columns; ++c) {
            largest[std::size_t(c)] = std::max(largest[std::size_t(c)], std::fabs(m.at(r, c)));
        }
    }
    return largest;
}

}  // namespace

Value matrixMultiply(const CallContext& context)
{
    auto a = readMatrix(context, 0);
    auto b = readMatrix(context, 1);
    for (const auto* read : {&a, &b}) {
        if (const ErrorCode* error = std::get_if<ErrorCode>(read)) {
            return Value::error(*error);
        }
    }
    const Matrix& x = std::get<Matrix>(a);
    const Matrix& y = std::get<Matrix>(b);
    if (x.columns != y.rows) {
        return Value::error(ErrorCode::Value);
    }
    Matrix product{x.rows, y.columns, std::vector<double>(std::size_t(x.rows) * std::size_t(y.columns), 0.0)};
    for (int r = 0; r < x.rows; ++r) {
        for (int k = 0; k < x.columns; ++k) {
            for (int c = 0; c < y.columns; ++c) {
                product.at(r, c) += x.at(r, k) * y.at(k, c);
            }
        }
    }
    return toValue(product);
}

// Gaussian elimination with partial pivoting; each row swap flips the sign.
Value matrixDeterminant(const CallContext& context)
{
    return withSquare(context, [](Matrix& m) {
        double determinant = 1.0;
        for (int c = 0; c < m.rows; ++c) {
            const int moved = pivot(m, nullptr, c);
            if (moved < 0) {
                return Value(0.0);
            }
            if (moved != c) {
                determinant = -determinant;
            }
            for (int r = c + 1; r < m.rows; ++r) {
                const double factor = m.at(r, c) / m.at(c, c);
                for (int k = c; k < m.columns; ++k) {
                    m.at(r, k) -= factor * m.at(c, k);
                }
            }
            determinant *= m.at(c, c);
        }
        return math::numberOrNum(determinant);
    });
}

// Gauss-Jordan elimination. A pivot that is only rounding noise next to the
// entries its column started with means the matrix is singular: #NUM!.
Value matrixInverse(const CallContext& context)
{
    return withSquare(context, [](Matrix& m) {
        const int n = m.rows;
        const std::vector<double> scale = largestInColumns(m);
        Matrix inverse = identity(n);
        for (int c = 0; c < n; ++c) {
            const double noise = scale[std::size_t(c)] * n * std::numeric_limits<double>::epsilon();
            if (pivot(m, &inverse, c) < 0 || std::fabs(m.at(c, c)) <= noise) {
                return Value::error(ErrorCode::Num);
            }
            const double p = m.at(c, c);
            for (int k = 0; k < n; ++k) {
                m.at(c, k) /= p;
                inverse.at(c, k) /= p;
            }
            for (int r = 0; r < n; ++r) {
                const double factor = m.at(r, c);
                if (r == c || factor == 0.0) {
                    continue;
                }
                for (int k = 0; k < n; ++k) {
                    m.at(r, k) -= factor * m.at(c, k);
                    inverse.at(r, k) -= factor * inverse.at(c, k);
                }
            }
        }
        return toValue(inverse);
    });
}

Value unitMatrix(const CallContext& context)
{
    ArgumentReader args(context);
    const int n = args.integer(0);
    if (args.failed()) {
        return args.error();
    }
    if (n < 1) {
        return Value::error(ErrorCode::Value);
    }
    if (n > kLargestUnitMatrix) {
        return Value::error(ErrorCode::Num);
    }
    return toValue(identity(n));
}

}  // namespace spreadsheet::functions
