// The watch thread with a scripted stack: activation, interval changes, the 500 ms slices,
// stopping, and many activate/deactivate cycles without a hang or a leaked thread.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first
#include <tlhelp32.h>

#include <mutex>
#include <vector>

#include "net/id_exceptions.h"
#include "net/id_ip_watch.h"
#include "net/id_ip_watch_thread.h"
#include "tests/net/scripted_stack.h"
#include "tests/support/window_support.h"

namespace {

int ThreadsOfThisProcess() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL ok = Thread32First(snapshot, &entry); ok; ok = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  CloseHandle(snapshot);
  return count;
}

class IPWatchThreadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Script().steady = "10.1.2.3";
    watch = TComponent::Make<TIdIPWatch>();
    watch->SetHistoryEnabled(false);
  }
  ScriptedStackScope scripted;
  ComponentPtr<TIdIPWatch> watch;
};

TEST_F(IPWatchThreadTest, ActiveRunsChecksOnTheUserInterfaceThread) {
  std::vector<DWORD> threads;
  watch->OnStatusChanged.code = [&](TObject*) { threads.push_back(GetCurrentThreadId()); };
  watch->SetWatchInterval(200);
  watch->SetActive(true);
  ASSERT_NE(watch->WatchThread(), nullptr);
  ASSERT_TRUE(testing_support::wait_until([&] { return Script().queries >= 2; }, 5000));
  EXPECT_TRUE(watch->Connected());
  ASSERT_EQ(threads.size(), 1u);  // offline to online once
  EXPECT_EQ(threads[0], GetCurrentThreadId());
  watch->SetActive(false);
  EXPECT_EQ(watch->WatchThread(), nullptr);
  int queries = Script().queries;
  testing_support::flush_events(300);
  EXPECT_EQ(Script().queries, queries);  // no check after deactivation
}

TEST_F(IPWatchThreadTest, SettingActiveTwiceMakesOneThread) {
  watch->SetActive(false);  // inactive already: nothing
  EXPECT_EQ(watch->WatchThread(), nullptr);
  watch->SetActive(true);
  TIdIPWatchThread* thread = watch->WatchThread();
  ASSERT_NE(thread, nullptr);
  watch->SetActive(true);
  EXPECT_EQ(watch->WatchThread(), thread);
  watch->SetActive(false);
}

TEST_F(IPWatchThreadTest, IntervalSetWhileInactiveIsUsedByTheNextActivation) {
  watch->SetWatchInterval(1200);
  EXPECT_EQ(watch->WatchInterval(), 1200u);
  watch->SetActive(true);
  ASSERT_NE(watch->WatchThread(), nullptr);
  EXPECT_EQ(watch->WatchThread()->Interval(), 1200);
  watch->SetWatchInterval(700);  // a running thread takes it from its next cycle on
  EXPECT_EQ(watch->WatchThread()->Interval(), 700);
  watch->SetActive(false);
}

// A watch thread that records the slices it is asked to sleep (sleeping 1 ms each) and its ticks.
class RecordingWatchThread : public TIdIPWatchThread {
 public:
  RecordingWatchThread() : TIdIPWatchThread(true) {
    TickHandler = [this](TObject*) { Record(0); };
  }
  ~RecordingWatchThread() override { EndAndWait(); }
  bool SleepSlice(DWORD ms) override {
    Record(static_cast<int>(ms));
    return SleepUnlessTerminated(1);
  }
  void Record(int event) {
    std::lock_guard<std::mutex> hold(lock);
    events.push_back(event);
  }
  std::vector<int> Events() {
    std::lock_guard<std::mutex> hold(lock);
    return events;
  }
  std::mutex lock;
  std::vector<int> events;  // slice lengths, 0 for a tick
};

TEST(IdThreadTest, ACycleSleepsInSlicesOfAtMostHalfASecondAndTicksAfterEach) {
  // 1200 ms: 500, 500 and 200, then the next cycle; an interval of 0 is one slice of 500.
  for (const auto& [interval, expected] : {std::pair{1200, std::vector<int>{500, 0, 500, 0, 200, 0, 500, 0}},
                                           std::pair{0, std::vector<int>{500, 0, 500, 0}}}) {
    RecordingWatchThread thread;
    thread.SetInterval(interval);
    thread.StartThread();
    ASSERT_TRUE(testing_support::wait_until([&] { return thread.Events().size() >= expected.size(); }, 5000));
    thread.TerminateAndWaitFor();
    const std::vector<int> events = thread.Events();
    EXPECT_EQ(std::vector<int>(events.begin(), events.begin() + expected.size()), expected) << interval;
  }
}

TEST_F(IPWatchThreadTest, ActivatingAndDeactivatingTwoHundredTimesLeavesNoThread) {
  testing_support::flush_events(50);
  int before = ThreadsOfThisProcess();
  DWORD start = GetTickCount();
  for (int i = 0; i < 200; ++i) {
    watch->SetActive(true);
    if (i % 20 == 0) testing_support::flush_events(1);
    watch->SetActive(false);
    ASSERT_EQ(watch->WatchThread(), nullptr);
  }
  EXPECT_LT(GetTickCount() - start, 60000u);
  testing_support::flush_events(100);
  EXPECT_LE(ThreadsOfThisProcess(), before);
}

TEST_F(IPWatchThreadTest, DestroyingAnActiveWatchStopsItsThread) {
  testing_support::flush_events(50);
  int before = ThreadsOfThisProcess();
  watch->SetActive(true);
  ASSERT_TRUE(testing_support::wait_until([&] { return Script().queries >= 1; }, 5000));
  watch.reset();
  testing_support::flush_events(100);
  EXPECT_LE(ThreadsOfThisProcess(), before);
}

TEST(IdThreadTest, TerminateAndWaitForRefusesASelfFreeingThread) {
  TIdIPWatchThread thread(true);
  thread.SetFreeOnTerminate(true);
  try {
    thread.TerminateAndWaitFor();
    FAIL() << "no error";
  } catch (const EIdThreadTerminateAndWaitFor& e) {
    EXPECT_STREQ(e.what(), "Cannot call TerminateAndWaitFor on FreeAndTerminate threads");
  }
  EXPECT_TRUE(thread.Stopped());
}

TEST(IdThreadTest, AThreadMadeWithoutTheStoppedFlagRunsOnceStarted) {
  std::atomic<int> ticks{0};
  TIdIPWatchThread thread(false);
  thread.SetInterval(20);
  thread.TickHandler = [&](TObject*) { ++ticks; };
  EXPECT_TRUE(thread.Stopped());  // not running yet
  thread.StartThread();
  ASSERT_TRUE(testing_support::wait_until([&] { return ticks.load() >= 1; }, 5000));
  EXPECT_FALSE(thread.Stopped());
  thread.TerminateAndWaitFor();
  EXPECT_TRUE(thread.Stopped());
}

TEST(IdThreadTest, StopModeSuspendParksTheLoopUntilStartedAgain) {
  std::atomic<int> ticks{0};
  TIdIPWatchThread thread(true);
  thread.SetStopMode(smSuspend);
  thread.SetInterval(20);
  thread.TickHandler = [&](TObject*) { ++ticks; };
  thread.StartThread();
  ASSERT_TRUE(testing_support::wait_until([&] { return ticks.load() >= 2; }, 5000));
  thread.StopThread();
  EXPECT_TRUE(thread.Stopped());
  EXPECT_FALSE(thread.Terminated());
  testing_support::flush_events(200);  // the cycle in progress ends
  int parked = ticks.load();
  testing_support::flush_events(200);
  EXPECT_EQ(ticks.load(), parked);
  thread.StartThread();
  ASSERT_TRUE(testing_support::wait_until([&] { return ticks.load() > parked; }, 5000));
  thread.TerminateAndWaitFor();
  EXPECT_TRUE(thread.Finished());
}

}  // namespace
