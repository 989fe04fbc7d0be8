// Replays the committed corpus of every fuzz target, so that each input that
// once found a fault keeps being checked by the ordinary test run.

#include "FuzzTarget.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

// The targets of fuzz/Targets.cmake, each defined by its source as qelunitsFuzz_<name>.
#define QELUNITS_FUZZ_TARGETS(X) X(abbreviation) X(conversion) X(definitions) X(lookup) X(parser) X(tool)
#define QELUNITS_DECLARE(name) int qelunitsFuzz_##name(const std::uint8_t* data, std::size_t size);
QELUNITS_FUZZ_TARGETS(QELUNITS_DECLARE)

namespace {

struct Target {
    const char* name;
    int (*run)(const std::uint8_t*, std::size_t);
};

#define QELUNITS_ENTRY(name) Target{#name, qelunitsFuzz_##name},
const Target kTargets[] = {QELUNITS_FUZZ_TARGETS(QELUNITS_ENTRY)};

class CorpusReplay : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryInputKeepsTheInvariants) {
    const Target& target = GetParam();
    const std::filesystem::path dir = std::filesystem::path(QELUNITS_FUZZ_CORPUS_DIR) / target.name;
    const std::set<std::filesystem::path> files{std::filesystem::directory_iterator(dir), {}};
    ASSERT_FALSE(files.empty()) << "no corpus in " << dir;
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        try {
            EXPECT_EQ(target.run(bytes.data(), bytes.size()), 0);
        } catch (const qelunits_fuzz::InvariantBroken& e) {
            ADD_FAILURE() << e.what();
        }
    }
    // The empty input is valid for every target.
    EXPECT_EQ(target.run(nullptr, 0), 0);
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<Target>& p) { return std::string(p.param.name); });

} // namespace
