#include "catalog/LocalizedTexts.h"

#include "catalog/UnitTable.h"

#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace qelunits_detail {
namespace {

constexpr int kFieldCount = 4;

// Zero-initialized before any code runs: every field absent, nothing loaded.
std::atomic<const wchar_t*> gFields[kFieldCount][kUnitCount];
std::atomic<const std::vector<QelStringP>*> gAlternates[2][kUnitCount]; // [vellum][unit]
std::atomic<bool> gHasText[kUnitCount]; // set by the test seam, as a message id would be
std::atomic<bool> gAnyLoaded;

// What only the loader writes, under the mutex. The pool is a deque so that a
// pooled text keeps its address as the pool grows; the maps' vectors are
// complete before their address is published and never change after.
struct LoaderState {
    std::mutex mutex;
    std::deque<QelStringP> pool;
    std::map<QelUnit::BuiltinUnits, std::vector<QelStringP>> alternateAbbreviationCache;
    std::map<QelUnit::BuiltinUnits, std::vector<QelStringP>> alternateVellumAbbreviationCache;
    std::map<QelUnit::BuiltinUnits, QelStringP> testTexts;
};

LoaderState& loaderState() {
    static LoaderState state;
    return state;
}

struct Disposer {
    void operator()(QelIDisposable* object) const { object->Dispose(); }
};

const wchar_t* pooled(LoaderState& state, const QelStringP& text) {
    state.pool.push_back(text);
    return state.pool.back().c_str();
}

// Fields 4, 6, 8, ... are alternates; the field after each is its Vellum form, empty or missing for the same text.
void loadAlternates(LoaderState& state, QelUnit::BuiltinUnits unit, const std::vector<QelStringP>& fields) {
    std::vector<QelStringP> plain;
    std::vector<QelStringP> vellum;
    for (std::size_t i = 4; i < fields.size(); i += 2) {
        plain.push_back(fields[i]);
        vellum.push_back(i + 1 < fields.size() && fields[i + 1] != L"" ? fields[i + 1] : fields[i]);
    }
    // Only a load that failed part way can have left an entry; it was never published.
    auto& plainEntry = state.alternateAbbreviationCache[unit] = std::move(plain);
    auto& vellumEntry = state.alternateVellumAbbreviationCache[unit] = std::move(vellum);
    gAlternates[0][unit].store(&plainEntry, std::memory_order_release);
    gAlternates[1][unit].store(&vellumEntry, std::memory_order_release);
}

// The localized text is "singular;plural;abbreviation;Vellum;alternates...".
// Fewer than three fields: the names that are there are kept, and the caller
// uses the English texts this time.
LocalizedLoad loadLocked(LoaderState& state, QelUnit::BuiltinUnits unit) {
    const auto found = state.testTexts.find(unit);
    const std::vector<QelStringP> fields =
        splitText(found != state.testTexts.end() ? found->second : QelStringP(), L";");
    const wchar_t* texts[kFieldCount] = {};
    for (std::size_t i = 0; i < fields.size() && i < 3; ++i) {
        texts[i] = pooled(state, fields[i]);
    }
    if (fields.size() >= 4) {
        texts[3] = fields[3] == L"" ? texts[2] : pooled(state, fields[3]);
    }
    if (fields.size() >= 5) {
        loadAlternates(state, unit, fields);
    }
    if (!fields.empty()) {
        gAnyLoaded.store(true, std::memory_order_release);
    }
    // The singular name last: whoever sees it sees every other field of the unit.
    for (int field = kFieldCount - 1; field >= 0; --field) {
        if (texts[field] != nullptr) {
            gFields[field][unit].store(texts[field], std::memory_order_release);
        }
    }
    return fields.size() >= 3 ? LocalizedLoad::Loaded : LocalizedLoad::Incomplete;
}

} // namespace

const wchar_t* localizedField(QelUnit::BuiltinUnits unit, LocalizedField field) noexcept {
    return gFields[static_cast<int>(field)][unit].load(std::memory_order_acquire);
}

LocalizedLoad loadLocalizedTexts(QelUnit::BuiltinUnits unit) {
    if (localizedField(unit, LocalizedField::Singular) != nullptr) {
        return LocalizedLoad::Loaded;
    }
    if (kUnitTable[unit].messageId == 0 && !gHasText[unit].load(std::memory_order_acquire)) {
        return LocalizedLoad::NothingToLoad;
    }
    LoaderState& state = loaderState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    if (localizedField(unit, LocalizedField::Singular) != nullptr) {
        return LocalizedLoad::Loaded; // by another thread meanwhile
    }
    return loadLocked(state, unit);
}

const std::vector<QelStringP>* alternateAbbreviations(QelUnit::BuiltinUnits unit, bool vellum) noexcept {
    return gAlternates[vellum ? 1 : 0][unit].load(std::memory_order_acquire);
}

bool anyLocalizedTextLoaded() noexcept { return gAnyLoaded.load(std::memory_order_acquire); }

std::vector<QelStringP> splitText(const QelStringP& text, const wchar_t* delimiter) {
    const std::unique_ptr<QelStringCollection, Disposer> pieces(QelStringCollection::Create(text, delimiter, false));
    std::vector<QelStringP> result;
    result.reserve(pieces->GetCount());
    for (unsigned int i = 0; i < pieces->GetCount(); ++i) {
        const std::unique_ptr<QelStringElement, Disposer> piece(pieces->GetElement(i));
        result.push_back(piece->GetString());
    }
    return result;
}

void setLocalizedTextForTesting(QelUnit::BuiltinUnits unit, const QelStringP& text) {
    if (!isUnitCode(unit)) {
        return;
    }
    LoaderState& state = loaderState();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.testTexts[unit] = text;
    gHasText[unit].store(true, std::memory_order_release);
}

} // namespace qelunits_detail

namespace {

using qelunits_detail::LocalizedField;

// Where the localized name is absent the English one stands, so these never give null.
const wchar_t* nameOf(QelUnit::BuiltinUnits unit, bool localized, LocalizedField field) {
    if (!qelunits_detail::isUnitCode(unit)) {
        return L"";
    }
    if (localized && qelunits_detail::loadLocalizedTexts(unit) != qelunits_detail::LocalizedLoad::Incomplete) {
        if (const wchar_t* text = qelunits_detail::localizedField(unit, field)) {
            return text;
        }
    }
    const auto& record = qelunits_detail::kUnitTable[unit];
    return field == LocalizedField::Singular ? record.singularName : record.pluralName;
}

} // namespace

const wchar_t* QelUnit::singularName(BuiltinUnits unit, bool localized) {
    return nameOf(unit, localized, LocalizedField::Singular);
}

const wchar_t* QelUnit::pluralName(BuiltinUnits unit, bool localized) {
    return nameOf(unit, localized, LocalizedField::Plural);
}

unsigned int QelUnit::getLocalizedAbbreviationCount(BuiltinUnits unit) {
    if (!qelunits_detail::isUnitCode(unit)) {
        return 0;
    }
    const auto* alternates = qelunits_detail::alternateAbbreviations(unit, false);
    const std::size_t count = (alternates != nullptr ? alternates->size() : 0) +
                              (qelunits_detail::localizedField(unit, LocalizedField::Abbreviation) != nullptr ? 1 : 0);
    return static_cast<unsigned int>(count);
}
