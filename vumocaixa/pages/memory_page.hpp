#pragma once
// An in-memory page surface: page widgets that hold their values, notify on change,
// and record every notification, for tests and headless use.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <vumocaixa/pages/page_widgets.hpp>

namespace vumocaixa {

class MemoryPageWidget : public PageWidget {
 public:
  explicit MemoryPageWidget(const PageWidgetLayout& layout, std::vector<std::string>* log);

  [[nodiscard]] const PageWidgetLayout& Layout() const { return m_Layout; }

  [[nodiscard]] std::string Text() const override { return m_Text; }
  void SetText(std::string_view text) override;
  [[nodiscard]] int Value() const override { return m_Value; }
  void SetValue(int value) override;
  void AddItem(std::string_view item) override;
  [[nodiscard]] int ListCount() const override { return static_cast<int>(m_Items.size()); }
  [[nodiscard]] std::string List(int index) const override;
  [[nodiscard]] int ListIndex() const override { return m_ListIndex; }
  void SetListIndex(int index) override;
  [[nodiscard]] bool Enabled() const override { return m_Enabled; }
  void SetEnabled(bool enabled) override { m_Enabled = enabled; }
  void SetNotify(std::function<void(PageNotification)> notify) override;

 private:
  void Notify(PageNotification n);

  PageWidgetLayout m_Layout;
  std::vector<std::string>* m_Log;
  std::string m_Text;
  int m_Value = 0;
  std::vector<std::string> m_Items;
  int m_ListIndex = -1;
  bool m_Enabled = true;
  std::function<void(PageNotification)> m_Notify;
};

class MemoryPageSurface : public PageSurface {
 public:
  void SetPage(const PageLayout& page) override { m_Page = page; }
  PageWidget& Add(const PageWidgetLayout& layout) override;

  [[nodiscard]] const PageLayout& Page() const { return m_Page; }
  // The widget of that name; throws std::out_of_range when there is none.
  [[nodiscard]] MemoryPageWidget& Widget(std::string_view name) const;
  // Widgets in the order they were added (the tab order).
  [[nodiscard]] std::vector<const MemoryPageWidget*> Widgets() const;
  // Notifications raised so far, as "name:Click" or "name:Change".
  [[nodiscard]] const std::vector<std::string>& Notifications() const { return m_Log; }
  void ClearNotifications() { m_Log.clear(); }

 private:
  PageLayout m_Page{};
  std::vector<std::unique_ptr<MemoryPageWidget>> m_Widgets;
  std::vector<std::string> m_Log;
};

}  // namespace vumocaixa
