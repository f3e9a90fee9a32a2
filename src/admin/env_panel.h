#pragma once
// One tab's panel of the settings window frmEnv. The frame makes every panel of its tab table
// (env_tabs.h) when it loads, each as a page: a child window of the frame covering the panel
// area, a Dialog with its own control table and handler table. One page is shown at a time.
//
// A panel of its own: derive from EnvPanel, build the controls in OnLoad (CreateControls with the
// page's extraWidth(), handlers with On/OnClick), bring what it shows up to date in Prepare, and
// put its factory into the tab table. Control ids are unique in the whole window: the frame keeps
// 100-199, the panel of tab i takes (i + 2) * 100 to (i + 2) * 100 + 99. The frame passes the
// agent's settings commands ("IPS", "GF") and class-10 texts to every panel while it is visible.
#include <functional>
#include <string>

#include "ui/dialog.h"

// What the frame remembers for its panels when it loads.
struct EnvPaths {
  std::string ipIni;         // ip.ini
  std::string startList;     // Skin\StartN.mts
  std::string envFile;       // env.mts
  std::string desktopList;   // DFList.MTS
  std::string categories;    // Skin\Vdcate.ini
  std::string gameEntries;   // Game.mts in the game data folder
  std::string launchers;     // GameExe.ini
  std::string systemFolder;  // the Windows system folder, as for the patch job file
};

struct EnvContext {
  EnvPaths paths;
  bool inspectionShown = true;        // dwGPTest is 0: the patch panel shows its inspection box ChkTest
  std::function<void()> closeWindow;  // closes the settings window
};

class EnvPanel : public Dialog {
 public:
  explicit EnvPanel(std::string name) : Dialog(std::move(name)) {}

  // Makes the page on the frame over area (pixels), extraWidth twips wider than drawn.
  bool CreatePage(HWND frame, const RECT& area, int extraWidth, const EnvContext& context);
  // The wide option changed: the page now covers area, extraWidth twips wider than drawn.
  void Resize(const RECT& area, int extraWidth);

  // The tab was chosen: bring what the panel shows up to date.
  virtual void Prepare() {}
  virtual void OnAgentCommand(const std::string& /*command*/) {}
  virtual void OnSettingsText(const std::string& /*text*/) {}

  const EnvContext& context() const { return context_; }

 protected:
  WindowOptions Options() const override;
  int extraWidth() const { return extraWidth_; }

 private:
  HWND frame_ = nullptr;
  RECT area_{};
  int extraWidth_ = 0;
  EnvContext context_;
};

// A tab whose panel comes later: named, and empty.
class EmptyPanel : public EnvPanel {
 public:
  using EnvPanel::EnvPanel;
};
