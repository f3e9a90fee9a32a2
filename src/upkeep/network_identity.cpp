#include "upkeep/network_identity.h"

#include <windows.h>
#include <iphlpapi.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "state/app_state.h"
#include "store/agent_channel.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/launch.h"
#include "store/processes.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "store/wait.h"
#include "upkeep/static_ip_wmi.h"
#include "upkeep/windows_folders.h"

namespace {
constexpr const char* kConnection = "\"로컬 영역 연결\"";

NetworkSystem& StandIn() {
  static NetworkSystem system;
  return system;
}

std::string ProgramFile(const char* name) { return JoinPath(TheApp().ProgramFolder, name); }

std::string Value(ClsINI& ini, const char* section, const std::string& key) {
  ini.section = section;
  return RemoveNuls(ini.OpenINI(key));
}

void DeleteIfPresent(const std::string& path) {
  if (FileExists(path)) DeleteFileW(Widen(path).c_str());
}

std::string AdapterListAddress() {
  ULONG size = 0;
  if (GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0) return {};
  std::vector<unsigned char> buffer(size);
  auto* adapters = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
  if (GetAdaptersInfo(adapters, &size) != NO_ERROR) return {};
  for (const IP_ADAPTER_INFO* adapter = adapters; adapter; adapter = adapter->Next) {
    const char* text = adapter->IpAddressList.IpAddress.String;
    std::string address(text, strnlen(text, sizeof(adapter->IpAddressList.IpAddress.String)));
    address.erase(std::remove(address.begin(), address.end(), ' '), address.end());
    if (!address.empty()) return address;
  }
  return {};
}
}  // namespace

std::optional<IpTarget> ReadIpTarget() {
  ClsINI ini(ProgramFile("ipc.ini"));
  if (!FileExists(ini.filename)) return std::nullopt;
  IpTarget target;
  target.mask = Value(ini, "TCPIP", "SM");
  target.gateway = Value(ini, "TCPIP", "GW");
  target.dns1 = Value(ini, "TCPIP", "DNS1");
  target.dns2 = Value(ini, "TCPIP", "DNS2");
  target.tesselServer = Value(ini, "SIP", "TESSEL");
  target.agentServer = Value(ini, "SIP", "VENDARA");
  std::string number = Value(ini, "SIP", "PC");
  if (!number.empty()) target.ip = Value(ini, "IP", number);
  if (target.ip.empty()) return std::nullopt;
  return target;
}

std::string IpBatchText(const std::string& systemFolder, const IpTarget& t) {
  std::string netsh = systemFolder + "\\netsh -c ";
  std::string name = std::string("name=") + kConnection;
  return netsh + "int ip set address " + name + " source=static addr=" + t.ip + " mask=" + t.mask +
         " gateway=" + t.gateway + " gwmetric=0\r\n" +
         netsh + "int ip set dns " + name + " source=static addr=" + t.dns1 + " register=PRIMARY\r\n" +
         netsh + "int ip add dns " + name + " addr=" + t.dns2 + " index=2\r\n" +
         netsh + "int ip set wins " + name + " source = static addr = none\r\n" +
         netsh + "interface dump > ip.txt\r\n";
}

void WriteIpBatch(const IpTarget& target) {
  DeleteIfPresent(ProgramFile("ipSet.bat"));
  DeleteIfPresent(ProgramFile("ip.txt"));
  WriteTextFile(ProgramFile("ipSet.bat"), IpBatchText(ToolSystemFolder(), target), false, false);
}

bool RunIpBatch() {
  std::string batch = ProgramFile("ipSet.bat");
  if (!FileExists(batch)) return false;
  LaunchRequest request;
  request.file = batch;
  request.show = SW_HIDE;
  return Launch(request);  // here the machine's address really changes
}

std::string GetCurrentIp() {
  if (StandIn().currentIp) return StandIn().currentIp();
  return AdapterListAddress();
}

void SetStaticIpByAdapter(const IpTarget& target) {
  if (StandIn().setStatic) return StandIn().setStatic(target);
  SetStaticIpThroughWmi(target);
}

bool IpBatchChange::Start(const IpTarget& target) {
  WriteIpBatch(target);
  target_ = target;
  if (!RunIpBatch()) target_.reset();
  return target_.has_value();
}

bool IpBatchChange::Running() const { return target_ && IsProcessRunning("cmd.exe"); }

std::optional<IpTarget> IpBatchChange::TakeTarget() { return std::exchange(target_, std::nullopt); }

void EndCommandInterpreters() {
  if (!IsProcessRunning("cmd.exe")) return;
  LaunchRequest kill;
  kill.file = "tskill.exe";
  kill.arguments = "cmd";
  kill.show = SW_HIDE;
  Launch(kill);
}

bool EnsureIpAddress(const IpTarget& target) {
  if (GetCurrentIp() == target.ip) return true;
  SetStaticIpByAdapter(target);
  WaitMilliseconds(1500);
  return GetCurrentIp() == target.ip;
}

bool CompleteIpChange(const IpTarget& target) {
  if (!EnsureIpAddress(target)) return false;
  if (!target.tesselServer.empty())
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", target.tesselServer);
  if (!target.agentServer.empty())
    RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trelane\\vdclt\\NETCONFIG", "Server", target.agentServer);
  SendToAgent("IP", kAgentCommand);
  return true;
}

void SetComputerName(const std::string& prefix, const std::string& number) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "PcNum", std::to_string(ParseLeadingNumber(number)));
  std::string name = prefix + number;
  if (Trim(name).empty()) return;
  const char* kControl = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\";
  RegWriteString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", "NV Hostname", name);
  RegWriteString(HKEY_LOCAL_MACHINE, std::string(kControl) + "ComputerName", "ComputerName", name);
  RegWriteString(HKEY_LOCAL_MACHINE, std::string(kControl) + "ActiveComputerName", "ComputerName", name);
  RegWriteString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters",
                 "srvcomment", name);
}

void SetNetworkSystem(NetworkSystem system) { StandIn() = std::move(system); }
