// A small command plug-in for the host's plug-in tests and the demo:
//   sampleHello [-name NAME] [-mel TEXT]  prints and returns a greeting (not
//                                         undoable); runs TEXT through
//                                         MGlobal::executeCommand first
//   sampleMakeNode [-name NAME]           creates a transform (undoable)
// When SAMPLE_PLUGIN_TRACE names a file, the library appends a line when its
// statics are built ("loaded"), when uninitializePlugin runs, and when its
// statics are destroyed ("unloaded"), which shows that unloading really
// unmapped it.
#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MDGModifier.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr char kNameFlag[] = "-n";
constexpr char kNameFlagLong[] = "-name";
constexpr char kMelFlag[] = "-m";
constexpr char kMelFlagLong[] = "-mel";

void appendTrace(const char* line) {
  const char* path = std::getenv("SAMPLE_PLUGIN_TRACE");
  if (path == nullptr || *path == '\0') return;
  if (FILE* f = std::fopen(path, "a")) {
    std::fputs(line, f);
    std::fputc('\n', f);
    std::fclose(f);
  }
}

struct LifetimeTrace {
  LifetimeTrace() { appendTrace("sampleCmd loaded"); }
  ~LifetimeTrace() { appendTrace("sampleCmd unloaded"); }
  LifetimeTrace(const LifetimeTrace&) = delete;
  LifetimeTrace& operator=(const LifetimeTrace&) = delete;
};
LifetimeTrace lifetimeTrace;

MSyntax nameSyntax() {
  MSyntax syntax;
  syntax.addFlag(kNameFlag, kNameFlagLong, MSyntax::kString);
  return syntax;
}

MSyntax helloSyntax() {
  MSyntax syntax = nameSyntax();
  syntax.addFlag(kMelFlag, kMelFlagLong, MSyntax::kString);
  return syntax;
}

class SampleHello : public MPxCommand {
 public:
  static constexpr char kName[] = "sampleHello";
  static void* creator() { return new SampleHello; }

  MStatus doIt(const MArgList& args) override {
    MStatus status;
    MArgDatabase db(syntax(), args, &status);
    if (!status) return status;
    MString mel;
    if (db.isFlagSet(kMelFlag) && db.getFlagArgument(kMelFlag, 0, mel)) {
      status = MGlobal::executeCommand(mel, false, false);
      if (!status) return status;
    }
    MString who = "world";
    db.getFlagArgument(kNameFlag, 0, who);
    const MString greeting = MString("Hello, ") + who;
    MGlobal::displayInfo(greeting);
    setResult(greeting);
    return MS::kSuccess;
  }
};

class SampleMakeNode : public MPxCommand {
 public:
  static constexpr char kName[] = "sampleMakeNode";
  static void* creator() { return new SampleMakeNode; }

  MStatus doIt(const MArgList& args) override {
    MStatus status;
    MArgDatabase db(syntax(), args, &status);
    if (!status) return status;
    node_ = modifier_.createNode("transform", &status);
    if (!status) return status;
    MString name;
    if (db.isFlagSet(kNameFlag) && db.getFlagArgument(kNameFlag, 0, name)) {
      modifier_.renameNode(node_, name);
    }
    return redoIt();
  }
  MStatus redoIt() override {
    const MStatus status = modifier_.doIt();
    if (status) setResult(MFnDependencyNode(node_).name());
    return status;
  }
  MStatus undoIt() override { return modifier_.undoIt(); }
  bool isUndoable() const override { return true; }

 private:
  MDGModifier modifier_;
  MObject node_;
};

}  // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
  MFnPlugin plugin(obj, "mayasim tests", "1.2", "Any");
  MStatus status = plugin.registerCommand(SampleHello::kName, SampleHello::creator, helloSyntax);
  if (!status) return status;
  return plugin.registerCommand(SampleMakeNode::kName, SampleMakeNode::creator, nameSyntax);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
  appendTrace("sampleCmd uninitialized");
  MFnPlugin plugin(obj);
  plugin.deregisterCommand(SampleMakeNode::kName);
  return plugin.deregisterCommand(SampleHello::kName);
}
