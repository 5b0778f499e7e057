#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>

#include <gtest/gtest.h>

#include <string>

namespace vumocaixa {
namespace {

RegionalSettings TwoDigitYears() {
  RegionalSettings r;
  r.shortDatePattern = "dd/MM/yy";
  return r;
}

TEST(IsDateText, CalendarAndForms) {
  struct Row {
    std::string text;
    bool date;
    const char* name;
  } rows[] = {
      {"10/10/1999", true, "data comum"},
      {"29/02/2024", true, "bissexto"},
      {"29/02/2023", false, "não bissexto"},
      {"29/02/2000", true, "bissexto de quatrocentos"},
      {"29/02/1900", false, "século não bissexto"},
      {"29/02/24", true, "bissexto com ano curto"},
      {"29/02/23", false, "não bissexto com ano curto"},
      {"31/02/2024", false, "31 de fevereiro"},
      {"31/04/2024", false, "31 de abril"},
      {"30/04/2024", true, "30 de abril"},
      {"31/12/2024", true, "último dia do ano"},
      {"00/01/2024", false, "dia zero"},
      {"01/00/2024", false, "mês zero"},
      {"01/13/2024", false, "mês treze"},
      {"32/01/2024", false, "dia 32"},
      {"1/2/2024", true, "um dígito"},
      {"01-02-2024", true, "hífens"},
      {"01.02.2024", true, "pontos"},
      {"01/02-2024", false, "separadores misturados"},
      {" 01/02/2024 ", true, "espaços em volta"},
      {"01/02/202", false, "ano de três dígitos"},
      {"01/02/2", false, "ano de um dígito"},
      {"01/02/20245", false, "ano de cinco dígitos"},
      {"001/02/2024", false, "dia de três dígitos"},
      {"01/02", false, "sem ano"},
      {"01/02/", false, "ano vazio"},
      {"//", false, "só separadores"},
      {"", false, "vazio"},
      {"01/02/2024x", false, "letra no fim"},
      {"a1/02/2024", false, "letra no começo"},
      {"01/01/0099", false, "ano antes de 100"},
      {"01/01/0100", true, "ano 100"},
      {"31/12/9999", true, "último dia aceito"},
      {"1\xC3/02/2024", false, "utf-8 inválido"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.date, IsDateText(row.text)) << row.name;
}

TEST(IsDateText, OtherValues) {
  EXPECT_TRUE(IsDateText(Date{2024, 2, 29}));
  EXPECT_FALSE(IsDateText(Date{2023, 2, 29}));
  EXPECT_FALSE(IsDateText(Empty{}));
  EXPECT_FALSE(IsDateText(36000.0));
  EXPECT_FALSE(IsDateText(true));
}

TEST(ShortDate, TwoDigitYearWindow) {
  struct Row {
    std::string text;
    std::string expected;
    const char* name;
  } rows[] = {
      {"01/01/30", "01/01/1930", "30 é 1930"},
      {"31/12/29", "31/12/2029", "29 é 2029"},
      {"10/10/99", "10/10/1999", "99 é 1999"},
      {"01/01/00", "01/01/2000", "00 é 2000"},
      {"5/3/1999", "05/03/1999", "completa zeros"},
      {"05-03-1999", "05/03/1999", "troca o separador"},
      {"texto", "texto", "texto que não é data volta igual"},
      {"31/02/2024", "31/02/2024", "data impossível volta igual"},
      {"", "", "vazio fica vazio"},
      {"36000", "36000", "número em texto não é data"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.expected, FormatValue(row.text, kShortDate)) << row.name;
}

TEST(ShortDate, PatternDecidesTheForm) {
  const RegionalSettings two = TwoDigitYears();
  EXPECT_EQ(8u, FormatValue(std::string("10/10/1999"), kShortDate, two).size());
  EXPECT_EQ("10/10/99", FormatValue(std::string("10/10/1999"), kShortDate, two));
  EXPECT_EQ(10u, FormatValue(std::string("10/10/1999"), kShortDate).size());
  EXPECT_EQ("05/03/29", FormatValue(Date{2029, 3, 5}, kShortDate, two));
  RegionalSettings window;
  window.twoDigitYearStart = 1950;
  EXPECT_EQ("01/01/2049", FormatValue(std::string("01/01/49"), kShortDate, window));
  EXPECT_EQ("01/01/1950", FormatValue(std::string("01/01/50"), kShortDate, window));
  RegionalSettings iso;
  iso.shortDatePattern = "yyyy-MM-dd";
  EXPECT_EQ("2024-02-29", FormatValue(std::string("2024/2/29"), kShortDate, iso));
  EXPECT_FALSE(IsDateText(std::string("29/02/2024"), iso));
}

TEST(ShortDate, NumbersAreDaySerials) {
  struct Row {
    Variant value;
    std::string expected;
    const char* name;
  } rows[] = {
      {0.0, "30/12/1899", "serial zero"},
      {std::int32_t{45351}, "29/02/2024", "dia bissexto"},
      {45351.75, "29/02/2024", "hora descartada"},
      {-1.5, "29/12/1899", "negativo corta para zero"},
      {std::int32_t{2958465}, "31/12/9999", "maior data"},
      {std::int32_t{2958466}, "2958466", "fora das datas fica número"},
      {Date{2024, 2, 29}, "29/02/2024", "data"},
      {Empty{}, "", "vazio"},
      {true, "Verdadeiro", "booleano é texto"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.expected, FormatValue(row.value, kShortDate)) << row.name;
  EXPECT_THROW((void)FormatValue(Date{2023, 2, 29}, kShortDate), TypeMismatchError);
}

// Walks every day of a few stretches of the calendar: consecutive valid dates have
// consecutive serials, and each serial formats back to its date.
TEST(ShortDate, SerialsFollowTheCalendar) {
  const std::pair<int, int> stretches[] = {
      {100, 104}, {1896, 1904}, {1996, 2004}, {2096, 2104}, {9995, 9999}};
  for (const auto& [first, last] : stretches) {
    std::int32_t previous = 0;
    int days = 0;
    for (int y = first; y <= last; ++y) {
      for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= 31; ++d) {
          const Date date{y, m, d};
          if (!IsDateText(date)) continue;
          const auto serial = std::get<std::int32_t>(ToNumber(date, NumberKind::Int32));
          if (days++ > 0) {
            ASSERT_EQ(previous + 1, serial) << ToText(date);
          }
          previous = serial;
          ASSERT_EQ(ToText(date), FormatValue(serial, kShortDate)) << serial;
        }
      }
    }
    const int years = last - first + 1;
    EXPECT_GE(days, years * 365);
    EXPECT_LE(days, years * 366);
  }
}

}  // namespace
}  // namespace vumocaixa
