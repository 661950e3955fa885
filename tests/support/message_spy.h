// A message spy: a procedure put on a window that records every message reaching it and
// passes it on, and sequence checks over what it recorded in the manner of Wine's user32
// message tests (an expected list, entries optional or with their wParam checked).
// User-interface thread of the test.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace testing_support {

struct SpiedMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// One entry of an expected sequence.
enum ExpectFlags : unsigned {
  kAnyParams = 0,
  kWParam = 1,   // wParam must equal the entry's
  kOptional = 2  // may be missing (it depends on the system, not on the code under test)
};
struct Expected {
  UINT message = 0;
  unsigned flags = kAnyParams;
  WPARAM wParam = 0;
};

class MessageSpy {
 public:
  // Put on the window before the code under test replaces its procedure, the spy sees what
  // that code passes on to the procedure it replaced.
  explicit MessageSpy(HWND wnd);
  ~MessageSpy();
  MessageSpy(const MessageSpy&) = delete;
  MessageSpy& operator=(const MessageSpy&) = delete;

  void clear() { received_.clear(); }
  const std::vector<SpiedMessage>& received() const { return received_; }
  int count(UINT msg) const;
  // True when `expected` appears in order (not necessarily adjacent) in what was recorded.
  bool saw_in_order(const std::vector<UINT>& expected) const;
  // Whether what was recorded is exactly `expected`, leaving out the messages whose number
  // depends on timing and pointer (see message_spy.cpp) and those in `ignored`. On failure the
  // text lists both sequences and where they part.
  ::testing::AssertionResult sequence_is(const std::vector<Expected>& expected,
                                         const std::vector<UINT>& ignored = {}) const;

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  HWND wnd_;
  WNDPROC old_;
  std::vector<SpiedMessage> received_;
};

// The windows of this thread that were sent `message` while the log lived, seen by a
// call-window-procedure hook before any procedure of theirs runs: it needs no window to exist
// beforehand and sees windows whose procedure is not ours.
class SentMessageLog {
 public:
  explicit SentMessageLog(UINT message);
  ~SentMessageLog();
  SentMessageLog(const SentMessageLog&) = delete;
  SentMessageLog& operator=(const SentMessageLog&) = delete;

  int count(HWND window) const;
  void clear() { windows_.clear(); }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  UINT message_;
  HHOOK hook_;
  std::vector<HWND> windows_;
};

}  // namespace testing_support
