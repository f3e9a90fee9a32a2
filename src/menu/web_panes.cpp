#include "menu/web_panes.h"

#include "menu/menu_skin.h"
#include "store/registry.h"
#include "store/text_util.h"

namespace {
std::string HostValue(const char* name) { return Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, name)); }

std::string OnHost(const std::string& host, const std::string& path) {
  if (host.empty()) return {};
  std::string base = host.find("://") == std::string::npos ? "http://" + host : host;
  while (EndsWith(base, "/")) base.pop_back();
  return base + path;
}

std::string LocalPage(const std::string& name) { return SkinRootFile("htm\\" + name); }

std::string HostedPage(const char* host, const char* path, WebPane pane) {
  std::string address = OnHost(HostValue(host), path);
  return address.empty() ? PaneFallbackPage(pane) : address;
}
}  // namespace

std::string PaneStartPage(WebPane pane) {
  switch (pane) {
    case WebPane::Web11: return HostedPage("ServiceHost", "/application_notice/tessel_ad.asp", pane);
    case WebPane::Web12: return LocalPage("vendara_C_ad.html");
    case WebPane::Web13: return HostedPage("ServiceHost", "/application_notice/Clt_Content/tessel_SerMain.html", pane);
    case WebPane::Web14: return LocalPage("AdTop.html");
    case WebPane::BannerWeb11: return HostedPage("AdHost", "/tslc/tsls_banner_20110408.html", pane);
    case WebPane::BannerWeb22: return HostedPage("AdHost", "/tslc/tslc_center_ad.html", pane);
  }
  return {};
}

std::string PaneFallbackPage(WebPane pane) {
  switch (pane) {
    case WebPane::Web11: return LocalPage("vendara_N_ad.html");
    case WebPane::Web12: return LocalPage("vendara_C_ad1.html");
    case WebPane::Web13: return LocalPage("vendara_M_ad.html");
    case WebPane::Web14: return LocalPage("Top_ad.html");
    case WebPane::BannerWeb11: return LocalPage("err_pw_banner.html");
    case WebPane::BannerWeb22: return LocalPage("err_pw_ad.html");
  }
  return {};
}

std::string PaneClickAddress(WebPane pane) {
  std::string host = HostValue("AdHost");
  if (pane == WebPane::Web11) return OnHost(host, "/click.kti/Tessel/tessel@right01?ads_no=1&cmp_no=1&img_no=1");
  if (pane == WebPane::Web13) return OnHost(host, "/click.kti/Tessel/tessel@bottom04?ads_no=4&cmp_no=1&img_no=4");
  return {};
}

bool IsIdentityCheckClick(WebPane pane, const std::string& address) {
  std::string click = PaneClickAddress(pane);
  return !click.empty() && EqualsIgnoreCaseAscii(Trim(address), click);
}

bool RefusesNewWindows(WebPane pane) { return pane == WebPane::BannerWeb11 || pane == WebPane::BannerWeb22; }
