// The shape of the API as plug-ins see it in the devkit: the versioned
// namespace, bidirectional array iterators, enum values, the version string.
// CommandTest.cpp defines MApiVersion for this executable.
#define MNoVersionString
#include <gtest/gtest.h>
#include <maya/MDoubleArray.h>
#include <maya/MFn.h>
#include <maya/MFnData.h>
#include <maya/MFnPlugin.h>
#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <maya/MTypes.h>

#include <iterator>
#include <string>
#include <type_traits>
#include <utility>

namespace {

static_assert(std::is_same_v<MString, Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MString>);
static_assert(std::is_same_v<MObject, Autodesk::Maya::OpenMaya20220000::MObject>);

template <typename T, typename = void>
struct HasClassName : std::false_type {};
template <typename T>
struct HasClassName<T, std::void_t<decltype(T::className())>> : std::true_type {};
static_assert(!HasClassName<MString>::value && !HasClassName<MObject>::value);
static_assert(HasClassName<MStringArray>::value && HasClassName<MFnData>::value);

template <typename It, typename = void>
struct CanJump : std::false_type {};
template <typename It>
struct CanJump<It, std::void_t<decltype(std::declval<It>() + 1)>> : std::true_type {};

template <typename Array>
constexpr bool bidirectionalOnly() {
  using It = typename Array::Iterator;
  using CIt = typename Array::ConstIterator;
  return std::is_same_v<typename std::iterator_traits<It>::iterator_category,
                        std::bidirectional_iterator_tag> &&
         std::is_same_v<typename std::iterator_traits<CIt>::iterator_category,
                        std::bidirectional_iterator_tag> &&
         !CanJump<It>::value && !CanJump<CIt>::value;
}
static_assert(bidirectionalOnly<MStringArray>());
static_assert(bidirectionalOnly<MIntArray>());
static_assert(bidirectionalOnly<MDoubleArray>());
static_assert(
    std::is_same_v<decltype(*std::declval<MStringArray::ConstIterator>()), const MString&>);

static_assert(MFn::kAttribute == 565 && MFn::kTypedAttribute == 574);
static_assert(MFnData::kMatrixArray == 12 && MFnData::kComponentList == 13 &&
              MFnData::kMesh == 14 && MFnData::kAny == 24 && MFnData::kFalloffFunction == 25 &&
              MFnData::kLast == 26);

extern "C" char MApiVersion[];

#define ZUB_STRINGIZE_(x) #x
#define ZUB_STRINGIZE(x) ZUB_STRINGIZE_(x)

}  // namespace

TEST(ApiShape, ArrayIteratorsWalkBothWaysAndWriteThrough) {
  MIntArray ints(3, 0);
  int n = 0;
  for (int& v : ints) v = ++n;
  EXPECT_EQ(ints[0], 1);
  EXPECT_EQ(ints[2], 3);

  MStringArray words;
  words.append("a");
  words.append("b");
  words.append("c");
  std::string backwards;
  for (auto it = words.end(); it != words.begin();) backwards += (--it)->asChar();
  EXPECT_EQ(backwards, "cba");

  const MStringArray& view = words;
  std::string forwards;
  for (auto it = view.cbegin(); it != view.cend(); it++) forwards += it->asChar();
  EXPECT_EQ(forwards, "abc");
  EXPECT_EQ(std::distance(view.begin(), view.end()), 3);

  MDoubleArray empty;
  EXPECT_TRUE(empty.begin() == empty.end());
}

TEST(ApiShape, VersionStringIsTheApiVersion) {
  EXPECT_STREQ(MApiVersion, ZUB_STRINGIZE(MAYA_API_VERSION));
}
