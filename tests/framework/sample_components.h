// Small component classes with one published property of every kind, for the framework tests.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/core/collection.h"
#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/core/strings.h"

inline const TEnumInfo& ShapeEnum() {
  static const TEnumInfo e{"TShape", {"shCircle", "shSquare", "shTriangle"}};
  return e;
}

inline bool ColourIdent(std::string_view ident, int64_t& value) {
  if (ident == "clRed") return value = 0xFF, true;
  if (ident == "clBtnFace") return value = 0xFF00000F, true;
  return false;
}
inline const char* ColourName(int64_t value) {
  return value == 0xFF ? "clRed" : nullptr;
}

// A collection item with a text and a size.
class TSampleItem : public TCollectionItem {
  FW_DECLARE_CLASS()
 public:
  using TCollectionItem::TCollectionItem;
  std::string Text() const { return text_; }
  void SetText(const std::string& v) {
    text_ = v;
    Changed();
  }
  int Size() const { return size_; }
  void SetSize(int v) {
    size_ = v;
    Changed();
  }

 private:
  std::string text_;
  int size_ = 0;
};

class TSample : public TComponent {
  FW_DECLARE_CLASS()
 public:
  using TComponent::TComponent;
  int Size() const { return size_; }
  void SetSize(int v) { size_ = v; }
  bool Flag() const { return flag_; }
  void SetFlag(bool v) { flag_ = v; }
  int Shape() const { return shape_; }
  void SetShape(int v) { shape_ = v; }
  unsigned Shapes() const { return shapes_; }
  void SetShapes(unsigned v) { shapes_ = v; }
  std::string Text() const { return text_; }
  void SetText(const std::string& v) { text_ = v; }
  std::wstring WideText() const { return wide_; }
  void SetWideText(const std::wstring& v) { wide_ = v; }
  TSample* Buddy() const { return buddy_; }
  void SetBuddy(TSample* v) { buddy_ = v; }
  TStrings* Lines() { return &lines_; }
  TOwnedCollection<TSampleItem>* Items() { return &items_; }
  int Colour() const { return colour_; }
  void SetColour(int v) { colour_ = v; }

  void Loaded() override {
    TComponent::Loaded();
    loadedOrder().push_back(Name());
  }
  static std::vector<std::string>& loadedOrder() {
    static std::vector<std::string> order;
    return order;
  }
  bool ReadBinaryProperty(std::string_view name, const std::vector<uint8_t>& data) override {
    if (name != "Blob") return false;
    blob = data;
    return true;
  }
  void SetParentComponent(TComponent* parent) override { parentComponent = parent; }

  TNotifyEvent OnPoke;
  std::function<void(TObject* sender, int& amount)> OnWeigh;  // an event with parameters
  TTypedEvent<TObject*, int&> OnMeasure;                      // the same, reachable by name
  std::vector<uint8_t> blob;
  TComponent* parentComponent = nullptr;

 private:
  int size_ = 0;
  bool flag_ = false;
  int shape_ = 0;
  unsigned shapes_ = 0;
  std::string text_;
  std::wstring wide_;
  TSample* buddy_ = nullptr;
  TStringList lines_;
  TOwnedCollection<TSampleItem> items_;
  int colour_ = 0;
};

// A root with published handlers, like a form.
class TSampleRoot : public TSample {
  FW_DECLARE_CLASS()
 public:
  using TSample::TSample;
  void Poked(TObject* sender) { pokedBy.push_back(sender); }
  void Weighed(TObject* sender, int& amount) { amount = sender == this ? -1 : amount * 2; }
  std::vector<TObject*> pokedBy;
};
