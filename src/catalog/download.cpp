#include "catalog/download.h"

#include <windows.h>
#include <urlmon.h>

#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
// Watches one download: asks for a fresh copy (no cache), and notes the HTTP status and whether
// every announced byte arrived.
class DownloadWatcher : public IBindStatusCallback, public IHttpNegotiate {
 public:
  DWORD status = 0;
  ULONG received = 0, announced = 0;

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IBindStatusCallback)
      *out = static_cast<IBindStatusCallback*>(this);
    else if (riid == IID_IHttpNegotiate)
      *out = static_cast<IHttpNegotiate*>(this);
    else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    return S_OK;
  }
  // Lives on the caller's stack for the whole synchronous download.
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }

  STDMETHODIMP OnStartBinding(DWORD, IBinding*) override { return S_OK; }
  STDMETHODIMP GetPriority(LONG*) override { return E_NOTIMPL; }
  STDMETHODIMP OnLowResource(DWORD) override { return S_OK; }
  STDMETHODIMP OnProgress(ULONG progress, ULONG progressMax, ULONG, LPCWSTR) override {
    received = progress;
    announced = progressMax;
    return S_OK;
  }
  STDMETHODIMP OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
  STDMETHODIMP GetBindInfo(DWORD* flags, BINDINFO*) override {
    *flags |= BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE | BINDF_PRAGMA_NO_CACHE;
    return S_OK;
  }
  STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return S_OK; }
  STDMETHODIMP OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

  STDMETHODIMP BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* extra) override {
    if (extra) *extra = nullptr;
    return S_OK;
  }
  STDMETHODIMP OnResponse(DWORD code, LPCWSTR, LPCWSTR, LPWSTR* extra) override {
    status = code;
    if (extra) *extra = nullptr;
    return S_OK;
  }
};

ULONGLONG FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Complete(const DownloadWatcher& watcher, const std::wstring& destination) {
  if (watcher.status != 0 && (watcher.status < 200 || watcher.status > 299)) return false;
  if (GetFileAttributesW(destination.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  return watcher.announced == 0 || FileSize(destination) == watcher.announced;
}
}  // namespace

bool DownloadUrl(const std::string& url, const std::string& destination) {
  if (url.empty() || destination.empty()) return false;
  std::wstring target = Widen(destination);
  DownloadWatcher watcher;
  HRESULT result = URLDownloadToFileW(nullptr, Widen(url).c_str(), target.c_str(), 0, &watcher);
  if (SUCCEEDED(result) && Complete(watcher, target)) return true;
  RemoveFile(destination);
  return false;
}

std::string UpdateHost() { return HostSetting("UpdateHost"); }

std::string HostSetting(const std::string& valueName) {
  std::string host = Trim(RemoveNuls(RegReadString(HKEY_CURRENT_USER, kTesselKey, valueName)));
  while (EndsWith(host, "/")) host.pop_back();
  if (!host.empty() && host.find("://") == std::string::npos) host = "http://" + host;
  return host;
}

bool DownloadFromUpdateHost(const std::string& path, const std::string& destination) {
  std::string host = UpdateHost();
  if (host.empty()) return false;
  return DownloadUrl(host + path, destination);
}
