// The network probe: WinInet connection state, the XML HTTP request fetch with its error
// messages, and the report. User-interface thread.
#include "app/network_probe.h"

#include <msxml2.h>
#include <oleauto.h>
#include <wininet.h>

#include <cstdio>

#include "framework/core/text.h"
#include "net/id_exceptions.h"

namespace {

// Report lines, GBK.
constexpr char kPleaseWait[] = "\xC7\xEB\xC9\xD4\xBA\xF2\xD5\xFD\xD4\xDA\xB7\xD6\xCE\xF6\xCD\xF8\xC2\xE7...";
constexpr char kNotConnected[] = "\xC3\xBB\xD3\xD0\xC1\xAC\xBD\xD3\xCD\xF8\xC2\xE7.";
constexpr char kLocalAddressPrefix[] =
    "\xB1\xBE\xBB\xFA"
    "IP:";
constexpr char kExternalAddressPrefix[] =
    "\xCD\xE2\xCD\xF8"
    "IP:";

struct ConnectionKind {
  DWORD bit;
  const char* kind;
  const char* modeLine;
};
// In the order the bits are tested: a later set bit overrides an earlier one.
constexpr ConnectionKind kKinds[] = {
    {1, "Modem", "ADSL Modem \xCD\xF8\xC4\xA3\xCA\xBD."},
    {2, "LAN", "LAN \xBE\xD6\xD3\xF2\xCD\xF8\xC4\xA3\xCA\xBD."},
    {4, "Proxy", "Proxy \xB4\xFA\xC0\xED\xC9\xCF\xCD\xF8\xC4\xA3\xCA\xBD."},
    {8, "Busy", "Busy \xB7\xB1\xC3\xA6,\xCE\xDE\xB7\xA8\xC5\xD0\xB6\xCF."},
};

// The XML HTTP request class and its request interface.
constexpr CLSID kXmlHttpRequestClass = {
    0xED8C108E, 0x4349, 0x11D2, {0x91, 0xA4, 0x00, 0xC0, 0x4F, 0x79, 0x69, 0xE8}};
constexpr IID kXmlHttpRequestInterface = {
    0xED8C108D, 0x4349, 0x11D2, {0x91, 0xA4, 0x00, 0xC0, 0x4F, 0x79, 0x69, 0xE8}};

// Owns one COM interface reference.
template <class I>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (p_) p_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  I* operator->() const { return p_; }
  I* get() const { return p_; }
  void** out() { return reinterpret_cast<void**>(&p_); }

 private:
  I* p_ = nullptr;
};

// Owns one BSTR.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const std::wstring& text)
      : s_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(s_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return s_; }
  BSTR* out() { return &s_; }
  std::wstring str() const { return s_ ? std::wstring(s_, SysStringLen(s_)) : std::wstring(); }

 private:
  BSTR s_ = nullptr;
};

// The description the object left for the failed call, if it supports error information.
std::wstring ErrorDescription(IUnknown* object) {
  if (!object) return {};
  ComRef<ISupportErrorInfo> support;
  if (FAILED(object->QueryInterface(IID_ISupportErrorInfo, support.out())) || !support.get()) return {};
  if (support->InterfaceSupportsErrorInfo(kXmlHttpRequestInterface) != S_OK) return {};
  ComRef<IErrorInfo> info;
  if (GetErrorInfo(0, reinterpret_cast<IErrorInfo**>(info.out())) != S_OK || !info.get()) return {};
  Bstr description;
  info->GetDescription(description.out());
  return description.str();
}

void Check(HRESULT result, IUnknown* object) {
  if (FAILED(result)) throw EOleSysError(FetchErrorMessage(result, ErrorDescription(object)), result);
}

std::string TrimEnd(std::string text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
    text.pop_back();
  return text;
}

}  // namespace

ConnectionState SystemConnectionState() {
  DWORD flags = 0;
  bool connected = InternetGetConnectedState(&flags, 0) != FALSE;
  return {connected, flags};
}

bool QueryConnectionType(std::string& kind) {
  return QueryConnectionType(kind, SystemConnectionState);
}

bool QueryConnectionType(std::string& kind, const ConnectionStateQuery& query) {
  kind.clear();
  ConnectionState state = query();
  if (!state.connected) return false;
  for (const ConnectionKind& k : kKinds)
    if (state.flags & k.bit) kind = k.kind;
  return true;
}

std::string FetchErrorMessage(HRESULT code, const std::wstring& description) {
  std::string text = TrimEnd(fw::FromWide(description));
  if (text.empty()) text = TrimEnd(SystemErrorText(static_cast<uint32_t>(code)));
  if (text.empty()) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "OLE error %.8lx", static_cast<unsigned long>(code));
    text = buffer;
  }
  return text;
}

std::string FetchExternalAddress(const std::string& url) {
  ComRef<IXMLHTTPRequest> request;
  Check(CoCreateInstance(kXmlHttpRequestClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                         kXmlHttpRequestInterface, request.out()),
        nullptr);
  // User, password and body are passed as "not supplied": no credentials, no body.
  VARIANT notSupplied;
  VariantInit(&notSupplied);
  notSupplied.vt = VT_ERROR;
  notSupplied.scode = DISP_E_PARAMNOTFOUND;
  VARIANT synchronous;
  VariantInit(&synchronous);
  synchronous.vt = VT_BOOL;
  synchronous.boolVal = VARIANT_FALSE;
  Bstr method(L"Get");
  Bstr address(fw::ToWide(url));
  Check(request->open(method.get(), address.get(), synchronous, notSupplied, notSupplied), request.get());
  Check(request->send(notSupplied), request.get());
  Bstr body;
  Check(request->get_responseText(body.out()), request.get());
  return fw::FromWide(body.str());
}

void RunNetworkProbe(TStrings& panel, const std::string& echoUrl, const NetworkProbeServices& services) {
  panel.Clear();
  panel.Add(kPleaseWait);
  std::string kind;
  if (!QueryConnectionType(kind, services.connectionState)) {
    panel.Add(kNotConnected);
    return;
  }
  for (const ConnectionKind& k : kKinds) {
    if (kind != k.kind) continue;
    panel.Add(k.modeLine);
    panel.Add(kLocalAddressPrefix + services.localAddress());
    panel.Add(kExternalAddressPrefix + services.fetchExternalAddress(echoUrl));
    return;
  }
}

void RunNetworkProbe(TStrings& panel, const std::function<std::string()>& localAddress,
                     const std::string& echoUrl) {
  NetworkProbeServices services;
  services.localAddress = localAddress;
  RunNetworkProbe(panel, echoUrl, services);
}
