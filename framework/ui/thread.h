// `TThread`: a thread object made suspended, with termination request, self-suspension,
// waiting, `Synchronize`, which runs a call on the user-interface thread and waits for it, and
// `ForceQueue`, which has a call run there once the current message is done.
// Made and controlled from any thread; `Execute` runs on the new thread.
#pragma once
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "framework/win/handles.h"

class TThread {
 public:
  // The system thread is started by the first Resume.
  TThread();
  // Asks the thread to end, wakes it if it sleeps and waits for it.
  virtual ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  // Starts the thread, or wakes it from Suspend.
  void Resume();
  // From the thread itself: sleeps until Resume. A Resume that came while the thread was not
  // suspended is kept, so that this returns at once and no wake-up is lost.
  void Suspend();
  bool Suspended() const;
  void Terminate();
  bool Terminated() const { return terminated_.load(); }
  // Waits until Execute has returned. On the user-interface thread, calls that the thread
  // hands over meanwhile are run, so a thread inside Synchronize can still end.
  void WaitFor();
  bool Finished() const { return finished_.load(); }
  // Whether Resume has started the system thread yet.
  bool Started() const;
  DWORD ThreadId() const { return threadId_; }

  // Marks a thread that would free itself when it ends; kept for the thread classes that refuse
  // to be waited for in that case.
  bool FreeOnTerminate() const { return freeOnTerminate_; }
  void SetFreeOnTerminate(bool value) { freeOnTerminate_ = value; }

  // Runs `call` on the user-interface thread and waits until it has run; an exception it throws
  // is thrown again here. On the user-interface thread it is called directly.
  static void Synchronize(const std::function<void()>& call);
  // Runs `call` on the user-interface thread once the message being handled there is done (any
  // message loop runs it, a modal one too); returns at once, from the user-interface thread too.
  static void ForceQueue(std::function<void()> call);
  // Runs the calls that threads have handed over (user-interface thread).
  static void CheckSynchronize();
  static DWORD MainThreadId();

 protected:
  virtual void Execute() = 0;
  // Told on the thread when Execute has returned.
  virtual void DoTerminate() {}
  // Sleeps `ms` milliseconds or until Terminate; true when terminated.
  bool SleepUnlessTerminated(DWORD ms);

 private:
  static DWORD WINAPI ThreadProc(void* self);

  fw::UniqueKernelHandle thread_;
  fw::UniqueKernelHandle terminateEvent_;
  DWORD threadId_ = 0;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  bool freeOnTerminate_ = false;
  mutable std::mutex suspendLock_;
  std::condition_variable resumed_;
  bool suspended_ = true;
  bool resumePending_ = false;
};
