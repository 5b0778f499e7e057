#include <vumocaixa/qtcommon/values.hpp>

#include <cmath>
#include <string>

#include <QDate>
#include <QDateTime>
#include <QGuiApplication>
#include <QPalette>

#include <vumocaixa/host/decimal.hpp>

namespace vumocaixa::qtcommon {
namespace {

constexpr qreal kTwipsPerInch = 1440.0;
constexpr double kLargestInt32 = 2147483647.0;

qreal Resolution(qreal dpi) { return dpi > 0 ? dpi : 96.0; }

QPalette::ColorRole SystemRole(std::uint32_t index) {
  switch (index) {
    case 4: return QPalette::Window;      // menu
    case 7: return QPalette::WindowText;  // menu text
    case 8: return QPalette::Text;        // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;           // button face
    case 16: return QPalette::Dark;             // button shadow
    case 17: return QPalette::PlaceholderText;  // grey text
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;  // button highlight
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Base;  // window background and the rest
  }
}

Date DateOf(const QDate& d) { return Date{d.year(), d.month(), d.day()}; }

Variant FromDouble(double x) {
  const bool whole = std::trunc(x) == x && std::abs(x) <= kLargestInt32;
  return whole ? Variant{static_cast<std::int32_t>(x)} : Variant{x};
}

}  // namespace

int TwipsToPixels(std::int32_t twips, qreal dpi) {
  return static_cast<int>(std::lround(twips * Resolution(dpi) / kTwipsPerInch));
}

std::int32_t PixelsToTwips(qreal pixels, qreal dpi) {
  return static_cast<std::int32_t>(std::lround(pixels * kTwipsPerInch / Resolution(dpi)));
}

std::int32_t TwipsFollowing(std::int32_t twips, qreal pixels, qreal dpi) {
  return TwipsToPixels(twips, dpi) == pixels ? twips : PixelsToTwips(pixels, dpi);
}

float PixelsToTwipsF(qreal pixels, qreal dpi) {
  return static_cast<float>(pixels * kTwipsPerInch / Resolution(dpi));
}

std::optional<QPalette::ColorRole> SystemColorRole(Color color) {
  if ((color.value & 0x80000000u) == 0) return std::nullopt;
  return SystemRole(color.value & 0xFFu);
}

QColor ToQColor(Color color) {
  if (const std::optional<QPalette::ColorRole> role = SystemColorRole(color)) {
    return QGuiApplication::palette().color(*role);
  }
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
    QVariant operator()(std::int16_t n) const { return QVariant::fromValue<qint16>(n); }
    QVariant operator()(std::int32_t n) const { return QVariant::fromValue<qint32>(n); }
    QVariant operator()(float x) const { return x; }
    QVariant operator()(double x) const { return x; }
    QVariant operator()(Currency c) const {
      return static_cast<double>(c.raw) / static_cast<double>(Currency::kScale);
    }
    QVariant operator()(const Decimal& d) const {
      return QString::fromStdString(DecimalText(d, '.'));
    }
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
    case QMetaType::Short: return static_cast<std::int16_t>(value.toInt());
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Int: return static_cast<std::int32_t>(value.toInt());
    case QMetaType::Float: return value.toFloat();
    case QMetaType::Double: return FromDouble(value.toDouble());
    case QMetaType::QDate: return DateOf(value.toDate());
    case QMetaType::QDateTime: return DateOf(value.toDateTime().date());
    default: break;
  }
  return value.toString().toStdString();
}

}  // namespace vumocaixa::qtcommon
