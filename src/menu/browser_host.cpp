#include "menu/browser_host.h"

#include <exdisp.h>
#include <exdispid.h>
#include <ocidl.h>
#include <oleidl.h>

#include "store/text_codec.h"
#include "ui/error_trap.h"

// One object is the control's client site, its in-place site and frame, and the sink of its
// events. Its lifetime is the host's; the reference count only satisfies the control.
class BrowserHost::Site : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
 public:
  ~Site() { Close(); }

  bool Create(HWND container, BrowserEvents events) {
    container_ = container;
    events_ = std::move(events);
    if (FAILED(OleInitialize(nullptr)) && FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return false;
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&object_))))
      return false;
    object_->SetClientSite(static_cast<IOleClientSite*>(this));
    RECT area;
    GetClientRect(container_, &area);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, container_,
                               &area)) ||
        FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) {
      Close();
      return false;
    }
    browser_->put_Silent(VARIANT_TRUE);
    Advise();
    return true;
  }

  void Navigate(const std::string& address) {
    if (!browser_) return;
    BSTR url = SysAllocString(Widen(address).c_str());
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate(url, &empty, &empty, &empty, &empty);
    SysFreeString(url);
  }

  void Fit() {
    if (!object_) return;
    RECT area;
    GetClientRect(container_, &area);
    IOleInPlaceObject* inPlace = nullptr;
    if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
      inPlace->SetObjectRects(&area, &area);
      inPlace->Release();
    }
  }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
      *out = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
      *out = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
      *out = static_cast<IOleInPlaceFrame*>(this);
    else if (riid == IID_IDispatch || riid == DIID_DWebBrowserEvents2)
      *out = static_cast<IDispatch*>(this);
    else
      return *out = nullptr, E_NOINTERFACE;
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 1; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP GetContainer(IOleContainer** out) override { return *out = nullptr, E_NOINTERFACE; }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (site and frame)
  STDMETHODIMP GetWindow(HWND* out) override { return *out = container_, S_OK; }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    *document = nullptr;
    GetClientRect(container_, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(container_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow and IOleInPlaceFrame: the menu has no toolbars or menus to share.
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  // IDispatch: the events of DWebBrowserEvents2 that the panes act on.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    RunTrapped("BrowserHost", [&] { OnEvent(id, params); });
    return S_OK;
  }

 private:
  void OnEvent(DISPID id, DISPPARAMS* params) {
    if (id == DISPID_DOCUMENTCOMPLETE && events_.loaded) events_.loaded();
    if (id == DISPID_NAVIGATEERROR && events_.navigationFailed) events_.navigationFailed();
    // NewWindow3(ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl); arguments arrive last first.
    if (id == DISPID_NEWWINDOW3 && params && params->cArgs == 5 && events_.cancelNewWindow) {
      VARIANT& url = params->rgvarg[0];
      VARIANT& cancel = params->rgvarg[3];
      std::string address = url.vt == VT_BSTR && url.bstrVal ? Narrow(url.bstrVal) : std::string();
      if (events_.cancelNewWindow(address) && cancel.vt == (VT_BOOL | VT_BYREF)) *cancel.pboolVal = VARIANT_TRUE;
    }
  }

  void Advise() {
    IConnectionPointContainer* points = nullptr;
    if (FAILED(browser_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points)))) return;
    if (SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, &point_)))
      point_->Advise(static_cast<IDispatch*>(this), &cookie_);
    points->Release();
  }

  void Close() {
    if (point_) {
      point_->Unadvise(cookie_);
      point_->Release();
      point_ = nullptr;
    }
    if (browser_) {
      browser_->Release();
      browser_ = nullptr;
    }
    if (object_) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
      object_->Release();
      object_ = nullptr;
    }
  }

  HWND container_ = nullptr;
  BrowserEvents events_;
  IOleObject* object_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
};

BrowserHost::BrowserHost() = default;
BrowserHost::~BrowserHost() = default;

bool BrowserHost::Create(HWND container, BrowserEvents events) {
  auto site = std::make_unique<Site>();
  if (!site->Create(container, std::move(events))) return false;
  site_ = std::move(site);
  return true;
}

void BrowserHost::Navigate(const std::string& address) {
  if (site_) site_->Navigate(address);
}

void BrowserHost::Close() { site_.reset(); }

void BrowserHost::Fit() {
  if (site_) site_->Fit();
}
