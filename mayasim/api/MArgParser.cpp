#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MArgParser.h>
#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include <map>
#include <optional>

#include "api/ArgValues.h"
#include "api/ObjectAccess.h"
#include "api/ReturnStatus.h"
#include "host/Host.h"
#include "mel/FlagGrammar.h"

using mayasim::ObjectAccess;

struct MArgParser::Impl {
  ObjectAccess::SyntaxData syntax;
  // Values of each use of each flag that was given, by long name; values
  // are already of the flag's types (bool as int 0/1).
  std::map<std::string, std::vector<mel::Args>> uses;
  mel::Args positional;  // command arguments, then objects
  bool query = false;
  bool edit = false;

  const ObjectAccess::SyntaxFlag* findFlag(const std::string& name) const {
    for (const auto& f : syntax.flags)
      if (f.shortName == name || f.longName == name) return &f;
    return nullptr;
  }

  // Value `index` of the first use of `flag`, or nullptr.
  const mel::Value* flagValue(const char* flag, unsigned int index) const {
    if (!flag) return nullptr;
    const ObjectAccess::SyntaxFlag* f = findFlag(flag);
    if (!f) return nullptr;
    auto it = uses.find(f->longName);
    if (it == uses.end() || it->second.empty() || index >= it->second.front().size())
      return nullptr;
    return &it->second.front()[index];
  }

  const mel::Value* commandArg(unsigned int index) const {
    return index < positional.size() && index < syntax.commandArgs.size() ? &positional[index]
                                                                          : nullptr;
  }

  std::vector<std::string> objects() const {
    std::vector<std::string> out;
    for (std::size_t i = syntax.commandArgs.size(); i < positional.size(); ++i)
      out.push_back(mayasim::argAsString(positional[i]));
    return out;
  }
};

namespace {

// `v` as a value of type `t`, or nothing when it is not one.
std::optional<mel::Value> convert(const mel::Value& v, MSyntax::MArgType t) {
  switch (t) {
    case MSyntax::kBoolean:
      if (auto b = mayasim::argAsBool(v)) return mel::Value(*b ? 1 : 0);
      return std::nullopt;
    case MSyntax::kLong:
      if (auto i = mayasim::argAsInt(v)) return mel::Value(*i);
      return std::nullopt;
    case MSyntax::kUnsigned:
      if (auto i = mayasim::argAsInt(v); i && *i >= 0) return mel::Value(*i);
      return std::nullopt;
    case MSyntax::kDouble:
    case MSyntax::kDistance:
    case MSyntax::kAngle:
    case MSyntax::kTime:
      if (auto d = mayasim::argAsDouble(v)) return mel::Value(*d);
      return std::nullopt;
    default:
      return mel::Value(mayasim::argAsString(v));
  }
}

void fail(MStatus& status, const std::string& message) {
  status = MS::kFailure;
  mayasim::host().output().error(message);
}

template <typename T>
MStatus readInto(const mel::Value* v, T& result, std::optional<T> (*conv)(const mel::Value&)) {
  if (!v) return MS::kFailure;
  std::optional<T> r = conv(*v);
  if (!r) return MS::kFailure;
  result = *r;
  return MS::kSuccess;
}

std::optional<unsigned int> asUnsigned(const mel::Value& v) {
  auto i = mayasim::argAsInt(v);
  if (!i || *i < 0) return std::nullopt;
  return static_cast<unsigned int>(*i);
}

std::optional<MString> asMString(const mel::Value& v) {
  return mayasim::mstr(mayasim::argAsString(v));
}

}  // namespace

MArgParser::MArgParser() : impl_(std::make_unique<Impl>()) {}

MArgParser::MArgParser(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus)
    : impl_(std::make_unique<Impl>()) {
  MStatus status;
  impl_->syntax = ObjectAccess::syntax(syntax);
  const auto& sx = impl_->syntax;
  const mel::Args& args = ObjectAccess::args(argList);

  // The syntax's flags in the grammar's terms. The query and edit flags come
  // first so that they win over a plug-in flag of the same name. A plug-in
  // flag may be given again; without makeFlagMultiUse only its first use is
  // read (getFlagArgument), as in Maya.
  std::vector<mel::FlagDecl> decls;
  if (sx.query) decls.push_back({"q", "query", 0, true});
  if (sx.edit) decls.push_back({"e", "edit", 0, true});
  const std::size_t firstSyntaxFlag = decls.size();
  for (const auto& f : sx.flags)
    decls.push_back({f.shortName.substr(1), f.longName.substr(1), f.argTypes.size(), true});

  mel::FlagLine line = mel::readFlags(decls, args);
  for (const std::string& problem : line.problems) fail(status, problem);
  impl_->query = line.query;
  impl_->positional = std::move(line.positional);
  for (const mel::FlagUse& use : line.uses) {
    if (use.decl < firstSyntaxFlag) {
      if (decls[use.decl].longName == "edit") impl_->edit = true;
      continue;
    }
    const ObjectAccess::SyntaxFlag& flag = sx.flags[use.decl - firstSyntaxFlag];
    mel::Args values;
    for (std::size_t k = 0; k < use.count; ++k) {
      const mel::Value& word = args[use.firstValue() + k];
      std::optional<mel::Value> value = convert(word, flag.argTypes[k]);
      if (!value) {
        fail(status, "Invalid argument for flag " + args[use.word].asString() + ": " +
                         mayasim::argAsString(word));
        break;
      }
      values.push_back(std::move(*value));
    }
    if (values.size() == use.count) impl_->uses[flag.longName].push_back(std::move(values));
  }

  std::size_t objectCount = impl_->objects().size();
  if (sx.objectFormat == MSyntax::kStringObjects || sx.objectFormat == MSyntax::kSelectionList) {
    if (objectCount > sx.maxObjects)
      fail(status, "Too many objects or values.");
    else if (objectCount < sx.minObjects && !sx.selectionAsDefault)
      fail(status, "Too few objects or values.");
  }
  if (ReturnStatus) *ReturnStatus = status;
}

MArgParser::~MArgParser() = default;

bool MArgParser::isFlagSet(const char* flag, MStatus* ReturnStatus) const {
  const ObjectAccess::SyntaxFlag* f = flag ? impl_->findFlag(flag) : nullptr;
  mayasim::setStatusOk(ReturnStatus, f != nullptr);
  return f && impl_->uses.count(f->longName) != 0;
}

bool MArgParser::isQuery(MStatus* ReturnStatus) const {
  mayasim::setStatusOk(ReturnStatus, true);
  return impl_->query;
}

bool MArgParser::isEdit(MStatus* ReturnStatus) const {
  mayasim::setStatusOk(ReturnStatus, true);
  return impl_->edit;
}

unsigned int MArgParser::numberOfFlagUses(const char* flag) const {
  const ObjectAccess::SyntaxFlag* f = flag ? impl_->findFlag(flag) : nullptr;
  if (!f) return 0;
  auto it = impl_->uses.find(f->longName);
  return it == impl_->uses.end() ? 0 : static_cast<unsigned int>(it->second.size());
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, bool& result) const {
  return readInto(impl_->flagValue(flag, index), result, mayasim::argAsBool);
}
MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, int& result) const {
  return readInto(impl_->flagValue(flag, index), result, mayasim::argAsInt);
}
MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, double& result) const {
  return readInto(impl_->flagValue(flag, index), result, mayasim::argAsDouble);
}
MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, MString& result) const {
  return readInto(impl_->flagValue(flag, index), result, asMString);
}
MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index,
                                    unsigned int& result) const {
  return readInto(impl_->flagValue(flag, index), result, asUnsigned);
}

bool MArgParser::flagArgumentBool(const char* flag, unsigned int index,
                                  MStatus* ReturnStatus) const {
  bool r = false;
  MStatus s = getFlagArgument(flag, index, r);
  if (ReturnStatus) *ReturnStatus = s;
  return r;
}
int MArgParser::flagArgumentInt(const char* flag, unsigned int index, MStatus* ReturnStatus) const {
  int r = 0;
  MStatus s = getFlagArgument(flag, index, r);
  if (ReturnStatus) *ReturnStatus = s;
  return r;
}
double MArgParser::flagArgumentDouble(const char* flag, unsigned int index,
                                      MStatus* ReturnStatus) const {
  double r = 0;
  MStatus s = getFlagArgument(flag, index, r);
  if (ReturnStatus) *ReturnStatus = s;
  return r;
}
MString MArgParser::flagArgumentString(const char* flag, unsigned int index,
                                       MStatus* ReturnStatus) const {
  MString r;
  MStatus s = getFlagArgument(flag, index, r);
  if (ReturnStatus) *ReturnStatus = s;
  return r;
}

MStatus MArgParser::getFlagArgumentList(const char* flag, unsigned int i, MArgList& args) const {
  const ObjectAccess::SyntaxFlag* f = flag ? impl_->findFlag(flag) : nullptr;
  if (!f) return MS::kFailure;
  auto it = impl_->uses.find(f->longName);
  if (it == impl_->uses.end() || i >= it->second.size()) return MS::kFailure;
  args = ObjectAccess::makeArgList(it->second[i]);
  return MS::kSuccess;
}

MStatus MArgParser::getCommandArgument(unsigned int index, bool& result) const {
  return readInto(impl_->commandArg(index), result, mayasim::argAsBool);
}
MStatus MArgParser::getCommandArgument(unsigned int index, int& result) const {
  return readInto(impl_->commandArg(index), result, mayasim::argAsInt);
}
MStatus MArgParser::getCommandArgument(unsigned int index, double& result) const {
  return readInto(impl_->commandArg(index), result, mayasim::argAsDouble);
}
MStatus MArgParser::getCommandArgument(unsigned int index, MString& result) const {
  return readInto(impl_->commandArg(index), result, asMString);
}

bool MArgParser::commandArgumentBool(unsigned int index, MStatus* ReturnStatus) const {
  bool r = false;
  MStatus s = getCommandArgument(index, r);
  if (ReturnStatus) *ReturnStatus = s;
  return r;
}
int MArgParser::commandArgumentInt(unsigned int index, MStatus* ReturnStatus) const {
  int r = 0;
  MStatus s = getCommandArgument(index, r);
  if (ReturnStatus) *ReturnStatus = s;
  return r;
}
double MArgParser::commandArgumentDouble(unsigned int index, MStatus* ReturnStatus) const {
  double r = 0;
  MStatus s = getCommandArgument(index, r);
  if (ReturnStatus) *ReturnStatus = s;
  return r;
}
MString MArgParser::commandArgumentString(unsigned int index, MStatus* ReturnStatus) const {
  MString r;
  MStatus s = getCommandArgument(index, r);
  if (ReturnStatus) *ReturnStatus = s;
  return r;
}

MStatus MArgParser::getObjects(MStringArray& result) const {
  result.clear();
  for (const std::string& name : impl_->objects()) result.append(mayasim::mstr(name));
  return MS::kSuccess;
}

const char* MArgParser::className() { return "MArgParser"; }

bool ObjectAccess::selectionAsDefault(const MArgParser& parser) {
  return parser.impl_->syntax.selectionAsDefault;
}

// ----------------------------------------------------------- MArgDatabase

MArgDatabase::MArgDatabase() = default;
MArgDatabase::MArgDatabase(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus)
    : MArgParser(syntax, argList, ReturnStatus) {}
MArgDatabase::~MArgDatabase() = default;

MStatus MArgDatabase::getFlagArgument(const char* flag, unsigned int index, bool& result) const {
  return MArgParser::getFlagArgument(flag, index, result);
}
MStatus MArgDatabase::getFlagArgument(const char* flag, unsigned int index, int& result) const {
  return MArgParser::getFlagArgument(flag, index, result);
}
MStatus MArgDatabase::getFlagArgument(const char* flag, unsigned int index, double& result) const {
  return MArgParser::getFlagArgument(flag, index, result);
}
MStatus MArgDatabase::getFlagArgument(const char* flag, unsigned int index, MString& result) const {
  return MArgParser::getFlagArgument(flag, index, result);
}
MStatus MArgDatabase::getFlagArgument(const char* flag, unsigned int index,
                                      unsigned int& result) const {
  return MArgParser::getFlagArgument(flag, index, result);
}
MStatus MArgDatabase::getFlagArgument(const char* flag, unsigned int index,
                                      MSelectionList& result) const {
  MString name;
  MStatus s = MArgParser::getFlagArgument(flag, index, name);
  return s ? result.add(name) : s;
}

MStatus MArgDatabase::getCommandArgument(unsigned int index, bool& result) const {
  return MArgParser::getCommandArgument(index, result);
}
MStatus MArgDatabase::getCommandArgument(unsigned int index, int& result) const {
  return MArgParser::getCommandArgument(index, result);
}
MStatus MArgDatabase::getCommandArgument(unsigned int index, double& result) const {
  return MArgParser::getCommandArgument(index, result);
}
MStatus MArgDatabase::getCommandArgument(unsigned int index, MString& result) const {
  return MArgParser::getCommandArgument(index, result);
}
MStatus MArgDatabase::getCommandArgument(unsigned int index, MSelectionList& result) const {
  MString name;
  MStatus s = MArgParser::getCommandArgument(index, name);
  return s ? result.add(name) : s;
}

MStatus MArgDatabase::getObjects(MStringArray& result) const {
  return MArgParser::getObjects(result);
}

MStatus MArgDatabase::getObjects(MSelectionList& result) const {
  MStringArray names;
  MArgParser::getObjects(names);
  if (names.length() == 0 && ObjectAccess::selectionAsDefault(*this))
    return MGlobal::getActiveSelectionList(result);
  MStatus status;
  for (const MString& name : names)
    if (!result.add(name)) status = MS::kInvalidParameter;
  return status;
}

const char* MArgDatabase::className() { return "MArgDatabase"; }
