// qelunits::Converter: a plan kept for many values, over arrays through the
// vectorised loops and temperature functions of the direct tables.

#include "api/value/ValueCore.h"

#include "factors/DirectFactors.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace qelunits {

#if QELUNITS_HAS_EXCEPTIONS
void Converter::initOrThrow(Reciprocal reciprocal) {
    const Unit from = mFrom;
    const Unit to = mTo;
    const ErrorKind kind = init(from, to, reciprocal);
    if (kind != ErrorKind::None) {
        detail::raise(kind, conversionMessage(kind, from, to), Error::kNoPosition);
    }
}

Converter::Converter(std::string_view from, std::string_view to, Reciprocal reciprocal)
    : Converter(make(from, to, reciprocal).value()) {}

void Converter::operator()(const double* source, double* target, std::size_t count) const {
    const Result<std::size_t> done = tryConvert(source, target, count);
    static_cast<void>(done.value());
}
#endif

Result<Converter> Converter::make(const Unit& from, const Unit& to, Reciprocal reciprocal) {
    Converter c;
    const ErrorKind kind = c.init(from, to, reciprocal);
    return kind == ErrorKind::None ? Result<Converter>(c) : Result<Converter>(kind, conversionMessage(kind, from, to));
}

ErrorKind Converter::init(const Unit& from, const Unit& to, Reciprocal reciprocal) noexcept {
    Plan plan;
    ErrorKind kind = makePlan(from, to, plan);
    const bool invert = kind == ErrorKind::IncompatibleUnits && reciprocal == Reciprocal::Allow;
    if (invert) {
        kind = reciprocalPlan(from, to, plan);
    }
    if (kind != ErrorKind::None) {
        return kind;
    }
    mFrom = from;
    mTo = to;
    mPoint = plan.readings;
    mFactor = plan.factor;
    // Readings of one scale keep the identity, whose values are checked against absolute zero.
    mKind = invert                              ? Kind::Reciprocal
            : plan.kind == Plan::Kind::Function ? Kind::Function
            : mPoint && plan.factor == 1.0      ? Kind::Identity
                                                : Kind::Factor;
    if (mKind == Kind::Function) {
        // The function is affine: its slope is the ratio of the degrees, its value at 0 the offset.
        mFactor = detail::ratio(from, to);
        mOffset = plan.apply(0.0);
        // Scaled readings ("2 °C" as a unit) convert value by value; unscaled ones take the array function.
        const bool unscaled = plan.fromScale == 1.0 && plan.toScale == 1.0;
        mFunction = plan.function;
        mEach = unscaled ? plan.each : nullptr;
        mEachBelow = unscaled ? plan.eachBelow : nullptr;
        mFromScale = plan.fromScale;
        mToScale = plan.toScale;
    }
    if (mPoint) {
        double zero = 0.0;
        const ErrorKind absolute =
            detail::numberInto(Quantity(0.0, Unit::fromCode(QelUnit::kelvin).value_or(Unit())), from, zero);
        mSafeAbove = absolute == ErrorKind::None ? zero + 1e-6 * (1.0 + std::fabs(zero)) : 0.0;
    }
    return ErrorKind::None;
}

Result<Converter> Converter::make(std::string_view from, std::string_view to, Reciprocal reciprocal) {
    const Result<Unit> source = Unit::parse(from);
    if (!source) {
        return Result<Converter>::failureOf(source);
    }
    const Result<Unit> target = Unit::parse(to);
    return target ? make(*source, *target, reciprocal) : Result<Converter>::failureOf(target);
}

// A finite value that converts to infinity is out of range, as Quantity::tryTo says.
Result<double> Converter::inRange(double value, double converted) const {
    return std::isfinite(converted) || !std::isfinite(value)
               ? Result<double>(converted)
               : Result<double>(ErrorKind::OutOfRange, numberText(value) + ' ' + mFrom.symbol() + " in " +
                                                           mTo.symbol() +
                                                           ": the result is beyond the range of a double");
}

Result<double> Converter::slow(double value) const {
    switch (mKind) {
    case Kind::Factor:
        if (belowZero(value)) {
            return Result<double>(ErrorKind::BelowAbsoluteZero, belowZeroMessage(value, mFrom));
        }
        return inRange(value, value * mFactor);
    case Kind::Identity:
        return belowZero(value) ? Result<double>(ErrorKind::BelowAbsoluteZero, belowZeroMessage(value, mFrom))
                                : Result<double>(value);
    case Kind::Reciprocal: {
        const double reciprocal = 1.0 / (value * mFactor);
        return std::isfinite(reciprocal)
                   ? Result<double>(reciprocal)
                   : Result<double>(ErrorKind::OutOfRange,
                                    "no finite reciprocal of " + numberText(value) + ' ' + mFrom.symbol());
    }
    default:
        if (belowZero(value)) {
            return Result<double>(ErrorKind::BelowAbsoluteZero, belowZeroMessage(value, mFrom));
        }
        return inRange(value, mFunction(value * mFromScale) / mToScale);
    }
}

bool Converter::belowZero(double value) const {
    // The exact test builds the unit's expression: only values near absolute zero, or below, need it.
    return mPoint && value < mSafeAbove && belowAbsoluteZero(mFrom, value);
}

Result<double> Converter::tryConvert(double value) const { return slow(value); }

void Converter::convertBlock(const double* source, double* target, std::size_t count) const {
    const double f = mFactor;
    switch (mKind) {
    case Kind::Factor:
        qelunits_detail::multiplyEach(source, target, count, f);
        break;
    case Kind::Reciprocal:
        qelunits_detail::forEachValue(source, target, count, [f](double x) { return 1.0 / (x * f); });
        break;
    case Kind::Identity:
        if (source != target) {
            std::copy(source, source + count, target);
        }
        break;
    default:
        if (mEach != nullptr) {
            mEach(source, target, count);
        } else {
            for (std::size_t i = 0; i < count; ++i) {
                target[i] = mFunction(source[i] * mFromScale) / mToScale;
            }
        }
    }
}

Result<std::size_t> Converter::tryConvert(const double* source, double* target, std::size_t count) const {
    // Block by block, so that the check of readings and the conversion read each value from memory once; the
    // check first counts values near absolute zero without a branch, and looks closer only where there are any.
    constexpr std::size_t kBlock = 2048;
    if (!mPoint) {
        convertBlock(source, target, count);
        return Result<std::size_t>(count);
    }
    // Where target lies apart from source, the conversion counts as it goes and source keeps the values for the
    // closer look; in place, they are counted before the block is overwritten.
    const std::less_equal<const double*> notAfter;
    const bool apart = mEachBelow != nullptr && (notAfter(source + count, target) || notAfter(target + count, source));
    std::size_t failed = count;
    double failedValue = 0.0; // target may be source
    for (std::size_t from = 0; from < count; from += kBlock) {
        const std::size_t n = std::min(kBlock, count - from);
        const double* block = source + from;
        std::size_t near = 0;
        if (apart) {
            near = mEachBelow(block, target + from, n, mSafeAbove);
        } else if (failed == count) {
            near = qelunits_detail::countBelow(block, n, mSafeAbove);
        }
        for (std::size_t i = 0; near != 0 && i < n && failed == count; ++i) {
            failed = belowZero(block[i]) ? from + i : count;
            failedValue = block[i];
        }
        if (!apart) {
            convertBlock(block, target + from, n);
        }
    }
    if (failed != count) {
        return Result<std::size_t>(ErrorKind::BelowAbsoluteZero,
                                   belowZeroMessage(failedValue, mFrom) + " (value " + std::to_string(failed) + ")",
                                   failed);
    }
    return Result<std::size_t>(count);
}

} // namespace qelunits
