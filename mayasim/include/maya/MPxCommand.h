// Base of plug-in commands. For each call the host creates the command
// object, calls doIt(), then keeps it on the undo queue when isUndoable() is
// true (undo calls undoIt(), redo redoIt()) and deletes it otherwise.
#ifndef _MPxCommand
#define _MPxCommand

#include <maya/MDeprecate.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MPxCommand {
 public:
  enum MResultType { kLong, kDouble, kString, kNoArg };

  MPxCommand();
  virtual ~MPxCommand();
  // Defaults: doIt, undoIt and redoIt return kFailure, isUndoable is false,
  // hasSyntax is true.
  virtual MStatus doIt(const MArgList& args);
  virtual MStatus undoIt();
  virtual MStatus redoIt();
  virtual bool isUndoable() const;
  virtual bool hasSyntax() const;

  // The syntax the command was registered with (empty when none).
  MSyntax syntax() const;
  MString commandString() const;
  bool isHistoryOn() const;
  MStatus setHistoryOn(bool state);
  MStatus setCommandString(const MString& str);

  static void displayInfo(const MString& theInfo);
  static void displayWarning(const MString& theWarning, bool showLineNumber = false);
  static void displayError(const MString& theError, bool showLineNumber = false);

  // The result of the running call; it becomes the value the MEL command
  // returns. setResult replaces it, appendToResult turns it into an array.
  static void clearResult();
  static void setResult(unsigned int val);
  static void setResult(int val);
  static void setResult(double val);
  static void setResult(bool val);
  static void setResult(const char* val);
  static void setResult(const MString& val);
  static void setResult(const MIntArray& val);
  static void setResult(const MDoubleArray& val);
  static void setResult(const MStringArray& val);
  static void appendToResult(int val);
  static void appendToResult(double val);
  static void appendToResult(bool val);
  static void appendToResult(const char* val);
  static void appendToResult(const MString& val);
  static void appendToResult(const MStringArray& val);

  OPENMAYA_DEPRECATED(2019, "override isUndoable instead") MStatus setUndoable(bool state);

  static const char* className();

 private:
  MPxCommand(const MPxCommand&);
  MPxCommand& operator=(const MPxCommand&);

  friend struct mayasim::ObjectAccess;
  void* instance;  // the host's record of the registered command
  MString command;
  bool historyOn_;
  bool undoable_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
