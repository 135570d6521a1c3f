// Reads a command's arguments against its syntax. Flags are named by their
// short or long name, with the dash.
#ifndef _MArgParser
#define _MArgParser

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <memory>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MArgParser {
 public:
  MArgParser();
  // An unknown flag or a missing or bad value sets the status to kFailure
  // and displays the error ("Invalid flag: -x", "Invalid argument for flag
  // -r: abc"); what could be read stays readable.
  MArgParser(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus = NULL);
  virtual ~MArgParser();

  bool isFlagSet(const char* flag, MStatus* ReturnStatus = NULL) const;
  bool isQuery(MStatus* ReturnStatus = NULL) const;
  bool isEdit(MStatus* ReturnStatus = NULL) const;
  unsigned int numberOfFlagUses(const char* flag) const;

  // Value `index` of the flag's first use. When the flag is absent (or the
  // value cannot be had) the result is left untouched and the status is kFailure.
  MStatus getFlagArgument(const char* flag, unsigned int index, bool& result) const;
  MStatus getFlagArgument(const char* flag, unsigned int index, int& result) const;
  MStatus getFlagArgument(const char* flag, unsigned int index, double& result) const;
  MStatus getFlagArgument(const char* flag, unsigned int index, MString& result) const;
  MStatus getFlagArgument(const char* flag, unsigned int index, unsigned int& result) const;
  bool flagArgumentBool(const char* flag, unsigned int index, MStatus* ReturnStatus = NULL) const;
  int flagArgumentInt(const char* flag, unsigned int index, MStatus* ReturnStatus = NULL) const;
  double flagArgumentDouble(const char* flag, unsigned int index,
                            MStatus* ReturnStatus = NULL) const;
  MString flagArgumentString(const char* flag, unsigned int index,
                             MStatus* ReturnStatus = NULL) const;
  // The values of use `i` of a multi-use flag.
  MStatus getFlagArgumentList(const char* flag, unsigned int i, MArgList& args) const;

  // Command arguments (what follows the flags), typed by MSyntax::addArg.
  MStatus getCommandArgument(unsigned int index, bool& result) const;
  MStatus getCommandArgument(unsigned int index, int& result) const;
  MStatus getCommandArgument(unsigned int index, double& result) const;
  MStatus getCommandArgument(unsigned int index, MString& result) const;
  bool commandArgumentBool(unsigned int index, MStatus* ReturnStatus = NULL) const;
  int commandArgumentInt(unsigned int index, MStatus* ReturnStatus = NULL) const;
  double commandArgumentDouble(unsigned int index, MStatus* ReturnStatus = NULL) const;
  MString commandArgumentString(unsigned int index, MStatus* ReturnStatus = NULL) const;
  // The object names given after the flags.
  MStatus getObjects(MStringArray& result) const;

  static const char* className();

 private:
  MArgParser(const MArgParser&);
  MArgParser& operator=(const MArgParser&);

  friend struct mayasim::ObjectAccess;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
