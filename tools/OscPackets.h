// Building and sending OSC datagrams: the core of the zubOscSend tool, also
// used by the OSC tests and benchmarks. Everything throws std::invalid_argument
// (bad input) or std::runtime_error (socket trouble) with a readable message.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zubosc {

// One message. `types` holds one OSC type tag per argument, as oscsend takes
// them: s string, S symbol, i int32, h int64, f float, d double, c char,
// T true, F false, N nil, I infinitum; the last four take no value.
// `values` holds the texts of the arguments that take one, in order.
std::string message(const std::string& address, const std::string& types,
                    const std::vector<std::string>& values);

// A message with exactly one string argument.
std::string textMessage(const std::string& address, const std::string& text);

// A bundle (time tag "immediately") of messages with one string argument
// each, given as (address, text) pairs; no pairs give an empty bundle.
std::string textBundle(const std::vector<std::pair<std::string, std::string>>& messages);

// Raw bytes from hexadecimal text; blanks are ignored ("2f 7a" -> "/z").
std::string bytesFromHex(const std::string& hex);

// The text of message `index` of a paced stream: `pattern` with every "{i}"
// replaced by the index, "{sin}" and "{cos}" by the sine and cosine of
// index / 10 (radians), printed with up to six decimals.
std::string streamText(const std::string& pattern, long index);

// The plug-in's UDP port: ZUBBASE_OSC_PORT when set, else 57110. Throws
// std::invalid_argument when the variable holds no port from 1 to 65535.
int pluginPort();

// A UDP socket that sends datagrams to one IPv4 host and port.
class Sender {
 public:
  // Throws std::invalid_argument for a bad port or a host that does not resolve.
  Sender(const std::string& host, int port);
  ~Sender();
  Sender(const Sender&) = delete;
  Sender& operator=(const Sender&) = delete;

  void send(const std::string& datagram);

 private:
  struct Socket;
  std::unique_ptr<Socket> socket_;
};

}  // namespace zubosc
