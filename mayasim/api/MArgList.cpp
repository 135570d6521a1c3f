#include <maya/MArgList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <cstring>
#include <optional>

#include "api/ArgValues.h"
#include "api/ObjectAccess.h"

struct MArgList::Impl {
  mel::Args args;
};

const unsigned int MArgList::kInvalidArgIndex = ~0u;

MArgList::MArgList() : impl_(std::make_unique<Impl>()) {}
MArgList::MArgList(const MArgList& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
MArgList::~MArgList() = default;
MArgList& MArgList::operator=(const MArgList& other) {
  if (this != &other) *impl_ = *other.impl_;
  return *this;
}

unsigned int MArgList::length(MStatus* ReturnStatus) const {
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return static_cast<unsigned int>(impl_->args.size());
}

namespace {

// The argument at `index`, or nullptr (and kInvalidParameter) past the end.
const mel::Value* at(const mel::Args& args, unsigned int index, MStatus* status) {
  if (index >= args.size()) {
    if (status) *status = MS::kInvalidParameter;
    return nullptr;
  }
  return &args[index];
}

template <typename T>
T read(const mel::Args& args, unsigned int index, MStatus* status,
       std::optional<T> (*convert)(const mel::Value&)) {
  const mel::Value* v = at(args, index, status);
  if (!v) return T();
  std::optional<T> r = convert(*v);
  if (status) *status = r ? MS::kSuccess : MS::kInvalidParameter;
  return r ? *r : T();
}

}  // namespace

bool MArgList::asBool(unsigned int index, MStatus* ReturnStatus) const {
  return read<bool>(impl_->args, index, ReturnStatus, mayasim::argAsBool);
}
int MArgList::asInt(unsigned int index, MStatus* ReturnStatus) const {
  return read<int>(impl_->args, index, ReturnStatus, mayasim::argAsInt);
}
double MArgList::asDouble(unsigned int index, MStatus* ReturnStatus) const {
  return read<double>(impl_->args, index, ReturnStatus, mayasim::argAsDouble);
}
MString MArgList::asString(unsigned int index, MStatus* ReturnStatus) const {
  const mel::Value* v = at(impl_->args, index, ReturnStatus);
  if (!v) return MString();
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return mayasim::mstr(mayasim::argAsString(*v));
}

unsigned int MArgList::flagIndex(const char* shortFlag, const char* longFlag) const {
  for (std::size_t i = 0; i < impl_->args.size(); ++i) {
    const mel::Value& v = impl_->args[i];
    if (!v.isString()) continue;
    std::string s = v.asString();
    if ((shortFlag && s == shortFlag) || (longFlag && s == longFlag))
      return static_cast<unsigned int>(i);
  }
  return kInvalidArgIndex;
}

MStatus MArgList::addArg(bool arg) {
  impl_->args.emplace_back(arg ? 1 : 0);
  return MS::kSuccess;
}
MStatus MArgList::addArg(int arg) {
  impl_->args.emplace_back(arg);
  return MS::kSuccess;
}
MStatus MArgList::addArg(double arg) {
  impl_->args.emplace_back(arg);
  return MS::kSuccess;
}
MStatus MArgList::addArg(const MString& arg) {
  impl_->args.emplace_back(mayasim::str(arg));
  return MS::kSuccess;
}

const char* MArgList::className() { return "MArgList"; }

MArgList mayasim::ObjectAccess::makeArgList(const mel::Args& args) {
  MArgList list;
  list.impl_->args = args;
  return list;
}

const mel::Args& mayasim::ObjectAccess::args(const MArgList& list) { return list.impl_->args; }
