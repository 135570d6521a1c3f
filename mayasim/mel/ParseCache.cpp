#include "mel/ParseCache.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "mel/Parser.h"

namespace mel::detail {

namespace {

// The text's hash (the library's, which reads words rather than bytes),
// mixed with its name's.
std::uint64_t hashOf(std::string_view source, std::string_view sourceName) {
  const std::hash<std::string_view> hash;
  std::uint64_t h = hash(source);
  if (!sourceName.empty()) h ^= hash(sourceName) * 0x9e3779b97f4a7c15ull;
  return h | 1;  // 0 marks an empty seen slot
}

}  // namespace

std::shared_ptr<const Script> ParseCache::parse(std::string_view source,
                                                std::string_view sourceName) {
  if (source.size() > kLongestText) return parseScript(source, sourceName);
  const std::uint64_t hash = hashOf(source, sourceName);
  ++uses_;
  for (Entry& e : entries_) {
    if (e.hash == hash && e.source == source && e.sourceName == sourceName) {
      e.lastUse = uses_;
      return e.script;
    }
  }
  std::shared_ptr<const Script> script = parseScript(source, sourceName);
  std::uint64_t& seen = seen_[hash % kSeenSlots];
  if (seen != hash) {
    seen = hash;  // kept the next time it comes
    return script;
  }
  seen = 0;
  return keep(hash, source, sourceName, std::move(script));
}

std::shared_ptr<const Script> ParseCache::keep(std::uint64_t hash, std::string_view source,
                                               std::string_view sourceName,
                                               std::shared_ptr<const Script> script) {
  Entry entry{hash, std::string(source), std::string(sourceName), script, uses_};
  if (entries_.size() < kEntries) {
    entries_.push_back(std::move(entry));
  } else {
    auto oldest =
        std::min_element(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    *oldest = std::move(entry);
  }
  return script;
}

void ParseCache::clear() {
  entries_.clear();
  seen_.fill(0);
}

}  // namespace mel::detail
