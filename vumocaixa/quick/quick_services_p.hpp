#pragma once
// The container and the runtime services of a control inside a CaixaVumo item.
//
// QuickContainer: the control's events become the item's signals, with an EventoCaixa
// whose fields the handler may change; the control's size in twips follows the item's
// size in pixels. QuickRuntime: messages go to the item (its signal mensagem and its
// dialog), "{Tab}" moves the focus to the next item of the window's focus chain outside
// the control once the keystroke is complete, the regional settings are the system
// locale's when it is Brazilian and the Brazilian defaults otherwise.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include <vumocaixa/host/container.hpp>
#include <vumocaixa/host/runtime.hpp>
#include <vumocaixa/qtcommon/frame.hpp>

namespace vumocaixa::quick {

class CaixaVumo;

class QuickContainer final : public Container, private ControlEvents {
 public:
  // The control's events reach item's signals through the failure boundary of frame.
  QuickContainer(CaixaVumo& item, qtcommon::Frame& frame) : m_item(item), m_frame(frame) {}

  ControlEvents& Events() override { return *this; }
  void PropertyChanged(std::string_view name) override;
  [[nodiscard]] bool CanPropertyChange(std::string_view /*name*/) override { return true; }
  [[nodiscard]] FontRef AmbientFont() const override;
  [[nodiscard]] std::int32_t Width() const override { return m_width; }
  void SetWidth(std::int32_t width) override;
  [[nodiscard]] std::int32_t Height() const override { return m_height; }
  void SetHeight(std::int32_t height) override;
  void Attach(ContainerClient* client) override { m_client = client; }

  // The item was resized (by a layout, by the application): takes its size in twips and
  // calls UserControl_Resize when that differs from the control's size.
  void ItemResized();

 private:
  void Change() override;
  void Click() override;
  void DblClick() override;
  void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void KeyEnter(std::int16_t& Cancel) override;
  void KeyPress(std::int16_t& KeyAscii) override;
  void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void MandarEmail(std::string& Endereco) override;
  void AbrirHomePage(std::string& Endereco) override;
  void Resized();
  void ApplySize();
  template <class F>
  void Emit(F&& emitter) {
    qtcommon::EmitToHost(m_frame.Life(), std::forward<F>(emitter));
  }

  CaixaVumo& m_item;
  qtcommon::Frame& m_frame;
  ContainerClient* m_client = nullptr;
  std::int32_t m_width = kDesignWidth;
  std::int32_t m_height = kDesignHeight;
  int m_resizeDepth = 0;
  bool m_applying = false;
};

class QuickRuntime final : public Runtime {
 public:
  // A failing handler of item's mensagem or bipe is reported to frame, and the message
  // is still shown, the beep still sounds.
  QuickRuntime(CaixaVumo& item, qtcommon::Frame& frame);

  void ShowMessage(std::string_view prompt, int style, std::string_view title) override;
  void Beep() override;
  // Only "{Tab}" (in any case) is known; other keys fail with HostError.
  void SendKeys(std::string_view keys, bool wait) override;
  [[nodiscard]] const RegionalSettings& Regional() const override { return m_regional; }

  // Plays the keys that SendKeys queued.
  void PlayQueuedKeys();

 private:
  void MoveFocusToNext();

  CaixaVumo& m_item;
  qtcommon::Frame& m_frame;
  RegionalSettings m_regional;
  int m_queuedTabs = 0;
};

}  // namespace vumocaixa::quick
