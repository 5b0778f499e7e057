#include <vumocaixa/control/vumocaixa_control.hpp>

#include <utility>

#include <vumocaixa/entry/mascara_continua.hpp>
#include <vumocaixa/entry/virgula_do_ponto.hpp>
#include <vumocaixa/host/errors.hpp>

namespace vumocaixa {
namespace {

constexpr std::int32_t kButtonWidth = 300;
constexpr std::int32_t kButtonLeft = 2160;

// The boxes start with the form's font, as a copy of their own that they share.
FontRef AmbientFontCopy(const Container& container) {
  const FontRef ambient = container.AmbientFont();
  return std::make_shared<Font>(ambient ? *ambient : Font{});
}

using V = VumoCaixaControl;
using I16 = std::int16_t;

// The control's handlers of one widget's events; an empty entry drops the event.
struct WidgetHandlers {
  void (V::*change)() = nullptr;
  void (V::*click)() = nullptr;
  void (V::*dblClick)() = nullptr;
  void (V::*gotFocus)() = nullptr;
  void (V::*lostFocus)() = nullptr;
  void (V::*keyDown)(I16&, I16&) = nullptr;
  void (V::*keyPress)(I16&) = nullptr;
  void (V::*keyUp)(I16&, I16&) = nullptr;
  void (V::*mouseDown)(I16&, I16&, float&, float&) = nullptr;
  void (V::*mouseMove)(I16&, I16&, float&, float&) = nullptr;
  void (V::*mouseUp)(I16&, I16&, float&, float&) = nullptr;
};

}  // namespace

// Routes the events of one constituent widget to the control's handlers of that
// widget, by a table of member pointers; an empty entry drops the event (Caixa2 has
// no handlers, the button only Click).
class VumoCaixaControl::WidgetAdapter final : public WidgetListener {
 public:
  // The handlers of each widget; members, so that they may name the private handlers.
  static constexpr WidgetHandlers kCaixaHandlers{
      &V::Caixa_Change,    &V::Caixa_Click,     &V::Caixa_DblClick, &V::Caixa_GotFocus,
      &V::Caixa_LostFocus, &V::Caixa_KeyDown,   &V::Caixa_KeyPress, &V::Caixa_KeyUp,
      &V::Caixa_MouseDown, &V::Caixa_MouseMove, &V::Caixa_MouseUp};
  static constexpr WidgetHandlers kCaixa1Handlers{
      &V::Caixa1_Change,    &V::Caixa1_Click,     &V::Caixa1_DblClick, &V::Caixa1_GotFocus,
      &V::Caixa1_LostFocus, &V::Caixa1_KeyDown,   &V::Caixa1_KeyPress, &V::Caixa1_KeyUp,
      &V::Caixa1_MouseDown, &V::Caixa1_MouseMove, &V::Caixa1_MouseUp};
  static constexpr WidgetHandlers kBtnEventoHandlers{.click = &V::Btn_Evento_Click};

  WidgetAdapter(VumoCaixaControl& control, const WidgetHandlers& handlers)
      : m_control(control), m_handlers(handlers) {}

  void Change() override { Run(m_handlers.change); }
  void Click() override { Run(m_handlers.click); }
  void DblClick() override { Run(m_handlers.dblClick); }
  void GotFocus() override { Run(m_handlers.gotFocus); }
  void LostFocus() override { Run(m_handlers.lostFocus); }
  void KeyDown(I16& code, I16& shift) override { Run(m_handlers.keyDown, code, shift); }
  void KeyPress(I16& ascii) override { Run(m_handlers.keyPress, ascii); }
  void KeyUp(I16& code, I16& shift) override { Run(m_handlers.keyUp, code, shift); }
  void MouseDown(I16& b, I16& s, float& x, float& y) override {
    Run(m_handlers.mouseDown, b, s, x, y);
  }
  void MouseMove(I16& b, I16& s, float& x, float& y) override {
    Run(m_handlers.mouseMove, b, s, x, y);
  }
  void MouseUp(I16& b, I16& s, float& x, float& y) override { Run(m_handlers.mouseUp, b, s, x, y); }

 private:
  template <typename Handler, typename... Args>
  void Run(Handler handler, Args&... args) {
    if (handler != nullptr) {
      (m_control.*handler)(args...);
    }
  }

  VumoCaixaControl& m_control;
  const WidgetHandlers& m_handlers;
};

VumoCaixaControl::VumoCaixaControl(ConstituentWidgets widgets, Container& container,
                                   Runtime& runtime)
    : m_Container(container), m_Runtime(runtime), m_Widgets(std::move(widgets)) {
  if (!m_Widgets.Caixa || !m_Widgets.Caixa1 || !m_Widgets.Caixa2 || !m_Widgets.Btn_Evento) {
    throw HostError("VumoCaixaControl needs all four of its widgets");
  }
  const FontRef font = AmbientFontCopy(container);
  for (Widget* box : {&Caixa(), &Caixa1(), &Caixa2()}) {
    box->SetLeft(0);
    box->SetWidth(kDesignWidth);
    box->SetHeight(kDesignHeight);
    box->SetFont(font);
    box->SetBackColor(kSystemWindowColor);
    box->SetForeColor(kSystemWindowTextColor);
  }
  Btn_Evento().SetLeft(kButtonLeft);
  Btn_Evento().SetWidth(kButtonWidth);
  Btn_Evento().SetHeight(kDesignHeight);
  Btn_Evento().SetText("...");
  // A new control is of type 0, which shows Caixa alone.
  Caixa().SetVisible(true);
  Caixa1().SetVisible(false);
  Caixa2().SetVisible(false);
  Btn_Evento().SetVisible(false);
  m_Caixa = &Caixa();
  m_MascaraContinua = std::make_unique<MascaraContinua>();
  m_VirgulaDoPonto = std::make_unique<VirgulaDoPonto>();

  m_CaixaEvents = std::make_unique<WidgetAdapter>(*this, WidgetAdapter::kCaixaHandlers);
  m_Caixa1Events = std::make_unique<WidgetAdapter>(*this, WidgetAdapter::kCaixa1Handlers);
  m_BtnEvents = std::make_unique<WidgetAdapter>(*this, WidgetAdapter::kBtnEventoHandlers);
  Caixa().SetListener(m_CaixaEvents.get());
  Caixa1().SetListener(m_Caixa1Events.get());
  Btn_Evento().SetListener(m_BtnEvents.get());
  m_Container.Attach(this);
}

VumoCaixaControl::~VumoCaixaControl() {
  m_Container.Attach(nullptr);
  Caixa().SetListener(nullptr);
  Caixa1().SetListener(nullptr);
  Btn_Evento().SetListener(nullptr);
}

}  // namespace vumocaixa
