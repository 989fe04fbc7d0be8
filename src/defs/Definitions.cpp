// Definitions texts: read line by line, resolved in any order through the
// value API's reader, registered as terms, and published as immutable sets.

#include "api/value/ValueCore.h"
#include "common/Utf8.h"
#include "defs/DefinitionSet.h"
#include "defs/UserTerms.h"

#include <qelunits/Definitions.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>

namespace qelunits_detail {
namespace {

thread_local const NameLookup* tLookup = nullptr;

struct ProcessSet {
    std::mutex read;    // guards set
    std::mutex publish; // one define or publish at a time
    std::shared_ptr<const DefinitionSet> set;
};

ProcessSet& processSet() {
    static ProcessSet p;
    return p;
}

std::shared_ptr<const DefinitionSet> currentProcessSet() {
    ProcessSet& p = processSet();
    const std::lock_guard<std::mutex> hold(p.read);
    return p.set;
}

std::wstring wide(std::string_view text) {
    WideText decoded;
    std::size_t bad = 0;
    return decoded.decode(text, bad) ? std::wstring(decoded.view()) : std::wstring();
}

} // namespace

const DefinitionEntry* DefinitionSet::entry(std::wstring_view name) const {
    for (const DefinitionSet* set = this; set != nullptr; set = set->below.get()) {
        const auto found = set->names.find(std::wstring(name));
        if (found != set->names.end()) {
            return &set->entries[found->second];
        }
    }
    return nullptr;
}

std::uint16_t DefinitionSet::find(std::wstring_view name) const {
    const DefinitionEntry* e = entry(name);
    return e != nullptr ? e->id : kNoTerm;
}

const NameLookup*& threadLookup() noexcept { return tLookup; }

std::uint16_t definedTerm(const wchar_t* name, std::size_t length) {
    if (tLookup != nullptr) {
        return tLookup->find(std::wstring_view(name, length));
    }
    const std::shared_ptr<const DefinitionSet> set = currentProcessSet();
    return set != nullptr ? set->find(std::wstring_view(name, length)) : kNoTerm;
}

} // namespace qelunits_detail

namespace qelunits {
namespace {

using qelunits_detail::DefinitionEntry;
using qelunits_detail::DefinitionSet;
using qelunits_detail::kNoTerm;
using SetPtr = std::shared_ptr<const DefinitionSet>;

constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::wstring wideOf(std::string_view text) { return qelunits_detail::wide(text); }

std::string utf8Of(std::wstring_view text) {
    std::string out;
    qelunits_detail::appendUtf8(out, text);
    return out;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Makes the calling thread read with lookup while it lives.
class LookupScope {
public:
    explicit LookupScope(const qelunits_detail::NameLookup* lookup) noexcept
        : mPrevious(qelunits_detail::threadLookup()) {
        qelunits_detail::threadLookup() = lookup;
    }
    ~LookupScope() { qelunits_detail::threadLookup() = mPrevious; }
    LookupScope(const LookupScope&) = delete;
    LookupScope& operator=(const LookupScope&) = delete;

private:
    const qelunits_detail::NameLookup* mPrevious;
};

// Reads nothing but the builtin units: what a name would mean without any definitions.
struct NoDefinitions final : qelunits_detail::NameLookup {
    std::uint16_t find(std::wstring_view /*name*/) const override { return kNoTerm; }
};

// A character that cannot stand in a name: a blank, an operator, a separator of the definitions' syntax.
bool breaksName(char c) {
    return isBlank(c) || c == '\n' || std::string_view("*/^()=;,[]#|+-.").find(c) != std::string_view::npos;
}

// One line of a text, as written.
struct Line {
    std::size_t number = 0; // from 1
    std::size_t offset = 0; // bytes before the line in the text
    std::string_view text;  // without its comment
    std::size_t nameAt = 0; // bytes into the line
    std::size_t expressionAt = 0;
};

// A definition being read: its entry, where it was written, and how far its resolution got.
struct Pending {
    DefinitionEntry entry;
    Line line;
    enum class State : std::uint8_t { Waiting, Resolving, Done } state = State::Waiting;
};

class Reader final : public qelunits_detail::NameLookup {
public:
    Reader(std::string_view text, std::string_view source, SetPtr below)
        : mText(text), mSource(source), mBelow(std::move(below)) {}

    Result<SetPtr> read();

    std::uint16_t find(std::wstring_view name) const override;

private:
    // A failure at byte at of the text; the first one recorded stands.
    bool fail(ErrorKind kind, std::size_t at, const std::string& what) const {
        if (mFailure.kind() != ErrorKind::None) {
            return false;
        }
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i < at && i < mText.size(); ++i) {
            const bool lead = (static_cast<unsigned char>(mText[i]) & 0xC0U) != 0x80U;
            line += mText[i] == '\n' ? 1U : 0U;
            column = mText[i] == '\n' ? 1U : column + (lead ? 1U : 0U);
        }
        std::size_t position = 0;
        for (std::size_t i = 0; i < at && i < mText.size(); ++i) {
            position += (static_cast<unsigned char>(mText[i]) & 0xC0U) != 0x80U ? 1U : 0U;
        }
        mFailure = Result<int>(kind, mSource + ':' + std::to_string(line) + ':' + std::to_string(column) + ": " + what,
                               position);
        return false;
    }

    bool splitLines();
    bool parseLine(std::string_view text, std::size_t number, std::size_t offset);
    bool checkName(std::string_view name, std::size_t at, std::size_t index);
    bool resolve(std::size_t index) const;
    bool resolveDimension(Pending& p, std::string_view dimension) const;
    bool resolveExpression(Pending& p) const;
    bool checkBelow();
    SetPtr layer() const;
    bool readsBack(const DefinitionSet& set);

    std::string_view mText;
    std::string mSource;
    SetPtr mBelow;
    std::vector<Pending> mPending;
    std::unordered_map<std::wstring, std::size_t> mNames; // to an index of mPending
    mutable Result<int> mFailure{0};
    mutable int mDepthSeen = 0; // the deepest definition a resolution has asked for
    mutable int mNesting = 0;   // resolutions under way, one inside another
};

bool Reader::splitLines() {
    std::size_t number = 1;
    for (std::size_t start = 0; start <= mText.size(); ++number) {
        const std::size_t end = std::min(mText.find('\n', start), mText.size());
        if (end - start > Definitions::kMaxLineLength) {
            return fail(ErrorKind::OutOfRange, start,
                        "the line is " + std::to_string(end - start) + " bytes long; a line holds at most " +
                            std::to_string(Definitions::kMaxLineLength));
        }
        std::string_view line = mText.substr(start, end - start);
        line = line.substr(0, std::min(line.find('#'), line.size()));
        if (!trim(line).empty() && !parseLine(line, number, start)) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

// A line's parts, each with its byte in the line: name = expression [= symbol [= alias ...]] [; symbol ...].
std::vector<std::pair<std::string_view, std::size_t>> partsOf(std::string_view text) {
    const std::size_t semicolon = std::min(text.find(';'), text.size());
    std::vector<std::pair<std::string_view, std::size_t>> parts;
    for (std::size_t at = 0; at <= semicolon;) {
        const std::size_t end = std::min(text.find('=', at), semicolon);
        parts.emplace_back(text.substr(at, end - at), at);
        at = end + 1;
    }
    for (std::size_t at = semicolon + 1; at <= text.size() && semicolon < text.size();) {
        const std::size_t end = std::min(text.find(';', at), text.size());
        parts.emplace_back(text.substr(at, end - at), at);
        at = end + 1;
    }
    return parts;
}

bool Reader::parseLine(std::string_view text, std::size_t number, std::size_t offset) {
    const std::vector<std::pair<std::string_view, std::size_t>> parts = partsOf(text);
    const auto byteOf = [&](std::size_t part) {
        const std::string_view t = parts[part].first;
        return offset + parts[part].second + (trim(t).empty() ? 0 : t.find(trim(t).front()));
    };
    const std::string_view name = trim(parts[0].first);
    if (parts.size() < 2 || trim(parts[1].first).empty()) {
        return fail(ErrorKind::Syntax, offset + (text.size() - trim(text).size()),
                    "expected a definition: 'name = expression', as 'widget = 3.5 kg'");
    }
    if (!name.empty() && name.back() == '-') {
        return fail(ErrorKind::Syntax, byteOf(0), "prefixes cannot be defined: every defined unit takes the SI ones");
    }
    if (!name.empty() && (name.front() == '@' || name.front() == '[')) {
        return fail(ErrorKind::Syntax, byteOf(0),
                    "'" + std::string(name) +
                        "': only units are defined here; a new base dimension is 'unit = [name]'");
    }
    Pending p;
    p.line = Line{number, offset, text, byteOf(0) - offset, byteOf(1) - offset};
    p.entry.name = std::string(name);
    p.entry.expression = std::string(trim(parts[1].first));
    const std::size_t index = mPending.size();
    mPending.push_back(std::move(p));
    bool named = checkName(name, byteOf(0), index);
    for (std::size_t k = 2; named && k < parts.size(); ++k) {
        const std::string_view spelling = trim(parts[k].first);
        if (spelling.empty() || spelling == "_") { // "_": no symbol, as the other common syntax writes it
            continue;
        }
        named = checkName(spelling, byteOf(k), index);
        if (named) {
            mPending[index].entry.spellings.emplace_back(spelling);
        }
    }
    return named;
}

bool Reader::checkName(std::string_view name, std::size_t at, std::size_t index) {
    if (name.empty()) {
        return fail(ErrorKind::Syntax, at, "expected a name before '='");
    }
    const auto bad = std::find_if(name.begin(), name.end(), breaksName);
    if (bad != name.end() || (name.front() >= '0' && name.front() <= '9')) {
        return fail(ErrorKind::Syntax, at + static_cast<std::size_t>(bad - name.begin()),
                    "'" + std::string(name) +
                        "' is no name: a name is letters, digits and '_', not starting with a digit");
    }
    const std::wstring key = wideOf(name);
    const auto twice = mNames.find(key);
    if (twice != mNames.end()) {
        return fail(ErrorKind::InvalidArgument, at,
                    "'" + std::string(name) + "' is defined twice: first on line " +
                        std::to_string(mPending[twice->second].line.number));
    }
    {
        const NoDefinitions none;
        const LookupScope scope(&none);
        const Result<Unit> builtin = Unit::parse(name);
        if (builtin) {
            return fail(ErrorKind::InvalidArgument, at,
                        "'" + std::string(name) + "' is a unit already (" + builtin->name() +
                            "): a definition may not change it; choose another name");
        }
    }
    mNames.emplace(key, index);
    return true;
}

std::uint16_t Reader::find(std::wstring_view name) const {
    if (mFailure.kind() != ErrorKind::None) {
        return kNoTerm; // the first failure is the one reported
    }
    const auto found = mNames.find(std::wstring(name));
    if (found == mNames.end()) {
        const DefinitionEntry* below = mBelow != nullptr ? mBelow->entry(name) : nullptr;
        mDepthSeen = below != nullptr ? std::max(mDepthSeen, below->depth) : mDepthSeen;
        return below != nullptr ? below->id : kNoTerm;
    }
    const Pending& p = mPending[found->second];
    if (p.state == Pending::State::Resolving) {
        fail(ErrorKind::InvalidArgument, p.line.offset + p.line.nameAt,
             "'" + p.entry.name + "' rests on itself" +
                 (std::string(utf8Of(name)) == p.entry.name ? "" : " through '" + std::string(utf8Of(name)) + "'") +
                 ": a definition may not go round in a circle");
        return kNoTerm;
    }
    if (p.state == Pending::State::Waiting) {
        // Definitions resting on ones further down the text resolve nested: bounded here, before the stack is.
        if (mNesting >= Definitions::kMaxDepth) {
            fail(ErrorKind::OutOfRange, p.line.offset + p.line.nameAt,
                 "'" + p.entry.name + "' would rest on definitions more than " +
                     std::to_string(Definitions::kMaxDepth) + " deep; at most " +
                     std::to_string(Definitions::kMaxDepth) + " are read");
            return kNoTerm;
        }
        ++mNesting;
        const bool resolved = resolve(found->second);
        --mNesting;
        if (!resolved) {
            return kNoTerm;
        }
    }
    mDepthSeen = std::max(mDepthSeen, p.entry.depth);
    return p.entry.id;
}

// The names people give the builtin base dimensions, as Pint's definitions write them among others.
bool isBuiltinDimension(std::string_view name) {
    constexpr std::string_view kNames[] = {"mass",
                                           "length",
                                           "time",
                                           "temperature",
                                           "current",
                                           "electric_current",
                                           "amount",
                                           "substance",
                                           "amount_of_substance",
                                           "luminosity",
                                           "luminous_intensity",
                                           "angle",
                                           "plane_angle",
                                           "solid_angle"};
    return std::any_of(std::begin(kNames), std::end(kNames), [&](std::string_view known) {
        return known.size() == name.size() && std::equal(known.begin(), known.end(), name.begin(), [](char a, char b) {
                   return a == static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
               });
    });
}

bool Reader::resolveDimension(Pending& p, std::string_view dimension) const {
    const std::string symbol = p.entry.spellings.empty() ? p.entry.name : p.entry.spellings.front();
    const int slot = qelunits_detail::addedDimension(dimension, symbol);
    if (slot < 0) {
        return fail(ErrorKind::OutOfRange, p.line.offset + p.line.expressionAt,
                    "no more base dimensions can be added: a process holds at most " +
                        std::to_string(Dimension::kCount - Dimension::kFirstAdded));
    }
    qelunits_detail::Term term;
    term.symbol = symbol;
    term.name = p.entry.name;
    term.exponents[slot] = 1;
    term.expandable = false;
    term.definition = p.entry.name + " = " + p.entry.expression;
    p.entry.id = qelunits_detail::registerUserTerm(std::move(term));
    return true;
}

// The unit a definition's quantity makes, named as the definition names it.
qelunits_detail::Term termOf(const DefinitionEntry& entry, const Quantity& q) {
    qelunits_detail::Term term;
    term.symbol = entry.spellings.empty() ? entry.name : entry.spellings.front();
    term.name = entry.name;
    const Dimension& dimension = q.unit().exponents();
    for (std::size_t k = 0; k < Dimension::kCount; ++k) {
        term.exponents[k] = static_cast<std::int8_t>(dimension[k]);
    }
    const qelunits_detail::DefinedFactor one = UnitAccess::definedOf(q.unit());
    const std::int32_t power = 1;
    term.value = qelunits_detail::definedProduct(q.value(), &one, &power, 1);
    term.uncertainty = q.unit().uncertainty();
    term.expandable = UnitAccess::isExpandable(q.unit());
    if (term.expandable) {
        const QelUnitExpression expansion = q.unit().expression();
        term.expansion = QelUnitExpression(expansion.scale() * q.value(), expansion.type());
    }
    term.definition = entry.name + " = " + entry.expression;
    for (std::size_t i = 0; i < q.unit().size(); ++i) {
        const std::uint16_t id = UnitAccess::idOf(q.unit(), i);
        if (id >= qelunits_detail::kFirstUserTerm) {
            term.rests.push_back(id);
        }
    }
    return term;
}

bool Reader::resolve(std::size_t index) const {
    auto& p = const_cast<Pending&>(mPending[index]); // resolution fills the entries in as they are asked for
    const std::size_t at = p.line.offset + p.line.expressionAt;
    const std::string_view expression = p.entry.expression;
    p.state = Pending::State::Resolving;
    if (expression.size() > 2 && expression.front() == '[' && expression.back() == ']') {
        const std::string_view dimension = expression.substr(1, expression.size() - 2);
        if (std::find_if(dimension.begin(), dimension.end(), breaksName) != dimension.end()) {
            return fail(ErrorKind::Syntax, at, "'" + std::string(dimension) + "' is no name of a dimension");
        }
        if (isBuiltinDimension(dimension)) {
            return fail(ErrorKind::InvalidArgument, at,
                        "[" + std::string(dimension) +
                            "] is a dimension already: define the unit by one of its units ('" + p.entry.name +
                            " = m' for a length)");
        }
        if (!resolveDimension(p, dimension)) {
            return false;
        }
    } else if (!resolveExpression(p)) {
        return false;
    }
    if (p.entry.id == kNoTerm) {
        return fail(ErrorKind::OutOfRange, at,
                    "no more units can be defined: a process holds at most " +
                        std::to_string(qelunits_detail::kMaxUserTerms));
    }
    p.state = Pending::State::Done;
    return true;
}

bool Reader::resolveExpression(Pending& p) const {
    const std::size_t at = p.line.offset + p.line.expressionAt;
    const int depthBefore = mDepthSeen;
    mDepthSeen = 0;
    const Result<detail::QuantityRead> read = [&] {
        const LookupScope scope(this);
        return detail::readQuantity(p.entry.expression);
    }();
    const int depth = mDepthSeen + 1;
    mDepthSeen = depthBefore;
    if (mFailure.kind() != ErrorKind::None) {
        return false; // a definition it rests on failed, and said why
    }
    if (!read) {
        return fail(read.kind(), at + (read.position() == Error::kNoPosition ? 0 : read.position()),
                    "in the definition of '" + p.entry.name + "': " + read.message());
    }
    if (depth > Definitions::kMaxDepth) {
        return fail(ErrorKind::OutOfRange, at,
                    "'" + p.entry.name + "' rests on definitions " + std::to_string(depth - 1) + " deep; at most " +
                        std::to_string(Definitions::kMaxDepth) + " are read");
    }
    const Quantity& q = read->quantity;
    if (q.unit().isTemperaturePoint()) {
        return fail(ErrorKind::TemperaturePoint, at,
                    "'" + p.entry.name + "' would be a reading on the " + q.unit().symbol() +
                        " scale, which does not multiply: define it by a difference (" +
                        q.unit().difference().symbol() + ") or by an absolute temperature (K)");
    }
    if (!(q.value() > 0.0) || !std::isfinite(q.value())) {
        return fail(ErrorKind::InvalidArgument, at,
                    "'" + p.entry.name + "' would be " + toString(q) + ": a unit is a positive, finite amount");
    }
    p.entry.depth = depth;
    p.entry.id = qelunits_detail::registerUserTerm(termOf(p.entry, q));
    return true;
}

Result<SetPtr> Reader::read() {
    std::size_t bad = 0;
    qelunits_detail::WideText check;
    if (!check.decode(mText, bad)) {
        return Result<SetPtr>(ErrorKind::InvalidText, mSource + ": not UTF-8 at " + std::to_string(bad), bad);
    }
    if (!splitLines()) {
        return Result<SetPtr>::failureOf(mFailure);
    }
    const std::size_t below = mBelow != nullptr ? mBelow->total : 0;
    if (below + mPending.size() > Definitions::kMaxDefinitions) {
        return Result<SetPtr>(ErrorKind::OutOfRange,
                              mSource + ": " + std::to_string(below + mPending.size()) +
                                  " definitions; a set holds at most " + std::to_string(Definitions::kMaxDefinitions),
                              0);
    }
    if (!checkBelow()) {
        return Result<SetPtr>::failureOf(mFailure);
    }
    for (std::size_t i = 0; i < mPending.size(); ++i) {
        if (mPending[i].state == Pending::State::Waiting && !resolve(i)) {
            return Result<SetPtr>::failureOf(mFailure);
        }
    }
    SetPtr set = layer();
    return readsBack(*set) ? Result<SetPtr>(std::move(set)) : Result<SetPtr>::failureOf(mFailure);
}

// A name the set below defines alike is read again without change; otherwise it is not the text's to change.
bool Reader::checkBelow() {
    for (const Pending& p : mPending) {
        const DefinitionEntry* earlier = mBelow != nullptr ? mBelow->entry(wideOf(p.entry.name)) : nullptr;
        if (earlier != nullptr &&
            (earlier->expression != p.entry.expression || earlier->spellings != p.entry.spellings)) {
            return fail(ErrorKind::InvalidArgument, p.line.offset + p.line.nameAt,
                        "'" + p.entry.name + "' is defined already, as " + earlier->name + " = " + earlier->expression +
                            ": a definition may not change it");
        }
    }
    return true;
}

// The text's definitions as a layer over the set below.
SetPtr Reader::layer() const {
    auto set = std::make_shared<DefinitionSet>();
    set->below = mBelow;
    set->total = mBelow != nullptr ? mBelow->total : 0;
    for (const Pending& p : mPending) {
        if (mBelow != nullptr && mBelow->entry(wideOf(p.entry.name)) != nullptr) {
            continue; // the same definition, already below
        }
        const std::size_t index = set->entries.size();
        set->entries.push_back(p.entry);
        set->names.emplace(wideOf(p.entry.name), index);
        for (const std::string& spelling : p.entry.spellings) {
            set->names.emplace(wideOf(spelling), index);
        }
        ++set->total;
    }
    return set;
}

// Every name must read back, alone, as its unit: a name the reader cuts in two is refused.
bool Reader::readsBack(const DefinitionSet& set) {
    const LookupScope scope(&set);
    for (const Pending& p : mPending) {
        std::vector<std::string> all = p.entry.spellings;
        all.insert(all.begin(), p.entry.name);
        for (const std::string& spelling : all) {
            const Result<Unit> back = Unit::parse(spelling);
            if (!back || back->size() != 1 || UnitAccess::idOf(*back, 0) != p.entry.id || back->scale() != 1.0) {
                return fail(ErrorKind::Syntax, p.line.offset + p.line.nameAt,
                            "'" + spelling + "' does not read back as one name" +
                                (back ? std::string() : " (" + back.message() + ")"));
            }
        }
    }
    return true;
}

Result<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Result<std::string>(ErrorKind::InvalidArgument, path + ": cannot be opened");
    }
    std::ostringstream text;
    text << in.rdbuf();
    return Result<std::string>(text.str());
}

// The user ids a unit rests on, each after those it rests on itself.
void collect(std::uint16_t id, std::vector<std::uint16_t>& order) {
    if (std::find(order.begin(), order.end(), id) != order.end()) {
        return;
    }
    const qelunits_detail::Term* term = qelunits_detail::userTermOf(id);
    if (term == nullptr) {
        return;
    }
    for (const std::uint16_t rest : term->rests) {
        collect(rest, order);
    }
    order.push_back(id);
}

} // namespace

Definitions::Definitions() noexcept = default;

Definitions::Definitions(std::shared_ptr<const qelunits_detail::DefinitionSet> set) noexcept : mSet(std::move(set)) {}

Result<Definitions> Definitions::read(std::string_view text, std::string_view source) {
    return Definitions().with(text, source);
}

Result<Definitions> Definitions::load(const std::string& path) { return Definitions().withFile(path); }

Result<Definitions> Definitions::with(std::string_view text, std::string_view source) const {
    Reader reader(text, source, mSet);
    const Result<SetPtr> set = reader.read();
    return set ? Result<Definitions>(Definitions(*set)) : Result<Definitions>::failureOf(set);
}

Result<Definitions> Definitions::withFile(const std::string& path) const {
    const Result<std::string> text = readFile(path);
    return text ? with(*text, path) : Result<Definitions>::failureOf(text);
}

std::vector<std::string> Definitions::names() const {
    std::vector<const DefinitionSet*> layers;
    for (const DefinitionSet* set = mSet.get(); set != nullptr; set = set->below.get()) {
        layers.push_back(set);
    }
    std::vector<std::string> out;
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        for (const DefinitionEntry& e : (*layer)->entries) {
            out.push_back(e.name);
        }
    }
    return out;
}

std::size_t Definitions::size() const noexcept { return mSet != nullptr ? mSet->total : 0; }

std::string Definitions::text() const {
    std::vector<const DefinitionSet*> layers;
    for (const DefinitionSet* set = mSet.get(); set != nullptr; set = set->below.get()) {
        layers.push_back(set);
    }
    std::string out;
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        for (const DefinitionEntry& e : (*layer)->entries) {
            out += e.name + " = " + e.expression;
            for (const std::string& spelling : e.spellings) {
                out += "; " + spelling;
            }
            out += '\n';
        }
    }
    return out;
}

std::string Definitions::textFor(const Unit& unit) {
    std::vector<std::uint16_t> order;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        collect(UnitAccess::idOf(unit, i), order);
    }
    std::string out;
    for (const std::uint16_t id : order) {
        const qelunits_detail::Term* term = qelunits_detail::userTermOf(id);
        out += term->definition + (term->symbol != term->name ? "; " + term->symbol : std::string()) + '\n';
    }
    return out;
}

Definitions Definitions::process() { return Definitions(qelunits_detail::currentProcessSet()); }

void Definitions::publish(const Definitions& definitions) {
    qelunits_detail::ProcessSet& p = qelunits_detail::processSet();
    const std::lock_guard<std::mutex> order(p.publish);
    const std::lock_guard<std::mutex> hold(p.read);
    p.set = definitions.mSet;
}

Result<Definitions> Definitions::define(std::string_view text, std::string_view source) {
    qelunits_detail::ProcessSet& p = qelunits_detail::processSet();
    const std::lock_guard<std::mutex> order(p.publish);
    Result<Definitions> extended = process().with(text, source);
    if (extended) {
        const std::lock_guard<std::mutex> hold(p.read);
        p.set = extended->mSet;
    }
    return extended;
}

Result<Definitions> Definitions::defineFile(const std::string& path) {
    const Result<std::string> text = readFile(path);
    return text ? define(*text, path) : Result<Definitions>::failureOf(text);
}

Definitions::Scope::Scope(const Definitions& definitions) noexcept
    : mSet(definitions.mSet), mPrevious(qelunits_detail::threadLookup()) {
    static const NoDefinitions none; // an empty set reads the builtin units alone, not the process's
    qelunits_detail::threadLookup() =
        mSet != nullptr ? static_cast<const qelunits_detail::NameLookup*>(mSet.get()) : &none;
}

Definitions::Scope::~Scope() { qelunits_detail::threadLookup() = mPrevious; }

} // namespace qelunits
