#include <maya/MDoubleArray.h>
#include <maya/MStatus.h>

#include <ostream>

MDoubleArray::MDoubleArray() = default;
MDoubleArray::MDoubleArray(const MDoubleArray& other) = default;
MDoubleArray::MDoubleArray(const double src[], unsigned int count) : items_(src, src + count) {}
MDoubleArray::MDoubleArray(unsigned int initialSize, double initialValue)
    : items_(initialSize, initialValue) {}
MDoubleArray::~MDoubleArray() = default;
MDoubleArray& MDoubleArray::operator=(const MDoubleArray& other) = default;

double MDoubleArray::operator[](unsigned int index) const { return items_[index]; }
double& MDoubleArray::operator[](unsigned int index) { return items_[index]; }
unsigned int MDoubleArray::length() const { return static_cast<unsigned int>(items_.size()); }

MStatus MDoubleArray::append(double element) {
  items_.push_back(element);
  return MS::kSuccess;
}
MStatus MDoubleArray::set(double element, unsigned int index) {
  if (index >= items_.size()) return MS::kFailure;
  items_[index] = element;
  return MS::kSuccess;
}
MStatus MDoubleArray::insert(double element, unsigned int index) {
  if (index > items_.size()) return MS::kFailure;
  items_.insert(items_.begin() + index, element);
  return MS::kSuccess;
}
MStatus MDoubleArray::remove(unsigned int index) {
  if (index >= items_.size()) return MS::kFailure;
  items_.erase(items_.begin() + index);
  return MS::kSuccess;
}
MStatus MDoubleArray::setLength(unsigned int length) {
  items_.resize(length);
  return MS::kSuccess;
}
MStatus MDoubleArray::clear() {
  items_.clear();
  return MS::kSuccess;
}

const char* MDoubleArray::className() { return "MDoubleArray"; }

OPENMAYA_MAJOR_NAMESPACE_OPEN

std::ostream& operator<<(std::ostream& os, const MDoubleArray& array) {
  os << '[';
  for (unsigned int i = 0; i < array.length(); ++i) os << (i ? ", " : "") << array[i];
  return os << ']';
}

OPENMAYA_NAMESPACE_CLOSE
