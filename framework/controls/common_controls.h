// The system's common control classes (tab, header, track bar, progress, status, list view,
// up-down, date picker, tool bar, cool bar, extended combo, rich edit) are registered once per
// process before the first framework control over them is created. UI thread.
#pragma once

namespace fw {

// Registers every common control class the framework builds on; later calls do nothing.
void EnsureCommonControls();

}  // namespace fw
