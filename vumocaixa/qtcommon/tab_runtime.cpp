#include <vumocaixa/qtcommon/tab_runtime.hpp>

#include <QLocale>
#include <QTimer>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qtcommon/regional_locale.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>

namespace vumocaixa::qtcommon {

TabRuntime::TabRuntime(QObject& context)
    : m_context(context), m_regional(RegionalFromLocale(QLocale::system())) {}

void TabRuntime::SendKeys(std::string_view keys, bool wait) {
  if (FromUtf8(keys).compare(QStringLiteral("{Tab}"), Qt::CaseInsensitive) != 0) {
    throw HostError("SendKeys knows only {Tab}");
  }
  ++m_queuedTabs;
  if (wait) {
    PlayQueuedKeys();
    return;
  }
  // Played by the box at the end of the keystroke; this covers calls from elsewhere.
  QTimer::singleShot(0, &m_context, [this] { PlayQueuedKeys(); });
}

void TabRuntime::PlayQueuedKeys() {
  while (m_queuedTabs > 0 && !Gone()) {
    --m_queuedTabs;
    MoveFocusToNext();
  }
}

}  // namespace vumocaixa::qtcommon
