// The socket layer's exception tree: every error of the Winsock access, the stack, the socket
// sets and the socket-library threads derives from `EIdException`. Any thread.
#pragma once
#include <cstdint>
#include <string>

#include "framework/core/error.h"

class EIdException : public Exception {
 public:
  using Exception::Exception;
};

// A socket call failed; carries the socket error code.
class EIdSocketError : public EIdException {
 public:
  EIdSocketError(const std::string& message, int32_t lastError)
      : EIdException(message), lastError_(lastError) {}
  int32_t LastError() const { return lastError_; }

 private:
  int32_t lastError_;
};

// The socket library cannot be loaded or one of its functions cannot be called. The message is
// the title, followed by ": " and the system's text for the Win32 error when there is one.
class EIdWS2StubError : public EIdException {
 public:
  EIdWS2StubError(const std::string& title, uint32_t win32Error);
  const std::string& Title() const { return title_; }
  uint32_t Win32Error() const { return win32Error_; }
  const std::string& Win32ErrorMessage() const { return win32ErrorMessage_; }

 private:
  EIdWS2StubError(const std::string& title, uint32_t win32Error, std::string systemText);
  std::string title_;
  uint32_t win32Error_;
  std::string win32ErrorMessage_;
};

class EIdStackError : public EIdException {
 public:
  using EIdException::EIdException;
};
class EIdStackInitializationFailed : public EIdStackError {
 public:
  using EIdStackError::EIdStackError;
};
class EIdStackSetSizeExceeded : public EIdStackError {
 public:
  using EIdStackError::EIdStackError;
};
class EIdInvalidServiceName : public EIdException {
 public:
  using EIdException::EIdException;
};
class EIdThreadTerminateAndWaitFor : public EIdException {
 public:
  using EIdException::EIdException;
};

// The system's message text for a Win32 error code, without the trailing line break; empty when
// the system has none.
std::string SystemErrorText(uint32_t code);
