// What incoming datagrams do: each is checked as the plug-in checks its own,
// parsed with oscpack, and every numeric argument that a route names becomes
// the latest value of the route's token position. Problems (a malformed
// datagram, a routed argument that is missing or not a number) are reported,
// each distinct one once, and never stop the relay.
#pragma once

#include <cstddef>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "LatestValues.h"
#include "Route.h"

namespace osc {
class ReceivedMessage;
class ReceivedBundle;
}  // namespace osc

namespace zubrelay {

// The token positions a list of routes needs: one past the highest.
int positionsFor(const std::vector<Route>& routes);

class RouteInput {
 public:
  RouteInput(std::vector<Route> routes, LatestValues& values, std::ostream& log);

  void datagram(const char* data, std::size_t size);

 private:
  void bundle(const osc::ReceivedBundle& bundle);
  void message(const osc::ReceivedMessage& message);
  void report(const std::string& line);

  std::vector<Route> routes_;
  LatestValues& values_;
  std::ostream& log_;
  std::set<std::string> reported_;
};

}  // namespace zubrelay
