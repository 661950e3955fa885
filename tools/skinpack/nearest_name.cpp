// Edit distance (optimal string alignment) and the nearest candidate. Pure code, any thread.
#include "tools/skinpack/nearest_name.h"

#include <algorithm>

namespace quarnel::skinpack {
namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

int EditDistance(std::string_view a, std::string_view b) {
  const std::size_t n = a.size(), m = b.size();
  // Three rows suffice: the swap of neighbours looks two rows back.
  std::vector<int> before(m + 1), previous(m + 1), current(m + 1);
  for (std::size_t j = 0; j <= m; ++j) previous[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= n; ++i) {
    current[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= m; ++j) {
      const int cost = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
      if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) && Lower(a[i - 2]) == Lower(b[j - 1]))
        current[j] = std::min(current[j], before[j - 2] + 1);
    }
    before.swap(previous);
    previous.swap(current);
  }
  return previous[m];
}

std::string NearestName(std::string_view name, const std::vector<std::string>& candidates) {
  const int limit = std::max<int>(2, static_cast<int>(name.size()) / 3);
  std::string best;
  int bestDistance = limit + 1;
  for (const std::string& candidate : candidates) {
    const int distance = EditDistance(name, candidate);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidate;
    }
  }
  return best;
}

}  // namespace quarnel::skinpack
