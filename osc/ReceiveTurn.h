// One receive turn on the plug-in's OSC socket.
//
// A turn waits at most kReceiveTurnTimeoutMs for a datagram that holds at least
// one OSC message, hands that datagram to the socket's listener, and returns.
// Once kQuietTurns turns in a row have ended without one, turns wait up to
// kQuietReceiveTurnTimeoutMs instead, until a datagram comes: a datagram ends
// a turn the moment it arrives, so only the host's other work waits longer,
// and a quiet host wakes less than half as often.
// Datagrams without a message (zero bytes, an empty bundle) do not end a turn.
// The turn runs oscpack's plain receive loop, broken by a periodic timer, so
// the host's own SIGINT handling is never touched. Everything here runs on the
// host's main thread.
#pragma once

namespace zub {

// Longest wait of one turn for a datagram with a message.
constexpr int kReceiveTurnTimeoutMs = 10;
constexpr int kQuietReceiveTurnTimeoutMs = 25;
constexpr int kQuietTurns = 50;

// Runs one turn. A malformed datagram (one the listener's structural check
// refuses, or one oscpack rejects) is reported as "ERRORE: " plus the reason
// and ends the turn; the next datagram is handled as usual. Returns false, after an error
// line, only when no turn could run (no socket, or a turn already running).
bool runReceiveTurn();

// Ends the running turn once the current datagram has been handled; called by
// the listener after every message. Does nothing outside a turn.
void endReceiveTurn();

}  // namespace zub
