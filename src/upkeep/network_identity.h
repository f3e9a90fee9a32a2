#pragma once
// The PC's network identity by its number: address, mask, gateway and DNS servers from ipc.ini,
// first through a netsh batch, then through the adapters' management interface; and the computer
// name. The real network settings change only in RunIpBatch (the batch) and in
// SetStaticIpByAdapter (WMI); both go through seams that tests replace.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#undef SetComputerName  // the name is ours; Win32's is reached as SetComputerNameW

struct IpTarget {
  std::string ip, mask, gateway, dns1, dns2;
  std::string tesselServer;  // [SIP] TESSEL, kept as SvrIP once the address is in place
  std::string agentServer;   // [SIP] VENDARA, the agent's Server value
};

// The target this PC's number is given in <program folder>\ipc.ini; nothing when the file is
// missing or names no address for the number.
std::optional<IpTarget> ReadIpTarget();

// The five lines of ipSet.bat, each ended by CR LF; systemFolder holds netsh.
std::string IpBatchText(const std::string& systemFolder, const IpTarget& target);
// Deletes ipSet.bat and ip.txt, then writes ipSet.bat anew.
void WriteIpBatch(const IpTarget& target);
// Starts ipSet.bat hidden; true when the shell accepted it.
bool RunIpBatch();

// The first non-empty address of the adapter list, spaces removed; "" on any failure.
std::string GetCurrentIp();
void SetStaticIpByAdapter(const IpTarget& target);
// One address change through ipSet.bat, from its start to the end of the batch, which the window
// that started it polls once a second.
class IpBatchChange {
 public:
  // Writes ipSet.bat for the target and starts it hidden; false when the shell refused it.
  bool Start(const IpTarget& target);
  // True while the batch runs (a command interpreter is still there).
  bool Running() const;
  // The target of the change, once; nothing when none was started since.
  std::optional<IpTarget> TakeTarget();

 private:
  std::optional<IpTarget> target_;
};

// Ends every command interpreter (an earlier batch may hang) when one runs.
void EndCommandInterpreters();
// After the batch: true when the PC has the target's address, trying the adapter route once
// (and waiting for it) when it has not.
bool EnsureIpAddress(const IpTarget& target);
// EnsureIpAddress, and when the address is in place stores the server addresses and tells the
// agent "IP". True when it is in place.
bool CompleteIpChange(const IpTarget& target);

// Writes PcNum (number as an integer) and, for a non-blank prefix + number, the computer name.
void SetComputerName(const std::string& prefix, const std::string& number);

// Tests: stand-ins for reading the address and for the adapter route; empty members are the real ones.
struct NetworkSystem {
  std::function<std::string()> currentIp;
  std::function<void(const IpTarget&)> setStatic;
};
void SetNetworkSystem(NetworkSystem system);
