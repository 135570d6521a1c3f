#include <maya/MStatus.h>
#include <maya/MString.h>

#include <iostream>

MStatus::MStatus() : code_(kSuccess), internal_(0) {}
MStatus::MStatus(MStatusCode code) : code_(code), internal_(0) {}
MStatus::MStatus(const MStatus& other) = default;
MStatus& MStatus::operator=(const MStatus& other) = default;

bool MStatus::operator==(const MStatus& other) const { return code_ == other.code_; }
bool MStatus::operator==(const MStatusCode code) const { return code_ == code; }
bool MStatus::operator!=(const MStatus& other) const { return code_ != other.code_; }
bool MStatus::operator!=(const MStatusCode code) const { return code_ != code; }
OPENMAYA_MAJOR_NAMESPACE_OPEN

bool operator==(const MStatus::MStatusCode code, const MStatus& status) { return status == code; }
bool operator!=(const MStatus::MStatusCode code, const MStatus& status) { return status != code; }

OPENMAYA_NAMESPACE_CLOSE

MStatus::operator bool() const { return code_ == kSuccess; }
bool MStatus::error() const { return code_ != kSuccess; }
void MStatus::clear() {
  code_ = kSuccess;
  internal_ = 0;
}
void MStatus::setSuccess() { clear(); }
MStatus::MStatusCode MStatus::statusCode() const { return code_; }

void MStatus::set(bool status, unsigned char statusCode, unsigned char internalStatusCode) {
  if (status) {
    clear();
    return;
  }
  code_ = statusCode <= kEndOfFile && statusCode != kSuccess ? static_cast<MStatusCode>(statusCode)
                                                             : kFailure;
  internal_ = internalStatusCode;
}

MString MStatus::errorString() const {
  switch (code_) {
    case kSuccess:
      return "Success";
    case kFailure:
      return "Unexpected Internal Failure";
    case kInsufficientMemory:
      return "Insufficient Memory";
    case kInvalidParameter:
      return "Invalid Parameter";
    case kLicenseFailure:
      return "License Failure";
    case kUnknownParameter:
      return "Unknown Parameter";
    case kNotImplemented:
      return "Not Implemented";
    case kNotFound:
      return "Object Not Found";
    case kEndOfFile:
      return "End of File";
  }
  return "Unknown Status";
}

void MStatus::perror(const char* prefix) const {
  std::cerr << (prefix ? prefix : "") << ": " << errorString() << '\n';
}
void MStatus::perror(const MString& prefix) const { perror(prefix.asChar()); }

void MStatus::pAPIerror(const char* file, int line) const {
  std::cerr << "\nAPI error detected in " << (file ? file : "?") << " at line " << line << ": "
            << errorString() << '\n';
}

OPENMAYA_MAJOR_NAMESPACE_OPEN

std::ostream& operator<<(std::ostream& os, MStatus& status) { return os << status.errorString(); }

OPENMAYA_NAMESPACE_CLOSE
