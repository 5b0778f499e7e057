// Dates in the locale: reading (IsDateText), the short date form, day serials, and
// the default settings.

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/regional_detail.hpp>

#include <algorithm>
#include <array>
#include <cmath>

namespace vumocaixa {
namespace detail {
namespace {

constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

bool IsLeapYear(int y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Days since 1 January 1970 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Date CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  return Date{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

const std::int64_t kSerialOrigin = DaysFromCivil(1899, 12, 30);

enum class Field { Day, Month, Year };

// The order of the day, month and year fields in a pattern; day-month-year when the
// pattern lacks one of them.
std::array<Field, 3> FieldOrder(std::string_view pattern) {
  const std::size_t d = pattern.find('d');
  const std::size_t m = pattern.find('M');
  const std::size_t y = pattern.find('y');
  if (d == pattern.npos || m == pattern.npos || y == pattern.npos) {
    return {Field::Day, Field::Month, Field::Year};
  }
  std::array<std::pair<std::size_t, Field>, 3> at{
      {{d, Field::Day}, {m, Field::Month}, {y, Field::Year}}};
  std::sort(at.begin(), at.end());
  return {at[0].second, at[1].second, at[2].second};
}

bool IsDateSeparator(char c) { return c == '/' || c == '-' || c == '.'; }

// Reads "a?b?c" with digits a, b, c and one separator character used twice.
std::optional<std::array<std::string_view, 3>> SplitDate(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == text.npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  std::array<std::string_view, 3> parts;
  char separator = '\0';
  std::size_t start = 0;
  for (std::size_t k = 0; k < 3; ++k) {
    std::size_t end = start;
    while (end < text.size() && IsAsciiDigit(text[end])) ++end;
    parts[k] = text.substr(start, end - start);
    if (parts[k].empty() || parts[k].size() > 4) return std::nullopt;
    if (k == 2) return end == text.size() ? std::optional(parts) : std::nullopt;
    if (end == text.size() || !IsDateSeparator(text[end])) return std::nullopt;
    if (separator != '\0' && text[end] != separator) return std::nullopt;
    separator = text[end];
    start = end + 1;
  }
  return std::nullopt;
}

int FieldValue(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

std::optional<int> ReadYear(std::string_view digits, int windowStart) {
  const int value = FieldValue(digits);
  if (digits.size() == 4) return value;
  if (digits.size() != 2) return std::nullopt;
  int year = windowStart - ((windowStart % 100) + 100) % 100 + value;
  if (year < windowStart) year += 100;
  return year;
}

void AppendPadded(std::string& out, int value, std::size_t width) {
  const std::string digits = std::to_string(value);
  if (digits.size() < width) out.append(width - digits.size(), '0');
  out += digits;
}

}  // namespace

bool IsValidDate(const Date& d) {
  return d.year >= kFirstYear && d.year <= kLastYear && d.month >= 1 && d.month <= 12 &&
         d.day >= 1 && d.day <= DaysInMonth(d.year, d.month);
}

std::int64_t DateSerial(const Date& d) {
  return DaysFromCivil(d.year, d.month, d.day) - kSerialOrigin;
}

std::optional<Date> DateFromSerial(std::int64_t serial) {
  const std::int64_t first = DateSerial(Date{kFirstYear, 1, 1});
  const std::int64_t last = DateSerial(Date{kLastYear, 12, 31});
  if (serial < first || serial > last) return std::nullopt;
  return CivilFromDays(serial + kSerialOrigin);
}

std::optional<Date> ParseDateText(std::string_view text, const RegionalSettings& r) {
  const auto parts = SplitDate(text);
  if (!parts) return std::nullopt;
  const std::array<Field, 3> order = FieldOrder(r.shortDatePattern);
  Date date;
  for (std::size_t k = 0; k < 3; ++k) {
    const std::string_view digits = (*parts)[k];
    if (order[k] == Field::Year) {
      const std::optional<int> year = ReadYear(digits, r.twoDigitYearStart);
      if (!year) return std::nullopt;
      date.year = *year;
    } else if (digits.size() > 2) {
      return std::nullopt;
    } else {
      (order[k] == Field::Day ? date.day : date.month) = FieldValue(digits);
    }
  }
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

std::string FormatDate(const Date& d, std::string_view pattern) {
  std::string out;
  for (std::size_t k = 0; k < pattern.size();) {
    const char c = pattern[k];
    std::size_t run = 1;
    while (k + run < pattern.size() && pattern[k + run] == c) ++run;
    if (c == 'd')
      AppendPadded(out, d.day, run == 1 ? 1 : 2);
    else if (c == 'M')
      AppendPadded(out, d.month, run == 1 ? 1 : 2);
    else if (c == 'y' && run <= 2)
      AppendPadded(out, d.year % 100, 2);
    else if (c == 'y')
      AppendPadded(out, d.year, 4);
    else
      out.append(run, c);
    k += run;
  }
  return out;
}

}  // namespace detail

const RegionalSettings& PtBR() {
  static const RegionalSettings settings;
  return settings;
}

bool IsDateText(const Variant& value, const RegionalSettings& r) {
  if (const Date* d = std::get_if<Date>(&value)) return detail::IsValidDate(*d);
  if (const std::string* s = std::get_if<std::string>(&value)) {
    return detail::ParseDateText(*s, r).has_value();
  }
  return false;
}

}  // namespace vumocaixa
