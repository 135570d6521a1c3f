// A text value. The text is kept as UTF-8 bytes.
#ifndef _MString
#define _MString

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <string>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MString {
 public:
  MString();
  MString(const char* charString);                  // NULL gives the empty text
  MString(const char* charString, int charLength);  // the first charLength bytes
  MString(const MString& other);
  ~MString();

  MString& operator=(const MString& other);
  MString& operator=(const char* other);
  MString& operator=(double value);

  // Appending a number appends its shortest round-trip text: 0.1 -> "0.1",
  // 20 -> "20", -3.25 -> "-3.25".
  MString& operator+=(const MString& other);
  MString& operator+=(const char* other);
  MString& operator+=(double value);
  MString& operator+=(int value);
  MString& operator+=(unsigned int value);
  MString& operator+=(float value);

  // There is deliberately no operator+(int): an integer argument goes through
  // operator+(double), and a literal 0 is ambiguous (it is also a null pointer).
  MString operator+(const MString& other) const;
  MString operator+(const char* other) const;
  MString operator+(double value) const;
  friend OPENMAYA_EXPORT MString operator+(const char* left, const MString& right);

  bool operator==(const MString& other) const;
  bool operator==(const char* other) const;
  bool operator!=(const MString& other) const;
  bool operator!=(const char* other) const;

  MStatus set(const char* charString);
  MStatus set(const char* charString, int charLength);
  MStatus set(double value);                 // as operator+=(double)
  MStatus set(double value, int precision);  // fixed, `precision` decimals
  MStatus setUTF8(const char* utf8String);

  const char* asChar() const;
  const char* asChar(int& charLength) const;
  const char* asUTF8() const;

  unsigned int length() const;    // in bytes
  unsigned int numChars() const;  // in UTF-8 code points
  void clear();

  // Byte index of the first / last occurrence, -1 when absent.
  int index(char c) const;
  int rindex(char c) const;

  // Splits at every `delimiter`. Empty fields are dropped: consecutive,
  // leading and trailing delimiters give no empty entries, and an empty text
  // gives an empty array. "a,,b," -> {"a", "b"}.
  MStatus split(char delimiter, MStringArray& output) const;

  // Bytes start..end, both inclusive; an empty text when out of range.
  MString substring(int start, int end) const;
  MString& toUpperCase();
  MString& toLowerCase();

  // Numeric reading. isX() is true when the whole text (surrounding blanks
  // aside) is such a number. asDouble()/asInt() read the leading number with
  // strtod/strtol and give 0 when the text does not start with one
  // ("abc" -> 0, "2.5cm" -> 2.5, "" -> 0).
  bool isShort() const;
  short asShort() const;
  bool isInt() const;
  int asInt() const;
  bool isUnsigned() const;
  unsigned int asUnsigned() const;
  bool isFloat() const;
  float asFloat() const;
  bool isDouble() const;
  double asDouble() const;

  // Replaces every occurrence of `source` with `target`.
  MStatus substitute(const MString& source, const MString& target);
  MStatus substituteFirst(const MString& source, const MString& target);

  friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& os, const MString& s);

 private:
  friend struct mayasim::ObjectAccess;
  std::string text_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
