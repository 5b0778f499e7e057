#include <vumocaixa/control/memory_form.hpp>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

std::unique_ptr<MemoryWidget> MakeWidget(WidgetKind kind, const char* name, MemoryFocus& focus,
                                         MemoryWidget*& keep) {
  auto widget = std::make_unique<MemoryWidget>(kind, name);
  widget->SetFocusScope(&focus);
  keep = widget.get();
  return widget;
}

}  // namespace

MemoryForm::MemoryForm(MemoryFormOptions options) : m_runtime(std::move(options.regional)) {
  m_next.SetFocusScope(&m_focus);
  m_runtime.ConnectFocus(&m_focus);
  m_focus.SetTabHandler([this] { Tab(); });
  m_container.SetSize(options.width, options.height);
  if (options.ambientFont) m_container.SetAmbientFont(std::move(options.ambientFont));

  ConstituentWidgets widgets;
  widgets.Caixa = MakeWidget(WidgetKind::EditBox, "Caixa", m_focus, m_caixa);
  widgets.Caixa1 = MakeWidget(WidgetKind::EditBox, "Caixa1", m_focus, m_caixa1);
  widgets.Caixa2 = MakeWidget(WidgetKind::LabelBox, "Caixa2", m_focus, m_caixa2);
  widgets.Btn_Evento = MakeWidget(WidgetKind::PushButton, "Btn_Evento", m_focus, m_botao);
  m_control = std::make_unique<VumoCaixaControl>(std::move(widgets), m_container, m_runtime);
  if (options.saved != nullptr) {
    m_control->UserControl_ReadProperties(*options.saved);
  } else {
    m_control->UserControl_InitProperties();
  }
  m_control->UserControl_Resize();
}

MemoryForm::~MemoryForm() {
  m_focus.SetTabHandler(nullptr);
  m_runtime.ConnectFocus(nullptr);
}

MemoryWidget& MemoryForm::Active() {
  Widget& active = m_control->ActiveWidget();
  if (&active == m_caixa1) {
    return *m_caixa1;
  }
  return &active == m_caixa2 ? *m_caixa2 : *m_caixa;
}

std::string MemoryForm::Shown() { return Active().Text(); }

bool MemoryForm::HasFocus() const {
  const MemoryWidget* current = m_focus.Current();
  return current != nullptr &&
         (current == m_caixa || current == m_caixa1 || current == m_caixa2 || current == m_botao);
}

void MemoryForm::Enter() {
  if (!HasFocus()) {
    m_control->UserControl_GotFocus();
  }
  m_focus.PlayQueuedKeys();
}

void MemoryForm::Leave() {
  Enter();
  m_next.SetFocus();
  m_focus.PlayQueuedKeys();
}

void MemoryForm::Tab() {
  if (HasFocus()) {
    m_focus.MoveTo(&m_next);
  } else {
    m_control->UserControl_GotFocus();
  }
}

MemoryWidget& MemoryForm::Focused() {
  MemoryWidget* current = m_focus.Current();
  if (current == nullptr) {
    throw HostError("no widget has the focus");
  }
  return *current;
}

void MemoryForm::EnsureFocus() {
  Enter();
  if (!HasFocus()) {
    throw HostError("the control cannot take the focus");
  }
}

void MemoryForm::Type(std::string_view text) {
  EnsureFocus();
  // One character at a time: a keystroke may move the focus elsewhere.
  for (char32_t c : DecodeUtf8(text)) {
    Focused().Type(EncodeUtf8(c));
  }
}

void MemoryForm::PressEnter() {
  EnsureFocus();
  Focused().PressEnter();
}

void MemoryForm::PressBackspace() {
  EnsureFocus();
  Focused().PressBackspace();
}

void MemoryForm::PressDelete() {
  EnsureFocus();
  Focused().PressDelete();
}

void MemoryForm::PressShiftDelete() {
  EnsureFocus();
  Focused().PressShiftDelete();
}

void MemoryForm::PressCtrlEnter() {
  EnsureFocus();
  Focused().PressCtrlEnter();
}

void MemoryForm::Paste(std::string_view text) {
  EnsureFocus();
  Focused().Paste(text);
}

void MemoryForm::ClickButton() {
  m_botao->SetFocus();
  m_botao->Click();
  m_focus.PlayQueuedKeys();
}

void MemoryForm::Click() { Active().Click(); }

void MemoryForm::DblClick() { Active().DblClick(); }

void MemoryForm::Resize(std::int32_t width, std::int32_t height) {
  m_container.SetSize(width, height);
}

}  // namespace vumocaixa
