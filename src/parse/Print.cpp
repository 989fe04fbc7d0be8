// Stream output of types, expressions and quantities, narrow (UTF-8) and wide.

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitsUtf8.h>

#include <ostream>
#include <sstream>

namespace {

std::string text(const QelStringP& wide, char /*tag*/) { return qelunits::toUtf8(wide); }

std::wstring text(const QelStringP& wide, wchar_t /*tag*/) { return std::wstring(wide.view()); }

// The value as the stream would write it, then the type; one string, so that a width pads the whole.
template <class Char>
std::basic_ostream<Char>& writeQuantity(std::basic_ostream<Char>& out, const QelUnitVar& q) {
    std::basic_ostringstream<Char> line;
    line.flags(out.flags());
    line.precision(out.precision());
    line.imbue(out.getloc());
    line << q.GetValue() << Char(' ') << text(QelUnitParser::format(q.GetType()), Char());
    return out << line.str();
}

} // namespace

std::ostream& operator<<(std::ostream& out, const QelUnitType& type) {
    return out << text(QelUnitParser::format(type), char());
}

std::wostream& operator<<(std::wostream& out, const QelUnitType& type) {
    return out << text(QelUnitParser::format(type), wchar_t());
}

std::ostream& operator<<(std::ostream& out, const QelUnitExpression& expression) {
    return out << text(QelUnitParser::format(expression), char());
}

std::wostream& operator<<(std::wostream& out, const QelUnitExpression& expression) {
    return out << text(QelUnitParser::format(expression), wchar_t());
}

std::ostream& operator<<(std::ostream& out, const QelUnitVar& q) { return writeQuantity(out, q); }

std::wostream& operator<<(std::wostream& out, const QelUnitVar& q) { return writeQuantity(out, q); }
