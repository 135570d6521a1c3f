// Host-wide services: run MEL, show messages, the active selection.
#ifndef _MGlobal
#define _MGlobal

#include <maya/MDeprecate.h>
#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MGlobal {
 public:
  enum MMayaState { kInteractive, kBatch, kLibraryApp, kBaseUIMode };
  enum ListAdjustment { kReplaceList, kXORWithList, kAddToList, kRemoveFromList, kAddToHeadOfList };

  static MMayaState mayaState(MStatus* ReturnStatus = NULL);
  static MString mayaVersion();
  static int apiVersion();

  static MStatus getActiveSelectionList(MSelectionList& dest,
                                        bool orderedSelectionIfAvailable = false);
  static MStatus setActiveSelectionList(const MSelectionList& src,
                                        ListAdjustment listAdjustment = kReplaceList);
  static MStatus getSelectionListByName(const MString& name, MSelectionList& list);
  static MStatus selectByName(const MString& name, ListAdjustment listAdjustment = kAddToList);

  // Runs MEL at once. displayEnabled echoes the command and its result as the
  // script editor does; undoEnabled lets it enter the undo queue. kFailure
  // after a MEL error (already printed). The forms with a result also fail
  // when the value cannot be converted to the requested type.
  static MStatus executeCommand(const MString& command, bool displayEnabled = false,
                                bool undoEnabled = false);
  static MStatus executeCommand(const MString& command, int& result, bool displayEnabled = false,
                                bool undoEnabled = false);
  static MStatus executeCommand(const MString& command, MIntArray& result,
                                bool displayEnabled = false, bool undoEnabled = false);
  static MStatus executeCommand(const MString& command, double& result, bool displayEnabled = false,
                                bool undoEnabled = false);
  static MStatus executeCommand(const MString& command, MDoubleArray& result,
                                bool displayEnabled = false, bool undoEnabled = false);
  static MStatus executeCommand(const MString& command, MStringArray& result,
                                bool displayEnabled = false, bool undoEnabled = false);
  static MStatus executeCommand(const MString& command, MString& result,
                                bool displayEnabled = false, bool undoEnabled = false);
  static MString executeCommandStringResult(const MString& command, bool displayEnabled = false,
                                            bool undoEnabled = false, MStatus* ResultStatus = NULL);

  // Info is a plain line; warnings and errors read "// Warning: m //" and
  // "// Error: m //".
  static void displayInfo(const MString& theMessage);
  static void displayWarning(const MString& theMessage);
  static void displayError(const MString& theMessage);

  static const char* className();

 private:
  ~MGlobal();
};

OPENMAYA_NAMESPACE_CLOSE

#endif
