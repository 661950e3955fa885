// The Winsock entry table's slots, stubs, loader and unloader. Any thread: slots are atomics,
// so two threads that resolve the same entry at once both store the same address.
#include "net/winsock_table.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <string>

#include "net/id_exceptions.h"

namespace ws2 {
namespace {

constexpr char kLibraryName[] = "WS2_32.DLL";

#define QUARNEL_WS2_NAME(id, exported, declared) exported,
const char* const kNames[] = {QUARNEL_WS2_ENTRIES(QUARNEL_WS2_NAME)};
#undef QUARNEL_WS2_NAME
static_assert(sizeof kNames / sizeof kNames[0] == kEntryCount);
static_assert(kEntryCount == 112);

std::atomic<RawProc> g_slots[kEntryCount];
std::atomic<HMODULE> g_library{nullptr};

std::string CallErrorTitle(int entry) {
  return std::string("Error on call Winsock2 library function ") + kNames[entry];
}

// Looks the entry up in the loaded library and stores it in the slot.
RawProc Resolve(int entry) {
  HMODULE library = g_library.load();
  if (!library) throw EIdWS2StubError(CallErrorTitle(entry), WSANOTINITIALISED);
  FARPROC proc = GetProcAddress(library, kNames[entry]);
  // A library without this function: an orderly error each time rather than a jump to nowhere.
  if (!proc) throw EIdWS2StubError(CallErrorTitle(entry), GetLastError());
  auto raw = reinterpret_cast<RawProc>(proc);
  g_slots[entry].store(raw);
  return raw;
}

// One stub per entry, with exactly the entry's signature, so the caller's arguments reach the
// library function untouched.
template <int I, class Fn>
struct StubFor;
template <int I, class R, class... A>
struct StubFor<I, R(WSAAPI*)(A...)> {
  static R WSAAPI Call(A... args) { return reinterpret_cast<R(WSAAPI*)(A...)>(Resolve(I))(args...); }
};

template <int... I>
constexpr auto MakeStubs(std::integer_sequence<int, I...>) {
  return std::array<RawProc, sizeof...(I)>{reinterpret_cast<RawProc>(&StubFor<I, EntryFn<I>>::Call)...};
}

const std::array<RawProc, kEntryCount>& Stubs() {
  static const auto stubs = MakeStubs(std::make_integer_sequence<int, kEntryCount>());
  return stubs;
}

void ResetSlots() {
  for (int i = 0; i < kEntryCount; ++i) g_slots[i].store(Stubs()[i]);
}

const bool g_slotsReset = (ResetSlots(), true);

}  // namespace

namespace detail {
RawProc SlotValue(int entry) {
  RawProc p = g_slots[entry].load(std::memory_order_relaxed);
  return p ? p : Stubs()[entry];  // a call made before this file's start-up code ran
}
}  // namespace detail

const char* EntryName(int entry) {
  return entry >= 0 && entry < kEntryCount ? kNames[entry] : "";
}

bool IsResolved(int entry) {
  RawProc p = g_slots[entry].load();
  return p && p != Stubs()[entry];
}

bool IsLoaded() {
  return g_library.load() != nullptr;
}

int LoadAndStartup(WORD version, LPWSADATA data) {
  (void)g_slotsReset;
  if (g_library.load()) return 0;
  HMODULE library = LoadLibraryA(kLibraryName);
  if (!library) {
    throw EIdWS2StubError(std::string("Error on loading Winsock2 library (") + kLibraryName + ")",
                          GetLastError());
  }
  HMODULE expected = nullptr;
  if (!g_library.compare_exchange_strong(expected, library)) {
    FreeLibrary(library);  // another thread loaded it first; keep that one
    return 0;
  }
  FARPROC startup = GetProcAddress(library, "WSAStartup");
  if (!startup) throw EIdWS2StubError("Error on call Winsock2 library function WSAStartup", GetLastError());
  using StartupFn = int(WSAAPI*)(WORD, LPWSADATA);
  return reinterpret_cast<StartupFn>(reinterpret_cast<RawProc>(startup))(version, data);
}

void Unload() {
  HMODULE library = g_library.exchange(nullptr);
  if (library) {
    FreeLibrary(library);
    ResetSlots();
  }
}

}  // namespace ws2
