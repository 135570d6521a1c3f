// Math functions: abs, sqrt, floor, ceil, min, max, pow, trigonometry,
// deg_to_rad, rad_to_deg, trunc, fmod, clamp, sign, rand, seed.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>

#include "mel/BuiltinSupport.h"
#include "mel/lib/LibraryParts.h"

namespace mel::lib {

using detail::expectArgs;

namespace {

constexpr double kPi = 3.14159265358979323846;

CommandFn unary(const char* name, double (*f)(double)) {
  return [name, f](Interpreter&, const Args& a) {
    expectArgs(name, a, 1);
    return Value(f(a[0].asFloat()));
  };
}

CommandFn binary(const char* name, double (*f)(double, double)) {
  return [name, f](Interpreter&, const Args& a) {
    expectArgs(name, a, 2);
    return Value(f(a[0].asFloat(), a[1].asFloat()));
  };
}

// min/max keep ints as ints.
CommandFn pick(const char* name, bool wantMax) {
  return [name, wantMax](Interpreter&, const Args& a) {
    expectArgs(name, a, 2);
    if (a[0].isInt() && a[1].isInt()) {
      int x = a[0].asInt(), y = a[1].asInt();
      return Value(wantMax ? std::max(x, y) : std::min(x, y));
    }
    double x = a[0].asFloat(), y = a[1].asFloat();
    return Value(wantMax ? std::max(x, y) : std::min(x, y));
  };
}

Value absCommand(Interpreter&, const Args& a) {
  expectArgs("abs", a, 1);
  if (a[0].isInt()) {
    long long v = a[0].asInt();
    return Value(static_cast<int>(v < 0 ? (v == INT32_MIN ? v : -v) : v));
  }
  if (a[0].isVector()) {
    Vector3 v = a[0].asVector();
    return Value(Vector3{std::fabs(v[0]), std::fabs(v[1]), std::fabs(v[2])});
  }
  return Value(std::fabs(a[0].asFloat()));
}

Value clampCommand(Interpreter&, const Args& a) {
  expectArgs("clamp", a, 3);
  double lo = a[0].asFloat(), hi = a[1].asFloat(), v = a[2].asFloat();
  return Value(v < lo ? lo : v > hi ? hi : v);
}

Value signCommand(Interpreter&, const Args& a) {
  expectArgs("sign", a, 1);
  double v = a[0].asFloat();
  return Value(v > 0 ? 1.0 : v < 0 ? -1.0 : 0.0);
}

}  // namespace

void registerMathCommands(Interpreter& interp) {
  interp.registerCommand("abs", absCommand);
  interp.registerCommand("sqrt", unary("sqrt", [](double x) { return std::sqrt(x); }));
  interp.registerCommand("floor", unary("floor", [](double x) { return std::floor(x); }));
  interp.registerCommand("ceil", unary("ceil", [](double x) { return std::ceil(x); }));
  interp.registerCommand("trunc", unary("trunc", [](double x) { return std::trunc(x); }));
  interp.registerCommand("sin", unary("sin", [](double x) { return std::sin(x); }));
  interp.registerCommand("cos", unary("cos", [](double x) { return std::cos(x); }));
  interp.registerCommand("tan", unary("tan", [](double x) { return std::tan(x); }));
  interp.registerCommand("asin", unary("asin", [](double x) { return std::asin(x); }));
  interp.registerCommand("acos", unary("acos", [](double x) { return std::acos(x); }));
  interp.registerCommand("atan", unary("atan", [](double x) { return std::atan(x); }));
  interp.registerCommand("exp", unary("exp", [](double x) { return std::exp(x); }));
  interp.registerCommand("log", unary("log", [](double x) { return std::log(x); }));
  interp.registerCommand("log10", unary("log10", [](double x) { return std::log10(x); }));
  interp.registerCommand("deg_to_rad",
                         unary("deg_to_rad", [](double x) { return x * kPi / 180.0; }));
  interp.registerCommand("rad_to_deg",
                         unary("rad_to_deg", [](double x) { return x * 180.0 / kPi; }));
  interp.registerCommand("pow", binary("pow", [](double x, double y) { return std::pow(x, y); }));
  interp.registerCommand("atan2",
                         binary("atan2", [](double y, double x) { return std::atan2(y, x); }));
  interp.registerCommand("fmod",
                         binary("fmod", [](double x, double y) { return std::fmod(x, y); }));
  interp.registerCommand("min", pick("min", false));
  interp.registerCommand("max", pick("max", true));
  interp.registerCommand("clamp", clampCommand);
  interp.registerCommand("sign", signCommand);

  // rand and seed share one generator per interpreter, with a fixed start
  // so that scripts (and tests) are repeatable.
  auto generator = std::make_shared<std::mt19937>(12345u);
  interp.registerCommand("seed", [generator](Interpreter&, const Args& a) {
    expectArgs("seed", a, 1);
    generator->seed(static_cast<unsigned>(a[0].asInt()));
    return Value();
  });
  interp.registerCommand("rand", [generator](Interpreter&, const Args& a) {
    expectArgs("rand", a, 1, 2);
    double lo = a.size() == 2 ? a[0].asFloat() : 0.0;
    double hi = a.back().asFloat();
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    return Value(lo + (hi - lo) * unit(*generator));
  });
}

}  // namespace mel::lib
