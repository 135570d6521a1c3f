#include "Route.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zubrelay {

namespace {

constexpr const char* kForm = "a route is \"ADDRESS ARG -> POSITION\"";

int wholeNumber(const std::string& word, int high, const std::string& what) {
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(word.c_str(), &end, 10);
  const bool digitsOnly = word.find_first_not_of("0123456789") == std::string::npos;
  if (word.empty() || !digitsOnly || *end != '\0' || errno != 0 || value > high) {
    throw std::invalid_argument(what + " must be a whole number from 0 to " + std::to_string(high) +
                                ", not \"" + word + "\"");
  }
  return static_cast<int>(value);
}

std::vector<std::string> wordsOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

}  // namespace

Route parseRoute(const std::string& text) {
  const std::size_t arrow = text.rfind("->");
  if (arrow == std::string::npos)
    throw std::invalid_argument(std::string(kForm) + "; the -> is missing");
  const std::vector<std::string> left = wordsOf(text.substr(0, arrow));
  const std::vector<std::string> right = wordsOf(text.substr(arrow + 2));
  if (left.size() != 2 || right.size() != 1) throw std::invalid_argument(kForm);
  return Route{AddressPattern(left[0]),
               wholeNumber(left[1], kMaxArgumentIndex, "the argument index"),
               wholeNumber(right[0], kTokenPositions - 1, "the token position")};
}

std::vector<Route> readRouteFile(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw std::invalid_argument(path + ": cannot be read");
  std::vector<Route> routes;
  int number = 0;
  for (std::string line; std::getline(file, line);) {
    ++number;
    const std::string text = line.substr(0, line.find('#'));
    if (text.find_first_not_of(" \t\r") == std::string::npos) continue;
    try {
      routes.push_back(parseRoute(text));
    } catch (const std::invalid_argument& e) {
      throw std::invalid_argument(path + ":" + std::to_string(number) + ": " + e.what());
    }
  }
  if (file.bad()) throw std::invalid_argument(path + ": reading failed");
  return routes;
}

}  // namespace zubrelay
