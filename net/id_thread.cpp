// The socket-library thread loop with its start, stop and terminate logic. The loop runs on the
// thread; the controls are called from any thread and take the thread's lock.
#include "net/id_thread.h"

#include <typeinfo>

#include "net/id_exceptions.h"

TIdThread::TIdThread(bool createSuspended) : stopped_(createSuspended) {}

TIdThread::~TIdThread() {
  EndAndWait();
  ReleaseData();
}

void TIdThread::EndAndWait() {
  SetFreeOnTerminate(false);
  RequestTerminate();
  if (!Started() || Finished()) return;  // a thread never started needs no start to end
  Resume();
  WaitFor();
}

bool TIdThread::Stopped() const {
  if (Terminated() || Suspended()) return true;
  std::lock_guard<std::mutex> guard(lock_);
  return stopped_;
}

void TIdThread::StartThread() {
  std::lock_guard<std::mutex> guard(lock_);
  // A thread made without the stopped flag is still waiting for its first start.
  if (Terminated() || stopped_ || Suspended()) {
    stopped_ = false;
    Resume();
  }
}

void TIdThread::StopThread() {
  std::lock_guard<std::mutex> guard(lock_);
  if (!Terminated() && !stopped_) {
    if (stopMode_ == smTerminate) Terminate();
    stopped_ = true;
  }
}

void TIdThread::RequestTerminate() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopped_ = true;
  }
  Terminate();
}

void TIdThread::TerminateAndWaitFor() {
  if (FreeOnTerminate())
    throw EIdThreadTerminateAndWaitFor("Cannot call TerminateAndWaitFor on FreeAndTerminate threads");
  RequestTerminate();
  Resume();
  WaitFor();
}

void TIdThread::ReportException(const std::exception& error) {
  if (OnException) OnException(*this, error);
}

void TIdThread::ReportStopped() {
  if (OnStopped) OnStopped(*this);
}

void TIdThread::Execute() {
  try {
    BeforeLoop();
    while (!Terminated()) {
      if (Stopped()) {
        ReportStopped();
        if (Stopped()) {
          if (Terminated()) break;
          Suspend();
          if (Terminated()) break;
        }
      }
      BeforeCycle();
      while (!Stopped()) RunCycle();
      AfterCycle();
      ReleaseData();
    }
    AfterLoop();
  } catch (const std::exception& e) {
    exceptionClass_ = typeid(e).name();
    exceptionMessage_ = e.what();
    ReportException(e);
    RequestTerminate();
  }
}
