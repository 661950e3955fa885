// The stack over Windows Sockets 2 through the Winsock entry table. User-interface thread for
// the shared instance; the service-started flag is atomic.
#include "net/id_stack_windows.h"

#include <atomic>
#include <cstring>

#include "net/id_exceptions.h"
#include "net/id_socket_list.h"
#include "net/winsock_table.h"

using ws2::Call;

namespace {
std::atomic<bool> g_serviceStarted{false};
constexpr int kHostNotFound = 11001;

TIdIPv4Bytes BytesOf(const in_addr& a) {
  TIdIPv4Bytes bytes;
  std::memcpy(bytes.data(), &a, 4);
  return bytes;
}

// Copies a socket list into the library's set form; a set holds at most 64 handles.
void FillSet(fd_set& set, TIdSocketList* list) {
  set.fd_count = 0;
  if (!list) return;
  if (list->Count() > FD_SETSIZE) throw EIdStackSetSizeExceeded("Set Size Exceeded.");
  for (int i = 0; i < list->Count(); ++i) set.fd_array[set.fd_count++] = list->Item(i);
}

void RefillList(TIdSocketList* list, const fd_set& set) {
  if (!list) return;
  list->Clear();
  for (u_int i = 0; i < set.fd_count; ++i) list->Add(set.fd_array[i]);
}
}  // namespace

bool SocketServiceStarted() {
  return g_serviceStarted.load();
}

void CleanupSocketService() {
  if (g_serviceStarted.exchange(false)) Call<ws2::k_WSACleanup>();
}

TIdStackWindows::TIdStackWindows() {
  if (g_serviceStarted.load()) return;
  WSADATA data{};
  if (ws2::LoadAndStartup(MAKEWORD(2, 2), &data) != 0)
    throw EIdStackInitializationFailed("Winsock Initialization Error.");
  g_serviceStarted.store(true);
}

void TIdStackWindows::RefreshLocalAddresses() {
  ensureLocalAddressList();
  localAddresses()->Clear();
  std::string host = HostName();
  hostent* entry = Call<ws2::k_gethostbyname>(host.c_str());
  if (!entry) {
    CheckSocketResult(-1);
    return;
  }
  for (char** a = entry->h_addr_list; *a; ++a) {
    in_addr address;
    std::memcpy(&address, *a, 4);
    localAddresses()->Add(AddressToText(BytesOf(address)));
  }
}

sockaddr_in TIdStackWindows::MakeAddress(int family, const std::string& address, int port) {
  sockaddr_in a{};
  a.sin_family = static_cast<decltype(a.sin_family)>(family);
  a.sin_addr.s_addr = address.empty() ? INADDR_ANY : Call<ws2::k_inet_addr>(address.c_str());
  a.sin_port = HToNS(static_cast<uint16_t>(port));
  return a;
}

void TIdStackWindows::ReadAddress(const sockaddr_in& from, std::string& address, int& port) {
  address = AddressToText(BytesOf(from.sin_addr));
  port = NToHS(from.sin_port);
}

SOCKET TIdStackWindows::Accept(SOCKET s, std::string& peerAddress, int& peerPort) {
  sockaddr_in peer{};
  int length = sizeof peer;
  SOCKET result = Call<ws2::k_accept>(s, reinterpret_cast<sockaddr*>(&peer), &length);
  if (result != INVALID_SOCKET) ReadAddress(peer, peerAddress, peerPort);
  return result;
}

int TIdStackWindows::Bind(SOCKET s, int family, const std::string& address, int port) {
  sockaddr_in a = MakeAddress(family, address, port);
  return Call<ws2::k_bind>(s, reinterpret_cast<sockaddr*>(&a), static_cast<int>(sizeof a));
}

int TIdStackWindows::CloseSocket(SOCKET s) {
  return Call<ws2::k_closesocket>(s);
}

int TIdStackWindows::Connect(SOCKET s, int family, const std::string& address, int port) {
  sockaddr_in a = MakeAddress(family, address, port);
  return Call<ws2::k_connect>(s, reinterpret_cast<sockaddr*>(&a), static_cast<int>(sizeof a));
}

std::string TIdStackWindows::ResolveHostAddress(const std::string& host) {
  hostent* entry = Call<ws2::k_gethostbyname>(host.c_str());
  // Without a result there is no address to read: raise the resolver's error.
  if (!entry || !entry->h_addr_list[0]) {
    CheckSocketResult(-1);
    return {};
  }
  in_addr address;
  std::memcpy(&address, entry->h_addr_list[0], 4);
  return AddressToText(BytesOf(address));
}

std::string TIdStackWindows::HostName() {
  char buffer[251] = {};  // stays empty when the call fails; the resolution then fails instead
  Call<ws2::k_gethostname>(buffer, 250);
  return std::string(buffer);
}

std::string TIdStackWindows::ResolveAddressName(const std::string& address) {
  in_addr a;
  a.s_addr = Call<ws2::k_inet_addr>(address.c_str());
  hostent* entry = Call<ws2::k_gethostbyaddr>(reinterpret_cast<const char*>(&a), 4, AF_INET);
  if (!entry) {
    CheckSocketResult(-1);
    return {};
  }
  return entry->h_name;
}

int TIdStackWindows::ServicePort(const std::string& service) {
  if (servent* entry = Call<ws2::k_getservbyname>(service.c_str(), nullptr)) return NToHS(entry->s_port);
  // Not a known service: a decimal port number, which must fit a port.
  bool valid = !service.empty() && service.size() <= 5;
  int port = 0;
  for (char c : service) {
    valid = valid && c >= '0' && c <= '9';
    port = port * 10 + (c - '0');
  }
  if (!valid || port > 65535) throw EIdInvalidServiceName(service + " is not a valid service.");
  return port;
}

std::unique_ptr<TStrings> TIdStackWindows::ServiceNames(int port) {
  auto names = std::make_unique<TStringList>();
  servent* entry = Call<ws2::k_getservbyport>(static_cast<int>(HToNS(static_cast<uint16_t>(port))), nullptr);
  if (entry) {
    names->Add(entry->s_name);
    for (char** alias = entry->s_aliases; alias && *alias; ++alias) names->Add(*alias);
  }
  return names;
}

uint16_t TIdStackWindows::HToNS(uint16_t value) {
  return Call<ws2::k_htons>(value);
}
uint32_t TIdStackWindows::HToNL(uint32_t value) {
  return Call<ws2::k_htonl>(value);
}
uint16_t TIdStackWindows::NToHS(uint16_t value) {
  return Call<ws2::k_ntohs>(value);
}
uint32_t TIdStackWindows::NToHL(uint32_t value) {
  return Call<ws2::k_ntohl>(value);
}

int TIdStackWindows::Listen(SOCKET s, int backlog) {
  return Call<ws2::k_listen>(s, backlog);
}

int TIdStackWindows::Recv(SOCKET s, void* buffer, int length, int flags) {
  return Call<ws2::k_recv>(s, static_cast<char*>(buffer), length, flags);
}

int TIdStackWindows::RecvFrom(SOCKET s, void* buffer, int length, int flags, std::string& fromAddress,
                              int& fromPort) {
  sockaddr_in from{};
  int fromLength = sizeof from;
  int result = Call<ws2::k_recvfrom>(s, static_cast<char*>(buffer), length, flags,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
  if (result != SOCKET_ERROR) ReadAddress(from, fromAddress, fromPort);
  return result;
}

int TIdStackWindows::Select(TIdSocketList* read, TIdSocketList* write, TIdSocketList* error, int timeoutMs) {
  fd_set readSet, writeSet, errorSet;
  FillSet(readSet, read);
  FillSet(writeSet, write);
  FillSet(errorSet, error);
  timeval limit{};
  timeval* limitPtr = nullptr;
  // -2 waits without limit; so does any other negative time-out, which has no meaning as a wait.
  if (timeoutMs >= 0) {
    limit.tv_sec = timeoutMs / 1000;
    limit.tv_usec = (timeoutMs % 1000) * 1000;
    limitPtr = &limit;
  }
  int result = Call<ws2::k_select>(0, read ? &readSet : nullptr, write ? &writeSet : nullptr,
                                   error ? &errorSet : nullptr, limitPtr);
  RefillList(read, readSet);
  RefillList(write, writeSet);
  RefillList(error, errorSet);
  return result;
}

int TIdStackWindows::Send(SOCKET s, const void* buffer, int length, int flags) {
  return Call<ws2::k_send>(s, static_cast<const char*>(buffer), length, flags);
}

int TIdStackWindows::SendTo(SOCKET s, const void* buffer, int length, int flags, const std::string& address,
                            int port) {
  sockaddr_in to = MakeAddress(AF_INET, address, port);
  return Call<ws2::k_sendto>(s, static_cast<const char*>(buffer), length, flags,
                             reinterpret_cast<const sockaddr*>(&to), static_cast<int>(sizeof to));
}

int TIdStackWindows::SetSockOpt(SOCKET s, int level, int option, const void* value, int length) {
  return Call<ws2::k_setsockopt>(s, level, option, static_cast<const char*>(value), length);
}

SOCKET TIdStackWindows::Socket(int family, int type, int protocol) {
  return Call<ws2::k_socket>(family, type, protocol);
}

std::string TIdStackWindows::ErrorMessage(int code) {
  if (code == kHostNotFound) return FormatSocketError(code, "Host not found.");
  return TIdStack::ErrorMessage(code);
}

int TIdStackWindows::LastSocketError() {
  return Call<ws2::k_WSAGetLastError>();
}

void TIdStackWindows::GetPeerName(SOCKET s, int& family, std::string& address, int& port) {
  sockaddr_in a{};
  int length = sizeof a;
  CheckSocketResult(Call<ws2::k_getpeername>(s, reinterpret_cast<sockaddr*>(&a), &length));
  family = a.sin_family;
  ReadAddress(a, address, port);
}

void TIdStackWindows::GetSocketName(SOCKET s, int& family, std::string& address, int& port) {
  sockaddr_in a{};
  int length = sizeof a;
  CheckSocketResult(Call<ws2::k_getsockname>(s, reinterpret_cast<sockaddr*>(&a), &length));
  family = a.sin_family;
  ReadAddress(a, address, port);
}

int TIdStackWindows::Shutdown(SOCKET s, int how) {
  return Call<ws2::k_shutdown>(s, how);
}

int TIdStackWindows::GetSockOpt(SOCKET s, int level, int option, void* value, int& length) {
  return Call<ws2::k_getsockopt>(s, level, option, static_cast<char*>(value), &length);
}
