#include "cli/option_value.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "l10n/letter_case.h"
#include "settings/byte_field.h"
#include "settings/keywords.h"

namespace tessaro {
namespace {

bool startsWithWord(std::string_view text, std::string_view upperWord) {
    if (text.size() < upperWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < upperWord.size(); ++i) {
        if (asciiUpper(text[i]) != upperWord[i]) {
            return false;
        }
    }
    return true;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

std::string_view skipBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

// Splits off a leading "+" or "-"; true when the number is negative.
bool takeSign(std::string_view& text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        bool negative = text.front() == '-';
        text.remove_prefix(1);
        return negative;
    }
    return false;
}

// The value stored by a valueless option or read from a value text, in the
// type of the field it goes to.
struct FieldWriter {
    const OptionSpec& option;
    std::string_view value;
    Settings& settings;

    int32_t integer() const {
        if (option.kind == ValueKind::keyword) {
            std::size_t first = value.find_first_not_of(' ');
            std::size_t last = value.find_last_not_of(' ');
            std::string_view trimmed = first == std::string_view::npos
                                           ? std::string_view{}
                                           : value.substr(first, last - first + 1);
            return parseKeyword(trimmed, option.keywordTable);
        }
        if (option.kind == ValueKind::none) {
            return option.fixedValue;
        }
        return readOptionNumber(value);
    }

    void operator()(std::monostate) const {}
    void operator()(const FieldRef<int32_t>& field) const { field.write(settings) = integer(); }
    void operator()(const FieldRef<int8_t>& field) const {
        field.write(settings) = keepLowByte(integer());
    }
    void operator()(const FieldRef<float>& field) const {
        field.write(settings) = readOptionFraction(value);
    }
    void operator()(const FieldRef<std::string>& field) const {
        field.write(settings) = std::string(value);
    }
};

}  // namespace

int32_t readOptionNumber(std::string_view text) {
    text = skipBlanks(text);
    bool negative = takeSign(text);
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (!text.empty() && text.front() == '%') {
        base = 2;
        text.remove_prefix(1);
    }
    // Unsigned arithmetic wraps, so the low 32 bits come out right however
    // long the digit string is.
    uint64_t magnitude = 0;
    for (char c : text) {
        int digit = digitValue(c);
        if (digit >= base) {
            break;
        }
        magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    uint32_t low = static_cast<uint32_t>(negative ? 0 - magnitude : magnitude);
    return static_cast<int32_t>(low);
}

float readOptionFraction(std::string_view text) {
    text = skipBlanks(text);
    bool negative = takeSign(text);
    float magnitude = 0.0f;
    if (startsWithWord(text, "INFINITY")) {
        magnitude = std::numeric_limits<float>::infinity();
    } else if (startsWithWord(text, "NAN")) {
        return std::numeric_limits<float>::quiet_NaN();
    } else if (!text.empty() && (digitValue(text.front()) < 10 || text.front() == '.')) {
        double parsed = 0.0;
        auto read = std::from_chars(text.data(), text.data() + text.size(), parsed,
                                    std::chars_format::fixed);
        if (read.ec == std::errc::result_out_of_range) {
            // Too many digits either way: a huge number or one too close to 0.
            std::size_t firstSignificant = text.find_first_not_of('0');
            bool huge = firstSignificant != std::string_view::npos &&
                        digitValue(text[firstSignificant]) < 10;
            parsed = huge ? std::numeric_limits<double>::infinity() : 0.0;
        }
        magnitude = parsed > std::numeric_limits<float>::max()
                        ? std::numeric_limits<float>::infinity()
                        : static_cast<float>(parsed);
    }
    return negative ? -magnitude : magnitude;
}

std::string_view stripQuotes(std::string_view text) {
    std::size_t first = text.find_first_not_of('"');
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of('"');
    return text.substr(first, last - first + 1);
}

void applySettingValue(const OptionSpec& option, std::string_view value, Settings& settings) {
    std::visit(FieldWriter{option, value, settings}, option.target);
    if (option.flag) {
        option.flag.write(settings) = option.flagValue;
    }
}

}  // namespace tessaro
