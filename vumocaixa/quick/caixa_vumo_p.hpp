#pragma once
// The inside of a CaixaVumo: the control, its parts and services, and the frame the
// parts see.

#include <memory>

#include <QPointer>
#include <QQmlEngine>

#include <vumocaixa/control/vumocaixa_control.hpp>

#include "caixa_vumo.hpp"
#include "quick_edit_box_p.hpp"
#include "quick_label_button_p.hpp"
#include "quick_services_p.hpp"

namespace vumocaixa::quick {

class CaixaVumo::Private final : public QuickFrame {
 public:
  Private(CaixaVumo& item, QQmlEngine& engine);
  ~Private() override;

  QQuickItem& FrameItem() override { return q; }
  QQmlEngine& Engine() override { return engine; }
  [[nodiscard]] qreal Dpi() const override { return dpi; }
  void ReportError(const QString& where, const QString& what) noexcept override;
  void KeystrokeDone() override { runtime.PlayQueuedKeys(); }
  [[nodiscard]] bool ShowingMessage() const override { return showingMessage > 0; }
  [[nodiscard]] bool Complete() const override { return q.isComponentComplete(); }

  // Runs f as a call from Qt into the control; false when a handler deleted the item
  // meanwhile, and then the caller must not touch the item.
  template <class F>
  bool Call(const char* where, F&& f) {
    const std::shared_ptr<qtcommon::FrameLife> life = Life();
    Guarded(*this, where, std::forward<F>(f));
    return !life->gone;
  }

  // Nothing reaches the control while it and its parts go.
  void Detach();
  // Takes the parts' items out of the item, which is being deleted while a call is
  // under way: they go with this object once the call has unwound.
  void Orphan();

  // The item is complete: the parts its data type shows are made.
  void MakeShownParts();
  // The box the data type shows takes the focus of the item, its names and its width.
  void FollowActiveBox();
  void RefreshNames();
  // The modal dialog of the control's messages; returns when it is closed.
  void ShowDialog(const QString& texto, const QString& titulo);

  CaixaVumo& q;
  QQmlEngine& engine;
  qreal dpi;
  QuickContainer container;
  QuickRuntime runtime;
  QuickEditBox* caixa;
  QuickEditBox* caixa1;
  QuickLabel* caixa2;
  QuickButton* button;
  VumoCaixaControl control;
  int showingMessage = 0;
};

}  // namespace vumocaixa::quick
