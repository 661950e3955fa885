// `TIdStack`, the socket layer's abstract stack: local addresses, look-ups, socket primitives,
// byte order, error texts and address conversions. The shared instance is used on the
// user-interface thread; the local address list must not be refreshed from two threads at once.
#pragma once
#include <winsock2.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "framework/core/strings.h"

class TIdSocketList;

// The four bytes of an IPv4 address, first byte first.
using TIdIPv4Bytes = std::array<uint8_t, 4>;

class TIdStack {
 public:
  TIdStack();
  virtual ~TIdStack();
  TIdStack(const TIdStack&) = delete;
  TIdStack& operator=(const TIdStack&) = delete;

  virtual void RefreshLocalAddresses() = 0;
  // The first entry of the refreshed list; "List index out of bounds (0)" when it is empty.
  virtual std::string FirstLocalAddress();
  // Creates the list if needed, refreshes it and returns it (owned by the stack).
  virtual TStrings& LocalAddressList();

  virtual SOCKET Accept(SOCKET s, std::string& peerAddress, int& peerPort) = 0;
  // An empty address binds to any address.
  virtual int Bind(SOCKET s, int family, const std::string& address, int port) = 0;
  virtual int CloseSocket(SOCKET s) = 0;
  virtual int Connect(SOCKET s, int family, const std::string& address, int port) = 0;
  virtual std::string ResolveHostAddress(const std::string& host) = 0;
  virtual std::string HostName() = 0;
  virtual std::string ResolveAddressName(const std::string& address) = 0;
  // The port of a service name, or the name read as a decimal number.
  virtual int ServicePort(const std::string& service) = 0;
  // The official name and then the aliases of the service on a port; empty when there is none.
  virtual std::unique_ptr<TStrings> ServiceNames(int port) = 0;
  virtual uint16_t HToNS(uint16_t value) = 0;
  virtual int Listen(SOCKET s, int backlog) = 0;
  virtual uint32_t HToNL(uint32_t value) = 0;
  virtual uint16_t NToHS(uint16_t value) = 0;
  virtual uint32_t NToHL(uint32_t value) = 0;
  virtual int Recv(SOCKET s, void* buffer, int length, int flags) = 0;
  virtual int RecvFrom(SOCKET s, void* buffer, int length, int flags, std::string& fromAddress,
                       int& fromPort) = 0;
  // Time-out in milliseconds; -2 waits without limit. Each present list is refilled with the
  // handles the library reports ready.
  virtual int Select(TIdSocketList* read, TIdSocketList* write, TIdSocketList* error, int timeoutMs) = 0;
  virtual int Send(SOCKET s, const void* buffer, int length, int flags) = 0;
  virtual int SendTo(SOCKET s, const void* buffer, int length, int flags, const std::string& address,
                     int port) = 0;
  virtual int SetSockOpt(SOCKET s, int level, int option, const void* value, int length) = 0;
  virtual SOCKET Socket(int family, int type, int protocol) = 0;
  virtual std::string ErrorMessage(int code);
  virtual int LastSocketError() = 0;
  virtual void GetPeerName(SOCKET s, int& family, std::string& address, int& port) = 0;
  virtual void GetSocketName(SOCKET s, int& family, std::string& address, int& port) = 0;
  virtual int Shutdown(SOCKET s, int how) = 0;
  virtual int GetSockOpt(SOCKET s, int level, int option, void* value, int& length) = 0;
  virtual std::string AddressToText(const TIdIPv4Bytes& address);
  // Each "."-separated part read as a decimal number; a text that is not four numbers of 0 to
  // 255 raises EIdException naming the text.
  virtual TIdIPv4Bytes TextToAddress(const std::string& text);

  // -1 (a failed call): reads the last error, stores it and returns true when it is tolerated,
  // else raises it. Any other result: false.
  bool CheckSocketResult(int result, std::initializer_list<int> tolerated = {});
  [[noreturn]] void RaiseSocketError(int code);
  int LastError() const { return lastError_; }

 protected:
  TStringList* localAddresses() { return localAddresses_.get(); }
  void ensureLocalAddressList();
  int lastError_ = 0;

 private:
  std::unique_ptr<TStringList> localAddresses_;
};

// The text of a socket error code in the table; empty for a code that is not there.
std::string SocketErrorText(int code);
// "Socket Error # %d\r\n%s" with the code and its text.
std::string FormatSocketError(int code, const std::string& text);
