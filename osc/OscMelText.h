// The MEL texts that the OSC message handler runs. Every text that came from
// the network goes in as a quoted MEL string literal, so whatever it holds it
// is shown as it was received and nothing in it runs; numbers are appended
// with MString's operator+= (a value as a double, an index or count as an
// unsigned int: both give "3" for 3).
#pragma once

#include <maya/MString.h>

namespace zub {

// textField -text "<address>" -edit tfOscChannel;
MString channelCommand(const MString& address);
// textField -text "<message>" -edit tfOscMessage;
MString messageCommand(const MString& message);
// textField -text "<token>" -edit $tfOscTokens[<index>];
MString tokenCommand(unsigned int index, const MString& token);
// setAttr <attribute> <value>;   `attribute` is the user's mapping, as given.
MString mappingCommand(const MString& attribute, double value);
// textField -text "<count>" -edit tfOscTokensNumber;
MString countCommand(unsigned int count);

}  // namespace zub
