#include "mel/Output.h"

#include <iostream>

namespace mel {

void Output::info(std::string_view message) {
  std::string line(message);
  line += '\n';
  write(line);
}

void Output::warning(std::string_view message) {
  write("// Warning: " + std::string(message) + " //\n");
}

void Output::error(std::string_view message) {
  write("// Error: " + std::string(message) + " //\n");
}

void Output::result(std::string_view text) { write("// Result: " + std::string(text) + " //\n"); }

void StdOutput::write(std::string_view text) {
  std::cout << text;
  std::cout.flush();
}

}  // namespace mel
