// The grammar of UCUM texts, read left to right with a stack of the signs that
// open parentheses give their contents: no recursion, so that nesting is bound
// only by the text's length.

#include "parse/ucum/UcumSyntax.h"

#include "parse/ucum/UcumTable.h"

#include <qelunits/Quantity.h>

#include <cctype>
#include <string>

namespace qelunits_detail::ucum {
namespace {

using qelunits::ErrorKind;

// Characters of atoms outside brackets: ASCII 33 to 126 but those with a meaning of their own.
bool isSymbolChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 33 || u > 126) {
        return false;
    }
    switch (c) {
    case '"':
    case '(':
    case ')':
    case '+':
    case '-':
    case '.':
    case '/':
    case '=':
    case '[':
    case ']':
    case '{':
    case '}':
        return false;
    default:
        return true;
    }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Spellings of other notations that UCUM writes otherwise, for the messages only.
struct Hint {
    const char* text;
    const char* ucum;
};

// clang-format off
constexpr Hint kHints[] = {
    {"in", "[in_i]"}, {"yd", "[yd_i]"}, {"mi", "[mi_i]"}, {"nmi", "[nmi_i]"}, {"lb", "[lb_av]"},
    {"lbs", "[lb_av]"}, {"oz", "[oz_av]"}, {"lbf", "[lbf_av]"}, {"gal", "[gal_us]"}, {"qt", "[qt_us]"},
    {"floz", "[foz_us]"}, {"psi", "[psi]"}, {"degF", "[degF]"}, {"degC", "Cel"}, {"degR", "[degR]"}, {"hr", "h"},
    {"sec", "s"}, {"yr", "a"}, {"mcg", "ug"}, {"cc", "cm3"}, {"IU", "[IU]"}, {"iU", "[iU]"}, {"ppm", "[ppm]"},
    {"ppb", "[ppb]"}, {"Btu", "[Btu_IT]"}, {"BTU", "[Btu_IT]"}, {"hp", "[HP]"}, {"HP", "[HP]"}, {"pi", "[pi]"},
    {"mmHg", "mm[Hg]"}, {"inHg", "[in_i'Hg]"}, {"cmH2O", "cm[H2O]"}, {"mph", "[mi_i]/h"}, {"rpm", "{rev}/min"},
    {"kn", "[kn_i]"},
};
// clang-format on

const char* hintFor(std::string_view stem) {
    for (const Hint& h : kHints) {
        if (stem == h.text) {
            return h.ucum;
        }
    }
    return nullptr;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// The codes that stem matches in another case ("KG": 'kg', 'kG'), at most three, quoted and joined.
std::string otherCases(std::string_view stem) {
    std::string found;
    int count = 0;
    const auto add = [&](std::string_view prefix, std::string_view code) {
        const std::string text = std::string(prefix) + std::string(code);
        if (count < 3 && text != stem) {
            found += (count++ == 0 ? "" : " or ") + quoted(text);
        }
    };
    for (const Atom& atom : kAtoms) {
        const std::string_view code = atom.code;
        if (sameIgnoringCase(stem, code)) {
            add("", code);
        }
        for (const Prefix& prefix : kPrefixes) {
            const std::string_view p = prefix.code;
            if (atom.metric && stem.size() == p.size() + code.size() && sameIgnoringCase(stem.substr(0, p.size()), p) &&
                sameIgnoringCase(stem.substr(p.size()), code)) {
                add(p, code);
            }
        }
    }
    return found;
}

class Parser {
public:
    Parser(std::string_view text, std::vector<Component>& out, SyntaxError& error)
        : mText(text), mOut(out), mError(error) {}

    bool run();

private:
    bool fail(ErrorKind kind, std::size_t at, const std::string& message) {
        mError.kind = kind;
        mError.position = codePoints(mText, at);
        mError.message = message;
        return false;
    }
    std::string at(std::size_t offset) const { return " at " + std::to_string(codePoints(mText, offset)); }
    // The whole UTF-8 character at offset, as a message shows it: a byte of no character as \xNN.
    std::string characterAt(std::size_t offset) const {
        const auto lead = static_cast<unsigned char>(mText[offset]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        bool whole = length > 0 && offset + length <= mText.size();
        for (std::size_t k = 1; whole && k < length; ++k) {
            whole = (static_cast<unsigned char>(mText[offset + k]) & 0xC0) == 0x80;
        }
        if (whole) {
            return std::string(mText.substr(offset, length));
        }
        static constexpr char kHex[] = "0123456789ABCDEF";
        return std::string("\\x") + kHex[lead >> 4] + kHex[lead & 0xF];
    }

    bool component(int sign);
    bool annotation();
    bool scanRun();
    bool unitOrNumber(int sign);
    bool number(std::size_t begin, std::size_t end, int sign);
    bool exponent(std::size_t begin, std::size_t end, bool tenPower, std::int64_t& value);
    bool resolve(std::size_t begin, std::size_t end, Component& c);
    bool refuseKind(const Component& c);
    bool unknown(std::size_t begin, std::size_t end);
    bool notAComponent();
    bool afterComponent();

    std::string_view mText;
    std::vector<Component>& mOut;
    SyntaxError& mError;
    std::size_t mI = 0;
    std::vector<int> mGroupSigns;       // the sign of each open parenthesis' contents, the whole text's first
    std::vector<std::size_t> mOpenings; // where each open parenthesis stands
};

bool Parser::run() {
    mGroupSigns.assign(1, 1);
    if (mText.empty()) {
        return true; // UCUM's unity
    }
    int op = 1;
    if (mText[0] == '/') { // a leading solidus inverts the component after it
        op = -1;
        mI = 1;
    }
    for (;;) {
        if (!component(mGroupSigns.back() * op)) {
            return false;
        }
        if (!afterComponent()) {
            return false;
        }
        if (mI == mText.size()) {
            break;
        }
        op = mText[mI] == '/' ? -1 : 1;
        ++mI;
    }
    if (mGroupSigns.size() > 1) {
        return fail(ErrorKind::Syntax, mOpenings.back(),
                    "'(' at " + std::to_string(codePoints(mText, mOpenings.back())) + " is not closed");
    }
    return true;
}

// After a component: closing parentheses, then the end or an operator.
bool Parser::afterComponent() {
    while (mI < mText.size() && mText[mI] == ')') {
        if (mGroupSigns.size() == 1) {
            return fail(ErrorKind::Syntax, mI, "')'" + at(mI) + " closes no '('");
        }
        mGroupSigns.pop_back();
        mOpenings.pop_back();
        ++mI;
        if (mI < mText.size() && (isDigit(mText[mI]) || mText[mI] == '+' || mText[mI] == '-')) {
            return fail(ErrorKind::Syntax, mI,
                        "an exponent" + at(mI) + " follows ')': UCUM raises units to powers, not terms in parentheses");
        }
    }
    if (mI == mText.size() || mText[mI] == '.' || mText[mI] == '/') {
        return true;
    }
    const char c = mText[mI];
    if (c == '{') {
        return fail(ErrorKind::Syntax, mI, "an annotation" + at(mI) + " follows ')': it belongs after a unit");
    }
    if (c == ' ') {
        return fail(ErrorKind::Syntax, mI, "a blank" + at(mI) + ": UCUM terms have no blanks; join units with '.'");
    }
    return fail(ErrorKind::Syntax, mI, "'.' or '/' is missing" + at(mI) + " before " + quoted(characterAt(mI)));
}

bool Parser::component(int sign) {
    for (;;) {
        if (mI == mText.size()) {
            return fail(ErrorKind::Syntax, mI, "the text ends" + at(mI) + " where a unit is expected");
        }
        if (mText[mI] != '(') {
            break;
        }
        mGroupSigns.push_back(sign); // the first component inside takes the group's sign
        mOpenings.push_back(mI);
        ++mI;
    }
    const char c = mText[mI];
    if (c == '{') {
        return annotation();
    }
    if (isSymbolChar(c) || c == '[') {
        return unitOrNumber(sign);
    }
    return notAComponent();
}

bool Parser::notAComponent() {
    const char c = mText[mI];
    const auto u = static_cast<unsigned char>(c);
    if (c == ')' || c == '.' || c == '/') {
        return fail(ErrorKind::Syntax, mI, "a unit is missing" + at(mI) + " before " + quoted(std::string(1, c)));
    }
    if (c == ' ' || c == '\t') {
        return fail(ErrorKind::Syntax, mI, "a blank" + at(mI) + ": UCUM terms have no blanks");
    }
    if (u >= 0x80) {
        const std::string ch = characterAt(mI);
        const char* hint = ch == "\xC2\xB5" || ch == "\xCE\xBC" ? "; micro is 'u' (ug)"
                           : ch == "\xC2\xB0"                   ? "; degrees are 'Cel', '[degF]', 'deg'"
                                                                : "";
        return fail(ErrorKind::Syntax, mI,
                    quoted(ch) + at(mI) + ": UCUM texts are ASCII, but for annotations in braces" + hint);
    }
    return fail(ErrorKind::Syntax, mI, quoted(characterAt(mI)) + at(mI) + " cannot start a unit");
}

// Annotations may follow one another ("kg{body}{wt}"): each is 1.
bool Parser::annotation() {
    while (mI < mText.size() && mText[mI] == '{') {
        const std::size_t begin = mI;
        std::size_t j = mI + 1;
        for (; j < mText.size() && mText[j] != '}'; ++j) {
            const auto u = static_cast<unsigned char>(mText[j]);
            if (mText[j] == '{') {
                return fail(ErrorKind::Syntax, j, "'{'" + at(j) + " inside an annotation: annotations do not nest");
            }
            if (u < 0x20 || u == 0x7F) {
                return fail(ErrorKind::Syntax, j, "a control character" + at(j) + " inside an annotation");
            }
        }
        if (j == mText.size()) {
            return fail(ErrorKind::Syntax, begin, "'{'" + at(begin) + " is not closed");
        }
        Component c;
        c.kind = Component::Kind::Annotation;
        c.begin = begin;
        c.end = j + 1;
        mOut.push_back(c);
        mI = j + 1;
    }
    return true;
}

// A run of atom characters and bracketed parts ("mm[Hg]", "10*"), mI moved past it.
bool Parser::scanRun() {
    while (mI < mText.size()) {
        const char c = mText[mI];
        if (c == '[') {
            std::size_t j = mI + 1;
            while (j < mText.size() && mText[j] != ']' && mText[j] != '[' &&
                   static_cast<unsigned char>(mText[j]) >= 33 && static_cast<unsigned char>(mText[j]) <= 126) {
                ++j;
            }
            if (j == mText.size() || mText[j] != ']') {
                return fail(ErrorKind::Syntax, mI, "'['" + at(mI) + " is not closed by ']'");
            }
            mI = j + 1;
        } else if (c == ']') {
            return fail(ErrorKind::Syntax, mI, "']'" + at(mI) + " closes no '['");
        } else if (isSymbolChar(c)) {
            ++mI;
        } else {
            break;
        }
    }
    return true;
}

// A run, then a signed exponent or trailing digits; a run of digits alone is a number.
bool Parser::unitOrNumber(int sign) {
    const std::size_t begin = mI;
    if (!scanRun()) {
        return false;
    }
    std::size_t stemEnd = mI;
    while (stemEnd > begin && isDigit(mText[stemEnd - 1])) {
        --stemEnd;
    }
    if (stemEnd == begin) {
        return number(begin, mI, sign);
    }
    Component c;
    c.kind = Component::Kind::Unit;
    c.sign = sign;
    c.begin = begin;
    const bool signed_ = mI < mText.size() && (mText[mI] == '+' || mText[mI] == '-');
    const std::size_t exponentBegin = signed_ ? mI : stemEnd;
    if (signed_) {
        stemEnd = mI;
        ++mI;
        while (mI < mText.size() && isDigit(mText[mI])) {
            ++mI;
        }
    }
    if (!resolve(begin, stemEnd, c)) {
        return false;
    }
    const bool tenPower = c.prefix < 0 && (std::string_view(kAtoms[c.atom].code) == "10*" ||
                                           std::string_view(kAtoms[c.atom].code) == "10^");
    if (exponentBegin < mI && !exponent(exponentBegin, mI, tenPower, c.exponent)) {
        return false;
    }
    c.end = mI;
    mOut.push_back(c);
    return annotation();
}

// A whole number stands for itself; it takes no exponent ("10+3" is no power of ten: "10*3" is).
bool Parser::number(std::size_t begin, std::size_t end, int sign) {
    if (end < mText.size() && (mText[end] == '+' || mText[end] == '-')) {
        return fail(ErrorKind::Syntax, begin,
                    "the number " + quoted(mText.substr(begin, end - begin)) + at(begin) +
                        " takes no exponent; a power of ten is written 10*3 or 10*-3");
    }
    std::size_t first = begin;
    while (first + 1 < end && mText[first] == '0') {
        ++first;
    }
    std::int64_t value = 0;
    bool fits = end - first <= 19;
    for (std::size_t k = first; fits && k < end; ++k) {
        fits = !__builtin_mul_overflow(value, 10, &value) && !__builtin_add_overflow(value, mText[k] - '0', &value);
    }
    if (!fits) {
        return fail(ErrorKind::OutOfRange, begin,
                    "the number " + quoted(mText.substr(begin, end - begin)) + at(begin) + " is too large");
    }
    if (value == 0) {
        const bool decimal = end + 1 < mText.size() && mText[end] == '.' && isDigit(mText[end + 1]);
        return fail(ErrorKind::Syntax, begin,
                    "the number 0" + at(begin) + " makes no unit" +
                        (decimal ? "; UCUM numbers are whole, '.' multiplies: write 10*-3 or a prefix" : ""));
    }
    Component c;
    c.kind = Component::Kind::Number;
    c.sign = sign;
    c.begin = begin;
    c.end = end;
    c.number = value;
    mOut.push_back(c);
    return annotation();
}

bool Parser::exponent(std::size_t begin, std::size_t end, bool tenPower, std::int64_t& value) {
    const bool negative = mText[begin] == '-';
    const std::size_t digits = mText[begin] == '+' || negative ? begin + 1 : begin;
    if (digits == end) {
        return fail(ErrorKind::Syntax, begin,
                    quoted(mText.substr(begin, 1)) + at(begin) + " is not followed by the exponent's digits");
    }
    const std::int64_t limit = tenPower ? kMaxTenPower : qelunits::Unit::kMaxPower;
    std::int64_t magnitude = 0;
    for (std::size_t k = digits; k < end && magnitude <= limit; ++k) {
        magnitude = magnitude * 10 + (mText[k] - '0');
    }
    if (magnitude > limit) {
        return fail(ErrorKind::OutOfRange, begin,
                    "the exponent " + quoted(mText.substr(begin, end - begin)) + at(begin) + " is beyond ±" +
                        std::to_string(limit));
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

// The longest prefix whose rest is a metric atom, else the whole stem as an atom.
bool Parser::resolve(std::size_t begin, std::size_t end, Component& c) {
    const char* stem = mText.data() + begin;
    const std::size_t length = end - begin;
    for (std::size_t prefixLength = 2; prefixLength >= 1; --prefixLength) {
        const int prefix = length > prefixLength ? findPrefix(stem, prefixLength) : -1;
        const std::size_t atom = prefix >= 0 ? findAtom(stem + prefixLength, length - prefixLength) : kAtomCount;
        if (atom < kAtomCount && kAtoms[atom].metric) {
            c.prefix = prefix;
            c.atom = atom;
            return refuseKind(c);
        }
    }
    c.atom = findAtom(stem, length);
    return c.atom < kAtomCount ? refuseKind(c) : unknown(begin, end);
}

bool Parser::refuseKind(const Component& c) {
    const Atom& atom = kAtoms[c.atom];
    if (atom.kind == AtomKind::Ratio || atom.kind == AtomKind::Reading) {
        return true;
    }
    const std::string what = quoted(mText.substr(c.begin, mI - c.begin)) + at(c.begin) + " (" + atom.name + ")";
    switch (atom.kind) {
    case AtomKind::Arbitrary:
        return fail(ErrorKind::RefusedText, c.begin, what + " is an arbitrary unit: it converts to no other unit");
    case AtomKind::Logarithmic:
        return fail(ErrorKind::RefusedText, c.begin,
                    what + " is a logarithmic unit, a level: it is no ratio unit and converts by no factor");
    case AtomKind::Special:
        return fail(ErrorKind::RefusedText, c.begin,
                    what + " is a unit on a special, non-ratio scale: it converts by no factor");
    default:
        return true;
    }
}

bool Parser::unknown(std::size_t begin, std::size_t end) {
    const std::string_view stem = mText.substr(begin, end - begin);
    const std::string what = "unknown UCUM atom " + quoted(stem) + at(begin);
    if (const char* hint = hintFor(stem)) {
        return fail(ErrorKind::UnknownUnit, begin, what + "; did you mean " + quoted(hint) + "?");
    }
    const std::string bracketed = "[" + std::string(stem) + "]";
    if (findAtom(bracketed.data(), bracketed.size()) < kAtomCount) {
        return fail(ErrorKind::UnknownUnit, begin, what + "; customary atoms are in brackets: " + quoted(bracketed));
    }
    for (std::size_t prefixLength = 2; prefixLength >= 1; --prefixLength) {
        const int prefix = stem.size() > prefixLength ? findPrefix(stem.data(), prefixLength) : -1;
        const std::size_t atom =
            prefix >= 0 ? findAtom(stem.data() + prefixLength, stem.size() - prefixLength) : kAtomCount;
        if (atom < kAtomCount) {
            return fail(ErrorKind::RefusedText, begin,
                        "the prefix " + quoted(kPrefixes[prefix].code) + at(begin) + " cannot stand before " +
                            quoted(kAtoms[atom].code) + ", which is not metric");
        }
    }
    std::size_t digits = 0;
    while (digits < stem.size() && isDigit(stem[digits])) {
        ++digits;
    }
    if (digits > 0) {
        return fail(ErrorKind::UnknownUnit, begin,
                    what + "; a number and a unit take a '.' between them: " +
                        quoted(std::string(stem.substr(0, digits)) + "." + std::string(stem.substr(digits))));
    }
    const std::string cases = otherCases(stem);
    return fail(ErrorKind::UnknownUnit, begin,
                cases.empty() ? what : what + "; UCUM codes are case-sensitive: did you mean " + cases + "?");
}

} // namespace

std::size_t codePoints(std::string_view text, std::size_t offset) noexcept {
    std::size_t count = 0;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        count += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 ? 1U : 0U;
    }
    return count;
}

bool readComponents(std::string_view text, std::vector<Component>& components, SyntaxError& error) {
    components.clear();
    Parser parser(text, components, error);
    return parser.run();
}

} // namespace qelunits_detail::ucum
