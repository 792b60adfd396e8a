#include "DecimalDigits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace spreadsheet {

namespace {

constexpr int kSignificantDigits = 15;

bool roundsAway(const std::string& dropped, DecimalDigits::Rounding mode)
{
    switch (mode) {
    case DecimalDigits::Rounding::HalfAwayFromZero:
        return !dropped.empty() && dropped.front() >= '5';
    case DecimalDigits::Rounding::AwayFromZero:
        return dropped.find_first_not_of('0') != std::string::npos;
    case DecimalDigits::Rounding::TowardZero:
        return false;
    }
    return false;
}

}  // namespace

DecimalDigits::DecimalDigits(double value)
{
    if (value == 0.0 || !std::isfinite(value)) {
        return;
    }
    negative_ = value < 0.0;
    // Scientific notation gives "d.dddddddddddddde+XX" without locale effects.
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string text(buffer.data(), result.ptr);
    const auto e = text.find('e');
    digits_ = text.substr(0, 1) + text.substr(2, e - 2);
    point_ = std::atoi(text.c_str() + e + 1) + 1;
    trimZeros();
}

void DecimalDigits::trimZeros()
{
    const auto last = digits_.find_last_not_of('0');
    if (last == std::string::npos) {
        digits_.clear();
        point_ = 0;
        return;
    }
    digits_.erase(last + 1);
    const auto first = digits_.find_first_not_of('0');
    digits_.erase(0, first);
    point_ -= static_cast<int>(first);
}

bool DecimalDigits::round(int decimals, Rounding mode)
{
    const long long keep = static_cast<long long>(point_) + decimals;
    if (isZero() || keep >= static_cast<long long>(digits_.size())) {
        return false;
    }
    if (keep < 0) {
        // Every kept digit is zero: the value goes to 0 or to one unit in the last kept place.
        const bool away = mode == Rounding::AwayFromZero;
        digits_ = away ? "1" : "";
        point_ = away ? 1 - decimals : 0;
        trimZeros();
        return true;
    }
    const std::string dropped = digits_.substr(static_cast<std::size_t>(keep));
    digits_.erase(static_cast<std::size_t>(keep));
    if (roundsAway(dropped, mode)) {
        // Prepending a zero absorbs a carry out of the leading digit.
        digits_.insert(digits_.begin(), '0');
        ++point_;
        auto i = digits_.size();
        while (i > 0 && digits_[i - 1] == '9') {
            digits_[--i] = '0';
        }
        ++digits_[i - 1];
    }
    trimZeros();
    return true;
}

double DecimalDigits::toDouble() const
{
    if (isZero()) {
        return 0.0;
    }
    const std::string text = "0." + digits_ + "e" + std::to_string(point_);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return negative_ ? -value : value;
}

void DecimalDigits::scale(int shift)
{
    if (!isZero()) {
        point_ += shift;
    }
}

std::string DecimalDigits::integerDigits() const
{
    if (point_ <= 0) {
        return {};
    }
    std::string result = digits_.substr(0, static_cast<std::size_t>(point_));
    result.resize(static_cast<std::size_t>(point_), '0');
    return result;
}

std::string DecimalDigits::fractionDigits(int count) const
{
    std::string result;
    result.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const int index = point_ + i;
        const bool inside = index >= 0 && index < static_cast<int>(digits_.size());
        result.push_back(inside ? digits_[static_cast<std::size_t>(index)] : '0');
    }
    return result;
}

int DecimalDigits::fractionLength() const
{
    return std::max(0, static_cast<int>(digits_.size()) - point_);
}

}  // namespace spreadsheet
