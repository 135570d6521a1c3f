#include "LatestValues.h"

#include <stdexcept>

namespace zubrelay {

LatestValues::LatestValues(int positions, char separator, double rateHz)
    : values_(static_cast<std::size_t>(positions > 0 ? positions : 0)), separator_(separator) {
  if (positions < 1) throw std::invalid_argument("there must be at least one token position");
  if (!(rateHz > 0)) throw std::invalid_argument("the rate must be above 0");
  interval_ =
      std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / rateHz));
}

bool LatestValues::set(int position, const std::string& text) {
  std::string& value = values_.at(static_cast<std::size_t>(position));
  if (value == text) return false;
  value = text;
  changed_ = true;
  return true;
}

std::optional<std::string> LatestValues::take(Clock::time_point now) {
  if (!changed_) return std::nullopt;
  if (lastSent_ && now - *lastSent_ < interval_) return std::nullopt;
  changed_ = false;
  lastSent_ = now;
  return text();
}

std::optional<LatestValues::Clock::duration> LatestValues::dueIn(Clock::time_point now) const {
  if (!changed_) return std::nullopt;
  if (!lastSent_ || now - *lastSent_ >= interval_) return Clock::duration::zero();
  return *lastSent_ + interval_ - now;
}

std::string LatestValues::text() const {
  std::string text;
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (i > 0) text += separator_;
    text += values_[i].empty() ? kUnset : values_[i];
  }
  return text;
}

}  // namespace zubrelay
