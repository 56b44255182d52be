// doubleFromChars: std::from_chars for doubles on every platform, read with fast_float.

#include "base/DoubleFromChars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <system_error>

namespace quenaro {
namespace {

constexpr double kUnchanged = -7.25;  // the value before reading, kept on an error

// The bits of a double (std::bit_cast, which emscripten's libc++ lacks).
std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double doubleOfBits(std::uint64_t bits) {
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct Case {
    const char* text;
    std::errc error;
    std::size_t length;  // characters read (ptr - first)
    double value;        // kUnchanged when an error leaves it
};

TEST(DoubleFromChars, ReadsAsTheStandardSays) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"52.5", std::errc{}, 4, 52.5},
        {"-0.25", std::errc{}, 5, -0.25},
        {".5", std::errc{}, 2, 0.5},
        {"5.", std::errc{}, 2, 5.0},
        {"-2.5E1", std::errc{}, 6, -25.0},
        {"1e-3", std::errc{}, 4, 0.001},
        {"7e", std::errc{}, 1, 7.0},   // an exponent without digits is not read
        {"7e+x", std::errc{}, 1, 7.0},
        {"1,5", std::errc{}, 1, 1.0},  // '.' whatever the locale
        {"0x1p3", std::errc{}, 1, 0.0},  // no hexadecimal: the "0"
        {"-0", std::errc{}, 2, -0.0},
        {"0e999999999", std::errc{}, 11, 0.0},  // zero is never out of range
        {"4e-320", std::errc{}, 6, 4e-320},     // a subnormal is a double
        {"2.4703282292062328e-324", std::errc{}, 23, 4.9406564584124654e-324},
        {"1.7976931348623158e308", std::errc{}, 22, 1.7976931348623157e308},
        {"9007199254740993", std::errc{}, 16, 9007199254740992.0},  // ties to even
        {"3.14159265358979323846264338327950288", std::errc{}, 37, 3.141592653589793},
        {"inf", std::errc{}, 3, infinity},
        {"-Infinity", std::errc{}, 9, -infinity},
        {"infx", std::errc{}, 3, infinity},
        // Beyond a double: out of range, the whole number read, the value kept.
        {"1e-400", std::errc::result_out_of_range, 6, kUnchanged},
        {"-1e-400", std::errc::result_out_of_range, 7, kUnchanged},
        {"2.4703282292062327e-324", std::errc::result_out_of_range, 23, kUnchanged},
        {"00000.000001e-400", std::errc::result_out_of_range, 17, kUnchanged},
        {"1e400", std::errc::result_out_of_range, 5, kUnchanged},
        {"-1e400", std::errc::result_out_of_range, 6, kUnchanged},
        {"1.7976931348623159e308", std::errc::result_out_of_range, 22, kUnchanged},
        // No number: nothing read, the value kept.
        {"", std::errc::invalid_argument, 0, kUnchanged},
        {"+1", std::errc::invalid_argument, 0, kUnchanged},
        {"+", std::errc::invalid_argument, 0, kUnchanged},
        {"-", std::errc::invalid_argument, 0, kUnchanged},
        {" 5", std::errc::invalid_argument, 0, kUnchanged},
        {".", std::errc::invalid_argument, 0, kUnchanged},
        {"e5", std::errc::invalid_argument, 0, kUnchanged},
    };
    for (const Case& c : cases) {
        const std::string text = c.text;
        double value = kUnchanged;
        const auto [end, error] = doubleFromChars(text.data(), text.data() + text.size(), value);
        EXPECT_EQ(error, c.error) << '"' << c.text << '"';
        EXPECT_EQ(static_cast<std::size_t>(end - text.data()), c.length) << '"' << c.text << '"';
        EXPECT_EQ(bitsOf(value), bitsOf(c.value))
            << '"' << c.text << "\" read " << value;
    }
    double value = kUnchanged;
    const std::string nan = "nan(123)";
    const auto [end, error] = doubleFromChars(nan.data(), nan.data() + nan.size(), value);
    EXPECT_EQ(error, std::errc{});
    EXPECT_EQ(end, nan.data() + nan.size());
    EXPECT_TRUE(std::isnan(value));
}

// Every finite double written with 17 significant digits ("%.17g") reads back to itself.
TEST(DoubleFromChars, WrittenDoublesReadBack) {
    std::mt19937_64 random(20260101);
    char text[40];
    for (int round = 0; round < 20000; ++round) {
        const double written = doubleOfBits(random());
        if (!std::isfinite(written)) {
            continue;
        }
        const int length = std::snprintf(text, sizeof text, "%.17g", written);
        double value = kUnchanged;
        const auto [end, error] = doubleFromChars(text, text + length, value);
        ASSERT_EQ(error, std::errc{}) << text;
        ASSERT_EQ(end, text + length) << text;
        ASSERT_EQ(bitsOf(value), bitsOf(written))
            << text;
    }
}

#if defined(__GLIBCXX__)
// Where the standard library has its own from_chars for doubles (GCC's), both agree on random
// texts of digits, points, signs, exponents and letters, and on doubles written short.
TEST(DoubleFromChars, AgreesWithTheStandardLibrary) {
    std::mt19937_64 random(42);
    constexpr char alphabet[] = "0123456789.eE-+inx";
    for (int round = 0; round < 100000; ++round) {
        std::string text;
        if (round % 2 == 0) {
            const int length = static_cast<int>(random() % 12);
            for (int at = 0; at < length; ++at) {
                text += alphabet[random() % (sizeof alphabet - 1)];
            }
        } else {
            char written[40];
            const double bits = doubleOfBits(random());
            text.assign(written, static_cast<std::size_t>(std::snprintf(
                                     written, sizeof written, "%.*g",
                                     static_cast<int>(random() % 20 + 1), bits)));
        }
        double standard = kUnchanged;
        double ours = kUnchanged;
        const char* first = text.data();
        const char* last = text.data() + text.size();
        const std::from_chars_result expected = std::from_chars(first, last, standard);
        const std::from_chars_result result = doubleFromChars(first, last, ours);
        ASSERT_EQ(result.ec, expected.ec) << '"' << text << '"';
        ASSERT_EQ(result.ptr, expected.ptr) << '"' << text << '"';
        if (std::isnan(standard)) {
            ASSERT_TRUE(std::isnan(ours)) << '"' << text << '"';
        } else {
            ASSERT_EQ(bitsOf(ours), bitsOf(standard))
                << '"' << text << '"';
        }
    }
}
#endif

}  // namespace
}  // namespace quenaro
