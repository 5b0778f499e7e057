#pragma once
// The runtime services the control uses besides its widgets and container: the
// modal message box, the beep, simulated keystrokes and the regional settings.

#include <string_view>

#include <vumocaixa/host/regional.hpp>

namespace vumocaixa {

// Message box styles.
inline constexpr int kStopIcon = 16;         // property errors
inline constexpr int kInformationIcon = 64;  // entry errors

class Runtime {
 public:
  virtual ~Runtime() = default;

  // A modal box with an OK button; returns when the user has closed it.
  virtual void ShowMessage(std::string_view prompt, int style, std::string_view title) = 0;
  virtual void Beep() = 0;
  // Queues keystrokes to the host; the control only ever sends "{Tab}" without waiting.
  virtual void SendKeys(std::string_view keys, bool wait) = 0;
  // The user's regional settings, for the locale services of regional.hpp.
  [[nodiscard]] virtual const RegionalSettings& Regional() const = 0;
};

}  // namespace vumocaixa
