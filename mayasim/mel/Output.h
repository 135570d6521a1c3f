// Where mayasim's script-editor text goes. Scene, MEL and UI code write through
// one Output so that the executable prints to stdout and tests capture it.
#pragma once

#include <string>
#include <string_view>

namespace mel {

class Output {
 public:
  virtual ~Output() = default;
  // Raw text, exactly as given (print).
  virtual void write(std::string_view text) = 0;

  void info(std::string_view message);     // message + "\n"
  void warning(std::string_view message);  // "// Warning: message //\n"
  void error(std::string_view message);    // "// Error: message //\n"
  void result(std::string_view text);      // "// Result: text //\n"
};

// Writes to std::cout and flushes.
class StdOutput : public Output {
 public:
  void write(std::string_view text) override;
};

// Keeps everything written, for tests.
class CaptureOutput : public Output {
 public:
  void write(std::string_view text) override { text_.append(text); }
  const std::string& text() const { return text_; }
  void clear() { text_.clear(); }

 private:
  std::string text_;
};

}  // namespace mel
