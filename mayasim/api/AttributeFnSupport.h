// What the four attribute function sets (MFnAttribute, MFnNumericAttribute,
// MFnUnitAttribute, MFnTypedAttribute) share.
//
// create() makes an AttrDraft owned by the returned MObject and attaches the
// function set to it; the setters then edit that draft. An attribute of a
// registered type (found through MFnDependencyNode::attribute, say) can be
// read but not changed: its setters give kFailure.
#pragma once

#include <maya/MFnBase.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <optional>

#include "api/ObjectAccess.h"
#include "api/PluginNodeTypes.h"
#include "api/ReturnStatus.h"

namespace mayasim::attrfn {

using scene::AttrType;

// The declaration of the attached attribute (draft or registered), or nullptr.
const scene::AttrDecl* declOf(const MFnBase& fn);
// The attached draft; nullptr for a registered attribute or nothing attached.
AttrDraft* draftOf(const MFnBase& fn);

// Reads one property of the attached attribute; `fallback` and kFailure when
// nothing is attached.
template <typename T, typename Get>
T readDecl(const MFnBase& fn, MStatus* status, T fallback, Get get) {
  const scene::AttrDecl* decl = declOf(fn);
  setStatus(status, decl ? MS::kSuccess : MS::kFailure);
  return decl ? get(*decl, attrDraft(ObjectAccess::fnObject(fn))) : fallback;
}

// Applies `edit` to the attached draft and, for a compound, to its children.
template <typename Edit>
MStatus editDraft(MFnBase& fn, Edit edit) {
  AttrDraft* draft = draftOf(fn);
  if (!draft) return MS::kFailure;
  edit(*draft);
  for (const MObject& child : draft->children) {
    if (AttrDraft* c = attrDraft(child)) edit(*c);
  }
  return MS::kSuccess;
}

// Makes a draft with the given names, attaches `fn` to it and returns it.
MObject createDraft(MFnBase& fn, AttrDraft draft, const MString& fullName, const MString& briefName,
                    MStatus* status);
// A null object, with `why` as the status.
MObject refuse(MStatus* status, MStatus why);
// A number as the attribute's type stores it: bools are 0 or 1, integers whole.
double normalized(AttrType type, double value);
MStatus setDefaultNumber(MFnBase& fn, double value);
// A hard limit (numeric types only, normalized) and a slider limit.
MStatus setLimit(MFnBase& fn, std::optional<double> AttrDraft::*limit, double value);
MStatus setUiLimit(MFnBase& fn, std::optional<double> AttrDraft::*limit, double value);

}  // namespace mayasim::attrfn
