#include <vumocaixa/control/vumocaixa_control.hpp>

#include <utility>

#include <vumocaixa/host/errors.hpp>

namespace vumocaixa {
namespace {

constexpr std::int32_t kDesignWidth = 3015;
constexpr std::int32_t kDesignHeight = 285;
constexpr std::int32_t kButtonWidth = 300;
constexpr std::int32_t kButtonLeft = 2160;

}  // namespace

// Routes the events of one constituent widget to the control's handlers of that
// widget. Caixa2 has no handlers; the button has only Click.
class VumoCaixaControl::WidgetAdapter final : public WidgetListener {
 public:
  enum class Source { Caixa, Caixa1, Btn_Evento };

  WidgetAdapter(VumoCaixaControl& control, Source source) : c(control), s(source) {}

  void Change() override { s == Source::Caixa ? c.Caixa_Change() : Box1(&V::Caixa1_Change); }
  void Click() override {
    if (s == Source::Btn_Evento) {
      c.Btn_Evento_Click();
    } else {
      s == Source::Caixa ? c.Caixa_Click() : Box1(&V::Caixa1_Click);
    }
  }
  void DblClick() override {
    s == Source::Caixa ? c.Caixa_DblClick() : Box1(&V::Caixa1_DblClick);
  }
  void GotFocus() override {
    s == Source::Caixa ? c.Caixa_GotFocus() : Box1(&V::Caixa1_GotFocus);
  }
  void LostFocus() override {
    s == Source::Caixa ? c.Caixa_LostFocus() : Box1(&V::Caixa1_LostFocus);
  }
  void KeyDown(std::int16_t& code, std::int16_t& shift) override {
    s == Source::Caixa ? c.Caixa_KeyDown(code, shift) : Box1(&V::Caixa1_KeyDown, code, shift);
  }
  void KeyPress(std::int16_t& ascii) override {
    s == Source::Caixa ? c.Caixa_KeyPress(ascii) : Box1(&V::Caixa1_KeyPress, ascii);
  }
  void KeyUp(std::int16_t& code, std::int16_t& shift) override {
    s == Source::Caixa ? c.Caixa_KeyUp(code, shift) : Box1(&V::Caixa1_KeyUp, code, shift);
  }
  void MouseDown(std::int16_t& b, std::int16_t& sh, float& x, float& y) override {
    s == Source::Caixa ? c.Caixa_MouseDown(b, sh, x, y) : Box1(&V::Caixa1_MouseDown, b, sh, x, y);
  }
  void MouseMove(std::int16_t& b, std::int16_t& sh, float& x, float& y) override {
    s == Source::Caixa ? c.Caixa_MouseMove(b, sh, x, y) : Box1(&V::Caixa1_MouseMove, b, sh, x, y);
  }
  void MouseUp(std::int16_t& b, std::int16_t& sh, float& x, float& y) override {
    s == Source::Caixa ? c.Caixa_MouseUp(b, sh, x, y) : Box1(&V::Caixa1_MouseUp, b, sh, x, y);
  }

 private:
  using V = VumoCaixaControl;

  // Runs a handler of Caixa1; the button delivers nothing but Click.
  template <typename Handler, typename... Args>
  void Box1(Handler handler, Args&... args) {
    if (s == Source::Caixa1) {
      (c.*handler)(args...);
    }
  }

  VumoCaixaControl& c;
  Source s;
};

VumoCaixaControl::VumoCaixaControl(ConstituentWidgets widgets, Container& container,
                                   Runtime& runtime)
    : m_Container(container), m_Runtime(runtime), m_Widgets(std::move(widgets)) {
  if (!m_Widgets.Caixa || !m_Widgets.Caixa1 || !m_Widgets.Caixa2 || !m_Widgets.Btn_Evento) {
    throw HostError("VumoCaixaControl needs all four of its widgets");
  }
  const FontRef font = std::make_shared<vumocaixa::Font>();
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

  using Source = WidgetAdapter::Source;
  m_CaixaEvents = std::make_unique<WidgetAdapter>(*this, Source::Caixa);
  m_Caixa1Events = std::make_unique<WidgetAdapter>(*this, Source::Caixa1);
  m_BtnEvents = std::make_unique<WidgetAdapter>(*this, Source::Btn_Evento);
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
