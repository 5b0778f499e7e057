#include "quick_values_p.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include <QDate>
#include <QGuiApplication>
#include <QPalette>

namespace vumocaixa::quick {
namespace {

constexpr qreal kTwipsPerInch = 1440.0;

qreal Resolution(qreal dpi) { return dpi > 0 ? dpi : 96.0; }

QPalette::ColorRole SystemRole(std::uint32_t index) {
  switch (index) {
    case 4: return QPalette::Window;
    case 7: return QPalette::WindowText;
    case 8: return QPalette::Text;
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 16: return QPalette::Dark;
    case 17: return QPalette::PlaceholderText;
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Base;
  }
}

QString DecimalText(const Decimal& d) {
  std::string digits;
  unsigned __int128 m = d.magnitude;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
    m /= 10;
  } while (m != 0);
  if (d.scale > 0) {
    if (digits.size() <= d.scale) digits.insert(0, d.scale + 1 - digits.size(), '0');
    digits.insert(digits.size() - d.scale, 1, '.');
  }
  if (d.negative && d.magnitude != 0) digits.insert(0, 1, '-');
  return QString::fromStdString(digits);
}

char SingleChar(const QString& symbol, char fallback) {
  const bool ascii = symbol.size() == 1 && symbol.at(0).unicode() < 128;
  return ascii ? static_cast<char>(symbol.at(0).unicode()) : fallback;
}

bool IsUsableDatePattern(const QString& pattern) {
  if (!pattern.contains(u'd') || !pattern.contains(u'M') || !pattern.contains(u'y')) return false;
  return std::all_of(pattern.begin(), pattern.end(),
                     [](QChar c) { return QStringView(u"dMy/.- ").contains(c); });
}

}  // namespace

qreal TwipsToPixels(std::int32_t twips, qreal dpi) {
  return std::round(twips * Resolution(dpi) / kTwipsPerInch);
}

std::int32_t PixelsToTwips(qreal pixels, qreal dpi) {
  return static_cast<std::int32_t>(std::lround(pixels * kTwipsPerInch / Resolution(dpi)));
}

QColor ToQColor(Color color) {
  if (color.value & 0x80000000u)
    return QGuiApplication::palette().color(SystemRole(color.value & 0xFFu));
  return QColor(static_cast<int>(color.value & 0xFFu), static_cast<int>((color.value >> 8) & 0xFFu),
                static_cast<int>((color.value >> 16) & 0xFFu));
}

Color FromQColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return Color{static_cast<std::uint32_t>(rgb.red()) |
               (static_cast<std::uint32_t>(rgb.green()) << 8) |
               (static_cast<std::uint32_t>(rgb.blue()) << 16)};
}

QFont ToQFont(const Font& font) {
  QFont q(QString::fromStdString(font.name));
  if (font.size > 0) q.setPointSizeF(font.size);
  q.setBold(font.bold);
  q.setItalic(font.italic);
  q.setUnderline(font.underline);
  q.setStrikeOut(font.strikethrough);
  return q;
}

Font FromQFont(const QFont& font) {
  Font f;
  f.name = font.family().toStdString();
  if (font.pointSizeF() > 0) f.size = font.pointSizeF();
  f.bold = font.bold();
  f.italic = font.italic();
  f.underline = font.underline();
  f.strikethrough = font.strikeOut();
  return f;
}

QVariant ToQVariant(const Variant& value) {
  struct Visitor {
    QVariant operator()(Empty) const { return {}; }
    QVariant operator()(bool b) const { return b; }
    QVariant operator()(std::int16_t n) const { return int{n}; }
    QVariant operator()(std::int32_t n) const { return int{n}; }
    QVariant operator()(float x) const { return double{x}; }
    QVariant operator()(double x) const { return x; }
    QVariant operator()(Currency c) const {
      return static_cast<double>(c.raw) / static_cast<double>(Currency::kScale);
    }
    QVariant operator()(const Decimal& d) const { return DecimalText(d); }
    QVariant operator()(const Date& d) const { return QDate(d.year, d.month, d.day); }
    QVariant operator()(const std::string& s) const { return QString::fromStdString(s); }
  };
  return std::visit(Visitor{}, value);
}

Variant FromQVariant(const QVariant& value) {
  if (!value.isValid() || value.isNull()) {
    return value.typeId() == QMetaType::QString ? Variant{std::string()} : Variant{};
  }
  switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool();
    case QMetaType::Int: return static_cast<std::int32_t>(value.toInt());
    case QMetaType::Double: {
      // JavaScript has one number type: a whole number within 32 bits is an integer.
      const double x = value.toDouble();
      const bool whole = std::trunc(x) == x && std::abs(x) <= 2147483647.0;
      return whole ? Variant{static_cast<std::int32_t>(x)} : Variant{x};
    }
    case QMetaType::QDate: {
      const QDate d = value.toDate();
      return Date{d.year(), d.month(), d.day()};
    }
    case QMetaType::QDateTime: {
      const QDate d = value.toDateTime().date();
      return Date{d.year(), d.month(), d.day()};
    }
    default: break;
  }
  return value.toString().toStdString();
}

int CodePointsBefore(const QString& text, int utf16) {
  const int end = std::clamp(utf16, 0, static_cast<int>(text.size()));
  int count = 0;
  for (int i = 0; i < end; ++i) {
    if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate()) ++count;
  }
  return count;
}

int Utf16Before(const QString& text, int codePoints) {
  int i = 0;
  for (int n = 0; n < codePoints && i < text.size(); ++n) {
    const bool pair =
        text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    i += pair ? 2 : 1;
  }
  return i;
}

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

}  // namespace vumocaixa::quick
