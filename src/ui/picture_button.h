#pragma once
// A child button painted from pictures: normal, hover while the mouse is over it, pressed while
// the left button is held. A click sends WM_COMMAND (BN_CLICKED, the button's id) to the parent.
// Hover is followed by the system's leave notice, or, for the skinned windows, by holding the
// mouse capture while the pointer is inside (HoverByCapture).
// Without pictures it is drawn as a plain button with its window text, in the font it was given.
#include <windows.h>

#include <string>

#include "images/picture.h"

class PictureButton {
 public:
  enum class State { Normal, Hover, Pressed };

  PictureButton() = default;
  ~PictureButton();
  PictureButton(const PictureButton&) = delete;
  PictureButton& operator=(const PictureButton&) = delete;

  bool Create(HWND parent, int id, int x, int y, int width, int height);
  HWND hwnd() const { return hwnd_; }
  State state() const { return state_; }

  // A missing or unreadable file leaves that state without picture (the normal one is drawn).
  // The file is read when the state is first drawn: most hover pictures are never needed.
  void SetPicture(State state, const std::string& path);
  void SetPicture(State state, Picture picture);
  const Picture& PictureFor(State state) const;

  void Show(bool visible);
  void HoverByCapture(bool on) { byCapture_ = on; }
  // The parent's background (what it paints for WM_PRINTCLIENT) shows through transparent pictures.
  void DrawParentBehind(bool on) { parentBehind_ = on; }
  // Back to the normal picture, the capture let go: the parent saw the pointer elsewhere.
  void Leave();
  void Move(int x, int y, int width, int height);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Route(UINT msg, WPARAM wParam, LPARAM lParam);
  void SetState(State state);
  void MouseMoved(POINT at);
  void Paint();
  void PaintPlain(HDC dc, RECT area) const;

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  State state_ = State::Normal;
  bool tracking_ = false;
  bool byCapture_ = false;
  bool parentBehind_ = false;
  struct Slot {
    std::string path;  // still to be read when not empty
    Picture picture;
  };
  const Picture& Loaded(State state) const;

  mutable Slot slots_[3];
};
