// A long computation that the user may interrupt.
//   MComputation c; c.beginComputation();
//   while (... && !c.isInterruptRequested()) { ... }
//   c.endComputation();
#ifndef _MComputation
#define _MComputation

#include <maya/MString.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MComputation {
 public:
  MComputation();
  virtual ~MComputation();

  void beginComputation(bool showProgressBar = false, bool isInterruptable = true,
                        bool useWaitCursor = true);
  // True once an interrupt was requested after beginComputation().
  bool isInterruptRequested();
  void endComputation();

  MStatus setProgressRange(const int minValue, const int maxValue);
  MStatus setProgress(const int amount);
  int progress(MStatus* ReturnStatus = NULL) const;
  MStatus setProgressStatus(const MString& status);

  static const char* className();

 private:
  MComputation(const MComputation&);
  MComputation& operator=(const MComputation&);

  friend struct mayasim::ObjectAccess;
  struct Impl;
  Impl* impl_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
