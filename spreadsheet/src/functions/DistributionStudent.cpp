#include "DistributionFunctions.h"

#include "ArgumentReader.h"
#include "DistributionLaws.h"
#include "DistributionSupport.h"

#include <cmath>

namespace spreadsheet::functions {

namespace {

using namespace distribution;
namespace sp = special;

// x and the truncated degrees of freedom of a t function.
struct StudentArguments {
    double x = 0.0;
    double df = 0.0;
};

void readStudent(ArgumentReader& args, StudentArguments& out)
{
    out.x = args.number(0);
    out.df = std::trunc(args.number(1));
}

// x and the truncated degrees of freedom of an F function.
struct FisherArguments {
    double x = 0.0;
    double m = 0.0;
    double n = 0.0;
    bool valid() const { return validFreedom(m) && validFreedom(n); }
};

void readFisher(ArgumentReader& args, FisherArguments& out)
{
    out.x = args.number(0);
    out.m = std::trunc(args.number(1));
    out.n = std::trunc(args.number(2));
}

// Both tails of t beyond |x| for x >= 0, or the upper one alone.
Value studentBeyond(const StudentArguments& a, double tails)
{
    if (a.df < 1.0 || a.x < 0.0 || (tails != 1.0 && tails != 2.0)) {
        return num();
    }
    return result(tails * sp::studentTails(a.x, a.df).upper);
}

Value fisherQuantile(const CallContext& context, bool upperTail)
{
    ArgumentReader args(context);
    FisherArguments a;  // a.x holds the probability here
    readFisher(args, a);
    if (args.failed()) {
        return args.error();
    }
    if (!inUnit(a.x, false) || !a.valid()) {
        return num();
    }
    return result(sp::quantile(sp::fisherLaw(a.m, a.n), a.x, upperTail));
}

}  // namespace

Value tDist(const CallContext& context)
{
    ArgumentReader args(context);
    StudentArguments a;
    readStudent(args, a);
    const bool cumulative = args.boolean(2);
    if (args.failed()) {
        return args.error();
    }
    if (a.df < 1.0) {
        return num();
    }
    return result(cumulative ? sp::studentTails(a.x, a.df).lower : sp::studentDensity(a.x, a.df));
}

Value tDist2T(const CallContext& context)
{
    ArgumentReader args(context);
    StudentArguments a;
    readStudent(args, a);
    return args.failed() ? args.error() : studentBeyond(a, 2.0);
}

Value tDistRt(const CallContext& context)
{
    ArgumentReader args(context);
    StudentArguments a;
    readStudent(args, a);
    if (args.failed()) {
        return args.error();
    }
    return a.df < 1.0 ? num() : result(sp::studentTails(a.x, a.df).upper);
}

Value tDistLegacy(const CallContext& context)
{
    ArgumentReader args(context);
    StudentArguments a;
    readStudent(args, a);
    const double tails = std::trunc(args.number(2));
    return args.failed() ? args.error() : studentBeyond(a, tails);
}

Value tInv(const CallContext& context)
{
    ArgumentReader args(context);
    StudentArguments a;  // a.x holds the probability here
    readStudent(args, a);
    if (args.failed()) {
        return args.error();
    }
    if (!inUnit(a.x, true) || a.df < 1.0) {
        return num();
    }
    const double p = a.x;
    return result(p < 0.5 ? -sp::studentUpperQuantile(p, a.df) : sp::studentUpperQuantile(1.0 - p, a.df));
}

Value tInv2T(const CallContext& context)
{
    ArgumentReader args(context);
    StudentArguments a;  // a.x holds the probability here
    readStudent(args, a);
    if (args.failed()) {
        return args.error();
    }
    if (a.x <= 0.0 || a.x > 1.0 || a.df < 1.0) {
        return num();
    }
    return result(sp::studentUpperQuantile(a.x / 2.0, a.df));
}

Value fDist(const CallContext& context)
{
    ArgumentReader args(context);
    FisherArguments a;
    readFisher(args, a);
    const bool cumulative = args.boolean(3);
    if (args.failed()) {
        return args.error();
    }
    if (a.x < 0.0 || !a.valid()) {
        return num();
    }
    return result(cumulative ? sp::fisherTails(a.x, a.m, a.n).lower : sp::fisherDensity(a.x, a.m, a.n));
}

Value fDistRt(const CallContext& context)
{
    ArgumentReader args(context);
    FisherArguments a;
    readFisher(args, a);
    if (args.failed()) {
        return args.error();
    }
    if (a.x < 0.0 || !a.valid()) {
        return num();
    }
    return result(sp::fisherTails(a.x, a.m, a.n).upper);
}

Value fInv(const CallContext& context)
{
    return fisherQuantile(context, false);
}

Value fInvRt(const CallContext& context)
{
    return fisherQuantile(context, true);
}

// Half the width of the confidence interval of a mean whose standard
// deviation comes from the sample itself.
Value confidenceT(const CallContext& context)
{
    ArgumentReader args(context);
    const double alpha = args.number(0);
    const double sd = args.number(1);
    const double size = std::trunc(args.number(2));
    if (args.failed()) {
        return args.error();
    }
    if (!inUnit(alpha, true) || sd <= 0.0 || size < 1.0) {
        return num();
    }
    if (size == 1.0) {
        return Value::error(ErrorCode::Div0);
    }
    return result(sp::studentUpperQuantile(alpha / 2.0, size - 1.0) * sd / std::sqrt(size));
}

}  // namespace spreadsheet::functions
