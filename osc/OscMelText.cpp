#include "osc/OscMelText.h"

#include "plugin/RunMel.h"

namespace zub {

namespace {
constexpr char kTextFieldText[] = "textField -text ";
}  // namespace

MString channelCommand(const MString& address) {
  return kTextFieldText + zub::melQuote(address) + " -edit tfOscChannel;";
}

MString messageCommand(const MString& text) {
  return kTextFieldText + zub::melQuote(text) + " -edit tfOscMessage;";
}

MString tokenCommand(unsigned int index, const MString& token) {
  return (kTextFieldText + zub::melQuote(token) + " -edit $tfOscTokens[") +
         static_cast<double>(index) + "];";
}

MString mappingCommand(const MString& attribute, double value) {
  return ("setAttr " + attribute + " ") + value + ";";
}

MString countCommand(unsigned int count) {
  return (MString(kTextFieldText) + "\"") + static_cast<double>(count) +
         "\" -edit tfOscTokensNumber;";
}

}  // namespace zub
