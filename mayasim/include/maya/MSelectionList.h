// An ordered list of nodes (the active selection is one).
#ifndef _MSelectionList
#define _MSelectionList

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <vector>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MSelectionList {
 public:
  MSelectionList();
  MSelectionList(const MSelectionList& other);
  virtual ~MSelectionList();
  MSelectionList& operator=(const MSelectionList& other);

  MStatus clear();
  bool isEmpty(MStatus* ReturnStatus = NULL) const;
  unsigned int length(MStatus* ReturnStatus = NULL) const;

  // kInvalidParameter when the index is out of range (or, for a DAG path,
  // when the item is not a DAG node).
  MStatus getDependNode(unsigned int index, MObject& depNode) const;
  MStatus getDagPath(unsigned int index, MDagPath& dagPath,
                     MObject& component = MObject::kNullObj) const;

  // Adding an item that is already in the list keeps one entry.
  MStatus add(const MObject& object, const bool mergeWithExisting = false);
  MStatus add(const MDagPath& object, const MObject& component = MObject::kNullObj,
              const bool mergeWithExisting = false);
  // By node name (or full/partial path); kInvalidParameter when nothing matches.
  MStatus add(const MString& matchString, const bool searchChildNamespacesToo = false);
  MStatus remove(unsigned int index);
  bool hasItem(const MObject& item, MStatus* ReturnStatus = NULL) const;

  // Node names, one per item.
  MStatus getSelectionStrings(MStringArray& array) const;

  static const char* className();

 private:
  friend struct mayasim::ObjectAccess;
  std::vector<MObject> items_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
