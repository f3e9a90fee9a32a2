#pragma once
// What the agent's commands reach on the floors above the link: the entry connects these once at
// start-up. An empty slot does nothing.
#include <functional>
#include <string>

struct AgentReceivers {
  std::function<void()> switchLayout;       // "J2": the owner changed the layout or the pinning switch
  std::function<void()> changeIp;           // "IPC": take the address ipc.ini assigns to this PC
  std::function<void()> readRecoveryState;  // "NO": the recovery module's state for the tray tip
  // "IPS", "GF": the settings window reloads what the agent rewrote, when it is open and visible.
  std::function<void(const std::string& command)> settingsCommand;
  // Class 10: a text for the settings window's server list, when it is open and visible.
  std::function<void(const std::string& text)> settingsText;
};

AgentReceivers& TheAgentReceivers();
