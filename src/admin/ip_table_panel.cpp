#include "admin/ip_table_panel.h"

#include <commctrl.h>

#include <iterator>

#include "admin/frm_file_set.h"
#include "state/app_state.h"
#include "store/agent_channel.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/bindings.h"
#include "ui/checks.h"
#include "ui/list_view.h"
#include "ui/message_box.h"
#include "upkeep/frm_sip.h"

namespace {
struct DnsPreset {
  const char* caption;
  const char* dns1;
  const char* dns2;
};
constexpr DnsPreset kDnsPresets[] = {
    {"통신사 선택", "", ""},
    {"한국통신(KT)", "168.126.63.1", "168.126.63.2"},
    {"하나로통신", "131.107.1.7", "210.94.0.7"},
    {"두루넷", "210.117.65.1", "210.117.65.2"},
    {"데이콤", "203.248.252.2", "164.124.101.2"},
    {"신비로", "202.30.143.11", "203.30.143.11"},
    {"드림라인", "210.181.4.25", "210.181.1.24"},
};

const std::vector<ControlSpec>& Table() {
  constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE;
  constexpr DWORD kBox = ES_AUTOHSCROLL;
  constexpr DWORD kList = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
  static const std::vector<ControlSpec> table = {
      {"fraGroup", 200, WC_BUTTONW, BS_GROUPBOX, {0, 0, 4350, 3450}, "IP 그룹"},
      {"lblNum1", 201, WC_STATICW, kLabel, {150, 300, 1215, 330}, "시작 PC번호"},
      {"txtNum1", 202, WC_EDITW, kBox | ES_NUMBER, {1380, 300, 690, 330}},
      {"lblNum2", 203, WC_STATICW, kLabel, {2190, 300, 1035, 330}, "끝 PC번호"},
      {"txtNum2", 204, WC_EDITW, kBox | ES_NUMBER, {3225, 300, 975, 330}},
      {"lblSIp", 205, WC_STATICW, kLabel, {150, 750, 1215, 330}, "시작 IP"},
      {"txtSIp", 206, WC_EDITW, kBox, {1380, 750, 1785, 330}},
      {"cmdIPAdd", 207, WC_BUTTONW, BS_PUSHBUTTON, {3225, 735, 975, 360}, "추가"},
      {"lvwIpGLst", 208, WC_LISTVIEWW, kList, {150, 1200, 4050, 1680}},
      {"cmdIPDel", 209, WC_BUTTONW, BS_PUSHBUTTON, {2775, 2970, 1425, 360}, "그룹 삭제"},
      {"lvwIpLst", 210, WC_LISTVIEWW, kList, {4500, 75, 4800, 3000}, {}, {}, Anchor::Stretch},
      {"lblHint", 211, WC_STATICW, kLabel, {4500, 3105, 4800, 330}, "주소를 두 번 누르면 이 PC에 적용합니다", {},
       Anchor::Stretch},
      {"fraTcp", 220, WC_BUTTONW, BS_GROUPBOX, {0, 3525, 9300, 1725}, "TCP/IP 설정", {}, Anchor::Stretch},
      {"lblPc", 221, WC_STATICW, kLabel, {150, 3840, 1500, 330}, "컴퓨터 이름"},
      {"txtPc", 222, WC_EDITW, kBox, {1650, 3840, 1425, 330}},
      {"lblSM", 223, WC_STATICW, kLabel, {3225, 3840, 1200, 330}, "서브넷 마스크"},
      {"txtSM", 224, WC_EDITW, kBox, {4425, 3840, 1725, 330}},
      {"lblGw", 225, WC_STATICW, kLabel, {150, 4275, 1500, 330}, "기본 게이트웨이"},
      {"txtGw", 226, WC_EDITW, kBox, {1650, 4275, 1425, 330}},
      {"lblDns", 227, WC_STATICW, kLabel, {3225, 4275, 1200, 330}, "통신사"},
      {"cboDns", 228, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, {4425, 4260, 1725, 2400}},
      {"lblDns1", 229, WC_STATICW, kLabel, {150, 4710, 1500, 330}, "기본 DNS"},
      {"txtDns1", 230, WC_EDITW, kBox, {1650, 4710, 1425, 330}},
      {"lblDns2", 231, WC_STATICW, kLabel, {3225, 4710, 1200, 330}, "보조 DNS"},
      {"txtDns2", 232, WC_EDITW, kBox, {4425, 4710, 1725, 330}},
      {"cmdIPSave", 233, WC_BUTTONW, BS_PUSHBUTTON, {6450, 3825, 2550, 450}, "IP 설정 저장", {}, Anchor::Right},
      {"cmdIPImport", 240, WC_BUTTONW, BS_PUSHBUTTON, {0, 5475, 2700, 450}, "서버에서 IP 정보 받기"},
      {"cmdSIp", 241, WC_BUTTONW, BS_PUSHBUTTON, {2850, 5475, 2100, 450}, "서버 IP 설정"},
      {"cmdFileSet", 242, WC_BUTTONW, BS_PUSHBUTTON, {5100, 5475, 2700, 450}, "설정파일 가져오기"},
      {"pica", 250, WC_STATICW, SS_CENTER | SS_CENTERIMAGE | WS_BORDER, {2400, 1500, 4500, 900}, {}, {},
       Anchor::Stretch},
  };
  return table;
}

std::string Trimmed(const Controls& controls, const char* name) { return Trim(controls.Text(name)); }
}  // namespace

std::vector<Binding> IpTablePanel::Bindings() const {
  const std::string& file = context().paths.ipIni;
  return {IniBinding("txtPc", file, "PC", "NAME"), IniBinding("txtSM", file, "TCPIP", "SM"),
          IniBinding("txtGw", file, "TCPIP", "GW"), IniBinding("txtDns1", file, "TCPIP", "DNS1"),
          IniBinding("txtDns2", file, "TCPIP", "DNS2")};
}

void IpTablePanel::OnLoad() {
  CreateControls(Table(), extraWidth());
  const Controls& c = controls();
  SetUpReportList(c["lvwIpGLst"], {{"그룹", 900}, {"PC 범위", 1275}, {"시작 IP", 1725}});
  SetUpReportList(c["lvwIpLst"], {{"PC번호", 1200}, {"IP 주소", 2400}});
  for (const DnsPreset& preset : kDnsPresets)
    SendMessageW(c["cboDns"], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(preset.caption).c_str()));
  SendMessageW(c["cboDns"], CB_SETCURSEL, 0, 0);
  SendMessageW(c["txtNum1"], EM_LIMITTEXT, 4, 0);
  SendMessageW(c["txtNum2"], EM_LIMITTEXT, 4, 0);
  c.Show("pica", false);
  OnClick("cmdIPAdd", [this] { cmdIPAdd_Click(); });
  OnClick("cmdIPDel", [this] { cmdIPDel_Click(); });
  OnClick("cmdIPSave", [this] { cmdIPSave_Click(); });
  On("cboDns", CBN_SELCHANGE, [this] { cboDns_Click(); });
  On("lvwIpLst", NM_DBLCLK, [this] { lvwIpLst_DblClick(); });
  OnClick("cmdIPImport", [] { SendToAgent("IPS", kAgentCommand); });
  OnClick("cmdSIp", [this] {
    ShowFrmSIp(GetAncestor(hwnd(), GA_ROOT));
    if (TheApp().LoginPurpose == "OK") SendToAgent("IP", kAgentCommand);
  });
  OnClick("cmdFileSet", [this] { ShowFrmFileSet(GetAncestor(hwnd(), GA_ROOT)); });
}

void IpTablePanel::OnAgentCommand(const std::string& command) {
  if (command == "IPS") LoadIPini();
}

void IpTablePanel::LoadIPini() {
  const Controls& c = controls();
  groups_.clear();
  ClearRows(c["lvwIpGLst"]);
  ClearRows(c["lvwIpLst"]);
  if (!FileExists(context().paths.ipIni)) {
    for (const Binding& binding : Bindings()) c.SetText(binding.control, "");
    return;
  }
  for (const IpGroup& group : ReadIpGroups(context().paths.ipIni)) AddGroupRows(group);
  LoadBindings(c, Bindings());
}

void IpTablePanel::AddGroupRows(const IpGroup& group) {
  groups_.push_back(group);
  AddRow(controls()["lvwIpGLst"],
         {group.key, std::to_string(group.startPc) + "-" + std::to_string(group.endPc), group.startIp});
  for (int pc = group.startPc; pc <= group.endPc; ++pc)
    AddRow(controls()["lvwIpLst"], {std::to_string(pc), GroupAddress(group, pc)});
}

void IpTablePanel::cmdIPAdd_Click() {
  const Controls& c = controls();
  std::string first = Trimmed(c, "txtNum1"), last = Trimmed(c, "txtNum2"), ip = Trimmed(c, "txtSIp");
  int start = static_cast<int>(ParseLeadingNumber(first)), end = static_cast<int>(ParseLeadingNumber(last));
  auto address = ParseIpAddress(ip);
  IpGroup group{NextGroupKey(groups_), start, end, ip};
  auto noGroup = [this](auto holds) {
    for (const IpGroup& existing : groups_)
      if (holds(existing)) return false;
    return true;
  };
  bool passed = RunChecks(
      c, {{"txtNum1", [&] { return !first.empty(); }, "시작 PC번호를 입력하세요!!"},
          {"txtNum2", [&] { return !last.empty(); }, "끝 PC번호를 입력하세요!!"},
          {"txtNum1", [&] { return start <= end; }, "시작PC번호가 끝PC번호보다 큽니다!!\r\n다시 입력해주세요!!"},
          {"txtSIp", [&] { return !ip.empty(); }, "시작 IP 주소를 입력하세요!!"},
          {"txtSIp", [&] { return address.has_value(); }, "IP형식에 맞지 않습니다. 다시입력하세요!!"},
          // .255 is the broadcast address of the cafe's network: the last PC must stay below it.
          {"txtSIp", [&] { return (*address)[3] + (end - start) < 255; },
           "255 이상 설정을 할수 없습니다.\r\nIP주소 끝자리를 다시 입력하세요!!"},
          {"txtNum1", [&] { return noGroup([&](const IpGroup& g) { return GroupHoldsPc(g, start); }); },
           "시작 PC번호가 현재 등록된 그룹에 포함되어 있습니다!!\r\n다시 입력해주세요!!"},
          // A range around a whole group overlaps it as well: its end reaches into that group.
          {"txtNum2",
           [&] {
             return noGroup([&](const IpGroup& g) { return GroupHoldsPc(g, end) || GroupHoldsPc(group, g.startPc); });
           },
           "끝 PC번호가 현재 등록된 그룹에 포함되어 있습니다!!\r\n다시 입력해주세요!!"},
          {"txtSIp",
           [&] {
             return noGroup([&](const IpGroup& g) {
               return GroupHoldsAddress(g, ip) || GroupHoldsAddress(group, g.startIp);
             });
           },
           "시작 IP주소는 현재 등록된 그룹에 포함되어 있습니다!!\r\n다시 입력해주세요!!"}});
  if (passed) AddGroupRows(group);
}

void IpTablePanel::cmdIPDel_Click() {
  int row = SelectedRow(controls()["lvwIpGLst"]);
  if (row < 0) return;
  std::string key = CellText(controls()["lvwIpGLst"], row, 0);
  if (!Confirm("그룹" + key + "를 삭제 하겠습니까?")) return;
  ClsINI(context().paths.ipIni, "GROUP").DeleteKey(key);
  LoadIPini();
}

void IpTablePanel::cmdIPSave_Click() {
  const std::string& file = context().paths.ipIni;
  if (!FileExists(file)) WriteTextFile(file, "", false, false);
  ClsINI ini(file, "GROUP");
  for (const IpGroup& group : groups_) ini.SaveINI(group.key, GroupValue(group));
  ini.DeleteSection("IP");
  ini.section = "IP";
  HWND addresses = controls()["lvwIpLst"];
  for (int row = 0; row < RowCount(addresses); ++row)
    ini.SaveINI(CellText(addresses, row, 0), CellText(addresses, row, 1));
  SaveBindings(controls(), Bindings());
  ShowInformation("IP 설정 저장 완료!!");
}

void IpTablePanel::cboDns_Click() {
  auto index = SendMessageW(controls()["cboDns"], CB_GETCURSEL, 0, 0);
  if (index < 0 || index >= static_cast<LRESULT>(std::size(kDnsPresets))) return;
  controls().SetText("txtDns1", kDnsPresets[index].dns1);
  controls().SetText("txtDns2", kDnsPresets[index].dns2);
}

void IpTablePanel::lvwIpLst_DblClick() {
  const Controls& c = controls();
  int row = SelectedRow(c["lvwIpLst"]);
  if (row < 0 || change_.Running()) return;
  std::string pc = CellText(c["lvwIpLst"], row, 0), ip = CellText(c["lvwIpLst"], row, 1);
  if (ShowMessageBox("현재 PC의 IP를 " + pc + " 번으로 변경하겠습니까?\r\n컴퓨터 이름도 같이 변경합니다.",
                     MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  auto filled = [&](const char* name) { return [&c, name] { return !Trimmed(c, name).empty(); }; };
  if (!RunChecks(c, {{"txtSM", filled("txtSM"), "서브넷 마스크를 입력하지 않았습니다!!"},
                     {"txtGw", filled("txtGw"), "기본 게이트웨이를 입력하지 않았습니다!!"},
                     {"txtDns1", filled("txtDns1"), "기본 DNS서버를 입력하지 않았습니다!!"},
                     {"txtDns2", filled("txtDns2"), "보조 DNS서버를 입력하지 않았습니다!!"},
                     {"txtPc", filled("txtPc"), "컴퓨터 이름을 입력하지 않았습니다!!"}}))
    return;
  SetComputerName(Trimmed(c, "txtPc"), pc);
  ShowWaiting(true);
  IpTarget target{ip, Trimmed(c, "txtSM"), Trimmed(c, "txtGw"), Trimmed(c, "txtDns1"), Trimmed(c, "txtDns2"), {}, {}};
  if (!change_.Start(target)) {
    ShowWaiting(false);
    return ShowWarning("네트워크 설정 실패!!");
  }
  SetTimer(hwnd(), kTimer2, 1000, nullptr);
}

void IpTablePanel::OnTimer(UINT_PTR id) {
  if (id == kTimer2) Timer2_Timer();
}

void IpTablePanel::Timer2_Timer() {
  if (change_.Running()) return;
  KillTimer(hwnd(), kTimer2);
  std::optional<IpTarget> target = change_.TakeTarget();
  if (!target) return;
  bool inPlace = EnsureIpAddress(*target);
  ShowWaiting(false);
  if (inPlace)
    ShowInformation("네트워크 설정 완료!!");
  else
    ShowWarning("네트워크 설정 실패!!");
}

void IpTablePanel::ShowWaiting(bool visible) {
  HWND panel = controls()["pica"];
  controls().SetText("pica", visible ? "네트워크 설정 작업중입니다..." : "");
  if (visible) SetWindowPos(panel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  controls().Show("pica", visible);
  if (visible) UpdateWindow(panel);
}
