// zubOscSend: sends OSC datagrams over UDP, for demos, tests and benchmarks.
//
//   zubOscSend send /zubbase s "10 20 30"      one message (types as oscsend)
//   zubOscSend bundle /zubbase "1 2" /other x  one bundle of text messages
//   zubOscSend stream /zubbase "{i} {sin}" --count 100 --interval-ms 20
//   zubOscSend raw "2f 7a 00 00"               raw bytes (also none at all)
//
// The port defaults to ZUBBASE_OSC_PORT, else 57110; the host to 127.0.0.1.

#include <CLI/CLI.hpp>

#include <chrono>
#include <exception>
#include <iostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "OscPackets.h"

namespace {

std::vector<std::pair<std::string, std::string>> pairsOf(const std::vector<std::string>& items) {
  if (items.size() % 2 != 0) throw std::invalid_argument("bundle takes pairs of address and text");
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i < items.size(); i += 2) pairs.emplace_back(items[i], items[i + 1]);
  return pairs;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Sends OSC datagrams over UDP (zubBase)."};
  app.require_subcommand(1);
  std::string host = "127.0.0.1";
  int port = 0;
  try {
    port = zubosc::pluginPort();
  } catch (const std::invalid_argument& e) {
    std::cerr << "zubOscSend: " << e.what() << "\n";
    return 1;
  }
  app.add_option("--host", host, "IPv4 host to send to")->capture_default_str();
  app.add_option("-p,--port", port, "UDP port (default: ZUBBASE_OSC_PORT, else 57110)")
      ->capture_default_str()
      ->check(CLI::Range(1, 65535));

  std::string address;
  std::string types;
  std::vector<std::string> values;
  CLI::App* send = app.add_subcommand("send", "send one message");
  send->add_option("address", address, "OSC address, e.g. /zubbase")->required();
  send->add_option("types", types, "one type tag per argument: s S i h f d c T F N I");
  send->add_option("values", values, "the argument values, in order");

  std::vector<std::string> items;
  CLI::App* bundle = app.add_subcommand("bundle", "send one bundle of messages with one text each");
  bundle->add_option("messages", items, "pairs of address and text; none for an empty bundle");

  std::string pattern;
  long count = 10;
  int intervalMs = 50;
  CLI::App* stream = app.add_subcommand("stream", "send a paced stream of text messages");
  stream->add_option("address", address, "OSC address")->required();
  stream->add_option("pattern", pattern, "text; {i}, {sin} and {cos} are replaced per message")
      ->required();
  stream->add_option("-n,--count", count, "number of messages")
      ->capture_default_str()
      ->check(CLI::NonNegativeNumber);
  stream->add_option("--interval-ms", intervalMs, "pause between messages")
      ->capture_default_str()
      ->check(CLI::NonNegativeNumber);

  std::string hex;
  CLI::App* raw = app.add_subcommand("raw", "send raw bytes, given in hexadecimal");
  raw->add_option("hex", hex, "the bytes; empty sends a datagram of zero bytes");

  CLI11_PARSE(app, argc, argv);

  try {
    zubosc::Sender sender(host, port);
    if (*send) {
      sender.send(zubosc::message(address, types, values));
    } else if (*bundle) {
      sender.send(zubosc::textBundle(pairsOf(items)));
    } else if (*stream) {
      for (long i = 0; i < count; ++i) {
        if (i > 0 && intervalMs > 0)
          std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
        sender.send(zubosc::textMessage(address, zubosc::streamText(pattern, i)));
      }
    } else if (*raw) {
      sender.send(zubosc::bytesFromHex(hex));
    }
  } catch (const std::exception& e) {
    std::cerr << "zubOscSend: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
