#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/scenarios/story_reader.h"

namespace {

// Every story kept beside this test, found when the test runs, so that a new
// story plays without rebuilding anything.
std::vector<std::string> storyFiles() {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(DRELLOK_TEST_DATA))
        if (entry.is_regular_file() && entry.path().extension() == ".story") out.push_back(entry.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(Stories, EveryStoryPlaysAsWritten) {
    const std::vector<std::string> files = storyFiles();
    ASSERT_FALSE(files.empty()) << "no stories in " << DRELLOK_TEST_DATA;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        story::Player(file).play();
    }
}

}  // namespace
