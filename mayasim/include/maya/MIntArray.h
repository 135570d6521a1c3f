// An array of int values.
#ifndef _MIntArray
#define _MIntArray

#include <maya/MArrayIteratorTemplate.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <vector>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MIntArray {
 public:
  MIntArray();
  MIntArray(const MIntArray& other);
  MIntArray(const int src[], unsigned int count);
  MIntArray(unsigned int initialSize, int initialValue = 0);
  ~MIntArray();

  MIntArray& operator=(const MIntArray& other);
  int operator[](unsigned int index) const;  // index must be < length()
  int& operator[](unsigned int index);

  unsigned int length() const;
  MStatus append(int element);
  MStatus set(int element, unsigned int index);     // kFailure past the end
  MStatus insert(int element, unsigned int index);  // index <= length()
  MStatus remove(unsigned int index);
  MStatus setLength(unsigned int length);
  MStatus clear();

  typedef MArrayIteratorTemplate<MIntArray, int> Iterator;
  typedef MArrayConstIteratorTemplate<MIntArray, int> ConstIterator;
  Iterator begin() { return Iterator(*this, 0); }
  Iterator end() { return Iterator(*this, length()); }
  ConstIterator begin() const { return ConstIterator(*this, 0); }
  ConstIterator end() const { return ConstIterator(*this, length()); }
  ConstIterator cbegin() const { return ConstIterator(*this, 0); }
  ConstIterator cend() const { return ConstIterator(*this, length()); }

  static const char* className();

  // Elements separated by ", " in brackets: [1, 2].
  friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& os, const MIntArray& array);

 private:
  std::vector<int> items_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
