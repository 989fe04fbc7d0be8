// Replays the committed corpus of every fuzz target, so that each input that
// once found a fault keeps being checked by the ordinary test run.

#include "FuzzTarget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int qelunitsFuzz_abbreviation(const std::uint8_t* data, std::size_t size);
int qelunitsFuzz_conversion(const std::uint8_t* data, std::size_t size);
int qelunitsFuzz_lookup(const std::uint8_t* data, std::size_t size);
int qelunitsFuzz_parser(const std::uint8_t* data, std::size_t size);
int qelunitsFuzz_tool(const std::uint8_t* data, std::size_t size);

namespace {

struct Target {
    const char* name;
    int (*run)(const std::uint8_t*, std::size_t);
};

const Target kTargets[] = {
    {"abbreviation", qelunitsFuzz_abbreviation},
    {"conversion", qelunitsFuzz_conversion},
    {"lookup", qelunitsFuzz_lookup},
    {"parser", qelunitsFuzz_parser},
    {"tool", qelunitsFuzz_tool},
};

class CorpusReplay : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryInputKeepsTheInvariants) {
    const Target& target = GetParam();
    const std::filesystem::path dir = std::filesystem::path(QELUNITS_FUZZ_CORPUS_DIR) / target.name;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
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
