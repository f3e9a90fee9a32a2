// Shows the patch group editor beside a finished run in the run window, with sample groups and a
// sample run, for a look at them under Wine's X11 driver (scripts/screenshot-patch). Ends after
// eight seconds.
#include <windows.h>

#include <filesystem>

#include "patch/frm_patch_group.h"
#include "patch/frm_patch_log.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/text_codec.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::string folder = JoinPath(Narrow(temp), "tessel-patch-view");
  CreateFolders(JoinPath(folder, "Skin\\Log"));
  TheApp().ProgramFolder = folder;
  WriteTextFile(JoinPath(folder, "Skin\\GP_Group.ini"),
                "[GP0001]\r\nGname=설치된 게임목록\r\nData=lin,kart,\r\n[GP0002]\r\nGname=주말 패치\r\n"
                "[GP0003]\r\nGname=FPS 게임\r\n",
                false, false);
  WriteTextFile(JoinPath(folder, "Skin\\Log\\view.log"),
                "[lin]\r\nGName=리니지\r\nSTime=a\r\nETime=2024-01-08 09:31:02\r\nSTATE=S\r\n"
                "[kart]\r\nGName=카트라이더\r\nSTime=a\r\nETime=2024-01-08 09:32:40\r\nSTATE=F\r\n"
                "[mx]\r\nGName=메이플스토리\r\nSTime=a\r\nETime=2024-01-08 09:33:10\r\nSTATE=T\r\n"
                "[fifa]\r\nGName=피파온라인\r\nSTime=a\r\nETime=2024-01-08 09:35:00\r\nSTATE=C\r\n",
                false, false);
  ShowPatchLog("view");
  FrmPatchGroup editor;
  editor.Load();
  SetWindowPos(editor.hwnd(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  editor.SelectGroup(1);
  editor.List().SelectRow(1);
  SetTimer(nullptr, 0, 8000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0 && msg.message != WM_TIMER) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  editor.Unload();
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(Widen(folder)), ignored);
  return 0;
}
