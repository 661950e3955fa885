// The network probe behind the main window's first button: the connection kind from WinInet,
// the external address from an address-echo page through the system's XML HTTP request object,
// and the report written line by line into a text panel. User-interface thread (COM initialised
// as a single-threaded apartment).
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "framework/core/error.h"
#include "framework/core/strings.h"

// The system's answer: whether the computer is connected, and its connection-state bits.
struct ConnectionState {
  bool connected = false;
  DWORD flags = 0;
};
using ConnectionStateQuery = std::function<ConnectionState()>;

// WinInet's connection state.
ConnectionState SystemConnectionState();

// Sets `kind` to "Modem", "LAN", "Proxy" or "Busy" (the highest of the four state bits that is
// set), or empty; returns whether the computer is connected.
bool QueryConnectionType(std::string& kind);
bool QueryConnectionType(std::string& kind, const ConnectionStateQuery& query);

// A failed COM call of the fetch; the message follows FetchErrorMessage.
class EOleSysError : public Exception {
 public:
  EOleSysError(const std::string& message, HRESULT code) : Exception(message), code_(code) {}
  HRESULT ErrorCode() const { return code_; }

 private:
  HRESULT code_;
};

// The message of a failed fetch: the object's description without trailing blanks, control
// characters and full stops; else the system's text for the code; else "OLE error %.8x".
std::string FetchErrorMessage(HRESULT code, const std::wstring& description);

// Fetches `url` with a synchronous GET and returns the whole response body (any status) as
// GBK text; raises EOleSysError when the object cannot be made or a call fails.
std::string FetchExternalAddress(const std::string& url);

// What the probe asks the system; tests put in scripted answers.
struct NetworkProbeServices {
  std::function<std::string()> localAddress;
  ConnectionStateQuery connectionState = SystemConnectionState;
  std::function<std::string(const std::string& url)> fetchExternalAddress = FetchExternalAddress;
};

// Clears `panel` and writes the report, each line as soon as it is known. Errors of the local
// address query and of the fetch propagate, leaving the lines written so far.
void RunNetworkProbe(TStrings& panel, const std::string& echoUrl, const NetworkProbeServices& services);
// The same with the system's connection state and the real fetch.
void RunNetworkProbe(TStrings& panel, const std::function<std::string()>& localAddress,
                     const std::string& echoUrl);
