// The element table: one row per optional element slot of TSkinElements, naming its slot, the
// section of the definition text it is read from, the control type that draws it, how a load
// reads it and its fixed frame count. ResetRecords and the loader's reads walk these rows, so
// a slot with a row is never left over from the previous skin. UI thread.
#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <utility>

#include "skin/data/skin_data.h"
#include "skin/data/skin_elements.h"

namespace quarnel {

class TSkinDefinition;
class TSkinReader;

// Where the loader takes an element from.
enum class TElementRead : uint8_t {
  Generic,        // "Image", margins, Style, Trans, Tile, colour overrides
  GenericFramed,  // the same and "Frame"
  Own,            // a loader step of its own (other keys or a built-in fallback)
  Derived,        // built from the elements just read, after the reads
};

// What a row's extra reader reads from.
struct TElementSource {
  const TSkinReader& package;
  const TSkinDefinition& text;
};

struct TElementRow {
  const char* section;
  TSkinControlType kind;  // the control type whose skin draws the element
  TElementRead read;
  int32_t frames;  // frame count set after the reads whatever the text says; 0: as read
  void (*reset)(TSkinElements&);
  // A new record named `name` in the slot, replacing what was there.
  TDataSkinObject* (*renew)(TSkinElements&, std::string name, TColor textColour);
  TDataSkinObject* (*record)(const TSkinElements&);
  // Keys beyond the generic ones, read after them; null when there are none.
  void (*readExtra)(TDataSkinObject&, const TElementSource&);
};

// Every row, in the order the loader reads them.
std::span<const TElementRow> ElementRows();

// --- how a row reaches its slot ----------------------------------------------------------------
template <auto Slot>
struct TElementSlot {
  using Record =
      typename std::remove_reference_t<decltype(std::declval<TSkinElements&>().*Slot)>::element_type;
  static void Reset(TSkinElements& e) { (e.*Slot).reset(); }
  static TDataSkinObject* Renew(TSkinElements& e, std::string name, TColor textColour) {
    e.*Slot = std::make_unique<Record>(std::move(name), textColour);
    return (e.*Slot).get();
  }
  static TDataSkinObject* Get(const TSkinElements& e) { return (e.*Slot).get(); }
  template <void (*Extra)(Record&, const TElementSource&)>
  static void ReadExtra(TDataSkinObject& r, const TElementSource& s) {
    Extra(static_cast<Record&>(r), s);
  }
};

// A row for `Slot`; `Extra` reads the keys beyond the generic ones.
template <auto Slot, auto Extra = nullptr>
constexpr TElementRow ElementRow(const char* section, TSkinControlType kind, TElementRead read,
                                 int32_t frames) {
  using S = TElementSlot<Slot>;
  void (*extra)(TDataSkinObject&, const TElementSource&) = nullptr;
  if constexpr (!std::is_null_pointer_v<decltype(Extra)>) extra = &S::template ReadExtra<Extra>;
  return TElementRow{section, kind, read, frames, &S::Reset, &S::Renew, &S::Get, extra};
}

}  // namespace quarnel
