// The soak driver's command line (SoakOptions) and its --trace report (StepTrace): the gallery's
// GDI objects by kind, its windows by class, and the change of both counts after each kind of
// step. Console program, one thread.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <utility>

namespace soak {

// The kinds of scripted step, in the numbering --only uses.
enum Steps {
  kPageStep,
  kClickStep,
  kKeyStep,
  kMenuBarStep,
  kPopupStep,
  kDialogStep,
  kMdiStep,
  kResizeStep,
  kCloseStep,
  kStepKinds
};

struct SoakOptions {
  std::wstring gallery;
  double minutes = 10;
  bool trace = false, switches = true;
  unsigned kinds = (1u << kStepKinds) - 1;  // bit n: step kind n may be chosen
};

// <gallery.exe> [minutes] [--trace] [--only=0,7...] [--no-switch]; false when they do not parse.
bool ReadOptions(SoakOptions& options);

// One of the gallery's counts: 0 both (GDI in the low word, USER in the high), an OBJ_ kind for the
// GDI objects of that kind, or one of these.
using CountQuestion = std::function<DWORD(WPARAM what)>;
constexpr WPARAM kCountWindows = 0x100, kCountMenus = 0x101;

class StepTrace {
 public:
  StepTrace(CountQuestion ask, DWORD galleryProcess) : ask_(std::move(ask)), pid_(galleryProcess) {}

  // The counts by kind and the gallery's windows by class.
  void PrintKinds() const;
  // Charges the change of both counts since the last call to a step of `kind` (-1: a pause).
  void After(int kind);
  void PrintGrowth() const;
  // Starts the sums afresh; the quiet state's own changes count for no step.
  void Forget();

 private:
  CountQuestion ask_;
  DWORD pid_;
  DWORD last_ = 0;
  std::array<std::array<long, 2>, kStepKinds> growth_{};
  std::array<unsigned long, kStepKinds> taken_{};
};

}  // namespace soak
