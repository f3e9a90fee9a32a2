#include "upkeep/static_ip_wmi.h"

#include <windows.h>
#include <objbase.h>
#include <wbemcli.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "store/com.h"
#include "store/text_codec.h"

namespace {
struct Variant {
  VARIANT v;
  Variant() { VariantInit(&v); }
  ~Variant() { VariantClear(&v); }
};

// A SAFEARRAY of BSTR in a VARIANT, as the adapter methods take their address lists.
void PutStrings(Variant& value, std::initializer_list<std::string> texts) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(texts.size()));
  LONG index = 0;
  for (const std::string& text : texts) {
    BSTR item = SysAllocString(Widen(text).c_str());
    SafeArrayPutElement(array, &index, item);
    SysFreeString(item);
    ++index;
  }
  value.v.vt = VT_ARRAY | VT_BSTR;
  value.v.parray = array;
}

void PutMetric(Variant& value) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, 1);
  LONG index = 0, metric = 1;
  SafeArrayPutElement(array, &index, &metric);
  value.v.vt = VT_ARRAY | VT_I4;
  value.v.parray = array;
}

struct Argument {
  const wchar_t* name;
  Variant* value;
};

void Call(IWbemServices* services, IWbemClassObject* adapterClass, const BSTR path, const wchar_t* method,
          std::initializer_list<Argument> arguments) {
  ComPtr<IWbemClassObject> signature, input;
  if (FAILED(adapterClass->GetMethod(method, 0, signature.out(), nullptr)) || !signature.get()) return;
  if (FAILED(signature->SpawnInstance(0, input.out()))) return;
  for (const Argument& argument : arguments) input->Put(argument.name, 0, &argument.value->v, 0);
  BSTR methodName = SysAllocString(method);
  services->ExecMethod(path, methodName, 0, nullptr, input.get(), nullptr, nullptr);
  SysFreeString(methodName);
}

void Configure(IWbemServices* services, const IpTarget& t) {
  ComPtr<IWbemClassObject> adapterClass;
  BSTR className = SysAllocString(L"Win32_NetworkAdapterConfiguration");
  HRESULT found = services->GetObject(className, 0, nullptr, adapterClass.out(), nullptr);
  SysFreeString(className);
  if (FAILED(found)) return;

  ComPtr<IEnumWbemClassObject> adapters;
  BSTR language = SysAllocString(L"WQL");
  BSTR query = SysAllocString(L"Select * from Win32_NetworkAdapterConfiguration where IPEnabled=TRUE");
  HRESULT queried = services->ExecQuery(language, query, WBEM_FLAG_FORWARD_ONLY, nullptr, adapters.out());
  SysFreeString(language);
  SysFreeString(query);
  if (FAILED(queried)) return;

  Variant ip, mask, gateway, metric, dns;
  PutStrings(ip, {t.ip});
  PutStrings(mask, {t.mask});
  PutStrings(gateway, {t.gateway});
  PutMetric(metric);
  PutStrings(dns, {t.dns1, t.dns2});
  for (;;) {
    ComPtr<IWbemClassObject> adapter;
    ULONG returned = 0;
    if (adapters->Next(WBEM_INFINITE, 1, adapter.out(), &returned) != WBEM_S_NO_ERROR || returned == 0) break;
    Variant path;
    if (FAILED(adapter->Get(L"__PATH", 0, &path.v, nullptr, nullptr)) || path.v.vt != VT_BSTR) continue;
    Call(services, adapterClass.get(), path.v.bstrVal, L"EnableStatic", {{L"IPAddress", &ip}, {L"SubnetMask", &mask}});
    Call(services, adapterClass.get(), path.v.bstrVal, L"SetGateways",
         {{L"DefaultIPGateway", &gateway}, {L"GatewayCostMetric", &metric}});
    Call(services, adapterClass.get(), path.v.bstrVal, L"SetDNSServerSearchOrder", {{L"DNSServerSearchOrder", &dns}});
  }
}
}  // namespace

void SetStaticIpThroughWmi(const IpTarget& target) {
  EnsureComForThisThread();
  {
    ComPtr<IWbemLocator> locator;
    ComPtr<IWbemServices> services;
    BSTR space = SysAllocString(L"\\\\.\\root\\cimv2");
    bool connected =
        SUCCEEDED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                   reinterpret_cast<void**>(locator.out()))) &&
        SUCCEEDED(locator->ConnectServer(space, nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.out()));
    SysFreeString(space);
    if (connected &&
        SUCCEEDED(CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                                    RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE)))
      Configure(services.get(), target);
  }
}
