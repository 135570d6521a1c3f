#include "api/AttributeFnSupport.h"

#include <cmath>
#include <memory>
#include <utility>

namespace mayasim {

namespace {

// Marks the owners made here, so attrDraft() knows what it may cast.
struct DraftDeleter {
  void operator()(AttrDraft* draft) const { delete draft; }
};

}  // namespace

MObject makeAttrDraft(AttrDraft draft) {
  auto* owned = new AttrDraft(std::move(draft));
  std::shared_ptr<void> owner(owned, DraftDeleter{});
  return ObjectAccess::makeAttribute(owned, std::move(owner));
}

AttrDraft* attrDraft(const MObject& attr) {
  const std::shared_ptr<void>& owner = ObjectAccess::attrOwner(attr);
  if (!owner || !std::get_deleter<DraftDeleter>(owner)) return nullptr;
  return static_cast<AttrDraft*>(owner.get());
}

namespace attrfn {

const scene::AttrDecl* declOf(const MFnBase& fn) {
  return ObjectAccess::attrDecl(ObjectAccess::fnObject(fn));
}

AttrDraft* draftOf(const MFnBase& fn) { return attrDraft(ObjectAccess::fnObject(fn)); }

MObject createDraft(MFnBase& fn, AttrDraft draft, const MString& fullName, const MString& briefName,
                    MStatus* status) {
  draft.longName = str(fullName);
  draft.shortName = briefName.length() ? str(briefName) : draft.longName;
  if (draft.longName.empty()) {
    setStatus(status, MS::kInvalidParameter);
    return MObject();
  }
  MObject attr = makeAttrDraft(std::move(draft));
  ObjectAccess::setFnObject(fn, attr);
  setStatus(status, MS::kSuccess);
  return attr;
}

MObject refuse(MStatus* status, MStatus why) {
  setStatus(status, why);
  return MObject();
}

double normalized(AttrType type, double value) {
  switch (type) {
    case AttrType::Bool:
      return value != 0.0 ? 1.0 : 0.0;
    case AttrType::Long:
      return std::round(value);
    default:
      return value;
  }
}

MStatus setDefaultNumber(MFnBase& fn, double value) {
  return editDraft(fn, [&](AttrDraft& d) { d.defaultValue = normalized(d.type, value); });
}

MStatus setLimit(MFnBase& fn, std::optional<double> AttrDraft::*limit, double value) {
  return editDraft(fn, [&](AttrDraft& d) {
    if (scene::isNumeric(d.type)) d.*limit = normalized(d.type, value);
  });
}

MStatus setUiLimit(MFnBase& fn, std::optional<double> AttrDraft::*limit, double value) {
  return editDraft(fn, [&](AttrDraft& d) { d.*limit = value; });
}

}  // namespace attrfn
}  // namespace mayasim
