// Writes a component back as a description object: every published property in class order,
// string lists as "X.Strings" lists, bound events by method name, then the binary properties.
// The description formatter turns the result into text. UI thread.
#pragma once
#include "framework/core/component.h"
#include "framework/description/description.h"

namespace quarnel {

TDescObject DescribeComponent(TComponent& component);

}  // namespace quarnel
