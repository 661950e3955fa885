// The stack operations that do not depend on the platform: local address list, error texts,
// result checks and address conversions. User-interface thread (see id_stack.h).
#include "net/id_stack.h"

#include <cstdio>

#include "net/id_exceptions.h"

namespace {
struct ErrorText {
  int code;
  const char* text;
};
constexpr ErrorText kErrorTexts[] = {
    {10004, "Interrupted system call."},
    {10009, "Bad file number."},
    {10013, "Access denied."},
    {10014, "Bad address."},
    {10022, "Invalid argument."},
    {10024, "Too many open files."},
    {10035, "Operation would block. "},
    {10036, "Operation now in progress."},
    {10037, "Operation already in progress."},
    {10038, "Socket operation on non-socket."},
    {10039, "Destination address required."},
    {10040, "Message too long."},
    {10041, "Protocol wrong type for socket."},
    {10042, "Bad protocol option."},
    {10043, "Protocol not supported."},
    {10044, "Socket type not supported."},
    {10045, "Operation not supported on socket."},
    {10046, "Protocol family not supported."},
    {10047, "Address family not supported by protocol family."},
    {10048, "Address already in use."},
    {10049, "Cannot assign requested address."},
    {10050, "Network is down."},
    {10051, "Network is unreachable."},
    {10052, "Net dropped connection or reset."},
    {10053, "Software caused connection abort."},
    {10054, "Connection reset by peer."},
    {10055, "No buffer space available."},
    {10056, "Socket is already connected."},
    {10057, "Socket is not connected."},
    {10058, "Cannot send or receive after socket is closed."},
    {10059, "Too many references, cannot splice."},
    {10060, "Connection timed out."},
    {10061, "Connection refused."},
    {10062, "Too many levels of symbolic links."},
    {10063, "File name too long."},
    {10064, "Host is down."},
    {10065, "No route to host."},
    {10066, "Directory not empty"},
};
}  // namespace

std::string SocketErrorText(int code) {
  for (const ErrorText& e : kErrorTexts)
    if (e.code == code) return e.text;
  return {};
}

std::string FormatSocketError(int code, const std::string& text) {
  return "Socket Error # " + std::to_string(code) + "\r\n" + text;
}

TIdStack::TIdStack() = default;
TIdStack::~TIdStack() = default;

void TIdStack::ensureLocalAddressList() {
  if (!localAddresses_) localAddresses_ = std::make_unique<TStringList>();
}

std::string TIdStack::FirstLocalAddress() {
  TStrings& list = LocalAddressList();
  if (list.Count() == 0) throw EListError("List index out of bounds (0)");
  return list.Get(0);
}

TStrings& TIdStack::LocalAddressList() {
  ensureLocalAddressList();
  RefreshLocalAddresses();
  return *localAddresses_;
}

std::string TIdStack::ErrorMessage(int code) {
  return FormatSocketError(code, SocketErrorText(code));
}

bool TIdStack::CheckSocketResult(int result, std::initializer_list<int> tolerated) {
  if (result != -1) return false;
  lastError_ = LastSocketError();
  for (int code : tolerated)
    if (code == lastError_) return true;
  RaiseSocketError(lastError_);
}

void TIdStack::RaiseSocketError(int code) {
  throw EIdSocketError(ErrorMessage(code), code);
}

std::string TIdStack::AddressToText(const TIdIPv4Bytes& address) {
  return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." + std::to_string(address[2]) +
         "." + std::to_string(address[3]);
}

TIdIPv4Bytes TIdStack::TextToAddress(const std::string& text) {
  TIdIPv4Bytes bytes{};
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    size_t end = text.find('.', start);
    bool last = i + 1 == bytes.size();
    if (last != (end == std::string::npos)) throw EIdException("\"" + text + "\" is not a valid IP address");
    std::string part = text.substr(start, last ? std::string::npos : end - start);
    unsigned value = 0;
    bool valid = !part.empty() && part.size() <= 3;
    for (char c : part) {
      valid = valid && c >= '0' && c <= '9';
      value = value * 10 + static_cast<unsigned>(c - '0');
    }
    // A part above 255 would silently wrap into a different address.
    if (!valid || value > 255) throw EIdException("\"" + text + "\" is not a valid IP address");
    bytes[i] = static_cast<uint8_t>(value);
    start = end + 1;
  }
  return bytes;
}
