#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <algorithm>
#include <ostream>

MStringArray::MStringArray() = default;
MStringArray::MStringArray(const MStringArray& other) = default;
MStringArray::MStringArray(const MString strings[], unsigned int count)
    : items_(strings, strings + count) {}
MStringArray::MStringArray(const char* strings[], unsigned int count) {
  items_.reserve(count);
  for (unsigned int i = 0; i < count; ++i) items_.emplace_back(strings[i]);
}
MStringArray::MStringArray(unsigned int initialSize, const MString& initialValue)
    : items_(initialSize, initialValue) {}
MStringArray::~MStringArray() = default;
MStringArray& MStringArray::operator=(const MStringArray& other) = default;

MString MStringArray::operator[](unsigned int index) const { return items_[index]; }
MString& MStringArray::operator[](unsigned int index) { return items_[index]; }
unsigned int MStringArray::length() const { return static_cast<unsigned int>(items_.size()); }

MStatus MStringArray::append(const MString& element) {
  items_.push_back(element);
  return MS::kSuccess;
}
MStatus MStringArray::set(const MString& element, unsigned int index) {
  if (index >= items_.size()) return MS::kFailure;
  items_[index] = element;
  return MS::kSuccess;
}
MStatus MStringArray::insert(const MString& element, unsigned int index) {
  if (index > items_.size()) return MS::kFailure;
  items_.insert(items_.begin() + index, element);
  return MS::kSuccess;
}
MStatus MStringArray::remove(unsigned int index) {
  if (index >= items_.size()) return MS::kFailure;
  items_.erase(items_.begin() + index);
  return MS::kSuccess;
}
MStatus MStringArray::setLength(unsigned int length) {
  items_.resize(length);
  return MS::kSuccess;
}
MStatus MStringArray::clear() {
  items_.clear();
  return MS::kSuccess;
}
int MStringArray::indexOf(const MString& element) const {
  auto it = std::find(items_.begin(), items_.end(), element);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

const char* MStringArray::className() { return "MStringArray"; }

OPENMAYA_MAJOR_NAMESPACE_OPEN

std::ostream& operator<<(std::ostream& os, const MStringArray& array) {
  os << '[';
  for (unsigned int i = 0; i < array.length(); ++i) os << (i ? ", " : "") << array[i];
  return os << ']';
}

OPENMAYA_NAMESPACE_CLOSE
