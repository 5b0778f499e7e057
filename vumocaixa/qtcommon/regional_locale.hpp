#pragma once
// The control's regional settings from a QLocale.

#include <QLocale>

#include <vumocaixa/host/regional.hpp>

namespace vumocaixa::qtcommon {

// The separators, currency symbol and short date pattern of a Brazilian locale; the
// Brazilian defaults for any other locale, and for a symbol or pattern the regional
// runtime cannot read (a separator of more than one character, a date with names).
[[nodiscard]] RegionalSettings RegionalFromLocale(const QLocale& locale);

}  // namespace vumocaixa::qtcommon
