#pragma once

// What the parts of the end-to-end harness share among themselves.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/engine_fixture.h"

namespace e2e::detail {

std::string readFile(const std::filesystem::path& path);
std::string trim(std::string s);
// The blank-separated words of a text.
std::vector<std::string> words(const std::string& text);
// Runs xdotool with the arguments; a failure fails the test.
void xdotool(std::vector<std::string> args);

// A device engine on the test fakes, only to read its picture table.
const fakes::EngineRig& deviceTable();
// "Number(3)" -> {"Number", 3}; "FrontCase" -> {"FrontCase", -1}.
std::pair<std::string, int> splitLabel(const std::string& label);

}  // namespace e2e::detail
