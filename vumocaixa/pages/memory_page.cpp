#include <vumocaixa/pages/memory_page.hpp>

#include <stdexcept>

namespace vumocaixa {

MemoryPageWidget::MemoryPageWidget(const PageWidgetLayout& layout, std::vector<std::string>* log)
    : m_Layout(layout), m_Log(log) {
  if (layout.kind != PageWidgetKind::PictureBox) m_Text = std::string(layout.caption);
}

void MemoryPageWidget::Notify(PageNotification n) {
  m_Log->push_back(std::string(m_Layout.name) +
                   (n == PageNotification::Click ? ":Click" : ":Change"));
  if (m_Notify) m_Notify(n);
}

void MemoryPageWidget::SetText(std::string_view text) {
  if (m_Text == text) return;
  m_Text = std::string(text);
  if (m_Layout.kind == PageWidgetKind::TextBox) Notify(PageNotification::Change);
}

void MemoryPageWidget::SetValue(int value) {
  if (value != 0 && value != 1) throw std::invalid_argument("check box value must be 0 or 1");
  if (m_Value == value) return;
  m_Value = value;
  Notify(PageNotification::Click);
}

void MemoryPageWidget::AddItem(std::string_view item) { m_Items.emplace_back(item); }

std::string MemoryPageWidget::List(int index) const {
  return index >= 0 && index < ListCount() ? m_Items[static_cast<std::size_t>(index)] : "";
}

void MemoryPageWidget::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) throw std::out_of_range("list index out of range");
  if (m_ListIndex == index) return;
  m_ListIndex = index;
  Notify(PageNotification::Click);
}

void MemoryPageWidget::SetNotify(std::function<void(PageNotification)> notify) {
  m_Notify = std::move(notify);
}

PageWidget& MemoryPageSurface::Add(const PageWidgetLayout& layout) {
  m_Widgets.push_back(std::make_unique<MemoryPageWidget>(layout, &m_Log));
  return *m_Widgets.back();
}

MemoryPageWidget& MemoryPageSurface::Widget(std::string_view name) const {
  for (const auto& w : m_Widgets) {
    if (w->Layout().name == name) return *w;
  }
  throw std::out_of_range("no page widget named " + std::string(name));
}

std::vector<const MemoryPageWidget*> MemoryPageSurface::Widgets() const {
  std::vector<const MemoryPageWidget*> out;
  for (const auto& w : m_Widgets) out.push_back(w.get());
  return out;
}

}  // namespace vumocaixa
