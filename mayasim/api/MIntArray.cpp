#include <maya/MIntArray.h>
#include <maya/MStatus.h>

#include <ostream>

MIntArray::MIntArray() = default;
MIntArray::MIntArray(const MIntArray& other) = default;
MIntArray::MIntArray(const int src[], unsigned int count) : items_(src, src + count) {}
MIntArray::MIntArray(unsigned int initialSize, int initialValue)
    : items_(initialSize, initialValue) {}
MIntArray::~MIntArray() = default;
MIntArray& MIntArray::operator=(const MIntArray& other) = default;

int MIntArray::operator[](unsigned int index) const { return items_[index]; }
int& MIntArray::operator[](unsigned int index) { return items_[index]; }
unsigned int MIntArray::length() const { return static_cast<unsigned int>(items_.size()); }

MStatus MIntArray::append(int element) {
  items_.push_back(element);
  return MS::kSuccess;
}
MStatus MIntArray::set(int element, unsigned int index) {
  if (index >= items_.size()) return MS::kFailure;
  items_[index] = element;
  return MS::kSuccess;
}
MStatus MIntArray::insert(int element, unsigned int index) {
  if (index > items_.size()) return MS::kFailure;
  items_.insert(items_.begin() + index, element);
  return MS::kSuccess;
}
MStatus MIntArray::remove(unsigned int index) {
  if (index >= items_.size()) return MS::kFailure;
  items_.erase(items_.begin() + index);
  return MS::kSuccess;
}
MStatus MIntArray::setLength(unsigned int length) {
  items_.resize(length);
  return MS::kSuccess;
}
MStatus MIntArray::clear() {
  items_.clear();
  return MS::kSuccess;
}

const char* MIntArray::className() { return "MIntArray"; }

OPENMAYA_MAJOR_NAMESPACE_OPEN

std::ostream& operator<<(std::ostream& os, const MIntArray& array) {
  os << '[';
  for (unsigned int i = 0; i < array.length(); ++i) os << (i ? ", " : "") << array[i];
  return os << ']';
}

OPENMAYA_NAMESPACE_CLOSE
