// `TIdBaseThread` and `TIdThread`, the socket library's thread base over the framework's
// thread: a loop of cycles that can be stopped (terminate or suspend) and started again, with
// a stopped flag under the thread's own lock. Controlled from any thread; the loop runs on it.
#pragma once
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "framework/core/object.h"
#include "framework/ui/thread.h"

class TIdBaseThread : public TThread {
 public:
  using TThread::TThread;
};

enum TIdThreadStopMode { smTerminate = 0, smSuspend = 1 };

class TIdThread : public TIdBaseThread {
 public:
  // Made suspended; with `createSuspended` also stopped, so the loop waits for StartThread.
  explicit TIdThread(bool createSuspended = true);
  // Ends and waits for the thread, then frees its data.
  ~TIdThread() override;

  virtual void StartThread();
  virtual void StopThread();
  virtual void RequestTerminate();
  // Raises EIdThreadTerminateAndWaitFor for a thread that frees itself.
  virtual void TerminateAndWaitFor();
  // True when terminated, stopped or suspended (read under the lock).
  bool Stopped() const;

  TIdThreadStopMode StopMode() const { return stopMode_; }
  void SetStopMode(TIdThreadStopMode mode) { stopMode_ = mode; }
  TObject* Data() const { return data_.get(); }
  void SetData(std::unique_ptr<TObject> data) { data_ = std::move(data); }

  std::function<void(TIdThread& thread)> OnStopped;
  std::function<void(TIdThread& thread, const std::exception& error)> OnException;
  // The exception that ended the loop, if one did.
  const std::string& TerminatingExceptionClass() const { return exceptionClass_; }
  const std::string& TerminatingException() const { return exceptionMessage_; }

 protected:
  // The loop: BeforeLoop, then cycles until terminated, then AfterLoop.
  void Execute() override;
  virtual void AfterCycle() {}
  virtual void AfterLoop() {}
  virtual void BeforeLoop() {}
  virtual void BeforeCycle() {}
  virtual void ReleaseData() { data_.reset(); }
  virtual void ReportException(const std::exception& error);
  virtual void ReportStopped();
  // The work of one cycle, repeated while the thread is not stopped.
  virtual void RunCycle() = 0;
  // Derived classes end the thread in their destructor while their own parts still exist.
  void EndAndWait();

 private:
  mutable std::mutex lock_;
  bool stopped_;
  TIdThreadStopMode stopMode_ = smTerminate;
  std::unique_ptr<TObject> data_;
  std::string exceptionClass_;
  std::string exceptionMessage_;
};
