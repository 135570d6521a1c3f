// The language's own commands: print, size, clear, eval, source, exists,
// error, warning, getLastError, type conversions, environment variables.
#include <cstdlib>

#include "mel/BuiltinSupport.h"
#include "mel/Runtime.h"

namespace mel {

namespace detail {

void expectArgs(const char* name, const Args& args, std::size_t min, std::size_t max) {
  if (args.size() < min || args.size() > max)
    throw Error(std::string("Wrong number of arguments on call to ") + name + ".");
}

}  // namespace detail

namespace {

using detail::expectArgs;

// The message of `error`/`warning`, after their flags
// (-showLineNumber/-sl bool, -noContext/-n).
std::string messageArgument(const char* name, const Args& args) {
  std::string message;
  bool found = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const Value& v = args[i];
    if (v.isString() && (v.asString() == "-sl" || v.asString() == "-showLineNumber")) {
      ++i;
      continue;
    }
    if (v.isString() && (v.asString() == "-n" || v.asString() == "-noContext")) continue;
    message = v.toString();
    found = true;
  }
  if (!found) throw Error(std::string("Wrong number of arguments on call to ") + name + ".");
  return message;
}

Value print(Interpreter& in, const Args& a) {
  expectArgs("print", a, 1);
  const Value& v = a[0];
  if (!v.isArray()) {
    in.output().write(v.toString());
    return Value();
  }
  std::string text;
  for (std::size_t i = 0; i < v.size(); ++i) text += v.element(i).asString() + "\n";
  in.output().write(text);
  return Value();
}

Value size(Interpreter&, const Args& a) {
  expectArgs("size", a, 1);
  if (a[0].isArray()) return Value(static_cast<int>(a[0].size()));
  return Value(static_cast<int>(a[0].asString().size()));
}

Value clear(Interpreter& in, const Args& a) {
  expectArgs("clear", a, 1);
  if (!a[0].isArray()) throw Error("clear: the argument must be an array.");
  in.setOutArgument(0, Value::zero(a[0].type()));
  return Value();
}

Value eval(Interpreter& in, const Args& a) {
  std::size_t first = 0;
  while (first < a.size() && a[first].isString() &&
         (a[first].asString() == "-undoEnabled" || a[first].asString() == "-un"))
    first += 2;  // the flag and its bool
  std::string text;
  for (std::size_t i = first; i < a.size(); ++i) {
    if (i > first) text += ' ';
    text += a[i].toString();
  }
  return in.evaluate(text);
}

Value source(Interpreter& in, const Args& a) {
  expectArgs("source", a, 1);
  in.sourceFile(a[0].asString());
  return Value();
}

Value exists(Interpreter& in, const Args& a) {
  expectArgs("exists", a, 1);
  std::string name = a[0].asString();
  bool found = in.procExists(name) || (!name.empty() && !in.findScript(name + ".mel").empty());
  return Value(found ? 1 : 0);
}

Value error(Interpreter&, const Args& a) { throw Error(messageArgument("error", a)); }

Value warning(Interpreter& in, const Args& a) {
  in.warning(messageArgument("warning", a));
  return Value();
}

Value getLastError(Interpreter& in, const Args& a) {
  expectArgs("getLastError", a, 0);
  return Value(in.lastError());
}

Value getenvCommand(Interpreter&, const Args& a) {
  expectArgs("getenv", a, 1);
  const char* v = std::getenv(a[0].asString().c_str());
  return Value(v ? v : "");
}

Value putenvCommand(Interpreter&, const Args& a) {
  expectArgs("putenv", a, 2);
  std::string name = a[0].asString();
  if (name.empty() || name.find('=') != std::string::npos)
    throw Error("putenv: invalid variable name.");
  ::setenv(name.c_str(), a[1].asString().c_str(), 1);
  return Value();
}

CommandFn conversion(const char* name, ValueType type) {
  return [name, type](Interpreter&, const Args& a) {
    expectArgs(name, a, 1);
    return a[0].convertTo(type);
  };
}

}  // namespace

void registerLanguageCommands(Interpreter& interp) {
  interp.registerCommand("print", print);
  interp.registerCommand("size", size);
  interp.registerCommand("clear", clear);
  interp.registerCommand("eval", eval);
  interp.registerCommand("source", source);
  interp.registerCommand("exists", exists);
  interp.registerCommand("error", error);
  interp.registerCommand("warning", warning);
  interp.registerCommand("getLastError", getLastError);
  interp.registerCommand("getenv", getenvCommand);
  interp.registerCommand("putenv", putenvCommand);
  interp.registerCommand("int", conversion("int", ValueType::Int));
  interp.registerCommand("float", conversion("float", ValueType::Float));
  interp.registerCommand("string", conversion("string", ValueType::String));
  interp.registerCommand("vector", conversion("vector", ValueType::Vector));
}

}  // namespace mel
