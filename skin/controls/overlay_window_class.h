// The window classes of the skins' overlay windows: plain windows a skin object lays over (or
// beside) its control and subclasses to draw in. UI thread.
#pragma once

namespace quarnel {

// Registers the overlay class `className` (default procedure, arrow cursor, double clicks) the
// first time it is asked for.
void EnsureOverlayClass(const wchar_t* className);

}  // namespace quarnel
