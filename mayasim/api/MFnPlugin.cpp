// MFnPlugin: the plug-in's identity and its commands. Node registration is
// in MFnPluginNodes.cpp.
#include <maya/MFn.h>
#include <maya/MFnBase.h>
#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPlugin.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include "api/CommandDispatch.h"
#include "api/ObjectAccess.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::host;
using mayasim::mstr;
using mayasim::ObjectAccess;
using mayasim::str;

namespace {

mayasim::PluginRecord* recordOf(const MFnBase& fn) {
  return host().plugin(ObjectAccess::pluginIndex(ObjectAccess::fnObject(fn)));
}

MString field(const MFnBase& fn, MStatus* ReturnStatus, std::string mayasim::PluginRecord::*what) {
  const mayasim::PluginRecord* p = recordOf(fn);
  if (ReturnStatus) *ReturnStatus = p ? MS::kSuccess : MS::kFailure;
  return p ? mstr(p->*what) : MString();
}

}  // namespace

MFnPlugin::MFnPlugin() = default;

MFnPlugin::MFnPlugin(MObject& object, const char* vendor, const char* version,
                     const char* requiredApiVersion, MStatus* ReturnStatus) {
  mayasim::PluginRecord* p = host().plugin(ObjectAccess::pluginIndex(object));
  if (!p) {
    if (ReturnStatus) *ReturnStatus = MS::kInvalidParameter;
    return;
  }
  ObjectAccess::setFnObject(*this, object);
  if (!p->vendorSet) {
    p->vendor = vendor ? vendor : "Unknown";
    p->version = version ? version : "Unknown";
    p->apiVersion = requiredApiVersion ? requiredApiVersion : "Any";
    p->vendorSet = true;
  }
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
}

MFnPlugin::~MFnPlugin() = default;

MFn::Type MFnPlugin::type() const { return MFn::kBase; }
const char* MFnPlugin::className() { return "MFnPlugin"; }

MString MFnPlugin::vendor(MStatus* ReturnStatus) const {
  return field(*this, ReturnStatus, &mayasim::PluginRecord::vendor);
}
MString MFnPlugin::version(MStatus* ReturnStatus) const {
  return field(*this, ReturnStatus, &mayasim::PluginRecord::version);
}
MString MFnPlugin::apiVersion(MStatus* ReturnStatus) const {
  return field(*this, ReturnStatus, &mayasim::PluginRecord::apiVersion);
}
MString MFnPlugin::name(MStatus* ReturnStatus) const {
  return field(*this, ReturnStatus, &mayasim::PluginRecord::name);
}
MString MFnPlugin::loadPath(MStatus* ReturnStatus) const {
  return field(*this, ReturnStatus, &mayasim::PluginRecord::path);
}

MStatus MFnPlugin::registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                                   MCreateSyntaxFunction createSyntaxFunction) {
  int index = ObjectAccess::pluginIndex(ObjectAccess::fnObject(*this));
  if (index < 0) return MS::kFailure;
  return mayasim::registerPluginCommand(index, str(commandName), creatorFunction,
                                        createSyntaxFunction)
             ? MS::kSuccess
             : MS::kFailure;
}

MStatus MFnPlugin::deregisterCommand(const MString& commandName) {
  int index = ObjectAccess::pluginIndex(ObjectAccess::fnObject(*this));
  if (index < 0) return MS::kFailure;
  return host().removePluginCommand(index, str(commandName)) ? MS::kSuccess : MS::kFailure;
}

MObject MFnPlugin::findPlugin(const MString& pluginName) {
  const int index = host().findPlugin(str(pluginName));
  return index >= 0 ? ObjectAccess::makePlugin(index) : MObject();
}

bool MFnPlugin::isNodeRegistered(const MString& typeName) {
  return host().scene().findType(str(typeName)) != nullptr;
}
