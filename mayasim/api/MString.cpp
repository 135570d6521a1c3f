#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "mel/Value.h"

namespace {

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// True when `text` is a number as a whole, blanks around it aside.
bool readsWhole(const std::string& text, bool integer, double* out) {
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  double v = integer ? static_cast<double>(std::strtol(begin, &end, 10)) : std::strtod(begin, &end);
  if (end == begin || errno == ERANGE) return false;
  while (*end && isBlank(*end)) ++end;
  if (*end) return false;
  // strtod skips leading blanks itself; an all-blank text has no digits, caught above.
  if (out) *out = v;
  return true;
}

}  // namespace

MString::MString() = default;
MString::MString(const char* charString) : text_(charString ? charString : "") {}
MString::MString(const char* charString, int charLength)
    : text_(charString && charLength > 0
                ? std::string(charString, static_cast<std::size_t>(charLength))
                : std::string()) {}
MString::MString(const MString& other) = default;
MString::~MString() = default;

MString& MString::operator=(const MString& other) = default;
MString& MString::operator=(const char* other) {
  text_ = other ? other : "";
  return *this;
}
MString& MString::operator=(double value) {
  text_ = mel::formatDouble(value);
  return *this;
}

MString& MString::operator+=(const MString& other) {
  text_ += other.text_;
  return *this;
}
MString& MString::operator+=(const char* other) {
  if (other) text_ += other;
  return *this;
}
MString& MString::operator+=(double value) {
  text_ += mel::formatDouble(value);
  return *this;
}
MString& MString::operator+=(int value) {
  text_ += std::to_string(value);
  return *this;
}
MString& MString::operator+=(unsigned int value) {
  text_ += std::to_string(value);
  return *this;
}
MString& MString::operator+=(float value) {
  // The float's own shortest text: 0.1f -> "0.1", not 0.100000001490116.
  char buf[32];
  for (int precision = 6; precision <= 9; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, static_cast<double>(value));
    if (std::strtof(buf, nullptr) == value) break;
  }
  text_ += buf;
  return *this;
}

MString MString::operator+(const MString& other) const {
  MString r(*this);
  r += other;
  return r;
}
MString MString::operator+(const char* other) const {
  MString r(*this);
  r += other;
  return r;
}
MString MString::operator+(double value) const {
  MString r(*this);
  r += value;
  return r;
}
OPENMAYA_MAJOR_NAMESPACE_OPEN

MString operator+(const char* left, const MString& right) {
  MString r(left);
  r += right;
  return r;
}

OPENMAYA_NAMESPACE_CLOSE

bool MString::operator==(const MString& other) const { return text_ == other.text_; }
bool MString::operator==(const char* other) const { return text_ == (other ? other : ""); }
bool MString::operator!=(const MString& other) const { return !(*this == other); }
bool MString::operator!=(const char* other) const { return !(*this == other); }

MStatus MString::set(const char* charString) {
  *this = charString;
  return MS::kSuccess;
}
MStatus MString::set(const char* charString, int charLength) {
  *this = MString(charString, charLength);
  return MS::kSuccess;
}
MStatus MString::set(double value) {
  *this = value;
  return MS::kSuccess;
}
MStatus MString::set(double value, int precision) {
  if (precision < 0) return MS::kInvalidParameter;
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.*f", std::min(precision, 300), value);
  text_ = buf;
  return MS::kSuccess;
}
MStatus MString::setUTF8(const char* utf8String) { return set(utf8String); }

const char* MString::asChar() const { return text_.c_str(); }
const char* MString::asChar(int& charLength) const {
  charLength = static_cast<int>(text_.size());
  return text_.c_str();
}
const char* MString::asUTF8() const { return text_.c_str(); }

unsigned int MString::length() const { return static_cast<unsigned int>(text_.size()); }
unsigned int MString::numChars() const {
  // Count every byte that does not continue a UTF-8 sequence.
  return static_cast<unsigned int>(std::count_if(text_.begin(), text_.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}
void MString::clear() { text_.clear(); }

int MString::index(char c) const {
  auto pos = text_.find(c);
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}
int MString::rindex(char c) const {
  auto pos = text_.rfind(c);
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

MStatus MString::split(char delimiter, MStringArray& output) const {
  output.clear();
  std::size_t start = 0;
  while (start <= text_.size()) {
    std::size_t end = text_.find(delimiter, start);
    if (end == std::string::npos) end = text_.size();
    if (end > start) output.append(MString(text_.data() + start, static_cast<int>(end - start)));
    start = end + 1;
  }
  return MS::kSuccess;
}

MString MString::substring(int start, int end) const {
  int size = static_cast<int>(text_.size());
  if (start < 0) start = 0;
  if (end >= size) end = size - 1;
  if (start > end) return MString();
  return MString(text_.data() + start, end - start + 1);
}

MString& MString::toUpperCase() {
  for (char& c : text_) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return *this;
}
MString& MString::toLowerCase() {
  for (char& c : text_) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return *this;
}

bool MString::isShort() const {
  double v = 0;
  return readsWhole(text_, true, &v) && v >= SHRT_MIN && v <= SHRT_MAX;
}
short MString::asShort() const { return static_cast<short>(asInt()); }
bool MString::isInt() const {
  double v = 0;
  return readsWhole(text_, true, &v) && v >= INT_MIN && v <= INT_MAX;
}
int MString::asInt() const {
  long v = std::strtol(text_.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX));
}
bool MString::isUnsigned() const {
  double v = 0;
  return readsWhole(text_, true, &v) && v >= 0 && v <= UINT_MAX;
}
unsigned int MString::asUnsigned() const {
  long v = std::strtol(text_.c_str(), nullptr, 10);
  return static_cast<unsigned int>(std::clamp<long>(v, 0, UINT_MAX));
}
bool MString::isFloat() const { return isDouble(); }
float MString::asFloat() const { return static_cast<float>(asDouble()); }
bool MString::isDouble() const { return readsWhole(text_, false, nullptr); }
double MString::asDouble() const { return std::strtod(text_.c_str(), nullptr); }

MStatus MString::substitute(const MString& source, const MString& target) {
  if (source.text_.empty()) return MS::kInvalidParameter;
  std::string out;
  std::size_t start = 0, pos;
  while ((pos = text_.find(source.text_, start)) != std::string::npos) {
    out.append(text_, start, pos - start);
    out += target.text_;
    start = pos + source.text_.size();
  }
  out.append(text_, start, std::string::npos);
  text_ = std::move(out);
  return MS::kSuccess;
}

MStatus MString::substituteFirst(const MString& source, const MString& target) {
  if (source.text_.empty()) return MS::kInvalidParameter;
  auto pos = text_.find(source.text_);
  if (pos != std::string::npos) text_.replace(pos, source.text_.size(), target.text_);
  return MS::kSuccess;
}

OPENMAYA_MAJOR_NAMESPACE_OPEN

std::ostream& operator<<(std::ostream& os, const MString& s) { return os << s.text_; }

OPENMAYA_NAMESPACE_CLOSE
