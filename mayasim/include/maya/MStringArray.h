// An array of MString values.
#ifndef _MStringArray
#define _MStringArray

#include <maya/MString.h>
#include <maya/MTypes.h>

#include <vector>

class OPENMAYA_EXPORT MStringArray {
 public:
  MStringArray();
  MStringArray(const MStringArray& other);
  MStringArray(const MString strings[], unsigned int count);
  MStringArray(const char* strings[], unsigned int count);
  MStringArray(unsigned int initialSize, const MString& initialValue);
  ~MStringArray();

  MStringArray& operator=(const MStringArray& other);
  MString operator[](unsigned int index) const;  // index must be < length()
  MString& operator[](unsigned int index);

  unsigned int length() const;
  MStatus append(const MString& element);
  MStatus set(const MString& element, unsigned int index);    // kFailure past the end
  MStatus insert(const MString& element, unsigned int index);  // index <= length()
  MStatus remove(unsigned int index);
  MStatus setLength(unsigned int length);
  MStatus clear();
  int indexOf(const MString& element) const;  // -1 when absent

  typedef std::vector<MString>::iterator iterator;
  typedef std::vector<MString>::const_iterator const_iterator;
  iterator begin();
  iterator end();
  const_iterator begin() const;
  const_iterator end() const;
  const_iterator cbegin() const;
  const_iterator cend() const;

  static const char* className();

  // Elements separated by ", " in brackets: [a, b].
  friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& os, const MStringArray& array);

 private:
  std::vector<MString> items_;
};

#endif
