#pragma once
// The world of the owner's windows under test: an agent window that keeps what it is sent, the
// real cipher component, recovery-library stand-ins on request, and the windows closed afterwards.
#include <string>
#include <vector>

#include "support/agent_doubles.h"
#include "support/test_env.h"
#include "ui/dialog.h"

class AdminTest : public TesselTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A press on the form's control, as the control reports it.
  static void Click(const Dialog& form, const std::string& name);
  static void Type(const Dialog& form, const std::string& name, const std::string& text);
  // The texts the agent received with the class, in order.
  std::vector<std::string> Sent(ULONG_PTR messageClass = 3) const { return agent.Texts(messageClass); }
  // The captions and texts of the message boxes shown so far, "caption: text".
  std::vector<std::string> Boxes() const;

  // Places a recovery library stand-in in the program folder with these answers and probes again.
  void InstallRecoveryLibrary(const char* library, const std::string& answers);

  TestAgent agent;
};
