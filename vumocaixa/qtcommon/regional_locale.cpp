#include <vumocaixa/qtcommon/regional_locale.hpp>

#include <algorithm>

namespace vumocaixa::qtcommon {
namespace {

// A single ASCII character of a locale's symbol, or fallback.
char SingleChar(const QString& symbol, char fallback) {
  const bool ascii = symbol.size() == 1 && symbol.at(0).unicode() < 128;
  return ascii ? static_cast<char>(symbol.at(0).unicode()) : fallback;
}

// A short date pattern the regional runtime reads: day, month and year fields
// separated by '/', '.', '-' or spaces.
bool IsUsableDatePattern(const QString& pattern) {
  if (!pattern.contains(u'd') || !pattern.contains(u'M') || !pattern.contains(u'y')) return false;
  return std::all_of(pattern.begin(), pattern.end(),
                     [](QChar c) { return QStringView(u"dMy/.- ").contains(c); });
}

}  // namespace

RegionalSettings RegionalFromLocale(const QLocale& locale) {
  RegionalSettings r = PtBR();
  if (locale.territory() != QLocale::Brazil) return r;
  r.decimalSeparator = SingleChar(locale.decimalPoint(), r.decimalSeparator);
  r.groupSeparator = SingleChar(locale.groupSeparator(), r.groupSeparator);
  const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
  if (!symbol.isEmpty()) r.currencySymbol = symbol.toStdString();
  const QString pattern = locale.dateFormat(QLocale::ShortFormat);
  if (IsUsableDatePattern(pattern)) r.shortDatePattern = pattern.toStdString();
  return r;
}

}  // namespace vumocaixa::qtcommon
