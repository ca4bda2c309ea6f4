#include "literal/replace_all.h"

#include <limits>
#include <vector>

namespace mikawase {

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replace) {
  std::string out;
  ReplaceAllWithin(text, find, replace, std::numeric_limits<std::size_t>::max(), &out);
  return out;
}

bool ReplaceAllWithin(std::string_view text, std::string_view find, std::string_view replace,
                      std::size_t limit, std::string* out) {
  if (find.empty()) {
    if (text.size() > limit) return false;
    out->assign(text);
    return true;
  }
  // Count first, then build: the size is checked before anything is
  // allocated, and no list of positions (eight bytes per hit) is kept.
  std::size_t hits = 0;
  for (std::size_t at = text.find(find); at != std::string_view::npos;
       at = text.find(find, at + find.size())) {
    ++hits;
  }
  // Compare without forming a size that could wrap around.
  std::size_t kept = text.size() - hits * find.size();
  if (kept > limit) return false;
  if (!replace.empty() && hits > (limit - kept) / replace.size()) return false;

  std::string result;
  result.reserve(kept + hits * replace.size());
  std::size_t copied_up_to = 0;
  for (std::size_t at = text.find(find); at != std::string_view::npos;
       at = text.find(find, at + find.size())) {
    result.append(text, copied_up_to, at - copied_up_to);
    result.append(replace);
    copied_up_to = at + find.size();
  }
  result.append(text, copied_up_to);
  *out = std::move(result);
  return true;
}

}  // namespace mikawase
