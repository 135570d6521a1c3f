// An array of MString values.
#ifndef _MStringArray
#define _MStringArray

#include <maya/MArrayIteratorTemplate.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <vector>

OPENMAYA_MAJOR_NAMESPACE_OPEN

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
  MStatus set(const MString& element, unsigned int index);     // kFailure past the end
  MStatus insert(const MString& element, unsigned int index);  // index <= length()
  MStatus remove(unsigned int index);
  MStatus setLength(unsigned int length);
  MStatus clear();
  int indexOf(const MString& element) const;  // -1 when absent

  typedef MArrayIteratorTemplate<MStringArray, MString> Iterator;
  typedef MArrayConstIteratorTemplate<MStringArray, MString> ConstIterator;
  Iterator begin() { return Iterator(*this, 0); }
  Iterator end() { return Iterator(*this, length()); }
  ConstIterator begin() const { return ConstIterator(*this, 0); }
  ConstIterator end() const { return ConstIterator(*this, length()); }
  ConstIterator cbegin() const { return ConstIterator(*this, 0); }
  ConstIterator cend() const { return ConstIterator(*this, length()); }

  static const char* className();

  // Elements separated by ", " in brackets: [a, b].
  friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& os, const MStringArray& array);

 private:
  std::vector<MString> items_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
