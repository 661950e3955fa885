// The framework's exception classes: every failure carries a message text. Any thread.
#pragma once
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

class EComponentError : public Exception {
  using Exception::Exception;
};
class EReadError : public Exception {  // a persisted description that cannot be read
  using Exception::Exception;
};
class EWin32Error : public Exception {
  using Exception::Exception;
};
class EInvalidOperation : public Exception {
  using Exception::Exception;
};
class EListError : public Exception {
  using Exception::Exception;
};
// A broken precondition of a caller (a null list to fill, a ramp of no entries).
class EAssertionFailed : public Exception {
 public:
  explicit EAssertionFailed(const std::string& message = "Assertion failure") : Exception(message) {}
};
