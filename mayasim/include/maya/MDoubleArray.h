// An array of double values.
#ifndef _MDoubleArray
#define _MDoubleArray

#include <maya/MArrayIteratorTemplate.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <vector>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MDoubleArray {
 public:
  MDoubleArray();
  MDoubleArray(const MDoubleArray& other);
  MDoubleArray(const double src[], unsigned int count);
  MDoubleArray(unsigned int initialSize, double initialValue = 0);
  ~MDoubleArray();

  MDoubleArray& operator=(const MDoubleArray& other);
  double operator[](unsigned int index) const;  // index must be < length()
  double& operator[](unsigned int index);

  unsigned int length() const;
  MStatus append(double element);
  MStatus set(double element, unsigned int index);     // kFailure past the end
  MStatus insert(double element, unsigned int index);  // index <= length()
  MStatus remove(unsigned int index);
  MStatus setLength(unsigned int length);
  MStatus clear();

  typedef MArrayIteratorTemplate<MDoubleArray, double> Iterator;
  typedef MArrayConstIteratorTemplate<MDoubleArray, double> ConstIterator;
  Iterator begin() { return Iterator(*this, 0); }
  Iterator end() { return Iterator(*this, length()); }
  ConstIterator begin() const { return ConstIterator(*this, 0); }
  ConstIterator end() const { return ConstIterator(*this, length()); }
  ConstIterator cbegin() const { return ConstIterator(*this, 0); }
  ConstIterator cend() const { return ConstIterator(*this, length()); }

  static const char* className();

  // Elements separated by ", " in brackets: [1, 2].
  friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& os, const MDoubleArray& array);

 private:
  std::vector<double> items_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
