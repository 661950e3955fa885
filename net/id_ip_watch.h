// `TIdIPWatch`: knows the computer's local address and, while active, has a watch thread
// re-check it; keeps the online state, a history of addresses and writes the history to a file
// when it is destroyed. User-interface thread (the watch thread only hands checks over).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "framework/core/properties.h"
#include "framework/core/strings.h"
#include "net/id_component.h"

class TIdIPWatchThread;

class TIdIPWatch : public TIdComponent {
  FW_DECLARE_CLASS()
 public:
  explicit TIdIPWatch(TComponent* owner);
  ~TIdIPWatch() override;
  // Records a still-online address, stops the thread and writes the history. An error while
  // writing goes to the application's error box: it must not escape a destructor.
  void BeforeDestruction() override;

  bool Active() const { return active_; }
  void SetActive(bool value);
  bool HistoryEnabled() const { return historyEnabled_; }
  void SetHistoryEnabled(bool value) { historyEnabled_ = value; }
  std::string HistoryFilename() const { return historyFilename_; }
  void SetHistoryFilename(const std::string& value) { historyFilename_ = value; }
  int32_t MaxHistoryEntries() const { return maxHistoryEntries_; }
  void SetMaxHistoryEntries(int32_t value);
  uint32_t WatchInterval() const { return watchInterval_; }
  void SetWatchInterval(uint32_t value);
  TNotifyEvent OnStatusChanged;

  const std::string& CurrentAddress() const { return currentAddress_; }
  const std::string& PreviousAddress() const { return previousAddress_; }
  bool Connected() const { return connected_; }
  int32_t OnlineStage() const { return onlineStage_; }
  bool QueryBusy() const { return queryBusy_; }
  const TStrings& AddressHistory() const { return history_; }
  TIdIPWatchThread* WatchThread() const { return watchThread_.get(); }

  // The shared stack's first local address; its error reaches the caller.
  std::string QueryLocalAddress();
  // One check of the address (run by the watch thread on the user-interface thread); errors
  // inside it are dropped.
  void CheckAddress();
  void AppendHistory(const std::string& address);
  // Writes the history, one address per line, replacing the file (when enabled).
  void StoreHistory();

 private:
  bool Designing() const { return ComponentState() & csDesigning; }

  bool active_ = false;
  bool historyEnabled_ = true;
  std::string historyFilename_ = "iphist.dat";
  int32_t maxHistoryEntries_ = 25;
  uint32_t watchInterval_ = 1000;
  std::string currentAddress_;
  std::string previousAddress_;
  bool connected_ = false;
  int32_t onlineStage_ = 0;
  bool queryBusy_ = false;
  TStringList history_;
  std::unique_ptr<TIdIPWatchThread> watchThread_;
};
