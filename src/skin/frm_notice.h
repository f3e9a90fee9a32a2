#pragma once
// FrmNotice: the cafe's notice lines (the NOTE keys of env.mts) on a picture, shown beside the
// banner at start and again when the agent asks; closed by its button, dragged with the left button.
#include <array>
#include <string>
#include <vector>

#include "images/picture.h"
#include "ui/picture_button.h"
#include "ui/window.h"

inline constexpr int kNoticeLabels = 5;
inline constexpr int kNoticeLabelId = 100;  // + line
inline constexpr int kNoticeCloseId = 200;

class FrmNotice : public Window {
 public:
  FrmNotice() : Window("FrmNotice") {}
  // What the labels lblNotice show, one line each.
  std::vector<std::string> Lines() const;

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnUnload() override;
  void OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) const;

  Picture picture_;
  PictureButton cmdClose_;
  std::array<HWND, kNoticeLabels> lblNotice_{};
  HFONT font_ = nullptr;
};

FrmNotice& TheFrmNotice();
// Loads the notice window (reading the lines afresh) and shows it without taking the focus.
void ShowFrmNotice();
