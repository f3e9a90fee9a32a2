#include "menu/frm_main.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "app/app.h"
#include "catalog/categories.h"
#include "menu/menu_geometry.h"
#include "menu/web_panes.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/test_env.h"
#include "ui/twips.h"

namespace {
constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

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
  void Click(int index) {
    SendMessageW(menu.hwnd(), WM_COMMAND, MAKEWPARAM(kCategoryButtonId + index, BN_CLICKED), 0);
  }
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
  SIZE WindowSize() {
    RECT place;
    GetWindowRect(menu.hwnd(), &place);
    return {place.right - place.left, place.bottom - place.top};
  }

  FrmMain menu;
};
}  // namespace

TEST_F(FrmMainTest, LoadingBuildsTheMenuAndRegistersTheAgentAtLogon) {
  RegWriteDword(HKEY_CURRENT_USER, "Software\\Quillet\\quil plus", "UseStartFix2", 1);
  ASSERT_TRUE(menu.Load());
  wchar_t name[32] = {};
  GetClassNameW(menu.hwnd(), name, 32);
  EXPECT_STREQ(name, L"frmMain");
  EXPECT_TRUE(TheApp().MenuReady);

  int visible = 0;
  for (int i = 0; i < 20; ++i)
    visible += (GetWindowLongPtrW(GetDlgItem(menu.hwnd(), kCategoryButtonId + i), GWL_STYLE) & WS_VISIBLE) ? 1 : 0;
  EXPECT_EQ(visible, 8) << "the default table shows eight categories";

  HWND header = ListView_GetHeader(menu.lvwMain().hwnd());
  EXPECT_EQ(Header_GetItemCount(header), 2) << "Name and Rank";
  std::string agent = Path("TSLC_Ag.exe");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, kRunKey, "Tessel"), agent);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Software\\Quillet\\quil plus\\StartFix\\HKLM-Run", "Tessel"), agent);
}

TEST_F(FrmMainTest, FirstActivationListsTheFirstCategoryWithItsMarksAndCachesPictures) {
  Url("Best\\포털.url", "http://portal.example/");
  Url("Best\\readme.txt", "not an icon");
  Url("Skin\\IE\\네이버.URL", "http://naver.example/");
  Url("VdAd\\광고 게임.url", "http://ad.example/");
  WriteTextFile(Path("env.mts"), "[ENV]\r\nNOTE1=첫 공지\r\nNOTE2=둘째 공지\r\n", false, false);
  StoreTwips("Width", 12000);
  StoreTwips("Height", 9000);
  Open();

  EXPECT_EQ(WindowSize().cx, TwipsToPixelsX(12000));
  EXPECT_EQ(WindowSize().cy, TwipsToPixelsY(9000));
  const auto& items = menu.lvwMain().Items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].key, "IE");
  EXPECT_EQ(items[0].mark, "네이버.URL");
  EXPECT_EQ(items[1].key, "광고 게임.url");
  EXPECT_EQ(items[1].mark, "M");
  EXPECT_EQ(items[2].key, "포털.url");
  EXPECT_EQ(items[2].title, "포털");
  EXPECT_EQ(items[2].mark, "");
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

  SendMessageW(menu.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(menu.lvwMain().Items().size(), 3u) << "later activations do not reload";
}

TEST_F(FrmMainTest, ACategoryClickFillsTheListOnlyWhenTheCategoryChanges) {
  Open();
  EXPECT_TRUE(Titles().empty());
  Url("Best\\새 게임.url", "http://new.example/");
  Click(0);
  EXPECT_TRUE(Titles().empty()) << "the shown category is not reloaded";
  Url("Etc\\문서.url", "http://doc.example/");
  Click(7);
  EXPECT_EQ(Titles(), std::vector<std::string>{"문서"});
  EXPECT_EQ(menu.CurrentCategory(), 7);
  Click(0);
  EXPECT_EQ(Titles(), std::vector<std::string>{"새 게임"});
  RemoveFile(Path("Etc\\문서.url"));
  RemoveDirectoryW(Widen(Path("Etc")).c_str());
  Click(7);
  EXPECT_TRUE(Titles().empty()) << "a missing folder lists nothing";
}

TEST_F(FrmMainTest, ResizingSnapsBackToTheMinimumAndStoresTheSize) {
  Open();
  SetWindowPos(menu.hwnd(), nullptr, 0, 0, TwipsToPixelsX(8000), TwipsToPixelsY(6000), SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(WindowSize().cx, TwipsToPixelsX(kMenuMinWidthTwips));
  EXPECT_EQ(WindowSize().cy, TwipsToPixelsY(kMenuMinHeightTwips));
  EXPECT_EQ(StoredTwips("Width"), PixelsToTwipsX(TwipsToPixelsX(kMenuMinWidthTwips)));
  EXPECT_EQ(StoredTwips("Height"), PixelsToTwipsY(TwipsToPixelsY(kMenuMinHeightTwips)));

  ShowWindow(menu.hwnd(), SW_MINIMIZE);
  EXPECT_EQ(StoredTwips("Width"), PixelsToTwipsX(TwipsToPixelsX(kMenuMinWidthTwips))) << "minimising stores nothing";
}

TEST_F(FrmMainTest, ActivatingAnIconStartsItsFileAndNoSelectionOpensIem) {
  Url("Best\\포털.url", "http://portal.example/");
  Url("Skin\\IE\\네이버.URL", "http://naver.example/");
  Url("VdAd\\광고.url", "http://ad.example/");
  Url("Skin\\IEM.URL", "http://iem.example/");
  Open();
  ASSERT_EQ(menu.lvwMain().Items().size(), 3u);
  for (int i = 0; i < 3; ++i) DoubleClick(i);
  DoubleClick(-1);
  ASSERT_EQ(launches.started.size(), 4u);
  EXPECT_EQ(launches.started[0].file, "http://naver.example/");
  EXPECT_EQ(launches.started[1].file, "http://ad.example/");
  EXPECT_EQ(launches.started[2].file, "http://portal.example/");
  EXPECT_EQ(launches.started[3].file, "http://iem.example/");
}

TEST_F(FrmMainTest, TheCustomerCannotCloseTheMenuButTheProgramCan) {
  Open();
  SendMessageW(menu.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(menu.IsLoaded());
  TheApp().MenuUnloadAllowed = true;
  SendMessageW(menu.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(menu.IsLoaded());
}

TEST_F(FrmMainTest, SponsoredIconsAreMadeOnTheFirstClickWhenRequested) {
  WriteTextFile(Path("Skin\\VdAd.ini"),
                "[ad1]\r\nTitle=후원 게임\r\nGubn=URL\r\nGName=후원 게임.url\r\nTargetPath=http://sponsor.example/\r\n",
                false, false);
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VdAd", "1");
  Open();
  EXPECT_TRUE(FileExists(Path("VdAd\\후원 게임.url")));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "VdAd"), "0");
  ASSERT_EQ(menu.lvwMain().Items().size(), 1u);
  EXPECT_EQ(menu.lvwMain().Items()[0].mark, "M");
}

TEST_F(FrmMainTest, BottomButtonsOpenTheBrowserAndTheControlPanelPages) {
  Url("Skin\\IER.URL", "http://start.example/");
  Open();
  for (int i : {0, 2, 3}) SendMessageW(menu.hwnd(), WM_COMMAND, MAKEWPARAM(kBottomButtonId + i, BN_CLICKED), 0);
  ASSERT_EQ(launches.started.size(), 3u);
  EXPECT_EQ(launches.started[0].file, "IEXPLORE.EXE");
  EXPECT_EQ(launches.started[0].arguments, "http://start.example/");
  EXPECT_EQ(launches.started[1].arguments, "shell32.dll,Control_RunDLL main.cpl @0");
  EXPECT_EQ(launches.started[2].arguments, "shell32.dll,Control_RunDLL main.cpl @1");
}

TEST_F(FrmMainTest, PanesFallBackLocallyAndTradeTheirClickPopUpForTheIdentityCheck) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "ServiceHost", "service.example");
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "AdHost", "ads.example");
  Open();
  WebPaneView& pane = menu.Pane(WebPane::Web11);
  EXPECT_EQ(pane.CurrentPage(), "") << "panes wait until the menu is drawn";
  SendMessageW(menu.hwnd(), WM_TIMER, kPanesTimer, 0);
  EXPECT_EQ(pane.CurrentPage(), "http://service.example/application_notice/tessel_ad.asp");
  pane.NavigationFailed();
  EXPECT_EQ(pane.CurrentPage(), Path("Skin\\htm\\vendara_N_ad.html"));

  EXPECT_FALSE(pane.NewWindowRequested("http://elsewhere.example/"));
  EXPECT_TRUE(boxes.shown.empty());
  boxes.defaultAnswer = IDCANCEL;
  EXPECT_TRUE(pane.NewWindowRequested(PaneClickAddress(WebPane::Web11)));
  ASSERT_EQ(boxes.shown.size(), 1u) << "the identity-check tool is not installed";
  EXPECT_EQ(boxes.shown[0].caption, "CheckOnID");
  EXPECT_EQ(boxes.shown[0].text,
            "명의도용 확인을 위해서는 CheckOnID를 설치해야 합니다.\r\nCheckOnID를 설치 하시겠습니까?");
  EXPECT_TRUE(launches.started.empty());

  boxes.defaultAnswer = IDOK;
  EXPECT_TRUE(pane.NewWindowRequested(PaneClickAddress(WebPane::Web11)));
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[2].text, "다운로드 실패!!") << "no download address is configured";

  RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\체크온ID 삭제",
                 "InstallLocation", "C:\\CheckOnID");
  EXPECT_TRUE(menu.Pane(WebPane::Web13).NewWindowRequested(PaneClickAddress(WebPane::Web13)));
  ASSERT_EQ(launches.started.size(), 1u);
  EXPECT_EQ(launches.started[0].file, "C:\\CheckOnID\\CheckOnId.exe");
}
