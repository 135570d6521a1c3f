#include "osc/ExamplePacketListener.h"

#include <maya/MGlobal.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <osc/OscException.h>
#include <osc/OscReceivedElements.h>

#include <cmath>
#include <cstring>
#include <string>

#include "osc/OscMelText.h"
#include "osc/OscPacketCheck.h"
#include "osc/ReceiveTurn.h"
#include "plugin/PluginState.h"
#include "plugin/RunMel.h"

namespace {

constexpr char kAddress[] = "/zubbase";

// Shows the text fields and applies the mapping for one message text.
void handleText(const char* text) {
  const MString message(text);
  zub::runMel(zub::messageCommand(message));
  if (pluginState.tokenSeparator.length() == 0) return;

  MStringArray tokens;
  message.split(pluginState.tokenSeparator.asChar()[0], tokens);
  const unsigned int count = tokens.length();
  for (unsigned int i = 0; i < count; ++i) {
    zub::runMel(zub::tokenCommand(i, tokens[i]));
    // Positions past the table get their field but no mapping.
    if (i >= static_cast<unsigned int>(kTokenSlots)) continue;
    const MString& attribute = pluginState.tokenAttributes[i];
    if (attribute.length() == 0) continue;
    const double value = tokens[i].asDouble() * pluginState.tokenFactors[i];
    // An overflowing token ("1e999") has no MEL form; it drives nothing.
    if (!std::isfinite(value)) continue;
    zub::runMel(zub::mappingCommand(attribute, value));
  }
  zub::runMel(zub::countCommand(count));
}

}  // namespace

ExamplePacketListener::~ExamplePacketListener() = default;

void ExamplePacketListener::ProcessPacket(const char* data, int size,
                                          const IpEndpointName& remoteEndpoint) {
  const std::string problem =
      zub::checkOscPacket(data, size > 0 ? static_cast<std::size_t>(size) : 0);
  if (!problem.empty()) {
    MGlobal::displayError(MString("ERRORE: ") + problem.c_str());
    zub::endReceiveTurn();
    return;
  }
  osc::OscPacketListener::ProcessPacket(data, size, remoteEndpoint);
}

void ExamplePacketListener::ProcessMessage(const osc::ReceivedMessage& m,
                                           const IpEndpointName& /*remoteEndpoint*/) {
  const char* address = m.AddressPattern();
  zub::runMel(zub::channelCommand(MString(address)));
  try {
    if (std::strcmp(address, kAddress) == 0) {
      const char* text = nullptr;
      osc::ReceivedMessageArgumentStream args = m.ArgumentStream();
      args >> text >> osc::EndMessage;
      handleText(text);
    }
  } catch (const osc::Exception& e) {
    MGlobal::displayError(MString("ERRORE: ") + e.what());
  }
  zub::endReceiveTurn();
}
