// `TIdStackWindows`: the stack over Windows Sockets 2, every call made through the Winsock
// entry table. The shared instance lives on the user-interface thread.
#pragma once
#include "net/id_stack.h"

class TIdStackWindows : public TIdStack {
 public:
  // Starts the socket service (version 2.2) once per process.
  TIdStackWindows();

  void RefreshLocalAddresses() override;
  SOCKET Accept(SOCKET s, std::string& peerAddress, int& peerPort) override;
  int Bind(SOCKET s, int family, const std::string& address, int port) override;
  int CloseSocket(SOCKET s) override;
  int Connect(SOCKET s, int family, const std::string& address, int port) override;
  std::string ResolveHostAddress(const std::string& host) override;
  std::string HostName() override;
  std::string ResolveAddressName(const std::string& address) override;
  int ServicePort(const std::string& service) override;
  std::unique_ptr<TStrings> ServiceNames(int port) override;
  uint16_t HToNS(uint16_t value) override;
  int Listen(SOCKET s, int backlog) override;
  uint32_t HToNL(uint32_t value) override;
  uint16_t NToHS(uint16_t value) override;
  uint32_t NToHL(uint32_t value) override;
  int Recv(SOCKET s, void* buffer, int length, int flags) override;
  int RecvFrom(SOCKET s, void* buffer, int length, int flags, std::string& fromAddress,
               int& fromPort) override;
  int Select(TIdSocketList* read, TIdSocketList* write, TIdSocketList* error, int timeoutMs) override;
  int Send(SOCKET s, const void* buffer, int length, int flags) override;
  int SendTo(SOCKET s, const void* buffer, int length, int flags, const std::string& address,
             int port) override;
  int SetSockOpt(SOCKET s, int level, int option, const void* value, int length) override;
  SOCKET Socket(int family, int type, int protocol) override;
  std::string ErrorMessage(int code) override;
  int LastSocketError() override;
  void GetPeerName(SOCKET s, int& family, std::string& address, int& port) override;
  void GetSocketName(SOCKET s, int& family, std::string& address, int& port) override;
  int Shutdown(SOCKET s, int how) override;
  int GetSockOpt(SOCKET s, int level, int option, void* value, int& length) override;

 private:
  sockaddr_in MakeAddress(int family, const std::string& address, int port);
  void ReadAddress(const sockaddr_in& from, std::string& address, int& port);
};

// Whether this process has started the socket service, and its shutdown at the end.
bool SocketServiceStarted();
void CleanupSocketService();
