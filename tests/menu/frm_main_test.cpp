#include "menu/frm_main.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "catalog/categories.h"
#include "menu/menu_geometry.h"
#include "menu/web_panes.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/test_env.h"
#include "ui/twips.h"

namespace {
class FrmMainTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    for (const char* folder : {"Skin", "Skin\\IE", "Best", "Etc", "VdAd"}) CreateFolders(Path(folder));
    LoadCategories();
  }
  void TearDown() override {
    menu.Unload();
    TesselTest::TearDown();
  }
  void Url(const std::string& name, const std::string& address) {
    WriteTextFile(Path(name), "[InternetShortcut]\r\nURL=" + address + "\r\n", false, false);
  }
  void Open() {
    ASSERT_TRUE(menu.Load());
    SendMessageW(menu.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  }
  void Command(int id) { SendMessageW(menu.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  std::vector<std::string> Titles() {
    std::vector<std::string> titles;
    for (const IconItem& item : menu.lvwMain().Items()) titles.push_back(item.title);
    return titles;
  }
  // Selects the item (or none for -1) and double-clicks the list.
  void DoubleClick(int index) {
    HWND list = menu.lvwMain().hwnd();
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    if (index >= 0) ListView_SetItemState(list, index, LVIS_SELECTED, LVIS_SELECTED);
    NMHDR header{list, static_cast<UINT_PTR>(kIconListId), static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(menu.hwnd(), WM_NOTIFY, kIconListId, reinterpret_cast<LPARAM>(&header));
  }
  std::vector<std::string> Started() {
    std::vector<std::string> started;
    for (const LaunchRequest& request : launches.started) started.push_back(request.file + " " + request.arguments);
    return started;
  }

  FrmMain menu;
};
}  // namespace

TEST_F(FrmMainTest, FirstActivationListsTheFirstCategoryWithItsMarksAndDrawsPicturesLazily) {
  Url("Best\\포털.url", "http://portal.example/");
  Url("Best\\readme.txt", "not an icon");
  Url("Skin\\IE\\네이버.URL", "http://naver.example/");
  Url("Skin\\IEM.URL", "http://iem.example/");
  Url("VdAd\\광고 게임.url", "http://ad.example/");
  WriteTextFile(Path("env.mts"), "[ENV]\r\nNOTE1=첫 공지\r\nNOTE2=둘째 공지\r\n", false, false);
  StoreTwips("Width", 12000);
  StoreTwips("Height", 9000);
  RegWriteDword(HKEY_CURRENT_USER, "Software\\Quillet\\quil plus", "UseStartFix2", 1);
  Open();

  RECT place;
  GetWindowRect(menu.hwnd(), &place);
  EXPECT_EQ(place.right - place.left, TwipsToPixelsX(12000));
  EXPECT_EQ(place.bottom - place.top, TwipsToPixelsY(9000));
  const std::string agent = Path("TSLC_Ag.exe");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Tessel"), agent);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Software\\Quillet\\quil plus\\StartFix\\HKLM-Run", "Tessel"), agent);

  std::vector<std::string> items;
  for (const IconItem& item : menu.lvwMain().Items()) items.push_back(item.key + "|" + item.mark + "|" + item.title);
  EXPECT_EQ(items, (std::vector<std::string>{"IE|네이버.URL|네이버", "광고 게임.url|M|광고 게임", "포털.url||포털"}))
      << "the browser first, then the sponsored icons, then the category's own";
  HWND list = menu.lvwMain().hwnd();
  EXPECT_EQ(ListView_GetItemCount(list), 3);
  EXPECT_FALSE(FileExists(Path("Bmp\\포털.BMP"))) << "pictures wait until their icons are drawn";
  LVITEMW row{};
  row.mask = LVIF_IMAGE;
  row.iItem = 2;
  ASSERT_TRUE(ListView_GetItem(list, &row));
  EXPECT_GE(row.iImage, 0);
  EXPECT_TRUE(FileExists(Path("Bmp\\포털.BMP"))) << "the cache folder is made when missing";
  LVFINDINFOW typed{};
  typed.flags = LVFI_STRING | LVFI_PARTIAL;
  typed.psz = L"광고";
  EXPECT_EQ(ListView_FindItem(list, -1, &typed), 1) << "typing jumps to the title";

  EXPECT_TRUE(menu.NoticeVisible());
  EXPECT_EQ(menu.NoticeText(), "첫 공지");
  SendMessageW(menu.hwnd(), WM_TIMER, 1, 0);
  EXPECT_EQ(menu.NoticeText(), "둘째 공지");
  SendMessageW(menu.hwnd(), WM_TIMER, 1, 0);
  EXPECT_EQ(menu.NoticeText(), "첫 공지") << "after the last, the first again";

  Url("Best\\새 게임.url", "http://new.example/");
  SendMessageW(menu.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(menu.lvwMain().Items().size(), 3u) << "later activations do not reload";
  for (int i = 0; i < 3; ++i) DoubleClick(i);
  DoubleClick(-1);
  EXPECT_EQ(Started(), (std::vector<std::string>{"http://naver.example/ ", "http://ad.example/ ",
                                                 "http://portal.example/ ", "http://iem.example/ "}))
      << "no selection opens IEM";

  ShowWindow(menu.hwnd(), SW_MINIMIZE);
  EXPECT_EQ(StoredTwips("Width"), 12000) << "minimising stores nothing";
}

TEST_F(FrmMainTest, ACategoryClickFillsTheListOnlyWhenTheCategoryChanges) {
  Open();
  Url("Best\\새 게임.url", "http://new.example/");
  Command(kCategoryButtonId);
  EXPECT_TRUE(Titles().empty()) << "the shown category is not reloaded";
  Url("Etc\\문서.url", "http://doc.example/");
  Command(kCategoryButtonId + 7);
  EXPECT_EQ(Titles(), std::vector<std::string>{"문서"});
  EXPECT_EQ(menu.CurrentCategory(), 7);
  Command(kCategoryButtonId);
  EXPECT_EQ(Titles(), std::vector<std::string>{"새 게임"});
  RemoveFile(Path("Etc\\문서.url"));
  RemoveDirectoryW(Widen(Path("Etc")).c_str());
  Command(kCategoryButtonId + 7);
  EXPECT_TRUE(Titles().empty()) << "a missing folder lists nothing";
}

TEST_F(FrmMainTest, ButtonsAndRequestsOfTheMenu) {
  WriteTextFile(Path("Skin\\VdAd.ini"),
                "[ad1]\r\nTitle=후원 게임\r\nGubn=URL\r\nGName=후원 게임.url\r\nTargetPath=http://sponsor.example/\r\n",
                false, false);
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VdAd", "1");
  Url("Skin\\IER.URL", "http://start.example/");
  Open();
  EXPECT_TRUE(FileExists(Path("VdAd\\후원 게임.url"))) << "sponsored icons are made when requested";
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "VdAd"), "0");
  EXPECT_EQ(Titles(), std::vector<std::string>{"후원 게임"});

  Command(kBottomButtonId);
  EXPECT_EQ(Started(), std::vector<std::string>{"IEXPLORE.EXE http://start.example/"});

  SendMessageW(menu.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(menu.IsLoaded()) << "the customer cannot close the menu";
  TheApp().MenuUnloadAllowed = true;
  SendMessageW(menu.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(menu.IsLoaded()) << "the program can";
}

TEST_F(FrmMainTest, PanesFallBackLocallyAndTradeTheirOwnClickPopUpForTheIdentityCheck) {
  EXPECT_EQ(PaneStartPage(WebPane::Web11), Path("Skin\\htm\\vendara_N_ad.html")) << "no service host";
  EXPECT_FALSE(IsIdentityCheckClick(WebPane::Web11, "")) << "no ad host: nothing to cancel";
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "ServiceHost", "service.example:8080/");
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "AdHost", "https://ads.example");
  Open();
  WebPaneView& pane = menu.Pane(WebPane::Web11);
  EXPECT_EQ(pane.CurrentPage(), "") << "panes wait until the menu is drawn";
  SendMessageW(menu.hwnd(), WM_TIMER, kPanesTimer, 0);
  EXPECT_EQ(pane.CurrentPage(), "http://service.example:8080/application_notice/tessel_ad.asp");
  EXPECT_EQ(menu.Pane(WebPane::Web13).CurrentPage(),
            "http://service.example:8080/application_notice/Clt_Content/tessel_SerMain.html");
  pane.NavigationFailed();
  EXPECT_EQ(pane.CurrentPage(), Path("Skin\\htm\\vendara_N_ad.html"));

  std::string click = PaneClickAddress(WebPane::Web11);
  EXPECT_EQ(click.rfind("https://ads.example/click.kti/Tessel/tessel@right01?", 0), 0u);
  EXPECT_FALSE(pane.NewWindowRequested("http://elsewhere.example/"));
  EXPECT_FALSE(menu.Pane(WebPane::Web13).NewWindowRequested(click)) << "each pane has its own address";
  EXPECT_TRUE(boxes.shown.empty());
  boxes.answers = {IDCANCEL, IDOK};
  EXPECT_TRUE(pane.NewWindowRequested(click));
  for (char& c : click) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  EXPECT_TRUE(pane.NewWindowRequested(click)) << "compared without regard to case";
  ASSERT_EQ(boxes.shown.size(), 3u) << "the identity-check tool is not installed";
  EXPECT_EQ(boxes.shown[0].caption, "CheckOnID");
  EXPECT_EQ(boxes.shown[2].text, "다운로드 실패!!") << "accepted, but no download address is configured";

  RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\체크온ID 삭제",
                 "InstallLocation", "C:\\CheckOnID");
  EXPECT_TRUE(menu.Pane(WebPane::Web13).NewWindowRequested(PaneClickAddress(WebPane::Web13)));
  EXPECT_EQ(Started(), std::vector<std::string>{"C:\\CheckOnID\\CheckOnId.exe "});
}

TEST_F(FrmMainTest, ResizingStopsAtTheMinimumAndTheScreenAndStoresTheSize) {
  Open();
  const LONG minWidth = TwipsToPixelsX(kMenuMinWidthTwips), minHeight = TwipsToPixelsY(kMenuMinHeightTwips);
  MINMAXINFO limits{};
  SendMessageW(menu.hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(std::pair(limits.ptMinTrackSize.x, limits.ptMinTrackSize.y), std::pair(minWidth, minHeight))
      << "dragging the frame stops there";

  auto resize = [&](int width, int height) {
    SetWindowPos(menu.hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT place;
    GetWindowRect(menu.hwnd(), &place);
    return std::pair(place.right - place.left, place.bottom - place.top);
  };
  EXPECT_EQ(resize(100, 50), std::pair(minWidth, minHeight));
  EXPECT_EQ(StoredTwips("Width"), PixelsToTwipsX(minWidth));
  EXPECT_EQ(StoredTwips("Height"), PixelsToTwipsY(minHeight));
  EXPECT_EQ(resize(minWidth + 40, 20), std::pair(minWidth + 40, minHeight));
  EXPECT_EQ(StoredTwips("Width"), PixelsToTwipsX(minWidth + 40));
  const SIZE screen = ScreenSize();
  EXPECT_EQ(resize(screen.cx + 500, screen.cy + 500), std::pair(screen.cx, screen.cy));
}
