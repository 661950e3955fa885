// skinpack new: a starter skin folder written from a built-in skin, ready to edit, check and
// pack again.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quarnel::skinpack {

// `args`: the folder and optionally "--from NAME" (a built-in skin's name or id; default the
// light one). Refuses a folder that exists and is not empty. Throws UsageError for a wrong
// command line and Failure when the folder cannot be written.
int RunNew(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarnel::skinpack
