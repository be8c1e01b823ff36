#include "options/options_file.h"

#include "calendar/calendar.h"
#include "io/text_lines.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

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

bool IsDigit(const std::string& s, std::size_t i) {
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
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
    std::string number;
    while (IsDigit(s, i)) {
        number.push_back(s[i++]);
    }
    std::string fraction;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (IsDigit(s, i)) {
            fraction.push_back(s[i++]);
        }
    }
    if (number.empty() && fraction.empty()) {
        return 0;
    }
    std::string exponent;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        std::string sign;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            sign.push_back(s[j++]);
        }
        std::string digits;
        while (IsDigit(s, j)) {
            digits.push_back(s[j++]);
        }
        if (!digits.empty()) {
            exponent = "e" + sign + digits;
        }
    }

    // from_chars reads the decimal point as '.', whatever the process locale says.
    const std::string decimal =
        (number.empty() ? "0" : number) + "." + (fraction.empty() ? "0" : fraction) + exponent;
    double value = 0;
    const auto [end, error] =
        std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Out of range is either too large or too small; a negative exponent means too small.
        value =
            exponent.find('-') != std::string::npos ? 0.0 : std::numeric_limits<double>::infinity();
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

ephem::ChartMoment ComputeChartMoment(const MomentFields& fields) {
    double clock = fields.clock;
    if (std::floor(clock) == 12) {
        clock = clock - 12;
    }
    double dayFraction = (ClockToHours(clock) + fields.zone) / 24;
    if (fields.amPm == HalfDay::Pm) {
        dayFraction = dayFraction + 0.5;
    }
    const double dayNumber = DayNumberFromDate(fields.year, fields.month, fields.day);
    return ephem::MakeChartMoment(dayNumber, dayFraction);
}

}  // namespace velmaris::domain
