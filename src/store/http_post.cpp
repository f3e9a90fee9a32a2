#include "store/http_post.h"

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "store/com.h"
#include "store/text_codec.h"

namespace {
constexpr LONG kUrlCodePageOption = 2;  // WinHttpRequestOption_URLCodePage

// A VARIANT that clears itself.
struct Variant : VARIANT {
  Variant() { VariantInit(this); }
  explicit Variant(const std::string& text) : Variant() {
    vt = VT_BSTR;
    bstrVal = SysAllocString(Widen(text).c_str());
  }
  explicit Variant(LONG number) : Variant() {
    vt = VT_I4;
    lVal = number;
  }
  static Variant Bool(bool value) {
    Variant v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
  }
  Variant(Variant&& other) noexcept : Variant() { std::swap(static_cast<VARIANT&>(*this), static_cast<VARIANT&>(other)); }
  ~Variant() { VariantClear(this); }
};

// Late-bound calls on the component, by member name, as a script would make them.
class Request {
 public:
  bool Create() {
    EnsureComForThisThread();
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"WinHttp.WinHttpRequest.5.1", &clsid))) return false;
    return SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                      reinterpret_cast<void**>(object_.out())));
  }

  // Arguments in the order a script writes them.
  bool Call(const wchar_t* name, std::vector<Variant> arguments, VARIANT* result = nullptr) {
    return Invoke(name, DISPATCH_METHOD, std::move(arguments), result);
  }
  bool Get(const wchar_t* name, VARIANT* result) { return Invoke(name, DISPATCH_PROPERTYGET, {}, result); }
  // name(index) = value
  bool PutIndexed(const wchar_t* name, Variant index, Variant value) {
    std::vector<Variant> arguments;
    arguments.push_back(std::move(index));
    arguments.push_back(std::move(value));
    return Invoke(name, DISPATCH_PROPERTYPUT, std::move(arguments), nullptr);
  }

 private:
  bool Invoke(const wchar_t* name, WORD kind, std::vector<Variant> arguments, VARIANT* result) {
    DISPID member;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member))) return false;
    std::vector<VARIANTARG> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    DISPID put = DISPID_PROPERTYPUT;
    if (kind == DISPATCH_PROPERTYPUT) {
      parameters.rgdispidNamedArgs = &put;
      parameters.cNamedArgs = 1;
    }
    return SUCCEEDED(object_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, result, nullptr,
                                     nullptr));
  }

  ComPtr<IDispatch> object_;
};

std::optional<std::string> Bytes(const VARIANT& body) {
  if (body.vt != (VT_ARRAY | VT_UI1) || !body.parray) return std::nullopt;
  LONG low = 0, high = -1;
  SafeArrayGetLBound(body.parray, 1, &low);
  SafeArrayGetUBound(body.parray, 1, &high);
  void* data = nullptr;
  if (high < low) return std::string();
  if (FAILED(SafeArrayAccessData(body.parray, &data))) return std::nullopt;
  std::string bytes(static_cast<const char*>(data), static_cast<size_t>(high - low + 1));
  SafeArrayUnaccessData(body.parray);
  return bytes;
}
}  // namespace

std::optional<std::string> PostForm(const HttpPost& post) {
  Request request;
  if (!request.Create()) return std::nullopt;
  if (post.urlCodePage && !request.PutIndexed(L"Option", Variant(kUrlCodePageOption), Variant(LONG{post.urlCodePage})))
    return std::nullopt;
  const HttpTimeouts& t = post.timeouts;
  std::vector<Variant> timeouts;
  for (int ms : {t.resolveMs, t.connectMs, t.sendMs, t.receiveMs}) timeouts.emplace_back(LONG{ms});
  // Sent in the component's own thread and waited for here, so that the whole exchange is bounded
  // whatever the component makes of the time-outs.
  std::vector<Variant> open;
  open.emplace_back(std::string("POST"));
  open.emplace_back(post.url);
  open.push_back(Variant::Bool(true));
  std::vector<Variant> header;
  header.emplace_back(std::string("Content-Type"));
  header.emplace_back(post.contentType);
  std::vector<Variant> body;
  body.emplace_back(post.body);
  if (!request.Call(L"SetTimeouts", std::move(timeouts)) || !request.Call(L"Open", std::move(open)) ||
      !request.Call(L"SetRequestHeader", std::move(header)) || !request.Call(L"Send", std::move(body)))
    return std::nullopt;
  std::vector<Variant> wait;
  wait.emplace_back(LONG{(t.resolveMs + t.connectMs + t.sendMs + t.receiveMs + 999) / 1000});
  Variant answered;
  if (!request.Call(L"WaitForResponse", std::move(wait), &answered) || answered.vt != VT_BOOL ||
      answered.boolVal != VARIANT_TRUE) {
    request.Call(L"Abort", {});
    return std::nullopt;
  }
  Variant status, answer;
  if (!request.Get(L"Status", &status) || FAILED(VariantChangeType(&status, &status, 0, VT_I4)) ||
      status.lVal < 200 || status.lVal > 299)
    return std::nullopt;
  if (!request.Get(L"ResponseBody", &answer)) return std::nullopt;
  return Bytes(answer);
}
