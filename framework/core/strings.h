// String lists: `TStrings` (the interface that descriptions fill through their "Strings"
// pseudo-property), `TStringList` (kept in memory) and `TNotifyStringList` (tells its owner of
// every change). User-interface thread.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/core/component.h"

// Splits text into lines at CR, LF or CR LF; a final line break does not start another line.
std::vector<std::string> SplitLines(const std::string& text);

class TStrings : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s) = 0;
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  virtual int Add(const std::string& s);
  int IndexOf(const std::string& s) const;  // case-insensitive, -1 when absent
  // Lines joined with CR LF after each, and split again on CR, LF or CR LF.
  virtual std::string Text() const;
  virtual void SetText(const std::string& text);
  std::vector<std::string> ToVector() const;
  void Assign(const TPersistent& source) override;
  void AssignLines(const std::vector<std::string>& lines);
};

class TStringList : public TStrings {
  FW_DECLARE_CLASS()
 public:
  TStringList() = default;
  explicit TStringList(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override { lines_.clear(); }

 private:
  void Check(int index, bool allowEnd) const;
  std::vector<std::string> lines_;
};

// A string list whose owner hears of every change (to put the texts into its window).
class TNotifyStringList : public TStringList {
 public:
  std::function<void()> OnChange;
  void Put(int index, const std::string& s) override {
    TStringList::Put(index, s);
    Changed();
  }
  void Insert(int index, const std::string& s) override {
    TStringList::Insert(index, s);
    Changed();
  }
  void Delete(int index) override {
    TStringList::Delete(index);
    Changed();
  }
  void Clear() override {
    TStringList::Clear();
    Changed();
  }

 private:
  void Changed() {
    if (OnChange) OnChange();
  }
};
