// Walks a selection list, optionally keeping only items of one API type.
// A DAG item that does not match the filter is searched below: a selected
// transform with the filter kMesh yields its mesh shape.
#ifndef _MItSelectionList
#define _MItSelectionList

#include <maya/MObject.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MStringArray.h>

#include <vector>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MItSelectionList {
 public:
  enum selItemType {
    kUnknownItem = -1,
    kDagSelectionItem,
    kAnimSelectionItem,
    kDNselectionItem,
    kPlugSelectionItem
  };

  // kInvalid lets every item through.
  MItSelectionList(const MSelectionList& list, MFn::Type filter = MFn::kInvalid,
                   MStatus* ReturnStatus = NULL);
  virtual ~MItSelectionList();

  bool isDone(MStatus* ReturnStatus = NULL);
  MStatus next();
  MStatus reset();
  // kFailure when the iteration is done; getDagPath also when the item is
  // not a DAG node.
  MStatus getDependNode(MObject& depNode);
  MStatus getDagPath(MDagPath& dagPath, MObject& component);
  MStatus getDagPath(MDagPath& dagPath);
  MStatus getStrings(MStringArray& array);
  selItemType itemType(MStatus* ReturnStatus = NULL);
  MStatus setFilter(MFn::Type filter);  // restarts the iteration

  static const char* className();

 private:
  MItSelectionList(const MItSelectionList&);
  MItSelectionList& operator=(const MItSelectionList&);
  void collect();

  friend struct mayasim::ObjectAccess;
  MSelectionList list_;
  MFn::Type filter_;
  std::vector<MObject> items_;  // what the walk visits, filter applied
  unsigned int position_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
