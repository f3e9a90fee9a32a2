#pragma once
// The IP table panel of the settings window: the cafe's IP plan in ip.ini (groups of PC numbers
// and their addresses, computer name prefix, mask, gateway, DNS servers), and applying one
// address of the plan to this PC.
#include <optional>
#include <vector>

#include "admin/env_panel.h"
#include "admin/ip_plan.h"
#include "ui/bindings.h"
#include "upkeep/network_identity.h"

class IpTablePanel : public EnvPanel {
 public:
  static constexpr UINT_PTR kTimer2 = 2;  // polls the end of the address change

  IpTablePanel() : EnvPanel("pnlIpTable") {}
  void Prepare() override { LoadIPini(); }
  void OnAgentCommand(const std::string& command) override;

  // Reads ip.ini into the lists and boxes; a missing file leaves the panel empty.
  void LoadIPini();
  const std::vector<IpGroup>& Groups() const { return groups_; }

 protected:
  void OnLoad() override;
  void OnTimer(UINT_PTR id) override;

 private:
  std::vector<Binding> Bindings() const;
  void AddGroupRows(const IpGroup& group);
  void cmdIPAdd_Click();
  void cmdIPDel_Click();
  void cmdIPSave_Click();
  void cboDns_Click();
  void lvwIpLst_DblClick();
  void Timer2_Timer();
  void ShowWaiting(bool visible);

  std::vector<IpGroup> groups_;
  IpBatchChange change_;  // the address being applied, from the batch to Timer2's end
};
