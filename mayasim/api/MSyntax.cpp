#include <maya/MStatus.h>
#include <maya/MSyntax.h>

#include <cstring>

#include "api/ObjectAccess.h"

struct MSyntax::Impl : mayasim::ObjectAccess::SyntaxData {};

namespace {

// "-r" / "-radius": a dash and at least one letter.
bool validFlagName(const char* name) { return name && name[0] == '-' && std::strlen(name) > 1; }

}  // namespace

MSyntax::MSyntax() : impl_(std::make_unique<Impl>()) {}
MSyntax::MSyntax(const MSyntax& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
MSyntax::~MSyntax() = default;
MSyntax& MSyntax::operator=(const MSyntax& other) {
  if (this != &other) *impl_ = *other.impl_;
  return *this;
}

MStatus MSyntax::addFlag(const char* shortName, const char* longName, MArgType argType1,
                         MArgType argType2, MArgType argType3, MArgType argType4, MArgType argType5,
                         MArgType argType6) {
  if (!validFlagName(shortName) || !validFlagName(longName)) return MS::kInvalidParameter;
  for (const auto& f : impl_->flags) {
    if (f.shortName == shortName || f.longName == longName || f.shortName == longName ||
        f.longName == shortName)
      return MS::kFailure;
  }
  mayasim::ObjectAccess::SyntaxFlag flag;
  flag.shortName = shortName;
  flag.longName = longName;
  for (MArgType t : {argType1, argType2, argType3, argType4, argType5, argType6}) {
    if (t == kNoArg || t == kInvalidArgType || t == kLastArgType) break;
    flag.argTypes.push_back(t);
  }
  impl_->flags.push_back(std::move(flag));
  return MS::kSuccess;
}

MStatus MSyntax::makeFlagMultiUse(const char* flagName) {
  for (auto& f : impl_->flags) {
    if (flagName && (f.shortName == flagName || f.longName == flagName)) {
      f.multiUse = true;
      return MS::kSuccess;
    }
  }
  return MS::kInvalidParameter;
}

MStatus MSyntax::addArg(MArgType arg) {
  if (arg == kNoArg || arg == kInvalidArgType || arg == kLastArgType) return MS::kInvalidParameter;
  impl_->commandArgs.push_back(arg);
  return MS::kSuccess;
}

void MSyntax::useSelectionAsDefault(bool useSelectionList) {
  impl_->selectionAsDefault = useSelectionList;
}

MStatus MSyntax::setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects) {
  return setObjectType(objectFormat, minimumObjects, ~0u);
}

MStatus MSyntax::setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects,
                               unsigned int maximumObjects) {
  if (objectFormat == kInvalidObjectFormat || objectFormat == kLastObjectFormat ||
      minimumObjects > maximumObjects)
    return MS::kInvalidParameter;
  impl_->objectFormat = objectFormat;
  impl_->minObjects = minimumObjects;
  impl_->maxObjects = maximumObjects;
  return MS::kSuccess;
}

void MSyntax::enableQuery(bool supportsQuery) { impl_->query = supportsQuery; }
void MSyntax::enableEdit(bool supportsEdit) { impl_->edit = supportsEdit; }

const char* MSyntax::className() { return "MSyntax"; }

const mayasim::ObjectAccess::SyntaxData& mayasim::ObjectAccess::syntax(const MSyntax& s) {
  return *s.impl_;
}
