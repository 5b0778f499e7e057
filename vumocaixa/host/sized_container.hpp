#pragma once
// SizedContainer: the part of a container that every host keeps alike, the control's
// own size in twips and the client it calls when that size changes.
//
// The size starts at kDesignWidth x kDesignHeight. A size that differs from the
// current one is taken, handed to the host (SizeSet) and followed by the client's
// UserControl_Resize, also while that runs; the same size again does nothing.
// Negative sizes, and a resize that keeps resizing itself more than 100 levels deep,
// fail with HostError.

#include <cstdint>

#include <vumocaixa/host/container.hpp>

namespace vumocaixa {

class SizedContainer : public Container {
 public:
  [[nodiscard]] std::int32_t Width() const override { return m_width; }
  void SetWidth(std::int32_t width) override { SetSize(width, m_height); }
  [[nodiscard]] std::int32_t Height() const override { return m_height; }
  void SetHeight(std::int32_t height) override { SetSize(m_width, height); }
  void Attach(ContainerClient* client) override { m_client = client; }

  // Sets both sizes and calls UserControl_Resize once if either changed, as a host
  // does when the user drags the control's corner.
  void SetSize(std::int32_t width, std::int32_t height);
  [[nodiscard]] ContainerClient* Client() const { return m_client; }

 protected:
  // The host's own widget took a size (by a layout, by the user): the control takes it,
  // without handing it back, and is resized when it differs.
  void TakeSize(std::int32_t width, std::int32_t height);
  // The control's size changed through SetSize: the host gives it to its widget.
  virtual void SizeSet() {}

 private:
  void Resized();

  ContainerClient* m_client = nullptr;
  std::int32_t m_width = kDesignWidth;
  std::int32_t m_height = kDesignHeight;
  int m_resizeDepth = 0;
};

}  // namespace vumocaixa
