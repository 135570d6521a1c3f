#include "RouteInput.h"

#include <osc/OscException.h>
#include <osc/OscReceivedElements.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

#include "TokenText.h"
#include "osc/OscPacketCheck.h"

namespace zubrelay {

namespace {

// Distinct problems remembered; beyond them new ones are not reported.
constexpr std::size_t kMaxReported = 1000;

const char* typeName(char tag) {
  switch (tag) {
    case 's':
      return "a string";
    case 'S':
      return "a symbol";
    case 'b':
      return "a blob";
    case 'c':
      return "a char";
    case 'r':
      return "an RGBA colour";
    case 'm':
      return "a MIDI message";
    case 't':
      return "a time tag";
    case 'N':
      return "nil";
    case 'I':
      return "infinitum";
    default:
      return "of an unknown type";
  }
}

// The token text of a numeric argument; nullopt for the others.
std::optional<std::string> numberText(const osc::ReceivedMessageArgument& arg) {
  switch (arg.TypeTag()) {
    case 'i':
      return tokenText(static_cast<std::int64_t>(arg.AsInt32Unchecked()));
    case 'h':
      return tokenText(static_cast<std::int64_t>(arg.AsInt64Unchecked()));
    case 'T':
      return tokenText(true);
    case 'F':
      return tokenText(false);
    case 'f': {
      const float value = arg.AsFloatUnchecked();
      if (!std::isfinite(value)) return std::nullopt;
      return tokenText(value);
    }
    case 'd': {
      const double value = arg.AsDoubleUnchecked();
      if (!std::isfinite(value)) return std::nullopt;
      return tokenText(value);
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

int positionsFor(const std::vector<Route>& routes) {
  int positions = 1;
  for (const Route& route : routes) positions = std::max(positions, route.position + 1);
  return positions;
}

RouteInput::RouteInput(std::vector<Route> routes, LatestValues& values, std::ostream& log)
    : routes_(std::move(routes)), values_(values), log_(log) {}

void RouteInput::datagram(const char* data, std::size_t size) {
  if (size == 0) return;  // no message: nothing to report, as in the plug-in
  const std::string problem = zub::checkOscPacket(data, size);
  if (!problem.empty()) {
    report("malformed datagram ignored: " + problem);
    return;
  }
  try {
    const osc::ReceivedPacket packet(data, static_cast<osc::osc_bundle_element_size_t>(size));
    if (packet.IsBundle()) {
      bundle(osc::ReceivedBundle(packet));
    } else {
      message(osc::ReceivedMessage(packet));
    }
  } catch (const osc::Exception& e) {
    std::string what = e.what();
    while (!what.empty() && what.back() == '\n') what.pop_back();
    report("malformed datagram ignored: " + what);
  }
}

// The check bounds the nesting, so recursion stays shallow.
void RouteInput::bundle(const osc::ReceivedBundle& received) {
  for (auto element = received.ElementsBegin(); element != received.ElementsEnd(); ++element) {
    if (element->IsBundle()) {
      bundle(osc::ReceivedBundle(*element));
    } else {
      message(osc::ReceivedMessage(*element));
    }
  }
}

void RouteInput::message(const osc::ReceivedMessage& received) {
  const std::string address = received.AddressPattern();
  const std::size_t count = received.ArgumentCount();
  for (const Route& route : routes_) {
    if (!route.address.matches(address)) continue;
    const std::string where = address + " argument " + std::to_string(route.argument);
    if (static_cast<std::size_t>(route.argument) >= count) {
      report(where + " ignored: the message has " + std::to_string(count) + " argument" +
             (count == 1 ? "" : "s"));
      continue;
    }
    auto arg = received.ArgumentsBegin();
    for (int i = 0; i < route.argument; ++i) ++arg;
    const std::optional<std::string> text = numberText(*arg);
    if (!text) {
      const char tag = arg->TypeTag();
      const bool number = tag == 'f' || tag == 'd';
      report(where + " ignored: " +
             (number ? std::string("not a finite number")
                     : std::string("not a number but ") + typeName(tag) + " (" + tag + ")"));
      continue;
    }
    values_.set(route.position, *text);
  }
}

void RouteInput::report(const std::string& line) {
  if (reported_.size() >= kMaxReported || !reported_.insert(line).second) return;
  log_ << "zubOscRelay: " << line
       << (reported_.size() == 1 ? " (each problem is reported once)" : "") << "\n";
  if (reported_.size() == kMaxReported) log_ << "zubOscRelay: further problems are not reported\n";
  log_.flush();
}

}  // namespace zubrelay
