// MPxCommand's static members: messages and the running call's result.
#include <maya/MDoubleArray.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MPxCommand.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include "api/ObjectAccess.h"
#include "host/Host.h"

using mayasim::host;
using mayasim::str;

namespace {

// appendToResult: the result becomes (or stays) an array. An element of
// another kind than the array's turns the whole result into a string array.
void append(mel::Value element) {
  mel::Value* current = host().currentResult();
  if (!current) {
    switch (element.type()) {
      case mel::ValueType::Int:
        host().setCurrentResult(std::vector<int>{element.asInt()});
        break;
      case mel::ValueType::Float:
        host().setCurrentResult(std::vector<double>{element.asFloat()});
        break;
      default:
        host().setCurrentResult(std::vector<std::string>{element.asString()});
        break;
    }
    return;
  }
  mel::ValueType t = current->type();
  if ((t == mel::ValueType::IntArray || t == mel::ValueType::Int) && element.isInt()) {
    std::vector<int> v =
        t == mel::ValueType::Int ? std::vector<int>{current->asInt()} : current->asIntArray();
    v.push_back(element.asInt());
    host().setCurrentResult(std::move(v));
  } else if ((t == mel::ValueType::FloatArray || t == mel::ValueType::Float) && element.isFloat()) {
    std::vector<double> v = t == mel::ValueType::Float ? std::vector<double>{current->asFloat()}
                                                       : current->asFloatArray();
    v.push_back(element.asFloat());
    host().setCurrentResult(std::move(v));
  } else {
    std::vector<std::string> v;
    if (current->isArray()) {
      for (std::size_t i = 0; i < current->size(); ++i) {
        switch (t) {
          case mel::ValueType::IntArray:
            v.push_back(std::to_string(current->asIntArray()[i]));
            break;
          case mel::ValueType::FloatArray:
            v.push_back(mel::formatDouble(current->asFloatArray()[i]));
            break;
          default:
            v.push_back(current->asStringArray()[i]);
            break;
        }
      }
    } else {
      v.push_back(current->asString());
    }
    v.push_back(element.asString());
    host().setCurrentResult(std::move(v));
  }
}

}  // namespace

void MPxCommand::displayInfo(const MString& theInfo) { MGlobal::displayInfo(theInfo); }
void MPxCommand::displayWarning(const MString& theWarning, bool) {
  MGlobal::displayWarning(theWarning);
}
void MPxCommand::displayError(const MString& theError, bool) { MGlobal::displayError(theError); }

void MPxCommand::clearResult() { host().clearCurrentResult(); }

void MPxCommand::setResult(unsigned int val) { host().setCurrentResult(static_cast<int>(val)); }
void MPxCommand::setResult(int val) { host().setCurrentResult(val); }
void MPxCommand::setResult(double val) { host().setCurrentResult(val); }
void MPxCommand::setResult(bool val) { host().setCurrentResult(val ? 1 : 0); }
void MPxCommand::setResult(const char* val) { host().setCurrentResult(val ? val : ""); }
void MPxCommand::setResult(const MString& val) { host().setCurrentResult(str(val)); }

void MPxCommand::setResult(const MIntArray& val) {
  std::vector<int> v;
  for (unsigned int i = 0; i < val.length(); ++i) v.push_back(val[i]);
  host().setCurrentResult(std::move(v));
}
void MPxCommand::setResult(const MDoubleArray& val) {
  std::vector<double> v;
  for (unsigned int i = 0; i < val.length(); ++i) v.push_back(val[i]);
  host().setCurrentResult(std::move(v));
}
void MPxCommand::setResult(const MStringArray& val) {
  std::vector<std::string> v;
  for (const MString& s : val) v.push_back(str(s));
  host().setCurrentResult(std::move(v));
}

void MPxCommand::appendToResult(int val) { append(val); }
void MPxCommand::appendToResult(double val) { append(val); }
void MPxCommand::appendToResult(bool val) { append(val ? 1 : 0); }
void MPxCommand::appendToResult(const char* val) { append(std::string(val ? val : "")); }
void MPxCommand::appendToResult(const MString& val) { append(str(val)); }
void MPxCommand::appendToResult(const MStringArray& val) {
  for (const MString& s : val) append(str(s));
}
