#pragma once
// A floating button of the banner, F0 to F8: a small window of 110 x 127 pixels that shows one
// soft-edged PNG (per-pixel alpha) in the row above the banner, <image>_N.png, and <image>_O.png
// while the pointer is over it. It stands for a category of the catalog or a web link; what a
// click does is the banner's.
#include <functional>
#include <memory>

#include "skin/float_items.h"
#include "skin/layered_window.h"
#include "ui/window.h"

class FrmFloat : public Window {
 public:
  FrmFloat(int index, std::function<void(int index)> clicked);
  int Index() const { return index_; }
  const FloatItem& Item() const { return item_; }
  void SetItem(FloatItem item) { item_ = std::move(item); }
  // Shows the item's normal picture.
  void SetImage();
  bool Hovered() const { return hovered_; }

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnUnload() override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowPicture(const char* state);
  void MouseMoved(POINT at);
  void Released(POINT at);

  int index_;
  std::function<void(int)> clicked_;
  FloatItem item_;
  std::unique_ptr<LayeredWindow> layered_;
  bool hovered_ = false;
};
