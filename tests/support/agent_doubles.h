#pragma once
// Real windows on both ends of the agent link, for tests in this process: an agent window
// captioned as the agent is, which keeps what it receives, and a menu window that keeps the
// calls the hook and the agent commands make on it.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "agent/menu_window.h"
#include "ui/window.h"

struct ReceivedRecord {
  ULONG_PTR messageClass;
  std::string bytes;  // every byte the record announces, terminator included
  HWND sender;
};

class TestAgent : public Window {
 public:
  TestAgent();
  std::vector<ReceivedRecord> received;
  // The texts received with the class, in order.
  std::vector<std::string> Texts(ULONG_PTR messageClass = 3) const;

 protected:
  WindowOptions Options() const override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class TestMenuWindow : public Window, public MenuWindow {
 public:
  explicit TestMenuWindow(std::string name = "frmTestMenu") : Window(std::move(name)) {}
  std::vector<std::string> calls;
  bool buttonLayoutFlag = false;
  std::vector<UINT> ownMessages;  // messages that reached the window's own procedure
  int OwnCount(UINT msg) const { return static_cast<int>(std::count(ownMessages.begin(), ownMessages.end(), msg)); }

  HWND MenuHandle() const override { return hwnd(); }
  void Form_Size() override { calls.push_back("Form_Size"); }
  void Form_Location() override { calls.push_back("Form_Location"); }
  void cmdMenu_Click(int index) override { calls.push_back("cmdMenu_Click(" + std::to_string(index) + ")"); }
  void Load_Notice() override { calls.push_back("Load_Notice"); }
  void CateMain(bool) override { calls.push_back("CateMain"); }
  void WidthHeightSet() override { calls.push_back("WidthHeightSet"); }
  void LoadButton(int mode) override { calls.push_back("LoadButton(" + std::to_string(mode) + ")"); }
  void Load_CateF2() override { calls.push_back("Load_CateF2"); }
  void Load_CmdBtn() override { calls.push_back("Load_CmdBtn"); }
  void Load_Image() override { calls.push_back("Load_Image"); }
  void PlaceAtStoredPosition() override { calls.push_back("PlaceAtStoredPosition"); }
  bool ButtonLayoutFlag() const override { return buttonLayoutFlag; }
  void HideSkinnedWindow() override { calls.push_back("HideSkinnedWindow"); }
  void HidePopups() override { calls.push_back("HidePopups"); }
  void ResetCategorySelection() override { calls.push_back("ResetCategorySelection"); }
  void SetFixedElement(bool on) override { calls.push_back(on ? "Fixed(on)" : "Fixed(off)"); }
  void PressFloatingButton(int index) override { calls.push_back("Press(F" + std::to_string(index) + ")"); }
  void ShowNotice() override { calls.push_back("ShowNotice"); }
  void LoginNotice(int reason) override { calls.push_back("LoginNotice(" + std::to_string(reason) + ")"); }

 protected:
  WindowOptions Options() const override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// Sends a copy-data record to the window as the agent would.
LRESULT SendRecord(HWND target, ULONG_PTR messageClass, const void* data, DWORD byteCount);
LRESULT SendCommand(HWND target, const std::string& text, ULONG_PTR messageClass = 3);
