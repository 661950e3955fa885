// The address watch component: properties, checks, history and its file. User-interface thread.
#include "net/id_ip_watch.h"

#include <windows.h>

#include "framework/ui/application.h"
#include "framework/win/handles.h"
#include "net/id_exceptions.h"
#include "net/id_ip_watch_thread.h"

namespace {
constexpr char kLoopback[] = "127.0.0.1";
bool IsOnlineAddress(const std::string& address) {
  return !address.empty() && address != kLoopback;
}
}  // namespace

const TClassInfo& TIdIPWatch::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TIdIPWatch>("TIdIPWatch", &TIdComponent::StaticClass())
          .Creatable()
          .Bool("Active", &TIdIPWatch::Active, &TIdIPWatch::SetActive)
          .Bool("HistoryEnabled", &TIdIPWatch::HistoryEnabled, &TIdIPWatch::SetHistoryEnabled)
          .Str("HistoryFilename", &TIdIPWatch::HistoryFilename, &TIdIPWatch::SetHistoryFilename)
          .Int("MaxHistoryEntries", &TIdIPWatch::MaxHistoryEntries, &TIdIPWatch::SetMaxHistoryEntries)
          .Event("OnStatusChanged", &TIdIPWatch::OnStatusChanged)
          .Int("WatchInterval", &TIdIPWatch::WatchInterval, &TIdIPWatch::SetWatchInterval)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

// Registered when the program starts, so that descriptions can name the class.
const bool g_watchClassRegistered = (TIdIPWatch::StaticClass(), true);

TIdIPWatch::TIdIPWatch(TComponent* owner) : TIdComponent(owner) {}

TIdIPWatch::~TIdIPWatch() = default;

void TIdIPWatch::BeforeDestruction() {
  if (connected_) AppendHistory(currentAddress_);
  SetActive(false);
  try {
    StoreHistory();
  } catch (...) {
    Application()->HandleException(std::current_exception());
  }
  history_.Clear();
  TIdComponent::BeforeDestruction();
}

void TIdIPWatch::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (Designing()) return;
  if (value) {
    auto thread = std::make_unique<TIdIPWatchThread>(true);
    thread->Sender = this;
    thread->TickHandler = [this](TObject*) { CheckAddress(); };
    thread->SetInterval(static_cast<int32_t>(watchInterval_));
    watchThread_ = std::move(thread);
    watchThread_->StartThread();
  } else if (watchThread_) {
    watchThread_->TerminateAndWaitFor();
    watchThread_.reset();
  }
}

void TIdIPWatch::SetWatchInterval(uint32_t value) {
  if (value == watchInterval_) return;
  watchInterval_ = value;
  if (watchThread_) watchThread_->SetInterval(static_cast<int32_t>(value));
}

void TIdIPWatch::SetMaxHistoryEntries(int32_t value) {
  maxHistoryEntries_ = value;
  // A maximum below zero empties the history rather than deleting past its start.
  while (history_.Count() > 0 && history_.Count() > maxHistoryEntries_) history_.Delete(0);
}

std::string TIdIPWatch::QueryLocalAddress() {
  queryBusy_ = true;
  try {
    std::string address = GStack()->FirstLocalAddress();
    queryBusy_ = false;
    return address;
  } catch (...) {
    queryBusy_ = false;
    throw;
  }
}

void TIdIPWatch::AppendHistory(const std::string& address) {
  if (!IsOnlineAddress(address)) return;
  if (history_.Count() > 0 && history_.Get(history_.Count() - 1) == address) return;
  history_.Add(address);
  if (history_.Count() > 0 && history_.Count() > maxHistoryEntries_) history_.Delete(0);
}

void TIdIPWatch::CheckAddress() {
  if (queryBusy_) return;
  bool wasOnline = connected_;
  std::string oldAddress = currentAddress_;
  try {
    currentAddress_ = QueryLocalAddress();
    connected_ = IsOnlineAddress(currentAddress_);
    if (wasOnline && !connected_) {
      if (IsOnlineAddress(oldAddress)) previousAddress_ = oldAddress;
      AppendHistory(previousAddress_);
    } else if (!wasOnline && connected_) {
      if (onlineStage_ == 0) onlineStage_ = 1;
      if (onlineStage_ == 1 && previousAddress_ == currentAddress_) {
        if (history_.Count() > 0) history_.Delete(history_.Count() - 1);
        previousAddress_ = history_.Count() > 0 ? history_.Get(history_.Count() - 1) : std::string();
      }
      onlineStage_ = 2;
    }
    if (wasOnline != connected_ && !Designing() && OnStatusChanged) OnStatusChanged(this);
  } catch (...) {
    // A failed check leaves the state as far as it got and reports nothing.
  }
}

void TIdIPWatch::StoreHistory() {
  if (Designing() || !historyEnabled_) return;
  std::string text;
  for (int i = 0; i < history_.Count(); ++i) text += history_.Get(i) + "\r\n";
  fw::UniqueKernelHandle file(CreateFileA(historyFilename_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    throw EIdException("Cannot create file \"" + historyFilename_ + "\". " + SystemErrorText(GetLastError()));
  }
  DWORD written = 0;
  if (!text.empty() &&
      (!WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
       written != text.size()))
    throw EIdException("Cannot write file \"" + historyFilename_ + "\". " + SystemErrorText(GetLastError()));
}
