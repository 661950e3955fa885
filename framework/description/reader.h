// Builds components from a parsed description: creates the nested objects by class name, sets
// their properties by name, binds events to the root's published methods, and calls Loaded on
// every component once the whole tree is read. User-interface thread.
#pragma once
#include <string_view>

#include "framework/core/component.h"
#include "framework/description/description.h"

// Reads `desc` into `root`, which must already exist and be of the class the description names.
// Throws EReadError("Line N: ...") for an unknown class, property, method or a bad value; what was
// created before the error stays owned by `root`.
void ReadComponent(TComponent& root, const TDescObject& desc);
void ReadComponent(TComponent& root, std::string_view text);
