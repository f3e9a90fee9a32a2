#pragma once
// Connects the agent's commands to the windows above the link (tray, layouts).
void ConnectAgentReceivers();
