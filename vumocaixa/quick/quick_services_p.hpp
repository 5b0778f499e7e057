#pragma once
// The container and the runtime services of a control inside a CaixaVumo item.
//
// QuickContainer: the control's events become the item's signals, with an EventoCaixa
// whose fields the handler may change; the control's size in twips follows the item's
// size in pixels. QuickRuntime: messages go to the item (its signal mensagem and its
// dialog), "{Tab}" moves the focus to the next item of the window's focus chain outside
// the control (see TabRuntime for when).

#include <cstdint>
#include <string_view>
#include <utility>

#include <vumocaixa/host/sized_container.hpp>
#include <vumocaixa/qtcommon/frame.hpp>
#include <vumocaixa/qtcommon/host_events.hpp>
#include <vumocaixa/qtcommon/tab_runtime.hpp>

namespace vumocaixa::quick {

class CaixaVumo;

class QuickContainer final : public SizedContainer, private qtcommon::HostEvents {
 public:
  // The control's events reach item's signals through the failure boundary of frame.
  QuickContainer(CaixaVumo& item, qtcommon::Frame& frame) : m_item(item), m_frame(frame) {}

  ControlEvents& Events() override { return *this; }
  void PropertyChanged(std::string_view name) override;
  [[nodiscard]] bool CanPropertyChange(std::string_view /*name*/) override { return true; }
  [[nodiscard]] FontRef AmbientFont() const override;

  // The item was resized (by a layout, by the application): takes its size in twips and
  // calls UserControl_Resize when that differs from the control's size.
  void ItemResized();

 private:
  // Raises the item's signal with an EventoCaixa of args, and takes back what the
  // handler left in it.
  void Raise(qtcommon::HostEvent event, qtcommon::HostEventArgs& args) override;
  void SizeSet() override;
  template <class F>
  void Emit(F&& emitter) {
    qtcommon::EmitToHost(m_frame.Life(), std::forward<F>(emitter));
  }

  CaixaVumo& m_item;
  qtcommon::Frame& m_frame;
  bool m_applying = false;
};

class QuickRuntime final : public qtcommon::TabRuntime {
 public:
  // A failing handler of item's mensagem or bipe is reported to frame, and the message
  // is still shown, the beep still sounds.
  QuickRuntime(CaixaVumo& item, qtcommon::Frame& frame);

  void ShowMessage(std::string_view prompt, int style, std::string_view title) override;
  void Beep() override;

 private:
  [[nodiscard]] bool Gone() const override { return m_frame.Life()->gone; }
  void MoveFocusToNext() override;

  CaixaVumo& m_item;
  qtcommon::Frame& m_frame;
};

}  // namespace vumocaixa::quick
