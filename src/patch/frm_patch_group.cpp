#include "patch/frm_patch_group.h"

#include <commctrl.h>

#include "patch/patch_groups.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/message_box.h"
#include "ui/modal.h"

namespace {
HWND Child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int x, int y, int width, int id) {
  HWND child = CreateWindowExW(kind[0] == L'E' ? WS_EX_CLIENTEDGE : 0, kind, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                               x, y, width, 24, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}
}  // namespace

WindowOptions FrmPatchGroup::Options() const {
  WindowOptions options;
  options.caption = "My패치 그룹";
  options.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  options.width = 300;
  options.height = 330;
  options.x = (GetSystemMetrics(SM_CXSCREEN) - options.width) / 2;
  options.y = (GetSystemMetrics(SM_CYSCREEN) - options.height) / 2;
  return options;
}

void FrmPatchGroup::OnLoad() {
  list_.Create(hwnd(), lvwLst, {12, 12, 282, 216}, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  list_.AddColumn("그룹명", 240);
  Child(hwnd(), L"EDIT", L"", ES_AUTOHSCROLL, 12, 226, 270, txtCate);
  SendMessageW(GetDlgItem(hwnd(), txtCate), EM_LIMITTEXT, 100, 0);
  Child(hwnd(), L"BUTTON", L"확인", BS_PUSHBUTTON, 12, 260, 84, cmdOK);
  Child(hwnd(), L"BUTTON", L"삭제", BS_PUSHBUTTON, 105, 260, 84, cmdDel);
  Child(hwnd(), L"BUTTON", L"닫기", BS_PUSHBUTTON, 198, 260, 84, cmdClose);
  LoadList();
}

void FrmPatchGroup::LoadList() {
  groups_ = LoadGroups();
  list_.Clear();
  for (size_t i = 0; i < groups_.size(); ++i) list_.AddRow(groups_[i].Gname, static_cast<LPARAM>(i));
}

std::string FrmPatchGroup::Name() const {
  wchar_t text[128] = {};
  GetWindowTextW(GetDlgItem(hwnd(), txtCate), text, 128);
  return Narrow(text);
}

void FrmPatchGroup::SetName(const std::string& name) { SetWindowTextW(GetDlgItem(hwnd(), txtCate), Widen(name).c_str()); }

void FrmPatchGroup::SelectGroup(int row) {
  if (row < 0 || static_cast<size_t>(row) >= groups_.size()) return;
  editing_ = groups_[static_cast<size_t>(row)].section;
  SetName(groups_[static_cast<size_t>(row)].Gname);
}

void FrmPatchGroup::cmdOK_Click() {
  std::string name = Trim(Name());
  if (std::string problem = GroupNameProblem(name, groups_, editing_); !problem.empty()) {
    ShowWarning(problem);
    SetFocus(GetDlgItem(hwnd(), txtCate));
    return;
  }
  if (editing_.empty())
    CreateGroup(name);
  else
    RenameGroup(editing_, name);
  editing_.clear();
  SetName("");
  LoadList();
}

void FrmPatchGroup::cmdDel_Click() {
  int row = list_.SelectedRow();
  if (row < 0 || static_cast<size_t>(row) >= groups_.size()) return;
  const PatchGroup& group = groups_[static_cast<size_t>(row)];
  if (!Confirm(group.Gname + "를 삭제 하겠습니까?")) return;
  DeleteGroup(group.section);
  editing_.clear();
  SetName("");
  LoadList();
}

void FrmPatchGroup::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  if (id == cmdOK) cmdOK_Click();
  if (id == cmdDel) cmdDel_Click();
  if (id == cmdClose) Unload();
}

std::optional<LRESULT> FrmPatchGroup::OnMessage(UINT msg, WPARAM, LPARAM lParam) {
  if (msg != WM_NOTIFY) return std::nullopt;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header->idFrom == lvwLst && header->code == NM_CLICK)
    SelectGroup(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem);
  return std::nullopt;
}

void ShowFrmPatchGroup(HWND owner) {
  FrmPatchGroup editor;
  ShowModal(editor, owner);
}
