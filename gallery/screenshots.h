// Pictures of the gallery: every page without a skin and in each built-in skin, and the MDI and
// dialog demos beside them, saved as bitmap files. User-interface thread.
#pragma once
#include <string>

class TGalleryForm;

namespace gallery {

class TSkinSwitcher;

// Saves the pictures into `folder` (which must exist) and returns how many were written. The
// skin in force before is put back afterwards.
int SaveScreenshots(TGalleryForm& form, const std::wstring& folder);

// Lets queued messages, timers and paints run for about `ms` milliseconds.
void PumpFor(int ms);
// Lets messages run until the skin switch asked for has taken effect (at most 5 s).
void WaitForSwitch(const TSkinSwitcher& switcher);

}  // namespace gallery
