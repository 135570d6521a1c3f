#include "Options.h"

#include <CLI/CLI.hpp>

#include <cstddef>
#include <exception>
#include <iostream>
#include <string>

namespace mayasim::app {

namespace {

constexpr char kDescription[] =
    "mayasim: a headless Maya host. Runs MEL commands (-c) and script files in the order\n"
    "given, then optionally fires idle events (--idle) or reads MEL from standard input\n"
    "(--interactive). Exit status: 0 when everything ran, 1 after a MEL error (the first\n"
    "failing command or script ends the run), 2 for a bad command line, 130 after Ctrl-C.\n"
    "MAYA_PLUG_IN_PATH and MAYA_SCRIPT_PATH are colon-separated search paths; the modules\n"
    "(.mod files) in the folders of MAYA_MODULE_PATH add their plug-ins/ and scripts/ folders.";

}  // namespace

std::optional<int> parseOptions(int argc, char** argv, Options& options) {
  CLI::App app(kDescription, "mayasim");
  std::vector<std::string> commands;
  std::vector<std::string> scripts;
  double idleSeconds = 0.0;

  CLI::Option* commandOption =
      app.add_option("-c,--command", commands, "MEL text to run (repeatable)")
          ->allow_extra_args(false)
          ->expected(1);
  commandOption->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  CLI::Option* scriptOption =
      app.add_option("scripts", scripts, "MEL script files to run")->check(CLI::ExistingFile);
  CLI::Option* idleOption =
      app.add_option("--idle", idleSeconds, "fire the idle event for SECONDS (or until quit)")
          ->check(CLI::Validator(
              [](std::string& text) {
                try {
                  if (std::stod(text) >= 0.0) return std::string();
                } catch (const std::exception&) {
                }
                return "SECONDS must be a number >= 0, not " + text;
              },
              "SECONDS"));
  app.add_flag("--interactive", options.interactive,
               "read MEL from standard input while idle events keep firing");
  app.add_option("--trace", options.traceFile,
                 "append every text run through MGlobal::executeCommand to FILE");
  app.add_flag("--quiet", options.quiet, "no prompts and no result echo in interactive mode");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kUsageError;
  }

  if (*idleOption) options.idleSeconds = idleSeconds;
  // parse_order() lists every use of an option, so -c commands and script
  // files keep their relative order.
  std::size_t nextCommand = 0;
  std::size_t nextScript = 0;
  for (const CLI::Option* option : app.parse_order()) {
    if (option == commandOption && nextCommand < commands.size()) {
      options.steps.push_back({Step::Kind::Command, commands[nextCommand++]});
    } else if (option == scriptOption && nextScript < scripts.size()) {
      options.steps.push_back({Step::Kind::File, scripts[nextScript++]});
    }
  }
  return std::nullopt;
}

}  // namespace mayasim::app
