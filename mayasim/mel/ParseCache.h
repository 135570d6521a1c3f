// The parsed trees of short texts that run again and again: an idle callback
// name, the same edit of a field, a command a script sends on every turn.
// A text is kept once it has been seen twice, so texts that differ every
// time (a new value each message) cost a hash and no copy. Small and bounded:
// it holds at most kEntries texts of at most kLongestText bytes each.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mel/Ast.h"

namespace mel::detail {

class ParseCache {
 public:
  static constexpr std::size_t kEntries = 32;
  static constexpr std::size_t kLongestText = 512;

  // The tree for `source`, parsed now or earlier. Throws ParseError as
  // parseScript does; a text that fails to parse is never kept.
  std::shared_ptr<const Script> parse(std::string_view source, std::string_view sourceName);

  void clear();
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::uint64_t hash;
    std::string source;
    std::string sourceName;
    std::shared_ptr<const Script> script;
    std::uint64_t lastUse;
  };
  static constexpr std::size_t kSeenSlots = 64;

  std::shared_ptr<const Script> keep(std::uint64_t hash, std::string_view source,
                                     std::string_view sourceName,
                                     std::shared_ptr<const Script> script);

  std::vector<Entry> entries_;
  std::array<std::uint64_t, kSeenSlots> seen_{};  // hashes of texts seen once, by hash
  std::uint64_t uses_ = 0;
};

}  // namespace mel::detail
