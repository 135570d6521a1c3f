#include "osc/OscMelText.h"

#include "plugin/RunMel.h"

namespace zub {

namespace {
constexpr char kTextFieldText[] = "textField -text ";
}  // namespace

// Each text is built by appending in place: no temporary string per piece.
MString channelCommand(const MString& address) {
  MString text(kTextFieldText);
  text += zub::melQuote(address);
  text += " -edit tfOscChannel;";
  return text;
}

MString messageCommand(const MString& message) {
  MString text(kTextFieldText);
  text += zub::melQuote(message);
  text += " -edit tfOscMessage;";
  return text;
}

MString tokenCommand(unsigned int index, const MString& token) {
  MString text(kTextFieldText);
  text += zub::melQuote(token);
  text += " -edit $tfOscTokens[";
  text += index;
  text += "];";
  return text;
}

MString mappingCommand(const MString& attribute, double value) {
  MString text("setAttr ");
  text += attribute;
  text += " ";
  text += value;
  text += ";";
  return text;
}

MString countCommand(unsigned int count) {
  MString text(kTextFieldText);
  text += "\"";
  text += count;
  text += "\" -edit tfOscTokensNumber;";
  return text;
}

}  // namespace zub
