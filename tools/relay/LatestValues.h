// The latest value of every token position, and the pace of the "/zubbase"
// texts made from them: a text is due when some value has changed since the
// last one, and no sooner than one interval (1 / rate) after it. Values that
// change faster than that are merged, the latest winning, so the host sees
// at most `rate` messages a second, and the last value always arrives. Time
// is passed in, never read here.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace zubrelay {

class LatestValues {
 public:
  using Clock = std::chrono::steady_clock;

  // A value not received yet is shown as kUnset, so every position keeps its
  // place in the text (the plug-in skips empty tokens).
  static constexpr const char* kUnset = "0";

  // `positions` values joined by `separator`; `rateHz` must be positive.
  LatestValues(int positions, char separator, double rateHz);

  // Keeps `text` (not empty) as the value at `position`; true when it is the
  // first value there or differs from the one kept before.
  bool set(int position, const std::string& text);

  // The text to send at `now`, if one is due; it then counts as sent.
  std::optional<std::string> take(Clock::time_point now);

  // How long after `now` a text falls due (zero: due now); nullopt when
  // nothing has changed since the last one.
  std::optional<Clock::duration> dueIn(Clock::time_point now) const;

  // The whole text as it stands.
  std::string text() const;

 private:
  std::vector<std::string> values_;  // empty: nothing received yet
  char separator_;
  Clock::duration interval_;
  std::optional<Clock::time_point> lastSent_;
  bool changed_ = false;
};

}  // namespace zubrelay
