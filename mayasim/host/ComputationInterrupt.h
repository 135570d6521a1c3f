// Interrupting long computations (MComputation) in mayasim.
//
// A computation runs from beginComputation() to endComputation(); while it
// runs, isInterruptRequested() reports a request raised by any of:
//   - Ctrl-C: the executable's SIGINT handler calls interruptComputation();
//   - a schedule armed by `simInterrupt` (tests and scripts): the request is
//     raised at a chosen poll, so a run stops at a known place;
//   - Host::requestInterrupt().
// The outermost endComputation() clears the request, and a schedule that has
// fired, so the next computation starts clean.
//
// Everything here runs on the host's main thread, except interruptComputation,
// which is safe to call from a signal handler.
#pragma once

namespace mayasim {

class Host;

// Raises an interrupt request for the running computation. Returns true when
// it did; false when no computation runs, or a request is already raised (the
// caller then treats Ctrl-C as it would without a computation, so a run that
// never polls can still be ended). Async-signal-safe.
bool interruptComputation() noexcept;

// Whether a computation runs now. Async-signal-safe.
bool computationRunning() noexcept;

// The schedule behind `simInterrupt`. Polls are counted from this call: poll
// number `afterPolls` (1 = the next poll) and later ones report the request;
// with `reportCount` > 0 only that many polls do, and the request then drops
// again. A later call replaces the schedule. afterPolls < 1 counts as 1.
void scheduleInterrupt(long afterPolls, long reportCount = 0);
// Drops the schedule and any raised request.
void clearInterrupts();
// Whether a schedule is armed that has not fired yet.
bool interruptPending();
// The polls made by the running computation, or by the last one.
long computationPolls();

// The life of one MComputation: started, polled (true when an interrupt is
// requested), ended. Computations may nest; the outermost end clears the
// request and a schedule that has fired.
void computationStarted();
bool pollInterrupt();
void computationEnded();

// Adds the host-only command
//   simInterrupt [-afterPolls N] [-count K]   arm a schedule (N defaults to 1)
//   simInterrupt -clear                       drop schedule and request
//   simInterrupt -q -polls | -pending | -running
// to the host's MEL table. Safe to call more than once.
void registerComputationCommands(Host& host);

}  // namespace mayasim
