// A test plug-in whose node "zubProbe" exercises the attribute kinds and data
// block calls zubNodes does not use. The command zubProbeComputes returns how
// many times compute() has run.
#include <maya/MArgList.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnData.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnPlugin.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxCommand.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

namespace {

int gComputeCalls = 0;

class zubProbe : public MPxNode {
 public:
  static const MTypeId id;
  static MObject aFlag, aCount, aGain, aAmount, aLabel;         // inputs
  static MObject aTotal, aLabelOut, aTriple, aWhole, aUnowned;  // outputs
  static MObject aTripleX, aTripleY, aTripleZ;

  static void* creator() { return new zubProbe; }

  static MStatus initialize() {
    MFnNumericAttribute num;
    MFnTypedAttribute typed;
    aFlag = num.create("flag", "fl", MFnNumericData::kBoolean, 1);
    aCount = num.create("count", "cn", MFnNumericData::kInt, 3);
    num.setMin(0);
    num.setMax(10);
    aGain = num.create("gain", "gn", MFnNumericData::kFloat);
    num.setDefault(2.0f);
    aAmount = num.create("amount", "am", MFnNumericData::kDouble, 0.5);
    num.setMin(-1.0);
    num.setMax(1.0);
    aLabel = typed.create("label", "lb", MFnData::kString);

    aTotal = num.create("total", "tt", MFnNumericData::kDouble);
    num.setWritable(false);
    aLabelOut = typed.create("labelOut", "lo", MFnData::kString);
    typed.setWritable(false);
    aTripleX = num.create("tripleX", "tx", MFnNumericData::kDouble);
    aTripleY = num.create("tripleY", "ty", MFnNumericData::kDouble);
    aTripleZ = num.create("tripleZ", "tz", MFnNumericData::kDouble);
    aTriple = num.create("triple", "tr", aTripleX, aTripleY, aTripleZ);
    num.setWritable(false);
    aWhole = num.create("whole", "wh", MFnNumericData::kInt);
    num.setWritable(false);
    aUnowned = num.create("unowned", "un", MFnNumericData::kDouble, 7);
    num.setWritable(false);

    for (MObject* a : {&aFlag, &aCount, &aGain, &aAmount, &aLabel, &aTotal, &aLabelOut, &aTriple,
                       &aWhole, &aUnowned}) {
      MStatus status = addAttribute(*a);
      if (!status) return status;
    }
    for (MObject* in : {&aFlag, &aCount, &aGain, &aAmount}) attributeAffects(*in, aTotal);
    attributeAffects(aLabel, aLabelOut);
    for (MObject* in : {&aCount, &aGain, &aAmount}) attributeAffects(*in, aTriple);
    attributeAffects(aCount, aWhole);
    attributeAffects(aCount, aUnowned);
    return MS::kSuccess;
  }

  MStatus compute(const MPlug& plug, MDataBlock& data) override {
    ++gComputeCalls;
    if (plug == aTotal) {
      const bool flag = data.inputValue(aFlag).asBool();
      const double total =
          flag ? data.inputValue(aAmount).asDouble() * data.inputValue(aGain).asFloat() +
                     data.inputValue(aCount).asInt()
               : -1.0;
      MDataHandle out = data.outputValue(aTotal);
      out.set(total);
      out.setClean();
      return MS::kSuccess;
    }
    if (plug == aLabelOut) {
      data.outputValue(plug).set(data.inputValue(aLabel).asString() + "!");
      return data.setClean(plug);
    }
    if (plug == aTriple || plug.parent() == aTriple) {
      // Written through the reference, then stored by setClean.
      MDataHandle out = data.outputValue(aTriple);
      double3& v = out.asDouble3();
      v[0] = data.inputValue(aCount).asInt();
      v[1] = data.inputValue(aAmount).asDouble();
      v[2] = data.inputValue(aGain).asFloat();
      out.setClean();
      return MS::kSuccess;
    }
    if (plug == aWhole) {
      // Written through the reference and never cleaned: stored on success.
      data.outputValue(aWhole).asInt() = 2 * data.inputValue(aCount).asInt();
      return MS::kSuccess;
    }
    return MS::kUnknownParameter;
  }
};

const MTypeId zubProbe::id(0x7A0F0);
MObject zubProbe::aFlag, zubProbe::aCount, zubProbe::aGain, zubProbe::aAmount, zubProbe::aLabel;
MObject zubProbe::aTotal, zubProbe::aLabelOut, zubProbe::aTriple, zubProbe::aWhole,
    zubProbe::aUnowned;
MObject zubProbe::aTripleX, zubProbe::aTripleY, zubProbe::aTripleZ;

class zubProbeComputes : public MPxCommand {
 public:
  static void* creator() { return new zubProbeComputes; }
  MStatus doIt(const MArgList&) override {
    setResult(gComputeCalls);
    return MS::kSuccess;
  }
};

}  // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
  MFnPlugin plugin(obj, "zub tests", "1.0");
  MStatus status =
      plugin.registerNode("zubProbe", zubProbe::id, zubProbe::creator, zubProbe::initialize);
  if (!status) return status;
  // A second type may take neither the name nor the id: both must be refused.
  if (plugin.registerNode("zubProbe", MTypeId(0x7A0F1), zubProbe::creator, zubProbe::initialize) ||
      plugin.registerNode("zubProbeTwin", zubProbe::id, zubProbe::creator, zubProbe::initialize))
    return MS::kFailure;
  return plugin.registerCommand("zubProbeComputes", zubProbeComputes::creator);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
  MFnPlugin plugin(obj);
  plugin.deregisterCommand("zubProbeComputes");
  return plugin.deregisterNode(zubProbe::id);
}
