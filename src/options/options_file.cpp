#include "options/options_file.h"

#include "calendar/calendar.h"
#include "io/text_lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace velmaris::domain {
namespace {

bool IsSkipped(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

int DigitValue(char c, int radix) {
    int value = radix;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < radix ? value : -1;
}

double RadixNumber(const std::string& digits, std::size_t start, int radix) {
    double value = 0;
    for (std::size_t i = start; i < digits.size(); ++i) {
        const int digit = DigitValue(digits[i], radix);
        if (digit < 0) {
            break;
        }
        value = value * radix + digit;
    }
    return value;
}

// Whether a number from_chars could not hold is too small rather than too large: the power of
// ten of its first significant digit, counted from the point and moved by the exponent, is
// below zero. Such numbers lie hundreds of powers of ten away, so the sign alone decides.
bool IsTooSmall(std::string_view number) {
    const std::size_t e = number.find_first_of("Ee");
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t significant = mantissa.find_first_of("123456789");
    long long power = significant < point ? static_cast<long long>(point - significant)
                                          : -static_cast<long long>(significant - point - 1);
    if (e != std::string_view::npos) {
        const std::string_view exponent = number.substr(e + 1);
        const bool negative = exponent.front() == '-';
        long long digits = 0;
        for (const char c : exponent.substr(exponent.front() == '-' || exponent.front() == '+')) {
            digits = std::min(digits * 10 + (c - '0'), 1'000'000'000LL);  // saturates
        }
        power += negative ? -digits : digits;
    }
    return power <= 0;
}

}  // namespace

double LeadingNumber(QStringView text) {
    // The characters that can take part in a number, with the skipped ones left out; any other
    // character ends the number, so it ends the copy too.
    std::string s;
    for (const QChar c : text) {
        if (IsSkipped(c.unicode())) {
            continue;
        }
        if (c.unicode() > 0x7F) {
            break;
        }
        s.push_back(static_cast<char>(c.unicode()));
    }

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') {
            return RadixNumber(s, 2, 16);
        }
        if (s[1] == 'O' || s[1] == 'o') {
            return RadixNumber(s, 2, 8);
        }
        return 0;
    }

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    // Only digits and a decimal point may start the number: from_chars would also take "inf"
    // and "nan". It then reads the longest prefix of digits, point, digits and a complete
    // exponent, with '.' as the decimal point whatever the process locale says.
    if (i == s.size() || (s[i] != '.' && (s[i] < '0' || s[i] > '9'))) {
        return 0;
    }
    const char* const first = s.data() + i;
    double value = 0;
    const auto [end, error] = std::from_chars(first, s.data() + s.size(), value);
    if (error == std::errc::invalid_argument) {
        return 0;  // a point without digits
    }
    if (error == std::errc::result_out_of_range) {
        value = IsTooSmall(std::string_view(first, static_cast<std::size_t>(end - first)))
                    ? 0.0
                    : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

OptionsRead ReadOptionsFile(const QString& appFolder, OptionValues& values) {
    OptionsRead read;
    const io::DataFileRead file = io::ReadDataFile(io::DataFilePath(appFolder, kOptionsFileName));
    read.tooLarge = file.tooLarge;
    if (!file.contents) {
        return read;
    }
    read.opened = true;
    io::LineCursor cursor(*file.contents);
    for (int entry = 1; entry <= kOptionCount; ++entry) {
        const std::optional<QByteArrayView> bytes = cursor.Next();
        if (!bytes || bytes->isEmpty()) {
            break;
        }
        const QString line = io::DecodeLine(*bytes);
        const double number = LeadingNumber(QStringView(line).left(kOptionColumns));
        if (!(std::fabs(number) <= std::numeric_limits<float>::max())) {
            read.problems.append(
                QStringLiteral("Line %1 of OPTIONS.OPT holds a number too large to be used; the "
                               "value %2 stays in force.")
                    .arg(entry)
                    .arg(static_cast<double>(values[static_cast<std::size_t>(entry)])));
            continue;
        }
        values[static_cast<std::size_t>(entry)] = static_cast<float>(number);
    }
    return read;
}

}  // namespace velmaris::domain
