// Array functions: stringArrayToString, floatArrayToString,
// intArrayToString, stringArrayContains, stringArrayRemove,
// stringArrayRemoveDuplicates, stringArrayCatenate, sort.
#include <algorithm>
#include <set>

#include "mel/BuiltinSupport.h"
#include "mel/lib/LibraryParts.h"

namespace mel::lib {

using detail::expectArgs;

namespace {

// xArrayToString(array, separator)
CommandFn joiner(const char* name) {
  return [name](Interpreter&, const Args& a) {
    expectArgs(name, a, 2);
    if (!a[0].isArray()) a[0].asStringArray();  // throws the conversion error
    std::string sep = a[1].asString(), out;
    for (std::size_t i = 0; i < a[0].size(); ++i) {
      if (i) out += sep;
      out += a[0].element(i).asString();
    }
    return Value(out);
  };
}

Value contains(Interpreter&, const Args& a) {
  expectArgs("stringArrayContains", a, 2);
  auto items = a[1].asStringArray();
  return Value(std::find(items.begin(), items.end(), a[0].asString()) != items.end() ? 1 : 0);
}

// stringArrayRemove(toRemove, array)
Value removeItems(Interpreter&, const Args& a) {
  expectArgs("stringArrayRemove", a, 2);
  auto drop = a[0].asStringArray();
  std::set<std::string> dropSet(drop.begin(), drop.end());
  std::vector<std::string> out;
  for (auto& s : a[1].asStringArray())
    if (!dropSet.count(s)) out.push_back(std::move(s));
  return Value(out);
}

Value removeDuplicates(Interpreter&, const Args& a) {
  expectArgs("stringArrayRemoveDuplicates", a, 1);
  std::set<std::string> seen;
  std::vector<std::string> out;
  for (auto& s : a[0].asStringArray())
    if (seen.insert(s).second) out.push_back(std::move(s));
  return Value(out);
}

Value catenate(Interpreter&, const Args& a) {
  expectArgs("stringArrayCatenate", a, 2);
  auto out = a[0].asStringArray();
  for (auto& s : a[1].asStringArray()) out.push_back(std::move(s));
  return Value(out);
}

Value sortCommand(Interpreter&, const Args& a) {
  expectArgs("sort", a, 1);
  switch (a[0].type()) {
    case ValueType::IntArray: {
      auto v = a[0].asIntArray();
      std::sort(v.begin(), v.end());
      return Value(v);
    }
    case ValueType::FloatArray: {
      auto v = a[0].asFloatArray();
      std::sort(v.begin(), v.end());
      return Value(v);
    }
    default: {
      auto v = a[0].asStringArray();
      std::sort(v.begin(), v.end());
      return Value(v);
    }
  }
}

}  // namespace

void registerArrayCommands(Interpreter& interp) {
  interp.registerCommand("stringArrayToString", joiner("stringArrayToString"));
  interp.registerCommand("floatArrayToString", joiner("floatArrayToString"));
  interp.registerCommand("intArrayToString", joiner("intArrayToString"));
  interp.registerCommand("stringArrayContains", contains);
  interp.registerCommand("stringArrayRemove", removeItems);
  interp.registerCommand("stringArrayRemoveDuplicates", removeDuplicates);
  interp.registerCommand("stringArrayCatenate", catenate);
  interp.registerCommand("sort", sortCommand);
}

}  // namespace mel::lib
