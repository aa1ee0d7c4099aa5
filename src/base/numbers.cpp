#include "base/numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace tidemark {
namespace {

bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Walks the text while skipping the characters the rule ignores.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    char take() {
        char c = text_[pos_++];
        skip();
        return c;
    }
    bool takeIf(char wanted) {
        if (std::toupper(static_cast<unsigned char>(peek())) != wanted) return false;
        take();
        return true;
    }

private:
    void skip() {
        while (!atEnd() && isIgnored(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    int upper = std::toupper(static_cast<unsigned char>(c));
    if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
    return 99;
}

double readRadix(Scanner& in, int radix) {
    double value = 0;
    while (!in.atEnd() && digitValue(in.peek()) < radix) value = value * radix + digitValue(in.take());
    return value;
}

void takeDigits(Scanner& in, std::string& out) {
    while (!in.atEnd() && std::isdigit(static_cast<unsigned char>(in.peek()))) out += in.take();
}

double readDecimal(Scanner& in) {
    std::string number;
    if (in.peek() == '+' || in.peek() == '-') number += in.take();
    takeDigits(in, number);
    if (in.peek() == '.') {
        number += in.take();
        takeDigits(in, number);
    }
    const bool hasMantissa = number.find_first_of("0123456789") != std::string::npos;
    if (!hasMantissa) return 0;
    if (in.takeIf('E') || in.takeIf('D')) {
        std::string exponent;
        if (in.peek() == '+' || in.peek() == '-') exponent += in.take();
        takeDigits(in, exponent);
        if (exponent.find_first_of("0123456789") != std::string::npos) number += "e" + exponent;
    }
    const char* first = number.data();
    if (*first == '+') ++first;
    double value = 0;
    auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here: tell overflow from underflow.
        const bool tiny = number.find("e-") != std::string::npos;
        const bool negative = number.front() == '-';
        if (tiny) return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return value;
}

template <typename Int>
std::optional<Int> roundToInt(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

}  // namespace

double leadingNumber(std::string_view text) {
    Scanner in(text);
    if (in.peek() == '&') {
        in.take();
        if (in.takeIf('H')) return readRadix(in, 16);
        if (in.takeIf('O')) return readRadix(in, 8);
        return 0;
    }
    return readDecimal(in);
}

double roundHalfEven(double value) {
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(value);
}

std::optional<std::int32_t> roundToInt32(double value) { return roundToInt<std::int32_t>(value); }
std::optional<std::int16_t> roundToInt16(double value) { return roundToInt<std::int16_t>(value); }

std::string decimalText(std::int64_t value) { return std::to_string(value); }

}  // namespace tidemark
