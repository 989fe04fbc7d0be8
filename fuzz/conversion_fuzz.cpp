// Random units, powers and values through the conversion API, checking what
// must hold for every input.

#include "FuzzTarget.h"

#include <qelunits/QelUnits.h>
#include <qelunits/Quantity.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using qelunits_fuzz::Input;
using qelunits_fuzz::require;

bool statusInRange(QelUnit::ErrorStatus s) { return s >= QelUnit::Ok && s <= QelUnit::CustomConversion; }

// The very bits, so that NaN equals NaN and -0.0 differs from 0.0.
// NOLINTNEXTLINE(bugprone-suspicious-memory-comparison)
bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Mostly codes near the valid range, now and then any 32-bit value.
QelUnit::BuiltinUnits takeUnit(Input& in) {
    const auto raw = in.take<std::uint16_t>();
    return static_cast<QelUnit::BuiltinUnits>((raw & 0x8000U) != 0 ? in.take<std::int32_t>()
                                                                   : static_cast<int>(raw % 352U) - 1);
}

// Mostly small powers, now and then any 32-bit value.
int takePower(Input& in) {
    const auto raw = in.take<std::int8_t>();
    return raw == -128 ? in.take<std::int32_t>() : raw % 5;
}

bool hasTemperature(const QelUnitType& t) {
    return std::any_of(t.begin(), t.end(),
                       [](const QelUnitFactor& f) { return QelUnit::getType(f.unit) == QelUnit::Temperature; });
}

bool usable(double x) { return std::isnormal(x); }

bool close(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::fabs(b); }

// Up to eight random entries.
QelUnitType takeType(Input& in) {
    QelUnitType t;
    for (int n = in.take<std::uint8_t>() % 9; n > 0; --n) {
        const QelUnit::BuiltinUnits u = takeUnit(in);
        t *= QelUnitType(u, takePower(in));
    }
    return t;
}

// What holds for any two types, of one unit each or compound; converting a value there and back gives the value
// again, where the numbers allow it.
void checkTypes(const QelUnitType& a, const QelUnitType& b, double value) {
    require(a.isCompatible(b) == b.isCompatible(a), "compatibility is symmetric");
    ConversionFactor there;
    ConversionFactor back;
    const QelUnit::ErrorStatus s = a.GetConversionFactor(b, there);
    require(statusInRange(s), "status in range");
    require((s == QelUnit::TypesNotCompatible) == !a.isCompatible(b), "incompatible exactly when not compatible");
    const QelUnitVar x(value, a);
    const QelUnitVar y(value, b);
    require(statusInRange((x + y).GetStatus()) && statusInRange((x / y).GetStatus()), "arithmetic status in range");
    require((x == y) == (y == x), "equality is symmetric");
    if (!(value == 0.0 || usable(value)) || hasTemperature(a) || hasTemperature(b) || !a.isCompatible(b)) {
        return;
    }
    require(s == QelUnit::Ok, "compatible types convert");
    require(b.GetConversionFactor(a, back) == QelUnit::Ok, "compatible types convert back");
    if (!usable(there) || !usable(back)) {
        return;
    }
    QelUnitVar q(value, a);
    require(q.ConvertTo(b) == QelUnit::Ok, "quantity converts");
    if (value != 0.0 && !usable(q.GetValue())) {
        return;
    }
    require(q.ConvertTo(a) == QelUnit::Ok, "quantity converts back");
    require(close(q.GetValue(), value), "a to b to a gives the value again");
}

// The value API between the same types: a conversion asked to go reciprocally does so exactly where the
// expression layer's does, with its bits, and a refusal names that way out exactly where it exists.
void checkReciprocal(const QelUnitType& a, const QelUnitType& b, double value) {
    const qelunits::Result<qelunits::Unit> u = qelunits::Unit::fromExpression(QelUnitExpression(a));
    const qelunits::Result<qelunits::Unit> v = qelunits::Unit::fromExpression(QelUnitExpression(b));
    if (!u || !v) {
        return;
    }
    using Converter = qelunits::Converter;
    const qelunits::Result<Converter> plain = Converter::make(*u, *v);
    const qelunits::Result<Converter> asked = Converter::make(*u, *v, Converter::Reciprocal::Allow);
    require(plain || !asked || u->expression().isReciprocalOf(v->expression()), "only reciprocals convert when asked");
    const std::string hint = "which convert only when asked";
    const std::string message = plain ? std::string() : plain.message();
    const bool hinted =
        message.size() > hint.size() && message.compare(message.size() - hint.size(), hint.size(), hint) == 0;
    require(hinted == (!plain && asked.ok()), "a refusal names the reciprocal conversion exactly where it exists");
    double expected = value;
    if (!plain && asked && u->expression().ConvertReciprocal(v->expression(), expected) == QelUnit::Ok) {
        const qelunits::Result<double> converted = asked->tryConvert(value);
        require(!converted || sameBits(*converted, expected), "a reciprocal conversion as the expression layer's");
    }
}

} // namespace

QELUNITS_FUZZ_TARGET(conversion) {
    Input in(data, size);
    const QelUnit::BuiltinUnits from = takeUnit(in);
    const int fromPower = takePower(in);
    const QelUnit::BuiltinUnits to = takeUnit(in);
    const int toPower = takePower(in);
    const auto value = in.take<double>();
    double converted = value;
    const QelUnit::ErrorStatus s = QelUnitBase::ConvertUnits(from, fromPower, to, toPower, converted);
    require(s == QelUnit::Ok || s == QelUnit::TypesNotCompatible, "a conversion succeeds or is incompatible");
    require(s == QelUnit::Ok || sameBits(converted, value), "value written only on Ok");
    double factor = -1.0;
    const QelUnit::ErrorStatus fs = QelUnitBase::GetConversionFactor(from, fromPower, to, toPower, factor);
    require(statusInRange(fs), "factor status in range");
    require((fs == QelUnit::TypesNotCompatible) == (s == QelUnit::TypesNotCompatible), "factor and value agree");
    require(fs == QelUnit::Ok || sameBits(factor, -1.0), "factor written only on Ok");
    const QelUnitType a(from, fromPower);
    const QelUnitType b(to, toPower);
    require(a.isCompatible(b) == (s == QelUnit::Ok), "compatible exactly when the conversion succeeds");
    checkTypes(a, b, value);
    const QelUnitType c = takeType(in);
    const QelUnitType d = takeType(in);
    checkTypes(c, d, value);
    checkReciprocal(c, d, value);
    return 0;
}
