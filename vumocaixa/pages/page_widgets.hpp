#pragma once
// What a design-time page needs from a toolkit: widgets placed from a table of
// layouts (positions in twips), their values, and their notifications.
//
// Setting a widget to the value it already holds raises no notification.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <vumocaixa/host/values.hpp>

namespace vumocaixa {

enum class PageWidgetKind { Frame, Label, CheckBox, TextBox, DropDownList, PictureBox };

enum class PageAlignment { Left, Centre };

// How one widget of a page looks and where it stands. Positions are relative to the
// containing frame, or to the page when container is empty.
struct PageWidgetLayout {
  std::string_view name;
  PageWidgetKind kind;
  std::string_view caption;  // caption, initial text, or the picture's resource name
  int left;
  int top;
  int width;
  int height;
  std::string_view container;  // "" for the page itself
  int tabIndex;
  bool visible = true;
  // Look; an empty font name keeps the page's font.
  std::string_view fontName = {};
  double fontSize = 0;
  bool bold = false;
  PageAlignment alignment = PageAlignment::Left;
  Color foreColor = kSystemWindowTextColor;
};

// A page's twips client area and caption.
struct PageLayout {
  std::string_view caption;
  int width;
  int height;
};

enum class PageNotification { Click, Change };

class PageWidget {
 public:
  virtual ~PageWidget() = default;

  // Caption of frames, labels and check boxes; content of text boxes.
  [[nodiscard]] virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;  // a text box raises Change

  // Check box state, 0 unchecked or 1 checked; a change raises Click.
  [[nodiscard]] virtual int Value() const = 0;
  virtual void SetValue(int value) = 0;

  // Drop-down list: the entries and the selected position (-1 for none); a change of
  // position raises Click.
  virtual void AddItem(std::string_view item) = 0;
  [[nodiscard]] virtual int ListCount() const = 0;
  [[nodiscard]] virtual std::string List(int index) const = 0;
  [[nodiscard]] virtual int ListIndex() const = 0;
  virtual void SetListIndex(int index) = 0;

  // Whether the user may change the widget; a disabled widget keeps its value and
  // still takes values set by the page.
  [[nodiscard]] virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;

  // The receiver of this widget's notifications.
  virtual void SetNotify(std::function<void(PageNotification)> notify) = 0;
};

// The surface a page is drawn on: creates its widgets in tab order.
class PageSurface {
 public:
  virtual ~PageSurface() = default;
  virtual void SetPage(const PageLayout& page) = 0;
  virtual PageWidget& Add(const PageWidgetLayout& layout) = 0;
};

}  // namespace vumocaixa
