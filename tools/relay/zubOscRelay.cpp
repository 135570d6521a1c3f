// zubOscRelay: turns numeric OSC messages (faders, accelerometers, patches)
// into the "/zubbase" texts that zubBase reads.
//
//   zubOscRelay --listen 9000 --route "/1/fader1 0 -> 2" --route "/accxyz 1 -> 0"
//   zubOscRelay --listen 9000 --routes phone.routes --to 127.0.0.1:57110 --verbose
//
// Each route feeds argument ARG of the messages whose address matches ADDRESS
// (an OSC address pattern) into token POSITION; all positions are sent as one
// text, joined by the separator, whenever a value changes, at most --rate
// times a second.

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "LatestValues.h"
#include "OscPackets.h"
#include "RelayLoop.h"
#include "Route.h"
#include "RouteInput.h"

namespace {

struct Target {
  std::string host;
  int port;
};

Target targetOf(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos) return Target{text, zubosc::pluginPort()};
  const std::string portText = text.substr(colon + 1);
  if (portText.empty() || portText.find_first_not_of("0123456789") != std::string::npos ||
      portText.size() > 5 || std::stoi(portText) < 1 || std::stoi(portText) > 65535) {
    throw std::invalid_argument("--to: \"" + portText + "\" is not a port from 1 to 65535");
  }
  return Target{colon == 0 ? std::string("127.0.0.1") : text.substr(0, colon), std::stoi(portText)};
}

char separatorOf(const std::string& text) {
  // The plug-in splits at the first character of its separator only.
  if (text.empty()) throw std::invalid_argument("--separator must not be empty");
  const char c = text[0];
  if (std::string("0123456789.-").find(c) != std::string::npos) {
    throw std::invalid_argument(std::string("--separator '") + c + "' would split numbers apart");
  }
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Relays numeric OSC messages to zubBase as \"/zubbase\" texts."};
  int listenPort = 0;
  std::string to;
  std::vector<std::string> routeTexts;
  std::string routeFile;
  std::string separator = " ";
  double rate = 60;
  bool verbose = false;
  app.add_option("--listen", listenPort, "UDP port to receive on")
      ->required()
      ->check(CLI::Range(1, 65535));
  app.add_option("--to", to,
                 "HOST:PORT of zubBase (default 127.0.0.1 and ZUBBASE_OSC_PORT, else 57110)");
  app.add_option("--route", routeTexts,
                 "\"ADDRESS ARG -> POSITION\", e.g. \"/1/fader1 0 -> 2\"; repeatable");
  app.add_option("--routes", routeFile, "file of routes, one a line, # comments");
  app.add_option("--separator", separator,
                 "joins the tokens; zubBase splits at its first character")
      ->capture_default_str();
  app.add_option("--rate", rate, "most messages sent per second")
      ->capture_default_str()
      ->check(CLI::Range(0.1, 1000.0));
  app.add_flag("--verbose", verbose, "print every message sent");
  CLI11_PARSE(app, argc, argv);

  try {
    std::vector<zubrelay::Route> routes;
    for (const std::string& text : routeTexts) {
      try {
        routes.push_back(zubrelay::parseRoute(text));
      } catch (const std::invalid_argument& e) {
        throw std::invalid_argument("--route \"" + text + "\": " + e.what());
      }
    }
    if (!routeFile.empty()) {
      for (zubrelay::Route& route : zubrelay::readRouteFile(routeFile))
        routes.push_back(std::move(route));
    }
    if (routes.empty()) throw std::invalid_argument("no routes: give --route or --routes");
    const char joiner = separatorOf(separator);
    const Target target = to.empty() ? Target{"127.0.0.1", zubosc::pluginPort()} : targetOf(to);

    zubosc::Sender sender(target.host, target.port);
    zubrelay::LatestValues values(zubrelay::positionsFor(routes), joiner, rate);
    if (verbose) {
      for (const zubrelay::Route& route : routes) {
        std::cout << "route: " << route.address.text() << " argument " << route.argument
                  << " -> token " << route.position << "\n";
      }
      std::cout << "sending to " << target.host << ":" << target.port << ", at most " << rate
                << " messages/s\n";
    }
    zubrelay::RouteInput input(std::move(routes), values, std::cerr);
    zubrelay::runRelay(listenPort, input, values, sender, verbose, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::string what = e.what();
    while (!what.empty() && what.back() == '\n') what.pop_back();
    std::cerr << "zubOscRelay: " << what << "\n";
    return 1;
  }
  return 0;
}
