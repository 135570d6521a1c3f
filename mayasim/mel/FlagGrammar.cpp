#include "mel/FlagGrammar.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace mel {

namespace {

constexpr std::string_view kQuery = "query";  // compared by length first, without strlen

// Which declarations a line has used so far. Commands declare a few dozen
// flags, so the common case is a word of bits and no allocation.
class GivenFlags {
 public:
  explicit GivenFlags(std::size_t decls) {
    if (decls > kInline) many_.assign(decls, false);
  }
  bool test(std::size_t d) const { return many_.empty() ? (few_ >> d) & 1U : many_[d]; }
  void set(std::size_t d) {
    if (many_.empty())
      few_ |= std::uint64_t{1} << d;
    else
      many_[d] = true;
  }

 private:
  static constexpr std::size_t kInline = 64;
  std::uint64_t few_ = 0;
  std::vector<bool> many_;
};

std::optional<std::size_t> findDecl(const std::vector<FlagDecl>& decls, std::string_view name) {
  for (std::size_t i = 0; i < decls.size(); ++i)
    if (decls[i].shortName == name || decls[i].longName == name) return i;
  return std::nullopt;
}

bool queryRequested(const std::vector<FlagDecl>& decls, const Args& words) {
  const auto query = std::find_if(decls.begin(), decls.end(),
                                  [](const FlagDecl& d) { return d.longName == kQuery; });
  if (query == decls.end()) return false;
  const auto queryIndex = static_cast<std::size_t>(query - decls.begin());
  return std::any_of(words.begin(), words.end(), [&](const Value& w) {
    std::optional<std::string_view> name = flagName(w);
    if (!name || (*name != query->shortName && *name != query->longName)) return false;
    return findDecl(decls, *name) == queryIndex;  // an earlier flag of that name wins
  });
}

}  // namespace

std::optional<std::string_view> flagName(const Value& word) {
  const std::string* s = word.stringIf();
  if (!s || s->size() < 2 || (*s)[0] != '-' || !std::isalpha(static_cast<unsigned char>((*s)[1])))
    return std::nullopt;
  return std::string_view(*s).substr(1);
}

FlagLine readFlags(const std::vector<FlagDecl>& decls, const Args& words) {
  FlagLine line;
  line.query = queryRequested(decls, words);
  line.uses.reserve(words.size());
  line.positional.reserve(words.size());
  GivenFlags given(decls.size());

  for (std::size_t i = 0; i < words.size(); ++i) {
    std::optional<std::string_view> name = flagName(words[i]);
    if (!name) {
      line.positional.push_back(words[i]);
      continue;
    }
    const std::string& written = *words[i].stringIf();
    std::optional<std::size_t> d = findDecl(decls, *name);
    if (!d) {
      line.problems.push_back("Invalid flag '" + written + "'");
      continue;
    }
    const FlagDecl& decl = decls[*d];
    const std::size_t count = line.query ? 0 : decl.argCount;
    if (count > words.size() - i - 1) {
      line.problems.push_back("Flag '" + written + "' must be passed " + std::to_string(count) +
                              " argument(s).");
      break;  // nothing follows that could be read
    }
    const std::size_t flagWord = i;
    i += count;
    if (given.test(*d) && !decl.multiUse) {
      line.problems.push_back("Flag '" + written + "' can only be used once.");
      continue;
    }
    given.set(*d);
    line.uses.push_back({*d, flagWord, count});
  }
  return line;
}

}  // namespace mel
