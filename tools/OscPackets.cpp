#include "OscPackets.h"

#include <ip/IpEndpointName.h>
#include <ip/UdpSocket.h>
#include <osc/OscOutboundPacketStream.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace zubosc {

namespace {

// Large enough for any UDP datagram, so over-long packets can be made on purpose.
constexpr std::size_t kBufferSize = 65536;

long long parseInteger(const std::string& text, long long low, long long high) {
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || value < low || value > high) {
    throw std::invalid_argument("\"" + text + "\" is not a whole number in range");
  }
  return value;
}

double parseReal(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0') throw std::invalid_argument("\"" + text + "\" is not a number");
  return value;
}

bool takesValue(char type) { return type != 'T' && type != 'F' && type != 'N' && type != 'I'; }

void appendArgument(osc::OutboundPacketStream& out, char type, const std::string& value) {
  switch (type) {
    case 's':
      out << value.c_str();
      break;
    case 'S':
      out << osc::Symbol(value.c_str());
      break;
    case 'i':
      out << static_cast<osc::int32>(parseInteger(value, INT32_MIN, INT32_MAX));
      break;
    case 'h':
      out << static_cast<osc::int64>(parseInteger(value, INT64_MIN, INT64_MAX));
      break;
    case 'f':
      out << static_cast<float>(parseReal(value));
      break;
    case 'd':
      out << parseReal(value);
      break;
    case 'c':
      if (value.size() != 1) throw std::invalid_argument("a char argument takes one character");
      out << value[0];
      break;
    case 'T':
      out << true;
      break;
    case 'F':
      out << false;
      break;
    case 'N':
      out << osc::OscNil;
      break;
    case 'I':
      out << osc::Infinitum;
      break;
    default:
      throw std::invalid_argument(std::string("unknown OSC type tag '") + type + "'");
  }
}

std::string finished(const osc::OutboundPacketStream& out) {
  return std::string(out.Data(), out.Size());
}

std::string formatFixed(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", value);
  std::string result(text);
  while (!result.empty() && result.back() == '0') result.pop_back();
  if (!result.empty() && result.back() == '.') result.pop_back();
  if (result == "-0") result = "0";
  return result;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

}  // namespace

std::string message(const std::string& address, const std::string& types,
                    const std::vector<std::string>& values) {
  std::size_t needed = 0;
  for (const char type : types) needed += takesValue(type) ? 1 : 0;
  if (needed != values.size()) {
    throw std::invalid_argument("the types \"" + types + "\" take " + std::to_string(needed) +
                                " values, not " + std::to_string(values.size()));
  }
  std::vector<char> buffer(kBufferSize);
  osc::OutboundPacketStream out(buffer.data(), buffer.size());
  out << osc::BeginMessage(address.c_str());
  std::size_t next = 0;
  for (const char type : types) {
    appendArgument(out, type, takesValue(type) ? values[next++] : std::string());
  }
  out << osc::EndMessage;
  return finished(out);
}

std::string textMessage(const std::string& address, const std::string& text) {
  return message(address, "s", {text});
}

std::string textBundle(const std::vector<std::pair<std::string, std::string>>& messages) {
  std::vector<char> buffer(kBufferSize);
  osc::OutboundPacketStream out(buffer.data(), buffer.size());
  out << osc::BeginBundleImmediate;
  for (const auto& [address, text] : messages) {
    out << osc::BeginMessage(address.c_str()) << text.c_str() << osc::EndMessage;
  }
  out << osc::EndBundle;
  return finished(out);
}

std::string bytesFromHex(const std::string& hex) {
  std::string digits;
  for (const char c : hex) {
    if (c == ' ' || c == '\t' || c == '\n') continue;
    if (!std::isxdigit(static_cast<unsigned char>(c))) {
      throw std::invalid_argument(std::string("'") + c + "' is not a hexadecimal digit");
    }
    digits += c;
  }
  if (digits.size() % 2 != 0) throw std::invalid_argument("odd number of hexadecimal digits");
  std::string bytes;
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

std::string streamText(const std::string& pattern, long index) {
  std::string text = pattern;
  replaceAll(text, "{i}", std::to_string(index));
  replaceAll(text, "{sin}", formatFixed(std::sin(index / 10.0)));
  replaceAll(text, "{cos}", formatFixed(std::cos(index / 10.0)));
  return text;
}

int pluginPort() {
  const char* text = std::getenv("ZUBBASE_OSC_PORT");
  if (text == nullptr || *text == '\0') return 57110;
  try {
    return static_cast<int>(parseInteger(text, 1, 65535));
  } catch (const std::invalid_argument&) {
    throw std::invalid_argument(std::string("ZUBBASE_OSC_PORT \"") + text +
                                "\" is not a port from 1 to 65535");
  }
}

struct Sender::Socket {
  UdpTransmitSocket socket;
  explicit Socket(const IpEndpointName& to) : socket(to) {}
};

Sender::Sender(const std::string& host, int port) {
  if (port < 1 || port > 65535)
    throw std::invalid_argument("port " + std::to_string(port) + " is out of range");
  const unsigned long address = GetHostByName(host.c_str());
  // oscpack gives 0 for a host it cannot resolve.
  if (address == 0 && host != "0.0.0.0")
    throw std::invalid_argument("unknown host \"" + host + "\"");
  socket_ = std::make_unique<Socket>(IpEndpointName(address, port));
}

Sender::~Sender() = default;

void Sender::send(const std::string& datagram) {
  socket_->socket.Send(datagram.data(), datagram.size());
}

}  // namespace zubosc
