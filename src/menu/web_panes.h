#pragma once
// The advertisement panes of the menu windows and where they navigate: the classic window's four
// (Web11 and Web13 show pages of the product service, Web12 and Web14 local pages) and the banner
// window's two (BannerWeb11 the banner page, BannerWeb22 the centre ad, both from the ad server).
// A page that fails to load gives way to the pane's local fallback page. The hosts are
// configuration values (ServiceHost and AdHost under HKCU\SOFTWARE\Orbix\Tessel); without a host
// the panes start on their fallback pages and nothing goes over the network.
#include <string>

enum class WebPane { Web11, Web12, Web13, Web14, BannerWeb11, BannerWeb22 };

std::string PaneStartPage(WebPane pane);
std::string PaneFallbackPage(WebPane pane);
// A new-window request from the pane that must be cancelled (and the identity check run instead):
// the pane's click address on the advertisement server, compared without regard to case.
bool IsIdentityCheckClick(WebPane pane, const std::string& address);
// The banner window's panes open no new windows at all.
bool RefusesNewWindows(WebPane pane);
// The fixed click address of Web11 or Web13; "" for the other panes or without an ad host.
std::string PaneClickAddress(WebPane pane);
