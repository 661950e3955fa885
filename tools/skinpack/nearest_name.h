// The known name nearest to a misspelt one, by edit distance with letter case ignored: the
// linter's "did you mean". Pure code, any thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarnel::skinpack {

// Insertions, deletions, substitutions and swaps of neighbours, letter case ignored.
int EditDistance(std::string_view a, std::string_view b);

// The candidate nearest to `name`, or empty when none is near enough to be a slip of the
// keyboard (a third of the name's length, at least 2).
std::string NearestName(std::string_view name, const std::vector<std::string>& candidates);

}  // namespace quarnel::skinpack
