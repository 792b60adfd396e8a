#include "EngineeringFunctions.h"

#include "EngineeringArguments.h"

#include <QHash>
#include <QString>

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace spreadsheet::functions {

namespace {

enum class Quantity : std::uint8_t {
    Mass, Distance, Time, Pressure, Force, Energy, Power, Magnetism, Temperature, Volume, Area, Information, Speed
};

// Which prefixes a unit takes: the metric ones (k, m, µ as "u"...) or, for
// information, also the binary ones (ki, Mi...).
enum class Prefixes : std::uint8_t { None, Metric, MetricAndBinary };

// A unit in the base unit of its quantity (gram, meter, second, pascal,
// newton, joule, watt, tesla, cubic meter, square meter, bit, meter per
// second). Units of area and volume take their prefix squared or cubed: a
// km2 is 10^6 m2. A temperature reads Celsius as (x - zero) * factor /
// divisor, a ratio kept whole so that whole degrees convert exactly.
struct Unit {
    const char* names;  // '|' between the spellings
    Quantity quantity;
    double factor;
    Prefixes prefixes = Prefixes::None;
    int power = 1;
    double zero = 0.0;
    double divisor = 1.0;
};

using Q = Quantity;
constexpr auto kMetric = Prefixes::Metric;

constexpr double kInch = 0.0254;
constexpr double kFoot = 0.3048;
constexpr double kYard = 0.9144;
constexpr double kMile = 1609.344;
constexpr double kNauticalMile = 1852.0;
constexpr double kPicaPoint = kInch / 72.0;
constexpr double kLightYear = 9460730472580800.0;
constexpr double kParsec = 648000.0 / std::numbers::pi * 149597870700.0;
constexpr double kPoundMass = 453.59237;  // grams
constexpr double kGravity = 9.80665;
constexpr double kPoundForce = kPoundMass / 1000.0 * kGravity;
constexpr double kHorsepower = 550.0 * kFoot * kPoundForce;

constexpr std::array kUnits = std::to_array<Unit>({
    {"g", Q::Mass, 1.0, kMetric},
    {"sg", Q::Mass, kPoundForce / kFoot * 1000.0},
    {"lbm", Q::Mass, kPoundMass},
    {"u", Q::Mass, 1.660538782e-24, kMetric},
    {"ozm", Q::Mass, kPoundMass / 16.0},
    {"grain", Q::Mass, 0.06479891},
    {"cwt|shweight", Q::Mass, 100.0 * kPoundMass},
    {"uk_cwt|lcwt|hweight", Q::Mass, 112.0 * kPoundMass},
    {"stone", Q::Mass, 14.0 * kPoundMass},
    {"ton", Q::Mass, 2000.0 * kPoundMass},
    {"uk_ton|LTON|brton", Q::Mass, 2240.0 * kPoundMass},

    {"m", Q::Distance, 1.0, kMetric},
    {"mi", Q::Distance, kMile},
    {"Nmi", Q::Distance, kNauticalMile},
    {"in", Q::Distance, kInch},
    {"ft", Q::Distance, kFoot},
    {"yd", Q::Distance, kYard},
    {"ang", Q::Distance, 1e-10, kMetric},
    {"ell", Q::Distance, 45.0 * kInch},
    {"ly", Q::Distance, kLightYear, kMetric},
    {"parsec|pc", Q::Distance, kParsec, kMetric},
    {"Picapt|Pica", Q::Distance, kPicaPoint},
    {"pica", Q::Distance, kInch / 6.0},
    {"survey_mi", Q::Distance, 5280.0 * 1200.0 / 3937.0},

    {"yr", Q::Time, 365.25 * 86400.0},
    {"day|d", Q::Time, 86400.0},
    {"hr", Q::Time, 3600.0},
    {"mn|min", Q::Time, 60.0},
    {"sec|s", Q::Time, 1.0, kMetric},

    {"Pa|p", Q::Pressure, 1.0, kMetric},
    {"atm|at", Q::Pressure, 101325.0, kMetric},
    {"mmHg", Q::Pressure, 133.322387415, kMetric},
    {"psi", Q::Pressure, kPoundForce / (kInch * kInch)},
    {"Torr", Q::Pressure, 101325.0 / 760.0},

    {"N", Q::Force, 1.0, kMetric},
    {"dyn|dy", Q::Force, 1e-5, kMetric},
    {"lbf", Q::Force, kPoundForce},
    {"pond", Q::Force, kGravity / 1000.0, kMetric},

    {"J", Q::Energy, 1.0, kMetric},
    {"e", Q::Energy, 1e-7, kMetric},
    {"c", Q::Energy, 4.184, kMetric},
    {"cal", Q::Energy, 4.1868, kMetric},
    {"eV|ev", Q::Energy, 1.602176487e-19, kMetric},
    {"HPh|hh", Q::Energy, kHorsepower * 3600.0},
    {"Wh|wh", Q::Energy, 3600.0, kMetric},
    // Excel's foot-pound is the foot-poundal (ft^2 lbm / s^2); kept for
    // the same results.
    {"flb", Q::Energy, kFoot * kFoot * kPoundMass / 1000.0},
    {"BTU|btu", Q::Energy, 1055.05585262},

    {"HP|h", Q::Power, kHorsepower},
    {"PS", Q::Power, 75.0 * kGravity},
    {"W|w", Q::Power, 1.0, kMetric},

    {"T", Q::Magnetism, 1.0, kMetric},
    {"ga", Q::Magnetism, 1e-4, kMetric},

    {"C|cel", Q::Temperature, 1.0},
    {"F|fah", Q::Temperature, 5.0, Prefixes::None, 1, 32.0, 9.0},
    {"K|kel", Q::Temperature, 1.0, kMetric, 1, 273.15},
    {"Rank", Q::Temperature, 5.0, Prefixes::None, 1, 491.67, 9.0},
    {"Reau", Q::Temperature, 5.0, Prefixes::None, 1, 0.0, 4.0},

    {"tsp", Q::Volume, 4.92892159375e-6},
    {"tspm", Q::Volume, 5e-6},
    {"tbs", Q::Volume, 1.478676478125e-5},
    {"oz", Q::Volume, 2.95735295625e-5},
    {"cup", Q::Volume, 2.365882365e-4},
    {"pt|us_pt", Q::Volume, 4.73176473e-4},
    {"uk_pt", Q::Volume, 5.6826125e-4},
    {"qt", Q::Volume, 9.46352946e-4},
    {"uk_qt", Q::Volume, 1.1365225e-3},
    {"gal", Q::Volume, 3.785411784e-3},
    {"uk_gal", Q::Volume, 4.54609e-3},
    {"l|L|lt", Q::Volume, 1e-3, kMetric},
    {"ang3|ang^3", Q::Volume, 1e-30, kMetric, 3},
    {"barrel", Q::Volume, 0.158987294928},
    {"bushel", Q::Volume, 0.03523907016688},
    {"ft3|ft^3", Q::Volume, kFoot * kFoot * kFoot},
    {"in3|in^3", Q::Volume, kInch * kInch * kInch},
    {"ly3|ly^3", Q::Volume, kLightYear * kLightYear * kLightYear},
    {"m3|m^3", Q::Volume, 1.0, kMetric, 3},
    {"mi3|mi^3", Q::Volume, kMile * kMile * kMile},
    {"yd3|yd^3", Q::Volume, kYard * kYard * kYard},
    {"Nmi3|Nmi^3", Q::Volume, kNauticalMile * kNauticalMile * kNauticalMile},
    {"Picapt3|Picapt^3|Pica3|Pica^3", Q::Volume, kPicaPoint * kPicaPoint * kPicaPoint},
    {"GRT|regton", Q::Volume, 100.0 * kFoot * kFoot * kFoot},
    {"MTON", Q::Volume, 40.0 * kFoot * kFoot * kFoot},

    {"uk_acre", Q::Area, 4046.8564224},
    {"us_acre", Q::Area, 43560.0 * (1200.0 / 3937.0) * (1200.0 / 3937.0)},
    {"ang2|ang^2", Q::Area, 1e-20, kMetric, 2},
    {"ar", Q::Area, 100.0, kMetric},
    {"ft2|ft^2", Q::Area, kFoot * kFoot},
    {"ha", Q::Area, 10000.0},
    {"in2|in^2", Q::Area, kInch * kInch},
    {"ly2|ly^2", Q::Area, kLightYear * kLightYear},
    {"m2|m^2", Q::Area, 1.0, kMetric, 2},
    {"Morgen", Q::Area, 2500.0},
    {"mi2|mi^2", Q::Area, kMile * kMile},
    {"Nmi2|Nmi^2", Q::Area, kNauticalMile * kNauticalMile},
    {"Picapt2|Pica2|Pica^2|Picapt^2", Q::Area, kPicaPoint * kPicaPoint},
    {"yd2|yd^2", Q::Area, kYard * kYard},

    {"bit", Q::Information, 1.0, Prefixes::MetricAndBinary},
    {"byte", Q::Information, 8.0, Prefixes::MetricAndBinary},

    {"admkn", Q::Speed, 6080.0 * kFoot / 3600.0},
    {"kn", Q::Speed, kNauticalMile / 3600.0},
    {"m/h|m/hr", Q::Speed, 1.0 / 3600.0, kMetric},
    {"m/s|m/sec", Q::Speed, 1.0, kMetric},
    {"mph", Q::Speed, kMile / 3600.0},
});

struct Prefix {
    const char* symbol;
    int exponent;  // of 10, or of 2 for the binary ones
};

// "da" and the older "e" both stand for deka.
constexpr std::array kMetricPrefixes = std::to_array<Prefix>({
    {"Y", 24}, {"Z", 21}, {"E", 18}, {"P", 15}, {"T", 12}, {"G", 9}, {"M", 6}, {"k", 3}, {"h", 2}, {"da", 1}, {"e", 1},
    {"d", -1}, {"c", -2}, {"m", -3}, {"u", -6}, {"n", -9}, {"p", -12}, {"f", -15}, {"a", -18}, {"z", -21}, {"y", -24},
});

constexpr std::array kBinaryPrefixes = std::to_array<Prefix>({
    {"Yi", 80}, {"Zi", 70}, {"Ei", 60}, {"Pi", 50}, {"Ti", 40}, {"Gi", 30}, {"Mi", 20}, {"ki", 10},
});

// A unit as written: the unit, and the power of ten (or of two) its prefix
// brings, already raised to the unit's power.
struct Measure {
    const Unit* unit = nullptr;
    int decimalExponent = 0;
    int binaryExponent = 0;
};

const QHash<QString, const Unit*>& unitsByName()
{
    static const QHash<QString, const Unit*> index = [] {
        QHash<QString, const Unit*> names;
        for (const Unit& unit : kUnits) {
            for (const QString& name : QString::fromLatin1(unit.names).split(u'|')) {
                names.insert(name, &unit);
            }
        }
        return names;
    }();
    return index;
}

// Names are case-sensitive. A whole name wins over a prefixed reading, so
// "pt" is a pint and not a picotesla.
std::optional<Measure> findUnit(const QString& name)
{
    const auto& units = unitsByName();
    if (const auto it = units.constFind(name); it != units.constEnd()) {
        return Measure{it.value()};
    }
    for (const Prefix& p : kBinaryPrefixes) {
        const QLatin1String symbol(p.symbol);
        const Unit* unit = name.startsWith(symbol) ? units.value(name.mid(symbol.size())) : nullptr;
        if (unit && unit->prefixes == Prefixes::MetricAndBinary) {
            return Measure{unit, 0, p.exponent};
        }
    }
    for (const Prefix& p : kMetricPrefixes) {
        const QLatin1String symbol(p.symbol);
        const Unit* unit = name.startsWith(symbol) ? units.value(name.mid(symbol.size())) : nullptr;
        if (unit && unit->prefixes != Prefixes::None) {
            return Measure{unit, p.exponent * unit->power, 0};
        }
    }
    return std::nullopt;
}

// Scaling by a power of ten multiplies or divides by an exact 10^n, so that
// CONVERT(1; "in"; "cm") gives 2.54 and not 2.5399999999999996.
double scaled(double x, int decimalExponent, int binaryExponent)
{
    const double ten = std::pow(10.0, std::abs(decimalExponent));
    x = decimalExponent >= 0 ? x * ten : x / ten;
    return std::ldexp(x, binaryExponent);
}

// Only kelvin takes a prefix, so the prefix scales the reading before the
// scale's zero applies.
double convertTemperature(double x, const Measure& from, const Measure& to)
{
    const Unit& a = *from.unit;
    const Unit& b = *to.unit;
    const double celsius = (scaled(x, from.decimalExponent, 0) - a.zero) * a.factor / a.divisor;
    return scaled(celsius * b.divisor / b.factor + b.zero, -to.decimalExponent, 0);
}

}  // namespace

Value convertUnits(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = engineering::number(args, context, 0);
    const QString fromName = args.text(1);
    const QString toName = args.text(2);
    if (args.failed()) {
        return args.error();
    }
    const auto from = findUnit(fromName);
    const auto to = findUnit(toName);
    if (!from || !to || from->unit->quantity != to->unit->quantity) {
        return Value::error(ErrorCode::NA);
    }
    if (fromName == toName) {
        return Value(x);
    }
    if (from->unit->quantity == Quantity::Temperature) {
        return engineering::result(convertTemperature(x, *from, *to));
    }
    const double base = scaled(x * from->unit->factor, from->decimalExponent, from->binaryExponent);
    return engineering::result(scaled(base / to->unit->factor, -to->decimalExponent, -to->binaryExponent));
}

}  // namespace spreadsheet::functions
