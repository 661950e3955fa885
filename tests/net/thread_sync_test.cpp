// The framework thread: start, self-suspension and resumption, termination, and the hand-over
// of calls to the user-interface thread while it pumps messages or waits for the thread.
#include <gtest/gtest.h>

#include <atomic>
#include <utility>
#include <vector>

#include "framework/core/error.h"
#include "framework/ui/thread.h"
#include "tests/support/window_support.h"

namespace {

class LambdaThread : public TThread {
 public:
  explicit LambdaThread(std::function<void(LambdaThread&)> body) : body_(std::move(body)) {}
  ~LambdaThread() override {
    Terminate();
    Resume();
    WaitFor();
  }
  using TThread::SleepUnlessTerminated;
  using TThread::Suspend;

 protected:
  void Execute() override { body_(*this); }

 private:
  std::function<void(LambdaThread&)> body_;
};

TEST(ThreadSyncTest, HandedOverCallsRunOnTheUserInterfaceThreadWhileItPumps) {
  std::atomic<DWORD> ranOn{0};
  std::atomic<bool> returned{false};
  LambdaThread thread([&](LambdaThread&) {
    TThread::Synchronize([&] { ranOn = GetCurrentThreadId(); });
    returned = true;
  });
  thread.Resume();
  ASSERT_TRUE(testing_support::wait_until([&] { return returned.load(); }, 5000));
  EXPECT_EQ(ranOn.load(), GetCurrentThreadId());
  EXPECT_EQ(GetCurrentThreadId(), TThread::MainThreadId());
}

// A queued call waits for the message loop, from the user-interface thread too; one queued by
// a worker runs on the user-interface thread, in the order queued.
TEST(ThreadSyncTest, QueuedCallsRunOnTheUserInterfaceThreadWhenItsLoopIsBack) {
  std::vector<std::pair<int, DWORD>> ran;
  TThread::ForceQueue([&] { ran.emplace_back(1, GetCurrentThreadId()); });
  EXPECT_TRUE(ran.empty());
  LambdaThread thread(
      [&](LambdaThread&) { TThread::ForceQueue([&] { ran.emplace_back(2, GetCurrentThreadId()); }); });
  thread.Resume();
  thread.WaitFor();
  EXPECT_TRUE(ran.empty());
  ASSERT_TRUE(testing_support::wait_until([&] { return ran.size() == 2; }, 5000));
  const DWORD ui = GetCurrentThreadId();
  EXPECT_EQ(ran, (std::vector<std::pair<int, DWORD>>{{1, ui}, {2, ui}}));
}

TEST(ThreadSyncTest, OnTheUserInterfaceThreadTheCallRunsDirectly) {
  int calls = 0;
  TThread::Synchronize([&] { ++calls; });
  EXPECT_EQ(calls, 1);
}

TEST(ThreadSyncTest, AnExceptionOfTheCallIsThrownInTheThread) {
  std::string caught;
  LambdaThread thread([&](LambdaThread&) {
    try {
      TThread::Synchronize([] { throw Exception("from the call"); });
    } catch (const Exception& e) {
      caught = e.what();
    }
  });
  thread.Resume();
  thread.WaitFor();  // serves the hand-over while it waits
  EXPECT_EQ(caught, "from the call");
}

TEST(ThreadSyncTest, WaitingForAThreadInsideAHandOverDoesNotDeadlock) {
  std::atomic<int> calls{0};
  LambdaThread thread([&](LambdaThread& self) {
    while (!self.Terminated()) {
      TThread::Synchronize([&] { ++calls; });
      self.SleepUnlessTerminated(1);
    }
  });
  thread.Resume();
  ASSERT_TRUE(testing_support::wait_until([&] { return calls.load() >= 3; }, 5000));
  thread.Terminate();
  thread.WaitFor();
  EXPECT_TRUE(thread.Finished());
}

TEST(ThreadSyncTest, ASuspendedThreadSleepsUntilResumed) {
  std::atomic<int> stage{0};
  LambdaThread thread([&](LambdaThread& self) {
    stage = 1;
    self.Suspend();
    stage = 2;
  });
  thread.Resume();
  ASSERT_TRUE(testing_support::wait_until([&] { return thread.Suspended() && stage == 1; }, 5000));
  Sleep(50);
  EXPECT_EQ(stage.load(), 1);
  thread.Resume();
  thread.WaitFor();
  EXPECT_EQ(stage.load(), 2);
}

TEST(ThreadSyncTest, TerminateWakesASleepingThreadAtOnce) {
  std::atomic<bool> sleeping{false}, woken{false};
  LambdaThread thread([&](LambdaThread& self) {
    sleeping = true;
    woken = self.SleepUnlessTerminated(60000);
  });
  thread.Resume();
  // Terminated only once the thread has gone to sleep, so that the wake-up is what ends it.
  ASSERT_TRUE(testing_support::wait_until([&] { return sleeping.load(); }, 5000));
  DWORD start = GetTickCount();
  thread.Terminate();
  thread.WaitFor();
  EXPECT_LT(GetTickCount() - start, 5000u);
  EXPECT_TRUE(woken.load()) << "the sleep reports the termination";
}

}  // namespace
