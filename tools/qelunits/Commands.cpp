// The commands on unit and quantity texts: convert (units, quantities, levels), factor, info and the
// conversions of settings codes. Texts are read and converted by the value API (Unit, Quantity, Level and the
// UTF-8 layer's convert, which carries the digits a result vouches for); settings codes and the description of
// a catalogue unit keep the catalogue's classes, whose stored factors they are about.

#include "Tool.h"

#include <qelunits/Levels.h>
#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>
#include <qelunits/QelUnitsUtf8.h>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <system_error>

namespace qelunits_cli {
namespace {

using qelunits::ErrorKind;
using qelunits::Level;
using qelunits::LevelUnit;
using qelunits::Quantity;
using qelunits::Result;
using qelunits::Unit;

// The whole text as a number, or false.
template <typename T>
bool readWhole(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const std::from_chars_result r = std::from_chars(text.data(), end, value);
    return !text.empty() && r.ec == std::errc() && r.ptr == end;
}

// "Length [m]", "Velocity [m/s]"; "[m^4]" where no type has the dimension.
std::string dimensionLabel(const Unit& unit) {
    const std::string name = unit.isDimensionless() ? "" : unit.dimensionName();
    return (name.empty() ? "" : name + " ") + "[" + unit.dimension() + "]";
}

// The unit without its scale ("kJ/(kg·K)" gives J/(kg·K)), so that "means:" can tell the two apart.
Unit unscaled(const Unit& unit) {
    Unit plain;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        const Result<Unit> factor = Unit::fromCode(unit.unit(i), unit.power(i));
        const Result<Unit> product = factor ? tryMultiply(plain, *factor) : factor;
        if (!product) {
            return unit;
        }
        plain = *product;
    }
    return unit.isTemperatureDifference() ? plain.difference() : plain;
}

// Appends item to a list joined by separator, unless the list holds it already.
void addOnce(std::string& list, const std::string& item, const char* separator) {
    if (!item.empty() && list.find(item) == std::string::npos) {
        list += (list.empty() ? "" : separator) + item;
    }
}

// "; 'cal' can also mean intl_calorie" for a name several catalogue units share, and what the short spellings
// of text mean here ("; 't' is the short ton here; ...").
std::string aboutNames(const std::string& text) {
    const std::wstring wide = qelunits::fromUtf8(text).value_or(L"");
    if (wide.empty()) {
        return "";
    }
    const QelUnitCandidates found = QelUnitParser::candidates(wide);
    std::string others;
    for (std::size_t i = 1; i < found.count; ++i) {
        addOnce(others, qelunits::internalName(found.items[i].unit), ", ");
    }
    const std::string notes = qelunits::toUtf8(QelUnitParser::notes(wide));
    return (others.empty() ? "" : "; '" + text + "' can also mean " + others) + (notes.empty() ? "" : "; " + notes);
}

// The logarithmic unit a text names, where it names no unit of the value API ("dB", "dBm"; never "B" where
// that is a unit).
Result<LevelUnit> levelUnit(const Reading& reading, const std::string& text) {
    if (reading.unit(text)) {
        return Result<LevelUnit>(ErrorKind::UnknownUnit, "'" + text + "' is a unit, not a level");
    }
    return LevelUnit::parse(text);
}

} // namespace

bool Commands::isBareNumber(const std::string& text) const {
    const Result<Quantity> read = Quantity::parse(text);
    return read && read->unit().size() == 0;
}

// VALUE may be a fraction or a sum of numbers ("1|3", "1/2"), read by the library's quantity reader.
int Commands::convert(const std::string& value, const std::string& from, const std::string& to) {
    const Result<Quantity> number = Quantity::parse(value);
    if (!number || number->unit().size() != 0 || !std::isfinite(number->value())) {
        return mOutput.usage("'" + value + "' is not a number");
    }
    const double n = number->value() * number->unit().scale();
    bool done = false;
    const int status = level(value, from, to, "", done);
    if (done) {
        return status;
    }
    const Result<Unit> unit = mReading.context ? mReading.unit(from) : Result<Unit>(Unit());
    const int related =
        inContext(unit ? Result<Quantity>(Quantity(n, *unit)) : Result<Quantity>::failureOf(unit), to, "", done);
    if (done) {
        return related;
    }
    const Result<std::string> source = mReading.unitText(from);
    const Result<std::string> target = source ? mReading.unitText(to) : source;
    if (!target) {
        return mOutput.fail(target);
    }
    return converted(qelunits::convert(n, *source, *target), qelunits::convertReciprocal(n, *source, *target), from, to,
                     "");
}

int Commands::convertQuantity(const std::string& quantity, const std::string& to, const std::string& lead) {
    bool done = false;
    const int status = level(quantity, "", to, lead, done);
    if (done) {
        return status;
    }
    const int related =
        inContext(mReading.context ? mReading.quantity(quantity) : Result<Quantity>(Quantity()), to, lead, done);
    if (done) {
        return related;
    }
    const Result<std::string> source = mReading.quantityText(quantity);
    const Result<std::string> target = source ? mReading.unitText(to) : source;
    if (!target) {
        return mOutput.fail(target);
    }
    return converted(qelunits::convert(*source, *target), qelunits::convertReciprocal(*source, *target), quantity, to,
                     lead);
}

// Under --context, a quantity whose dimension differs from to's converts by the context's relation (500 nm in
// THz); done where it did. Within one dimension the plain path keeps its digits and notes.
int Commands::inContext(const Result<Quantity>& quantity, const std::string& to, const std::string& lead, bool& done) {
    done = false;
    if (!mReading.context || !quantity) {
        return kOk;
    }
    const Result<Unit> target = mReading.unit(to);
    if (!target || target->exponents() == quantity->unit().exponents()) {
        return kOk;
    }
    done = true;
    const Result<double> related = qelunits::tryIn(*quantity, *target, *mReading.context);
    return related ? mOutput.print(related, lead, " " + to) : mOutput.fail(related);
}

// Levels and ratios ("20 dBm" in mW, "100 mW" in dBm, "3 dB" in 1, "1 Np" in dB): done where either side is
// one, value being a number in from, or a quantity text where from is empty.
int Commands::level(const std::string& value, const std::string& from, const std::string& to, const std::string& lead,
                    bool& done) {
    const Result<Level> source = levelOf(value, from);
    const Result<LevelUnit> target = levelUnit(mReading, to);
    done = source || target;
    if (source) {
        return fromLevel(*source, value + (from.empty() ? "" : " " + from), to, lead);
    }
    if (!target) {
        return kOk;
    }
    const Result<Unit> unit = from.empty() ? Result<Unit>(Unit()) : mReading.unit(from);
    const Result<Quantity> quantity = from.empty() ? mReading.quantity(value)
                                      : unit       ? Result<Quantity>(Quantity(Quantity::parse(value)->value(), *unit))
                                                   : Result<Quantity>::failureOf(unit);
    if (!quantity) {
        return mOutput.fail(quantity);
    }
    // A ratio unit takes a number, as a power ratio (50 % is -3.01 dB).
    const Result<double> ratio = quantity->tryIn(Unit());
    const Result<Level> r = !target->isRatio() ? Level::fromQuantity(*quantity, *target)
                            : ratio            ? Level::fromPowerRatio(*ratio, *target)
                                               : Result<Level>::failureOf(ratio);
    return r ? mOutput.print(Result<double>(r->value()), lead, " " + to) : mOutput.fail(r);
}

// The level value (a number) in from is, or a quantity text (from empty) that reads as a level and not as a
// quantity; a failure otherwise.
Result<Level> Commands::levelOf(const std::string& value, const std::string& from) const {
    const Result<Level> none(ErrorKind::UnknownUnit, "no level");
    if (from.empty()) {
        return mReading.quantity(value) ? none : Level::parse(value);
    }
    const Result<LevelUnit> unit = levelUnit(mReading, from);
    return unit ? Result<Level>(Level(Quantity::parse(value)->value(), *unit)) : none;
}

// A level in another logarithmic unit, in the quantity it stands for, or a ratio as a number: its power ratio,
// with its field ratio in a note.
int Commands::fromLevel(const Level& source, const std::string& from, const std::string& to, const std::string& lead) {
    const std::string shownTo = " " + to;
    const Result<LevelUnit> target = levelUnit(mReading, to);
    if (target) {
        const Result<Level> r = source.tryTo(*target);
        return r ? mOutput.print(Result<double>(r->value()), lead, shownTo) : mOutput.fail(r);
    }
    const Result<Unit> unit = mReading.unit(to);
    if (!unit) {
        return mOutput.fail(unit);
    }
    if (!source.isRatio()) {
        const Result<Quantity> quantity = source.tryToQuantity();
        const Result<double> r = quantity ? quantity->tryIn(*unit) : Result<double>::failureOf(quantity);
        return r ? mOutput.print(r, lead, shownTo) : mOutput.fail(r);
    }
    const Result<double> power = source.tryPowerRatio();
    const Result<double> r = power ? Quantity(*power, Unit()).tryIn(*unit) : power;
    if (r.kind() == ErrorKind::IncompatibleUnits) {
        return mOutput.fail("cannot convert " + from + " to " + to + ": a ratio converts to a number");
    }
    const int status = r ? mOutput.print(r, lead, shownTo) : mOutput.fail(r);
    const Result<double> field = source.tryFieldRatio();
    if (status == kOk && field) {
        mOutput.note("a power ratio; the field ratio is " + mOutput.number(*field));
    }
    return status;
}

// Prints a conversion's result with to as the user wrote it, or why there is none. Units of reciprocal
// dimensions (mpg, L/100 km) convert reciprocally, said on standard error: a user asking for one by the
// other means that.
int Commands::converted(const Result<double>& result, const Result<double>& reciprocal, const std::string& from,
                        const std::string& to, const std::string& lead) {
    if (result.kind() != ErrorKind::IncompatibleUnits) {
        return result ? noted(mOutput.print(result, lead, " " + to), from, to) : mOutput.fail(result);
    }
    if (reciprocal.kind() == ErrorKind::IncompatibleUnits) {
        return incompatible(from, to);
    }
    return reciprocal ? noted(mOutput.print(reciprocal, lead, " " + to), from, to, "reciprocal conversion")
                      : mOutput.fail(reciprocal);
}

// A result read through a kept short spelling ("t" the short ton) or converted reciprocally says so on
// standard error.
int Commands::noted(int status, const std::string& from, const std::string& to, const std::string& more) {
    std::string notes = more;
    for (const std::string* text : {&from, &to}) {
        addOnce(notes, mReading.ucum ? "" : qelunits::notes(*text), "; ");
    }
    if (status == kOk && !notes.empty()) {
        mOutput.note(notes);
    }
    return status;
}

// from is a unit or a quantity ("10 ft"), to a unit. A sum whose terms do not add ("1 + mm") fails the same
// way, and is told as the reader tells it.
int Commands::incompatible(const std::string& from, const std::string& to) {
    const Result<Unit> fromUnit = mReading.unit(from);
    const Result<Quantity> fromQuantity =
        fromUnit ? Result<Quantity>(Quantity(1.0, *fromUnit)) : mReading.quantity(from);
    const Result<Unit> toUnit = mReading.unit(to);
    if (!fromQuantity || !toUnit) {
        return !fromQuantity ? mOutput.fail(fromQuantity) : mOutput.fail(toUnit);
    }
    return mOutput.fail("cannot convert " + from + " to " + to + ": " +
                        qelunits::statusMessage(qelunits::statusOf(ErrorKind::IncompatibleUnits)) + " (" + from + ": " +
                        dimensionLabel(fromQuantity->unit()) + "; " + to + ": " + dimensionLabel(*toUnit) + ")" +
                        (mReading.ucum ? "" : aboutNames(from) + aboutNames(to)));
}

bool Commands::checkQuantity(const std::string& quantity) {
    const Result<Quantity> read = mReading.quantity(quantity);
    if (!read && Level::parse(quantity)) {
        return true;
    }
    if (!read) {
        mOutput.fail(read);
        return false;
    }
    // Converted into its own unit, the quantity meets the checks every conversion makes (a finite value, a
    // reading above absolute zero), so that a wrong one is named before "You want:".
    const Result<std::string> text = mReading.quantityText(quantity);
    const Result<double> itself =
        text ? qelunits::convert(*text, read->unit().symbol()) : Result<double>::failureOf(text);
    if (!itself) {
        mOutput.fail(itself);
    }
    return itself.ok();
}

int Commands::factor(const std::string& from, const std::string& to) {
    const Result<Unit> source = mReading.unit(from);
    const Result<Unit> target = source ? mReading.unit(to) : source;
    if (!target) {
        return mOutput.fail(target);
    }
    if (source->isTemperaturePoint() || target->isTemperaturePoint()) {
        return mOutput.fail(from + " to " + to + " converts by a function, not a factor: use convert");
    }
    const Result<std::string> fromText = mReading.unitText(from);
    const Result<std::string> toText = fromText ? mReading.unitText(to) : fromText;
    if (!toText) {
        return mOutput.fail(toText);
    }
    const Result<double> f = qelunits::convert(1.0, *fromText, *toText);
    if (f.kind() == ErrorKind::IncompatibleUnits) {
        return incompatible(from, to);
    }
    return f ? noted(mOutput.print(f, "", ""), from, to) : mOutput.fail(f);
}

int Commands::settingsConversion(const std::string& value, const std::string& from, const std::string& to,
                                 bool asFactor, bool surveyFoot) {
    std::uint32_t codes[2] = {};
    const std::string* texts[2] = {&from, &to};
    for (int i = 0; i < 2; ++i) {
        if (!readWhole(*texts[i], codes[i])) {
            return mOutput.usage("'" + *texts[i] + "' is not a settings-unit code");
        }
    }
    double number = 0.0;
    if (!readWhole(value, number) || !std::isfinite(number)) {
        return mOutput.usage("'" + value + "' is not a number");
    }
    const auto fromCode = static_cast<QelUnitBase::SettingsUnits>(codes[0]);
    const auto toCode = static_cast<QelUnitBase::SettingsUnits>(codes[1]);
    if (!QelUnitBase::IsKnown(fromCode) || !QelUnitBase::IsKnown(toCode)) {
        return mOutput.fail("unknown settings-unit code " + (QelUnitBase::IsKnown(fromCode) ? to : from));
    }
    const QelUnitBase::FootToMeterConversion foot =
        surveyFoot ? QelUnitBase::SurveyFoot : QelUnitBase::InternationalFoot;
    const QelUnit::ErrorStatus status = asFactor ? QelUnitBase::GetConversionFactor(fromCode, foot, toCode, number)
                                                 : QelUnitBase::ConvertUnits(fromCode, foot, toCode, number);
    if (status != QelUnit::Ok) {
        return mOutput.fail("cannot convert settings code " + from + " to " + to + ": " +
                            qelunits::statusMessage(status));
    }
    const QelUnit::BuiltinUnits target = QelUnitBase::mapToBuiltin(toCode, foot);
    const QelUnitType source(QelUnitBase::mapToBuiltin(fromCode, foot), 1);
    const double bound = QelUnitExpression(source).relativeError(QelUnitExpression(QelUnitType(target, 1)));
    return mOutput.print(Result<double>(number, bound, 1.0), "", asFactor ? "" : " " + symbolOf(target));
}

// A scaled unit first says so ("means: 1000000 × J"); the lines after describe a catalogue unit from the
// catalogue, any other unit by its dimension and factor.
int Commands::info(const std::string& text) {
    const Result<Unit> read = mReading.unit(text);
    if (!read) {
        return mOutput.fail(read);
    }
    const Unit plain = unscaled(*read);
    std::ostream& out = mOutput.out();
    if (read->scale() != 1.0 && plain.scale() == 1.0) { // a named unit's own scale (keV) is no scaling of it
        out << "means: " << mOutput.number(read->scale()) << " × " << mReading.written(plain) << '\n';
    }
    std::string notes = mReading.ucum ? "" : qelunits::notes(text);
    // Units beyond the catalogue's codes (the Julian year) have no entry there to describe.
    if (plain.size() == 1 && plain.power(0) == 1 && !plain.isTemperatureDifference() &&
        plain.unit(0) < QelUnit::kUnitCount) {
        infoUnit(plain.unit(0));
        infoSharedNames(plain.unit(0), notes);
    } else {
        out << "expression: " << mReading.written(plain) << "\nname: " << plain.name()
            << "\ndimension: " << dimensionLabel(plain)
            << "\nfactor to SI base units: " << mOutput.number(plain.factor()) << '\n';
    }
    if (!notes.empty()) {
        out << "note: " << notes << '\n';
    }
    return kOk;
}

void Commands::infoUnit(QelUnit::BuiltinUnits unit) {
    const QelUnit::BuiltinTypes unitType = QelUnit::getType(unit);
    const bool metric = QelUnit::isMetric(unit);
    const bool imperial = QelUnit::isImperial(unit);
    const std::string abbreviation = qelunits::defaultAbbreviation(unit);
    const std::string superscripts = qelunits::defaultAbbreviationAsVellum(unit);
    const Result<Unit> asUnit = Unit::fromCode(unit);
    mOutput.out() << "id: " << unit << "\ninternal name: " << qelunits::internalName(unit)
                  << "\nsingular: " << qelunits::singularName(unit) << "\nplural: " << qelunits::pluralName(unit)
                  << "\nabbreviation: " << abbreviation
                  << (superscripts != abbreviation ? "\nwith superscripts: " + superscripts : "")
                  << "\ntype: " << unitType << " " << qelunits::displayName(unitType) << " ["
                  << (asUnit ? asUnit->dimension() : "") << "]\nsystem: "
                  << (metric && imperial ? "metric and imperial"
                      : metric           ? "metric"
                      : imperial         ? "imperial"
                                         : "neither")
                  << '\n';
    infoFactor(unit);
}

// The unit's factor: its definition, which texts convert with, and where the catalogue stores a rounding of
// it, that stored factor, which codes convert with, and how far apart they are.
void Commands::infoFactor(QelUnit::BuiltinUnits unit) {
    const QelUnit::BuiltinUnits base = qelunits::baseUnit(QelUnit::getType(unit));
    const std::string baseText = " " + symbolOf(base);
    std::ostream& out = mOutput.out();
    double f = 0.0;
    if (QelUnitBase::GetConversionFactor(unit, base, f) != QelUnit::Ok) {
        out << "factor to base unit: none (converts by a function)" << baseText << '\n';
        return;
    }
    const qelunits::FactorDefinition d = qelunits::factorDefinition(unit);
    if (d.text.empty()) {
        out << "factor to base unit: " << mOutput.number(d.defined) << baseText
            << ", its definition, by text and code\n";
        return;
    }
    out << "factor to base unit: " << mOutput.number(d.defined) << baseText << " (" << d.text
        << "), by text\nstored factor: " << mOutput.number(f) << baseText
        << ", by code (settings codes, QelUnitType)\ndifference: " << written(d.difference, 2, false)
        << " (stored / definition - 1)\n";
    if (d.uncertainty > 0.0) {
        out << "uncertainty: " << written(d.uncertainty, 2, false) << " (relative, of a measured definition)\n";
    }
}

// The units that share a text with unit, and the notes on its short spellings.
void Commands::infoSharedNames(QelUnit::BuiltinUnits unit, std::string& notes) {
    const QelStringP texts[] = {QelUnit::internalName(unit), QelUnit::singularName(unit), QelUnit::pluralName(unit),
                                QelUnit::defaultAbbreviation(unit), QelUnit::defaultAbbreviationAsVellum(unit)};
    std::string shared;
    for (const QelStringP& text : texts) {
        const QelUnitCandidates found = QelUnitParser::candidates(text.c_str());
        for (std::size_t i = 0; i < found.count; ++i) {
            if (found.items[i].unit != unit) {
                addOnce(shared,
                        "'" + qelunits::toUtf8(text.c_str()) + "' also " + qelunits::internalName(found.items[i].unit),
                        ", ");
            }
        }
        addOnce(notes, qelunits::toUtf8(found.note), "; ");
    }
    mOutput.out() << "shares a name with: " << (shared.empty() ? "none" : shared) << '\n';
}

} // namespace qelunits_cli
