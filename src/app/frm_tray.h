#pragma once
// The hidden tray agent window: the notification icon and its menu, the once-per-process upkeep
// at load, and the handle that identifies the program to the agent. Its unload ends the process.
#include <optional>
#include <string>

#include "ui/window.h"
#include "upkeep/network_identity.h"

class FrmTray : public Window {
 public:
  static constexpr UINT_PTR kTimer1 = 1;  // adds the icon once, a second after load
  static constexpr UINT_PTR kTimer2 = 2;  // polls the end of an address change
  enum MenuItem { mnu_Setting = 1, mnu_About = 2 };

  FrmTray() : Window("FrmTray") {}

  // Shows the menu window of the layout when it is hidden.
  void mRestore_Click();
  // Sends text to the agent with class 6 (CD keys).
  void SendMsgCd(const std::string& text);
  // Reads the recovery module's state for the tip.
  void IPCA_CHK();
  // Starts the address change that ipc.ini assigns to this PC.
  void ChangIP();

  bool IconShown() const { return iconShown_; }

 protected:
  WindowOptions Options() const override;
  void OnLoad() override;
  void OnUnload() override;
  void OnTimer(UINT_PTR id) override;
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetFolderAttributes() const;
  void AddIcon() const;
  void ShowShortMenu();
  void mnu_Setting_Click();
  void PollIpChange();

  bool iconShown_ = false;
  IpBatchChange ipChange_;  // from ChangIP to the end of the poll
};

FrmTray& TheFrmTray();
