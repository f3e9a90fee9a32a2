#pragma once
// Plain file downloads through the platform's URL download. Nothing here throws.
#include <string>

// True only when the whole body of a successful (2xx) answer landed in the destination file.
// A failed download removes its partial file and leaves whatever was there before untouched only
// when the caller downloads to a file of its own (as every caller here does).
bool DownloadUrl(const std::string& url, const std::string& destination);

// A web server configured per PC as a string value under HKCU\SOFTWARE\Orbix\Tessel, as
// "scheme://host:port" without a trailing slash ("http://" added when no scheme is given); "" when
// the value is missing or blank.
std::string HostSetting(const std::string& valueName);

// The product service's update web server: value UpdateHost under HKCU\SOFTWARE\Orbix\Tessel,
// e.g. "http://update.example.com" or "update.example.com:8080". "" when none is configured.
std::string UpdateHost();

// Downloads a path of the update host ("/AutoUpdateorbix/GameLst.ini"). Without a configured host
// it fails at once and nothing goes over the network.
bool DownloadFromUpdateHost(const std::string& path, const std::string& destination);
