#include "scene/AttrDecl.h"

#include <utility>

namespace scene {

AttrDecl numericAttr(std::string longName, std::string shortName, AttrType type,
                     double defaultValue) {
  AttrDecl a;
  a.longName = std::move(longName);
  a.shortName = std::move(shortName);
  a.type = type;
  a.defaultValue = defaultValue;
  a.keyable = true;
  return a;
}

AttrDecl stringAttr(std::string longName, std::string shortName, std::string defaultValue) {
  AttrDecl a;
  a.longName = std::move(longName);
  a.shortName = std::move(shortName);
  a.type = AttrType::String;
  a.defaultString = std::move(defaultValue);
  return a;
}

AttrDecl messageAttr(std::string longName, std::string shortName) {
  AttrDecl a;
  a.longName = std::move(longName);
  a.shortName = std::move(shortName);
  a.type = AttrType::Message;
  a.storable = false;
  return a;
}

AttrDecl meshAttr(std::string longName, std::string shortName) {
  AttrDecl a;
  a.longName = std::move(longName);
  a.shortName = std::move(shortName);
  a.type = AttrType::Mesh;
  return a;
}

std::vector<AttrDecl> double3Attrs(const std::string& longName, const std::string& shortName,
                                   AttrType childType, const std::string (&childLong)[3],
                                   const std::string (&childShort)[3], double defaultValue) {
  std::vector<AttrDecl> out;
  AttrDecl compound;
  compound.longName = longName;
  compound.shortName = shortName;
  compound.type = AttrType::Double3;
  compound.keyable = true;
  for (int i = 0; i < 3; ++i) {
    out.push_back(numericAttr(childLong[i], childShort[i], childType, defaultValue));
    compound.childNames.push_back(childLong[i]);
  }
  out.push_back(std::move(compound));
  return out;
}

}  // namespace scene
