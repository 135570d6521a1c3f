// The MEL texts that the OSC message handler runs. Every text that came from
// the network goes in as a quoted MEL string literal, so whatever it holds it
// is shown as it was received and nothing in it runs; numbers are appended
// with MString's operator+(double).
#pragma once

#include <maya/MString.h>

namespace zub {

// textField -text "<address>" -edit tfOscChannel;
MString channelCommand(const MString& address);
// textField -text "<text>" -edit tfOscMessage;
MString messageCommand(const MString& text);
// textField -text "<token>" -edit $tfOscTokens[<index>];
MString tokenCommand(unsigned int index, const MString& token);
// setAttr <attribute> <value>;   `attribute` is the user's mapping, as given.
MString mappingCommand(const MString& attribute, double value);
// textField -text "<count>" -edit tfOscTokensNumber;
MString countCommand(unsigned int count);

}  // namespace zub
