// The relay's socket loop: receives on a UDP port, feeds every datagram to
// the routes, and sends each "/zubbase" text that falls due, also when no
// datagram comes (a held-back last value still goes out on time).
#pragma once

#include <ostream>

#include "LatestValues.h"
#include "OscPackets.h"
#include "RouteInput.h"

namespace zubrelay {

// Binds the port on every local IPv4 address, says so on `out`, and runs
// until SIGINT or SIGTERM, then restores their handlers and returns.
// Throws std::runtime_error when the port cannot be bound. With `verbose`,
// every text sent is printed to `out`; send failures (nobody listening yet)
// go to `log`, once until a send works again.
void runRelay(int listenPort, RouteInput& input, LatestValues& values, zubosc::Sender& sender,
              bool verbose, std::ostream& out, std::ostream& log);

}  // namespace zubrelay
