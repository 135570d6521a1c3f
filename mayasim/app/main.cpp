// mayasim: the headless Maya host as a program. See Options.cpp for usage.
#include <utility>

#include "ModuleFiles.h"
#include "Options.h"
#include "Session.h"
#include "host/Host.h"

int main(int argc, char** argv) {
  mayasim::app::Options options;
  if (const std::optional<int> status = mayasim::app::parseOptions(argc, argv, options)) {
    return *status;
  }
  // Before the host exists: its interpreter reads MAYA_SCRIPT_PATH when made.
  mayasim::app::applyModulePath();
  mayasim::app::Session session(mayasim::host(), std::move(options));
  return session.run();
}
