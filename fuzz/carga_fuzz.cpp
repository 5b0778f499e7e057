// A control loaded from whatever a container's property bag may hold (any kind of
// value under each key, or none), then typed into. Checks:
//
//  - loading fails only with the library's own errors;
//  - what a loaded control saves loads again, and saves the same;
//  - typing and leaving fail only when the focus is refused;
//  - in a masked box, a digit typed at the caret gives the box's text left of the
//    caret re-masked with the digit after it, however long the text (a box loaded
//    without a width takes any number of digits).

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/property_values.hpp>
#include <vumocaixa/host/text.hpp>

#include "fuzz_check.hpp"

namespace {

using vumocaixa::fuzz::Require;
namespace vc = vumocaixa;

constexpr std::string_view kKeys[] = {
    "TipoDados",     "Enabled",       "TeclaEnter",      "MaiusculoEMinusculo",
    "TudoMaiusculo", "TamanhoMáximo", "Endereço",        "BackColor",
    "Font",          "ForeColor",     "CNPJAlfanumerico"};

class Bag final : public vc::PropertyBag {
 public:
  vc::PropertyValue ReadProperty(std::string_view name, const vc::PropertyValue& def) override {
    const auto found = values.find(std::string(name));
    return found == values.end() ? def : found->second;
  }
  void WriteProperty(std::string_view name, const vc::PropertyValue& value,
                     const vc::PropertyValue&) override {
    values[std::string(name)] = value;
  }
  std::map<std::string, vc::PropertyValue> values;
};

vc::PropertyValue StoredValue(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0: return vc::Empty{};
    case 1: return in.ConsumeBool();
    case 2: return in.ConsumeIntegralInRange<std::int16_t>(-2, 20);
    case 3: return in.ConsumeIntegral<std::int16_t>();
    case 4: return in.ConsumeIntegral<std::int32_t>();
    case 5: return vc::Color{in.ConsumeIntegral<std::uint32_t>()};
    case 6: {
      auto font = std::make_shared<vc::Font>();
      font->name = in.ConsumeRandomLengthString(12);
      font->size = in.ConsumeFloatingPoint<double>();
      font->bold = in.ConsumeBool();
      return in.ConsumeIntegralInRange(0, 7) == 0 ? vc::FontRef{} : vc::FontRef{font};
    }
    default: return in.ConsumeRandomLengthString(12);
  }
}

// A bag that mostly holds sensible values, with a stray one now and then.
Bag StoredBag(FuzzedDataProvider& in) {
  Bag bag;
  for (std::string_view key : kKeys) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
      case 0: break;  // absent
      case 1:
        if (key == "TipoDados")
          bag.values[std::string(key)] = in.ConsumeIntegralInRange<std::int16_t>(-1, 17);
        else if (key == "TamanhoMáximo")
          bag.values[std::string(key)] = in.ConsumeIntegralInRange<std::int32_t>(0, 3);
        else
          bag.values[std::string(key)] = in.ConsumeBool();
        break;
      default: bag.values[std::string(key)] = StoredValue(in); break;
    }
  }
  return bag;
}

std::unique_ptr<vc::MemoryForm> Load(Bag& bag, const vc::RegionalSettings& regional) {
  vc::MemoryFormOptions options;
  options.regional = regional;
  options.saved = &bag;
  return std::make_unique<vc::MemoryForm>(options);
}

bool SameBags(const Bag& a, const Bag& b) {
  if (a.values.size() != b.values.size()) return false;
  for (const auto& [key, value] : a.values) {
    const auto other = b.values.find(key);
    if (other == b.values.end() || !vc::SamePropertyValue(value, other->second)) return false;
  }
  return true;
}

std::string_view MaskOf(vc::VumoCaixaControl& control) {
  switch (control.TipoDados()) {
    case vc::kData: return control.MascaraData();
    case vc::kCIC: return vc::kMascaraCIC;
    case vc::kCNPJ: return control.CNPJAlfanumerico() ? std::string_view{} : vc::kMascaraCNPJ;
    case vc::kCartaoDeCredito: return vc::kMascaraCartao;
    case vc::kCEP: return vc::kMascaraCEP;
    case vc::kPIS: return vc::kMascaraPIS;
    default: return {};
  }
}

template <typename F>
void UserAction(F&& act) {
  try {
    act();
  } catch (const vc::HostError&) {
  }
}

// One digit typed into a masked box that has the focus: the text left of the caret,
// re-masked, then the digit when the width leaves room for it.
void TypeDigitAndCheck(vc::MemoryForm& f, std::string_view mask, char digit) {
  vc::MemoryWidget& box = f.Caixa();
  const std::string left =
      vc::LeftChars(box.Text(), static_cast<std::size_t>(std::max(box.SelStart(), 0)));
  std::string expected = vc::FormataMascara(vc::SoDigitos(left), mask);
  const bool room =
      box.MaxLength() <= 0 || vc::CharCount(expected) < static_cast<std::size_t>(box.MaxLength());
  if (room) expected += digit;
  box.Type(std::string(1, digit));
  Require(box.Text() == expected, "a digit follows the re-masked text left of the caret",
          "mask " + std::string(mask) + ": \"" + box.Text() + "\", expected \"" + expected + "\"");
}

void Step(FuzzedDataProvider& in, vc::MemoryForm& f) {
  const std::string_view mask = MaskOf(f.Control());
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
    case 1:
      if (!mask.empty() && f.HasFocus() && &f.Active() == &f.Caixa()) {
        for (int n = in.ConsumeIntegralInRange(1, 40); n > 0; --n) {
          TypeDigitAndCheck(f, mask, static_cast<char>('0' + n % 10));
        }
      } else {
        UserAction([&] { f.Type(in.ConsumeRandomLengthString(20)); });
      }
      break;
    case 2: UserAction([&] { f.Type(in.ConsumeRandomLengthString(8)); }); break;
    case 3: UserAction([&] { f.Paste(in.ConsumeRandomLengthString(8)); }); break;
    case 4: UserAction([&] { f.PressBackspace(); }); break;
    case 5: f.Active().SetSelStart(in.ConsumeIntegralInRange<std::int32_t>(0, 60)); break;
    case 6: UserAction([&] { f.Leave(); }); break;
    default: UserAction([&] { f.Enter(); }); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  vc::RegionalSettings regional = vc::PtBR();
  if (in.ConsumeBool()) regional.shortDatePattern = "dd/MM/yy";
  Bag stored = StoredBag(in);
  std::unique_ptr<vc::MemoryForm> form;
  try {
    form = Load(stored, regional);
  } catch (const vc::Error&) {
    return 0;  // a value of the wrong kind: refused, as documented
  }
  Bag saved;
  form->Control().UserControl_WriteProperties(saved);
  Bag again;
  Load(saved, regional)->Control().UserControl_WriteProperties(again);
  Require(SameBags(saved, again), "what a loaded control saves loads again and saves the same");
  for (int steps = 0; steps < 100 && in.remaining_bytes() > 0; ++steps) Step(in, *form);
  return 0;
}
