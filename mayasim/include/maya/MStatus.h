// Result of an API call: a status code, true as a bool when there is no error.
#ifndef _MStatus
#define _MStatus

#include <maya/MIOStream.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MStatus {
 public:
  enum MStatusCode {
    kSuccess = 0,
    kFailure,
    kInsufficientMemory,
    kInvalidParameter,
    kLicenseFailure,
    kUnknownParameter,
    kNotImplemented,
    kNotFound,
    kEndOfFile
  };

  MStatus();
  MStatus(MStatusCode code);
  MStatus(const MStatus& other);
  MStatus& operator=(const MStatus& other);

  // Compare the code only.
  bool operator==(const MStatus& other) const;
  bool operator==(const MStatusCode code) const;
  bool operator!=(const MStatus& other) const;
  bool operator!=(const MStatusCode code) const;

  // True when there is no error.
  operator bool() const;

  bool error() const;
  void clear();  // back to success
  MStatusCode statusCode() const;
  // A short text per code ("Unexpected Internal Failure", "Object does not exist", ...).
  MString errorString() const;
  // Prints "<prefix>: <errorString>" to stderr.
  void perror(const char* prefix) const;
  void perror(const MString& prefix) const;
  // Prints where an API error was detected, to stderr.
  void pAPIerror(const char* file, int line) const;
  void setSuccess();
  void set(bool status, unsigned char statusCode, unsigned char internalStatusCode);

  friend OPENMAYA_EXPORT bool operator==(const MStatus::MStatusCode code, const MStatus& status);
  friend OPENMAYA_EXPORT bool operator!=(const MStatus::MStatusCode code, const MStatus& status);
  // Prints the error text (or "Success"). Takes a non-const status on purpose:
  // a temporary converts to bool instead.
  friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& os, MStatus& status);

 private:
  MStatusCode code_;
  unsigned char internal_;
};

#define MFAIL(_status) ((_status) != MStatus::kSuccess)

#define CHECK_MSTATUS_AND_RETURN(_status, _retVal) \
  {                                                \
    MStatus _maya_status = (_status);              \
    if (MStatus::kSuccess != _maya_status) {       \
      _maya_status.pAPIerror(__FILE__, __LINE__);  \
      return (_retVal);                            \
    }                                              \
  }

#define CHECK_MSTATUS_AND_RETURN_IT(_status) CHECK_MSTATUS_AND_RETURN((_status), (_status))

#define CHECK_MSTATUS(_status)                    \
  {                                               \
    MStatus _maya_status = (_status);             \
    if (MStatus::kSuccess != _maya_status) {      \
      _maya_status.pAPIerror(__FILE__, __LINE__); \
    }                                             \
  }

OPENMAYA_NAMESPACE_CLOSE

#ifndef MNoMSTypedef
typedef MStatus MS;
#endif

#endif
