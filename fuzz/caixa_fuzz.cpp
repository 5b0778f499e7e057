// Keystrokes, focus changes and host calls on a control of any data type on the
// in-memory host, checking after each step what a user must be able to rely on:
//
//  - nothing fails but what may fail (the focus refused to a label or a disabled box,
//    a host assigning a value its type cannot take);
//  - a masked box never holds more characters than its mask;
//  - a numeric box that was left holds a number within its type's range;
//  - leaving a box shows a message exactly when its entry is refused.
//
// The three checks of content hold while the text comes from the keyboard alone; a
// run that also pastes, lets the host write the value or change the data type, or
// plays host event handlers that change keys, checks only the first.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/entry/numerico.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/validate/cartao.hpp>
#include <vumocaixa/validate/documentos.hpp>

#include "fuzz_check.hpp"

namespace {

using vumocaixa::fuzz::Require;
namespace vc = vumocaixa;

// A container's store: what is written is read back.
class Bag final : public vc::PropertyBag {
 public:
  vc::PropertyValue ReadProperty(std::string_view name, const vc::PropertyValue& def) override {
    const auto found = m_values.find(std::string(name));
    return found == m_values.end() ? def : found->second;
  }
  void WriteProperty(std::string_view name, const vc::PropertyValue& value,
                     const vc::PropertyValue&) override {
    m_values[std::string(name)] = value;
  }

 private:
  std::map<std::string, vc::PropertyValue> m_values;
};

// Texts a user types: digits, signs, separators, letters with and without case,
// a character outside Windows-1252 and a tab, or any bytes now and then.
std::string TypedText(FuzzedDataProvider& in) {
  static constexpr std::string_view kKeys[] = {"0",  "1",  "5", "9", ",", ".", "-",  "/",  "@",
                                               " ",  "a",  "A", "w", "z", "ç", "Ç",  "é",  "€",
                                               "中", "\t", "R", "$", "E", "+", "12", "999"};
  if (in.ConsumeIntegralInRange(0, 15) == 0) {
    // Line breaks come from Enter and Ctrl+Enter, which are keys of their own.
    std::string bytes = in.ConsumeRandomLengthString(12);
    std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n'; });
    return bytes;
  }
  std::string text;
  for (int n = in.ConsumeIntegralInRange(1, 8); n > 0; --n) {
    text += kKeys[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kKeys) - 1)];
  }
  return text;
}

vc::Variant HostValue(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: return vc::Empty{};
    case 1: return in.ConsumeIntegral<std::int32_t>();
    case 2: return in.ConsumeFloatingPoint<double>();
    case 3: return vc::Currency{in.ConsumeIntegral<std::int64_t>()};
    case 4:
      return vc::Date{in.ConsumeIntegralInRange(1800, 2100), in.ConsumeIntegralInRange(1, 12),
                      in.ConsumeIntegralInRange(1, 28)};
    default: return TypedText(in);
  }
}

std::string_view MaskOf(std::int16_t type, const vc::VumoCaixaControl& control) {
  return type == vc::kData ? std::string_view(control.MascaraData()) : vc::MascaraDoTipo(type);
}

bool IsNumericType(std::int16_t type) { return vc::TipoNumerico(type).has_value(); }

// The numeric box also serves a stored data type outside 0 to 16.
bool UsesNumericBox(std::int16_t type) {
  return IsNumericType(type) || type < vc::kTexto || type > vc::kExtenso;
}

// Whether a number is one that a box of the type holds: Inteiro and Longo within
// their whole kinds, Moeda within its range; the other kinds shorten what is too long.
bool Holds(std::int16_t type, const std::string& t, const vc::RegionalSettings& r) {
  try {
    switch (type) {
      case vc::kInteiro: (void)vc::ToNumber(t, vc::NumberKind::Int16, r); return true;
      case vc::kLongo: (void)vc::ToNumber(t, vc::NumberKind::Int32, r); return true;
      case vc::kMoeda:
        return vc::MoedaNaFaixa(std::get<vc::Decimal>(vc::ToNumber(t, vc::NumberKind::Decimal, r)));
      default: return true;
    }
  } catch (const vc::Error&) {
    return false;
  }
}

// Whether leaving a box of the type with this entry must show a message.
bool Refused(std::int16_t type, const std::string& t, const vc::RegionalSettings& r) {
  if (t.empty()) return false;
  switch (type) {
    case vc::kData: return !vc::IsDateText(t, r);
    case vc::kCIC: return !vc::ValidaCIC(t);
    case vc::kCNPJ: return !vc::ValidaCNPJ(t);
    case vc::kCartaoDeCredito: return !vc::ValidaCartao(t);
    case vc::kCEP: return vc::CharCount(t) < 10 && vc::SoDigitos(t).size() != 8;
    case vc::kEmail: return t.find('@') == std::string::npos;
    case vc::kPIS: return !vc::ValidaPIS(t);
    default:
      if (!UsesNumericBox(type) || t == "," || t == "-") return false;
      return !vc::IsNumericText(t, r) || !Holds(type, t, r);
  }
}

// An amount whose last comma was typed as '.' may be read with that comma as a grouping
// point when the box is left: the entry as it reads then, or nothing.
std::optional<std::string> GroupedReading(std::int16_t type, std::string t,
                                          const vc::RegionalSettings& r) {
  const std::size_t comma = t.rfind(',');
  if (type != vc::kMoeda || comma == std::string::npos) return std::nullopt;
  t[comma] = '.';
  if (!vc::IsNumericText(t, r)) return std::nullopt;
  return t;
}

// Whether a numeric box's text is a number of its type's kind, within the box's range.
bool InRange(std::int16_t type, const std::string& text, const vc::RegionalSettings& r) {
  static constexpr vc::NumberKind kKinds[] = {vc::NumberKind::Currency, vc::NumberKind::Int16,
                                              vc::NumberKind::Int32,    vc::NumberKind::Single,
                                              vc::NumberKind::Double,   vc::NumberKind::Decimal};
  constexpr std::int64_t kMoedaLimit = 9'223'372'036'854'765'800;
  try {
    const vc::Variant value = vc::ToNumber(text, kKinds[type - vc::kMoeda], r);
    const auto* c = std::get_if<vc::Currency>(&value);
    return c == nullptr || (c->raw >= -kMoedaLimit && c->raw <= kMoedaLimit);
  } catch (const vc::Error&) {
    return false;
  }
}

struct Session {
  FuzzedDataProvider& in;
  vc::RegionalSettings regional;
  std::unique_ptr<vc::MemoryForm> form;
  std::int16_t type = 0;
  bool hostWrites = false;   // the host may write the value, paste or change the type
  bool keyboardOnly = true;  // the text came from the keyboard alone
  bool hostPlays = false;    // the host's event handlers change keys and values
  bool leftOnce = false;     // the box had the focus and lost it since the type was set
  // The host changed the data type while a box had the focus: leaving that box hands
  // its text to the value of the new type, which may refuse it with a conversion error.
  bool typeChangedInBox = false;

  vc::VumoCaixaControl& Control() { return form->Control(); }
};

// A control designed as the property page does (type first, then the width and the
// options), used as it is or saved and loaded again.
void Design(Session& s) {
  const bool load = s.in.ConsumeBool();
  if (s.in.ConsumeBool()) s.regional.shortDatePattern = "dd/MM/yy";
  vc::MemoryFormOptions options;
  options.regional = s.regional;
  auto design = std::make_unique<vc::MemoryForm>(options);
  vc::VumoCaixaControl& c = design->Control();
  c.SetTipoDados(s.in.ConsumeIntegralInRange<std::int16_t>(-1, 17));
  c.SetTamanhoMáximo(s.in.ConsumeIntegralInRange<std::int32_t>(0, 40));
  c.SetTeclaEnter(s.in.ConsumeBool());
  c.SetTudoMaiusculo(s.in.ConsumeBool());
  c.SetMaiusculoEMinusculo(s.in.ConsumeBool());
  c.SetEndereço(s.in.ConsumeBool());
  if (load) {
    Bag bag;
    c.UserControl_WriteProperties(bag);
    if (s.in.ConsumeIntegralInRange(0, 15) == 0)
      bag.WriteProperty("TipoDados", std::int16_t{20}, {});
    options.saved = &bag;
    design = std::make_unique<vc::MemoryForm>(options);
  }
  s.form = std::move(design);
  s.type = s.Control().TipoDados();
  s.form->Runtime().Clear();
}

// Host handlers that cancel Enter, replace typed codes and write the value back from
// inside the control's Change, as an application may.
void PlayHost(Session& s) {
  vc::MemoryEventHandlers& on = s.form->Container().On;
  on.KeyEnter = [&s](std::int16_t& cancel) { cancel = s.in.ConsumeBool() ? -1 : 0; };
  on.KeyPress = [&s](std::int16_t& code) {
    if (s.in.ConsumeIntegralInRange(0, 7) == 0) code = s.in.ConsumeIntegral<std::int16_t>();
  };
  on.Change = [&s, depth = 0]() mutable {
    if (depth > 0 || s.in.ConsumeIntegralInRange(0, 7) != 0) return;
    ++depth;
    try {
      s.Control().SetText(s.Control().Text());
    } catch (const vc::Error&) {
    }
    --depth;
  };
}

// A user action: only the focus may be refused (a label or a disabled box).
template <typename F>
void UserAction(Session& s, F&& act) {
  try {
    act();
  } catch (const vc::HostError&) {
  } catch (const vc::Error& e) {
    Require(s.typeChangedInBox, "a user action fails only when the focus is refused", e.what());
  }
}

// A host call: a value the type cannot take, or a widget failure, reaches the host.
template <typename F>
void HostCall(F&& act) {
  try {
    act();
  } catch (const vc::Error&) {
  }
}

void HostWrites(Session& s) {
  s.keyboardOnly = false;
  switch (s.in.ConsumeIntegralInRange(0, 3)) {
    case 0: HostCall([&] { s.Control().SetText(HostValue(s.in)); }); break;
    case 1: HostCall([&] { s.Control().SetTextByReference(HostValue(s.in)); }); break;
    case 2: UserAction(s, [&] { s.form->Paste(TypedText(s.in)); }); break;
    default:
      HostCall([&] {
        s.Control().SetTipoDados(s.in.ConsumeIntegralInRange<std::int16_t>(-1, 17));
        s.Control().SetTamanhoMáximo(s.in.ConsumeIntegralInRange<std::int32_t>(0, 40));
      });
      s.type = s.Control().TipoDados();
      s.typeChangedInBox = s.typeChangedInBox || s.form->HasFocus();
      break;
  }
}

// Leaving the box shows a message exactly when its entry is refused.
void LeaveAndCheck(Session& s) {
  vc::MemoryWidget& box = s.form->Active();
  const bool inBox = s.form->Focus().Current() == &box;
  const std::string entry = box.Text();
  const std::size_t before = s.form->Runtime().Messages().size();
  const bool checked = inBox && !s.typeChangedInBox;
  UserAction(s, [&] { s.form->Leave(); });
  if (!checked) return;
  const bool shown = s.form->Runtime().Messages().size() > before;
  const auto grouped = GroupedReading(s.type, entry, s.regional);
  Require(shown == Refused(s.type, entry, s.regional) ||
              (grouped && shown == Refused(s.type, *grouped, s.regional)),
          "a message exactly for a refused entry",
          "type " + std::to_string(s.type) + ", entry \"" + entry + "\"");
}

void MoveCaret(Session& s) {
  vc::MemoryWidget& box = s.form->Active();
  box.SetSelStart(s.in.ConsumeIntegralInRange<std::int32_t>(0, 30));
  box.SetSelLength(s.in.ConsumeIntegralInRange<std::int32_t>(0, 30));
}

void SetOption(Session& s) {
  switch (s.in.ConsumeIntegralInRange(0, 3)) {
    case 0: s.Control().SetTeclaEnter(s.in.ConsumeBool()); break;
    case 1: s.Control().SetHabilitado(s.in.ConsumeBool()); break;
    case 2: s.form->Active().SetFocusFails(s.in.ConsumeBool()); break;
    default: (void)s.Control().Text(); break;
  }
}

void CheckContent(Session& s) {
  vc::MemoryForm& f = *s.form;
  const std::string_view mask = MaskOf(s.type, s.Control());
  if (!mask.empty()) {
    const std::string text = f.Caixa().Text();
    Require(vc::CharCount(text) <= vc::CharCount(mask), "a masked box holds no more than its mask",
            "type " + std::to_string(s.type) + ": \"" + text + "\"");
  }
  if (!IsNumericType(s.type)) return;
  if (f.HasFocus()) {
    s.leftOnce = false;
    const std::string text = f.Caixa1().Text();
    Require(text.find_first_of("\r\n") == std::string::npos,
            "a numeric box being typed in holds no line break", text);
  } else if (s.leftOnce) {
    const std::string text = f.Caixa1().Text();
    Require(InRange(s.type, text, s.regional), "a numeric box left holds a number in range",
            "type " + std::to_string(s.type) + ": \"" + text + "\"");
  }
}

// With FUZZ_TRACE set, each step is printed, to read what a crashing input did.
void Trace(Session& s, int op) {
  static const bool trace = std::getenv("FUZZ_TRACE") != nullptr;
  if (!trace) return;
  std::fprintf(stderr, "type %d step %d: focus %d, Caixa \"%s\", Caixa1 \"%s\", messages %zu\n",
               s.type, op, s.form->HasFocus(), s.form->Caixa().Text().c_str(),
               s.form->Caixa1().Text().c_str(), s.form->Runtime().Messages().size());
}

void Step(Session& s) {
  vc::MemoryForm& f = *s.form;
  const bool focused = f.HasFocus();
  const int op = s.in.ConsumeIntegralInRange(0, 13);
  switch (op) {
    case 0:
    case 1:
    case 2: UserAction(s, [&] { f.Type(TypedText(s.in)); }); break;
    case 3: UserAction(s, [&] { f.PressEnter(); }); break;
    case 4: UserAction(s, [&] { f.PressBackspace(); }); break;
    case 5: UserAction(s, [&] { f.PressDelete(); }); break;
    case 6: UserAction(s, [&] { f.PressShiftDelete(); }); break;
    case 7: UserAction(s, [&] { f.PressCtrlEnter(); }); break;
    case 8: LeaveAndCheck(s); break;
    case 9: UserAction(s, [&] { f.Enter(); }); break;
    case 10: UserAction(s, [&] { f.Tab(); }); break;
    case 11: MoveCaret(s); break;
    case 12: SetOption(s); break;
    default:
      if (s.hostWrites)
        HostWrites(s);
      else
        UserAction(s, [&] { f.Type(TypedText(s.in)); });
      break;
  }
  Trace(s, op);
  if (focused && !f.HasFocus()) s.leftOnce = true, s.typeChangedInBox = false;
  if (s.keyboardOnly && !s.hostPlays) CheckContent(s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Session s{in, vc::PtBR(), nullptr};
  s.hostWrites = in.ConsumeBool();
  s.hostPlays = in.ConsumeBool();
  Design(s);
  if (s.hostPlays) PlayHost(s);
  for (int steps = 0; steps < 200 && in.remaining_bytes() > 0; ++steps) Step(s);
  return 0;
}
