#include "app/agent_wiring.h"

#include "admin/frm_env.h"
#include "agent/agent_receivers.h"
#include "app/frm_tray.h"
#include "app/layout_switch.h"

void ConnectAgentReceivers() {
  AgentReceivers& receivers = TheAgentReceivers();
  receivers.switchLayout = SwitchLayout;
  receivers.changeIp = [] { TheFrmTray().ChangIP(); };
  receivers.readRecoveryState = [] { TheFrmTray().IPCA_CHK(); };
  receivers.settingsCommand = [](const std::string& command) { TheFrmEnv().ReceiveAgentCommand(command); };
  receivers.settingsText = [](const std::string& text) { TheFrmEnv().ReceiveSettingsText(text); };
}
