// MArgParser for commands, with selection-list forms.
#ifndef _MArgDatabase
#define _MArgDatabase

#include <maya/MArgParser.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MArgDatabase : public MArgParser {
 public:
  MArgDatabase();
  MArgDatabase(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus = NULL);
  ~MArgDatabase() override;

  MStatus getFlagArgument(const char* flag, unsigned int index, bool& result) const;
  MStatus getFlagArgument(const char* flag, unsigned int index, int& result) const;
  MStatus getFlagArgument(const char* flag, unsigned int index, double& result) const;
  MStatus getFlagArgument(const char* flag, unsigned int index, MString& result) const;
  MStatus getFlagArgument(const char* flag, unsigned int index, unsigned int& result) const;
  // The node named by the flag's value, added to `result`.
  MStatus getFlagArgument(const char* flag, unsigned int index, MSelectionList& result) const;

  MStatus getCommandArgument(unsigned int index, bool& result) const;
  MStatus getCommandArgument(unsigned int index, int& result) const;
  MStatus getCommandArgument(unsigned int index, double& result) const;
  MStatus getCommandArgument(unsigned int index, MString& result) const;
  MStatus getCommandArgument(unsigned int index, MSelectionList& result) const;

  MStatus getObjects(MStringArray& result) const;
  // The named objects, or the active selection when none were given and the
  // syntax uses the selection as default.
  MStatus getObjects(MSelectionList& result) const;

  static const char* className();

 private:
  MArgDatabase(const MArgDatabase&);
  MArgDatabase& operator=(const MArgDatabase&);
};

OPENMAYA_NAMESPACE_CLOSE

#endif
