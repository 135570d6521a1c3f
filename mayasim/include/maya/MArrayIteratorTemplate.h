// Bidirectional iterators over the API arrays (MIntArray, MStringArray, ...),
// reached as Array::Iterator and Array::ConstIterator. They step one element
// at a time: no `it + n`, no random access.
#ifndef _MArrayIteratorTemplate
#define _MArrayIteratorTemplate

#include <maya/MTypes.h>

#include <cstddef>
#include <iterator>

OPENMAYA_MAJOR_NAMESPACE_OPEN

template <class MArrayType, class MArrayValueType>
class MArrayIteratorTemplate {
 public:
  typedef std::bidirectional_iterator_tag iterator_category;
  typedef MArrayValueType value_type;
  typedef std::ptrdiff_t difference_type;
  typedef MArrayValueType* pointer;
  typedef MArrayValueType& reference;

  MArrayIteratorTemplate() = default;
  MArrayIteratorTemplate(MArrayType& array, unsigned int index) : array_(&array), index_(index) {}

  reference operator*() const { return (*array_)[index_]; }
  pointer operator->() const { return &(*array_)[index_]; }
  MArrayIteratorTemplate& operator++() {
    ++index_;
    return *this;
  }
  MArrayIteratorTemplate operator++(int) {
    MArrayIteratorTemplate before = *this;
    ++index_;
    return before;
  }
  MArrayIteratorTemplate& operator--() {
    --index_;
    return *this;
  }
  MArrayIteratorTemplate operator--(int) {
    MArrayIteratorTemplate before = *this;
    --index_;
    return before;
  }
  bool operator==(const MArrayIteratorTemplate& other) const {
    return array_ == other.array_ && index_ == other.index_;
  }
  bool operator!=(const MArrayIteratorTemplate& other) const { return !(*this == other); }

 private:
  MArrayType* array_ = nullptr;
  unsigned int index_ = 0;
};

template <class MArrayType, class MArrayValueType>
class MArrayConstIteratorTemplate {
 public:
  typedef std::bidirectional_iterator_tag iterator_category;
  typedef MArrayValueType value_type;
  typedef std::ptrdiff_t difference_type;
  typedef const MArrayValueType* pointer;
  typedef const MArrayValueType& reference;

  MArrayConstIteratorTemplate() = default;
  MArrayConstIteratorTemplate(const MArrayType& array, unsigned int index)
      : array_(&array), index_(index) {}

  // The arrays' const operator[] returns by value; the element itself is
  // reached through the non-const one and handed out read-only.
  reference operator*() const { return (*const_cast<MArrayType*>(array_))[index_]; }
  pointer operator->() const { return &**this; }
  MArrayConstIteratorTemplate& operator++() {
    ++index_;
    return *this;
  }
  MArrayConstIteratorTemplate operator++(int) {
    MArrayConstIteratorTemplate before = *this;
    ++index_;
    return before;
  }
  MArrayConstIteratorTemplate& operator--() {
    --index_;
    return *this;
  }
  MArrayConstIteratorTemplate operator--(int) {
    MArrayConstIteratorTemplate before = *this;
    --index_;
    return before;
  }
  bool operator==(const MArrayConstIteratorTemplate& other) const {
    return array_ == other.array_ && index_ == other.index_;
  }
  bool operator!=(const MArrayConstIteratorTemplate& other) const { return !(*this == other); }

 private:
  const MArrayType* array_ = nullptr;
  unsigned int index_ = 0;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
