#pragma once
// QtEditBox: the edit boxes Caixa and Caixa1 over a QLineEdit.
//
// Keystrokes reach the control as KeyDown, KeyPress and KeyUp with the codes of
// qtcommon/keys.hpp, and the box inserts what KeyPress hands back: 0 nothing, the typed
// code or -1 the character as typed, 8 a backspace, another code its character.
// Copy, cut, paste, undo, redo and select all keep their usual keys and type nothing.
//
// Positions, selections and MaxLength count characters (code points). MaxLength
// stops typing, pasting and dropping at that many characters; SetText is not
// limited. Setting the text raises Change only when the text really changes.
//
// GotFocus and LostFocus follow the focus between the widgets of one window: the
// box does not lose the focus when its window is deactivated, when a popup opens
// or when a message box takes the focus, and it does not get it again when the
// focus merely comes back from there.

#include <cstdint>
#include <string>
#include <string_view>

#include <QString>

#include <vumocaixa/qt/qt_widget_base.hpp>

class QLineEdit;

namespace vumocaixa::qt {

class VumoLineEdit;

class QtEditBox final : public QtWidgetBase {
 public:
  // A box whose QLineEdit, named name (a string literal), becomes a child of the frame's
  // widget once it is made (see QtWidgetBase).
  QtEditBox(QtFrame& frame, const char* name);
  ~QtEditBox() override;

  // The QLineEdit, made now if it was not yet.
  [[nodiscard]] QLineEdit& LineEdit();

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  // Fails with HostError when the box is hidden or disabled.
  void SetFocus() override;

 private:
  [[nodiscard]] QWidget* MakeWidget() override;
  void Made() override;
  void Changed(Aspect aspect) override;
  [[nodiscard]] Selection Selected() const override;
  void Select(Selection selection) override;
  [[nodiscard]] VumoLineEdit* Edit() const;
};

}  // namespace vumocaixa::qt
