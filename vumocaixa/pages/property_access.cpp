#include <vumocaixa/pages/property_access.hpp>

#include <array>
#include <functional>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

constexpr std::array<std::string_view, 12> kNames = {
    "TipoDados",     "Habilitado",    "TeclaEnter", "MaiusculoEMinusculo",
    "TudoMaiusculo", "TamanhoMáximo", "Endereço",   "CNPJAlfanumerico",
    "ExtensoNorma",  "Text",          "BackColor",  "ForeColor"};

std::string_view Canonical(std::string_view name) {
  return name == "Enabled" ? std::string_view("Habilitado") : name;
}

[[noreturn]] void Unknown(std::string_view name) {
  throw PropertyError("Propriedade desconhecida: \"" + std::string(name) + "\"");
}

[[noreturn]] void NotConvertible(std::string_view name, std::string_view why) {
  throw PropertyError("Valor inválido para a propriedade \"" + std::string(name) +
                      "\": " + std::string(why));
}

// Converts a general value to a whole number of the kind (Int16 or Int32).
std::int32_t ToWhole(std::string_view name, const GeneralValue& value, NumberKind kind) {
  Variant v;
  if (const auto* text = std::get_if<std::string>(&value)) v = *text;
  if (const auto* whole = std::get_if<std::int32_t>(&value)) v = *whole;
  if (const auto* flag = std::get_if<bool>(&value)) v = static_cast<std::int32_t>(*flag ? -1 : 0);
  try {
    const Variant n = ToNumber(v, kind);
    if (const auto* s = std::get_if<std::int16_t>(&n)) return *s;
    return std::get<std::int32_t>(n);
  } catch (const Error& e) {
    NotConvertible(name, e.what());
  }
}

bool ToBoolean(std::string_view name, const GeneralValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  if (const auto* whole = std::get_if<std::int32_t>(&value)) return *whole != 0;
  const std::string& text = std::get<std::string>(value);
  const std::string upper = UpperText(text);
  if (upper == "TRUE" || upper == "VERDADEIRO") return true;
  if (upper == "FALSE" || upper == "FALSO") return false;
  return ToWhole(name, value, NumberKind::Int32) != 0;
}

Color ToColor(std::string_view name, const GeneralValue& value) {
  if (const auto* whole = std::get_if<std::int32_t>(&value)) {
    return Color{static_cast<std::uint32_t>(*whole)};
  }
  try {
    const Variant n = ToNumber(std::get<std::string>(value), NumberKind::Double);
    const double d = std::get<double>(n);
    if (d < -2147483648.0 || d > 4294967295.0) NotConvertible(name, "fora da faixa de uma cor");
    return Color{static_cast<std::uint32_t>(static_cast<std::int64_t>(d))};
  } catch (const Error& e) {
    NotConvertible(name, e.what());
  } catch (const std::bad_variant_access&) {
    NotConvertible(name, "uma cor é um número");
  }
}

std::int32_t ColorNumber(Color c) { return static_cast<std::int32_t>(c.value); }

Variant ToVariant(const GeneralValue& value) {
  return std::visit([](const auto& v) { return Variant(v); }, value);
}

}  // namespace

std::span<const std::string_view> AccessibleProperties() { return kNames; }

std::string GeneralText(const GeneralValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "True" : "False";
  return NumberText(std::get<std::int32_t>(value));
}

GeneralValue GetProperty(const VumoCaixaControl& c, std::string_view requested) {
  const std::string_view name = Canonical(requested);
  if (name == "TipoDados") return static_cast<std::int32_t>(c.TipoDados());
  if (name == "Habilitado") return c.Habilitado();
  if (name == "TeclaEnter") return c.TeclaEnter();
  if (name == "MaiusculoEMinusculo") return c.MaiusculoEMinusculo();
  if (name == "TudoMaiusculo") return c.TudoMaiusculo();
  if (name == "TamanhoMáximo") return c.TamanhoMáximo();
  if (name == "Endereço") return c.Endereço();
  if (name == "CNPJAlfanumerico") return c.CNPJAlfanumerico();
  if (name == "ExtensoNorma") return c.ExtensoNorma();
  if (name == "Text") return ToText(c.Text());
  if (name == "BackColor") return ColorNumber(c.BackColor());
  if (name == "ForeColor") return ColorNumber(c.ForeColor());
  Unknown(requested);
}

void SetProperty(VumoCaixaControl& c, std::string_view requested, const GeneralValue& value) {
  const std::string_view name = Canonical(requested);
  if (name == "TipoDados") {
    c.SetTipoDados(static_cast<std::int16_t>(ToWhole(requested, value, NumberKind::Int16)));
  } else if (name == "Habilitado") {
    c.SetHabilitado(ToBoolean(requested, value));
  } else if (name == "TeclaEnter") {
    c.SetTeclaEnter(ToBoolean(requested, value));
  } else if (name == "MaiusculoEMinusculo") {
    c.SetMaiusculoEMinusculo(ToBoolean(requested, value));
  } else if (name == "TudoMaiusculo") {
    c.SetTudoMaiusculo(ToBoolean(requested, value));
  } else if (name == "TamanhoMáximo") {
    c.SetTamanhoMáximo(ToWhole(requested, value, NumberKind::Int32));
  } else if (name == "Endereço") {
    c.SetEndereço(ToBoolean(requested, value));
  } else if (name == "CNPJAlfanumerico") {
    c.SetCNPJAlfanumerico(ToBoolean(requested, value));
  } else if (name == "ExtensoNorma") {
    c.SetExtensoNorma(ToBoolean(requested, value));
  } else if (name == "Text") {
    c.SetText(ToVariant(value));
  } else if (name == "BackColor") {
    c.SetBackColor(ToColor(requested, value));
  } else if (name == "ForeColor") {
    c.SetForeColor(ToColor(requested, value));
  } else {
    Unknown(requested);
  }
}

}  // namespace vumocaixa
