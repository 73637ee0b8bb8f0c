#include "forms/convert.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using namespace forms;

TEST(Convert, RoundsHalvesToEven) {
    EXPECT_EQ(roundHalfEven(1237.5), 1238);
    EXPECT_EQ(roundHalfEven(1236.5), 1236);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(0.49999999), 0);
    EXPECT_EQ(roundHalfEven(517.5), 518);
}

TEST(Convert, OnlyPlainDecimalNumbersConvert) {
    EXPECT_EQ(parseNumber(" 42 "), 42.0);
    EXPECT_EQ(parseNumber("-4695"), -4695.0);
    EXPECT_EQ(parseNumber("1.5e3"), 1500.0);
    EXPECT_EQ(parseNumber("+.5"), 0.5);
    for (const char* bad : {"", "   ", "abc", "12abc", "1,5", "0x10", "inf", "nan", "1e", "--1", "1e999", "1 2", "-"})
        EXPECT_EQ(parseNumber(bad), std::nullopt) << bad;
    EXPECT_EQ(parseNumber(std::string("7\0", 2)), std::nullopt);
}

TEST(Convert, WholeNumbersRoundAndStayInTheirType) {
    EXPECT_EQ(parseInteger("2.5"), 2);
    EXPECT_EQ(parseInteger("3.5"), 4);
    EXPECT_EQ(parseInteger("-32768"), -32768);
    EXPECT_EQ(parseInteger("32767.5"), std::nullopt);  // rounds to 32768
    EXPECT_EQ(parseInteger("40000"), std::nullopt);
    EXPECT_EQ(parseLong("2147483647"), 2147483647);
    EXPECT_EQ(parseLong("2147483648"), std::nullopt);
    EXPECT_EQ(toInteger("garbage", 300), 300);
    EXPECT_EQ(toLong("", -1), -1);
}

TEST(Convert, BooleansAreTrueFalseOrNumbers) {
    EXPECT_EQ(parseBoolean("True"), true);
    EXPECT_EQ(parseBoolean("FALSE"), false);
    EXPECT_EQ(parseBoolean(" true "), true);
    EXPECT_EQ(parseBoolean("-1"), true);
    EXPECT_EQ(parseBoolean("0"), false);
    EXPECT_EQ(parseBoolean("maybe"), std::nullopt);
    EXPECT_EQ(parseBoolean(""), std::nullopt);
    EXPECT_TRUE(toBoolean("maybe", true));
    EXPECT_FALSE(toBoolean("yes", false));
}

TEST(Convert, SinglesOutsideTheirRangeReadAsTheDefault) {
    EXPECT_EQ(toSingle("-330", 0), -330.0f);
    EXPECT_EQ(toSingle("1e40", -44), -44.0f);
    EXPECT_EQ(toSingle("-1e39", -44), -44.0f);
    EXPECT_EQ(toSingle("abc", -44), -44.0f);
    EXPECT_EQ(toDouble("1e40", 0), 1e40);
}

TEST(Convert, StoredTextForms) {
    EXPECT_EQ(booleanText(true), "True");
    EXPECT_EQ(booleanText(false), "False");
    EXPECT_EQ(numberText(-45), "-45");
    EXPECT_EQ(numberText(300), "300");
    // Window positions: whole numbers in plain digits, never an exponent.
    EXPECT_EQ(singleText(-330.0f), "-330");
    EXPECT_EQ(singleText(-45.0f), "-45");
    EXPECT_EQ(singleText(300000.0f), "300000");
    EXPECT_EQ(singleText(-0.0f), "0");
    EXPECT_EQ(singleText(1237.5f), "1237.5");
}

TEST(Convert, SingleTextReadsBackExactly) {
    for (float v : {0.1f, -2.75f, 1e-7f, 3.0e38f, 16777217.0f, -4695.0f, 12345.678f}) {
        const std::string text = singleText(v);
        EXPECT_EQ(toSingle(text, std::nanf("")), v) << text;
    }
}

// The program runs with the user's locale, whose decimal mark may be a comma;
// the stored numbers have a point whatever the locale. The comma locale is
// built for these tests alone, into a folder of their own (the sources come
// with Debian's "locales" package).
class CommaDecimalLocale : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string pattern = (std::filesystem::temp_directory_path() / "drellok-locale-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        folder_ = pattern;
        const std::string build = "localedef -i de_DE -f UTF-8 '" + folder_ + "/de_DE.UTF-8' >/dev/null 2>&1";
        [[maybe_unused]] const int status = std::system(build.c_str());  // judged by setlocale below
        if (const char* old = std::getenv("LOCPATH")) oldPath_ = old;
        setenv("LOCPATH", folder_.c_str(), 1);
    }
    static void TearDownTestSuite() {
        if (oldPath_)
            setenv("LOCPATH", oldPath_->c_str(), 1);
        else
            unsetenv("LOCPATH");
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "localedef could not build de_DE.UTF-8";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, "C"); }

private:
    static inline std::string folder_;
    static inline std::optional<std::string> oldPath_;
};

TEST_F(CommaDecimalLocale, StoredNumbersKeepTheirPoint) {
    EXPECT_EQ(parseLong("200.5"), 200);  // a speed, half to even
    EXPECT_EQ(parseNumber(" +.5 "), 0.5);
    EXPECT_EQ(parseNumber("-1.5e3"), -1500.0);
    EXPECT_EQ(parseNumber("1,5"), std::nullopt);
    EXPECT_EQ(singleText(1237.5f), "1237.5");
    EXPECT_EQ(toSingle(singleText(0.1f), 0), 0.1f);
}

}  // namespace
