// Reading the soak driver's command line, and the --trace report. Console program, one thread.
#include "tools/soak/soak_trace.h"

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <map>

namespace soak {
namespace {

constexpr const char* kStepNames[kStepKinds] = {"page",   "clicks", "keys",   "menu bar", "popup",
                                                "dialog", "MDI",    "resize", "close"};

// The gallery's windows by class name.
struct ClassCount {
  DWORD pid;
  std::map<std::wstring, int> classes;
};

BOOL CALLBACK CountClass(HWND window, LPARAM p) {
  auto* count = reinterpret_cast<ClassCount*>(p);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64];
  if (owner == count->pid && GetClassNameW(window, name, 64)) ++count->classes[name];
  return TRUE;
}

BOOL CALLBACK CountTree(HWND window, LPARAM p) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != reinterpret_cast<ClassCount*>(p)->pid) return TRUE;
  CountClass(window, p);
  EnumChildWindows(window, CountClass, p);
  return TRUE;
}

// "--only=0,7": the set of step kinds named.
bool ReadKinds(const wchar_t* list, unsigned& kinds) {
  kinds = 0;
  for (const wchar_t* p = list; *p;) {
    wchar_t* end = nullptr;
    const long kind = std::wcstol(p, &end, 10);
    if (end == p || kind < 0 || kind >= kStepKinds) return false;
    kinds |= 1u << kind;
    p = *end == L',' ? end + 1 : end;
  }
  return true;
}

}  // namespace

bool ReadOptions(SoakOptions& options) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return false;
  bool ok = true;
  int plain = 0;
  for (int i = 1; i < argc && ok; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--trace")
      options.trace = true;
    else if (arg == L"--no-switch")
      options.switches = false;
    else if (arg.rfind(L"--only=", 0) == 0)
      ok = ReadKinds(arg.c_str() + 7, options.kinds);
    else if (plain++ == 0)
      options.gallery = arg;
    else if (plain == 2)
      options.minutes = _wtof(arg.c_str());
    else
      ok = false;
  }
  LocalFree(argv);
  return ok && !options.gallery.empty() && options.minutes > 0;
}

void StepTrace::PrintKinds() const {
  static const struct {
    DWORD type;
    const char* name;
  } kinds[] = {
      {OBJ_DC, "DC"},       {OBJ_MEMDC, "memory DC"},          {OBJ_BITMAP, "bitmap"}, {OBJ_BRUSH, "brush"},
      {OBJ_PEN, "pen"},     {OBJ_EXTPEN, "ext pen"},           {OBJ_FONT, "font"},     {OBJ_REGION, "region"},
      {OBJ_PAL, "palette"}, {OBJ_ENHMETADC, "enh metafile DC"}};
  std::printf("  GDI by kind:");
  for (const auto& kind : kinds)
    if (const DWORD n = ask_(kind.type)) std::printf(" %s %lu,", kind.name, n);
  std::printf(" USER: windows %lu, menus %lu\n  windows by class:", ask_(kCountWindows), ask_(kCountMenus));
  ClassCount count{pid_, {}};
  EnumWindows(CountTree, reinterpret_cast<LPARAM>(&count));
  for (const auto& [name, n] : count.classes) std::printf(" %ls %d,", name.c_str(), n);
  std::printf("\n");
}

void StepTrace::After(int kind) {
  const DWORD now = ask_(0);
  if (last_ && kind >= 0) {
    growth_[kind][0] += static_cast<long>(LOWORD(now)) - LOWORD(last_);
    growth_[kind][1] += static_cast<long>(HIWORD(now)) - HIWORD(last_);
    ++taken_[kind];
  }
  last_ = now;
}

void StepTrace::PrintGrowth() const {
  std::printf("  growth by step kind (steps: GDI, USER):");
  for (int kind = 0; kind < kStepKinds; ++kind)
    if (taken_[kind])
      std::printf(" %s %lu: %+ld %+ld;", kStepNames[kind], taken_[kind], growth_[kind][0], growth_[kind][1]);
  std::printf("\n");
  std::fflush(stdout);
}

void StepTrace::Forget() {
  last_ = 0;
  growth_ = {};
  taken_ = {};
}

}  // namespace soak
