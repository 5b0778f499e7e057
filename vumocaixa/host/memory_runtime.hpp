#pragma once
// MemoryRuntime: runtime services in memory, for tests and headless use. It records
// every message box, beep and SendKeys call, and holds configurable regional
// settings (Brazilian by default).
//
//   MemoryRuntime runtime;
//   runtime.OnShowMessage = [](const ShownMessage& m) { std::cout << m.prompt; };
//   ... the control runs ...
//   EXPECT_EQ(runtime.Messages().at(0).title, "Valor inválido");
//
// Connected to a MemoryFocus, a "{Tab}" sent with SendKeys is queued there and played
// when the running keystroke is complete, so the focus moves on as on a real form.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/runtime.hpp>

namespace vumocaixa {

class MemoryFocus;

struct ShownMessage {
  std::string prompt;
  int style = 0;
  std::string title;

  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

struct SentKeys {
  std::string keys;
  bool wait = false;

  friend bool operator==(const SentKeys&, const SentKeys&) = default;
};

class MemoryRuntime final : public Runtime {
 public:
  MemoryRuntime() = default;
  explicit MemoryRuntime(RegionalSettings regional) : m_regional(std::move(regional)) {}

  // --- Runtime ------------------------------------------------------------------
  void ShowMessage(std::string_view prompt, int style, std::string_view title) override;
  void Beep() override { ++m_beeps; }
  void SendKeys(std::string_view keys, bool wait) override;
  [[nodiscard]] const RegionalSettings& Regional() const override { return m_regional; }

  // --- Set-up ---------------------------------------------------------------------
  void SetRegional(RegionalSettings regional) { m_regional = std::move(regional); }
  // Called after each message is recorded, as the user closing the box would be.
  std::function<void(const ShownMessage&)> OnShowMessage;
  // Where SendKeys queues "{Tab}"; nullptr records the keys only.
  void ConnectFocus(MemoryFocus* focus) { m_focus = focus; }

  // --- What happened ----------------------------------------------------------------
  [[nodiscard]] const std::vector<ShownMessage>& Messages() const { return m_messages; }
  [[nodiscard]] int Beeps() const { return m_beeps; }
  [[nodiscard]] const std::vector<SentKeys>& Keys() const { return m_keys; }
  // Forgets the messages, beeps and keys.
  void Clear();

 private:
  RegionalSettings m_regional;
  MemoryFocus* m_focus = nullptr;
  std::vector<ShownMessage> m_messages;
  int m_beeps = 0;
  std::vector<SentKeys> m_keys;
};

}  // namespace vumocaixa
