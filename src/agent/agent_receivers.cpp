#include "agent/agent_receivers.h"

AgentReceivers& TheAgentReceivers() {
  static AgentReceivers receivers;
  return receivers;
}
