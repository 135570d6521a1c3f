// A plug-in with one node type, "sampleNode" (output = 2 * input), for the
// tests of unloading while nodes of a plug-in's type exist.
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>

namespace {

class SampleNode : public MPxNode {
 public:
  static constexpr char kName[] = "sampleNode";
  static const MTypeId kId;
  static MObject input;
  static MObject output;

  static void* creator() { return new SampleNode; }

  static MStatus initialize() {
    MFnNumericAttribute numeric;
    input = numeric.create("input", "in", MFnNumericData::kDouble, 0.0);
    output = numeric.create("output", "out", MFnNumericData::kDouble, 0.0);
    numeric.setWritable(false);
    numeric.setStorable(false);
    addAttribute(input);
    addAttribute(output);
    return attributeAffects(input, output);
  }

  MStatus compute(const MPlug& plug, MDataBlock& data) override {
    if (plug != output) return MS::kUnknownParameter;
    const double value = data.inputValue(input).asDouble();
    data.outputValue(output).set(2.0 * value);
    return data.setClean(plug);
  }
};

const MTypeId SampleNode::kId(0x7f001);
MObject SampleNode::input;
MObject SampleNode::output;

}  // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
  MFnPlugin plugin(obj, "mayasim tests", "1.0", "Any");
  return plugin.registerNode(SampleNode::kName, SampleNode::kId, SampleNode::creator,
                             SampleNode::initialize);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
  MFnPlugin plugin(obj);
  return plugin.deregisterNode(SampleNode::kId);
}
