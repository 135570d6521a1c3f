#include "render/PlayblastCommand.h"

#include <sys/stat.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "commands/Common.h"
#include "mel/CommandArgs.h"
#include "render/GlRender.h"
#include "render/PngFile.h"
#include "render/SceneTriangles.h"
#include "render/ViewCamera.h"
#include "scene/Scene.h"

namespace render {

namespace {

// Maya's defaults: half of a 960 x 540 view.
constexpr int kDefaultWidth = 960, kDefaultHeight = 540, kDefaultPercent = 50;

mel::Error failure(const std::string& why) { return mel::Error("playblast: " + why); }

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

int wholeNumber(const mel::Value& v, const std::string& flag) {
  const double d = commands::numberArg(v, "playblast -" + flag);
  if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 1e9) {
    throw failure("-" + flag + " takes whole numbers, not " + v.toString() + ".");
  }
  return static_cast<int>(d);
}

bool fileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

// "name.0007.png" for frame 7 padded to 4 digits.
std::string frameFile(const std::string& base, int frame, int padding) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%0*d", padding, frame);
  return base + "." + digits + ".png";
}

struct Request {
  std::vector<std::string> files;  // written in this order
  std::string result;
  int width = 0, height = 0;
  CameraKind camera = CameraKind::Persp;
  bool ornaments = true;
  bool overwrite = false;
};

Request parse(const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"fmt", "format", 1},          {"c", "compression", 1},     {"f", "filename", 1},
      {"cf", "completeFilename", 1}, {"fr", "frame", 1, true},    {"fp", "framePadding", 1},
      {"wh", "widthHeight", 2},      {"p", "percent", 1},         {"v", "viewer", 1},
      {"orn", "showOrnaments", 1},   {"fo", "forceOverwrite", 0}, {"cam", "camera", 1},
      {"os", "offScreen", 0},        {"cc", "clearCache", 1},     {"qlt", "quality", 1}};
  const mel::CommandArgs a("playblast", kFlags, args);
  if (!a.positional().empty())
    throw failure("unexpected argument " + a.positional()[0].toString() + ".");

  const std::string format = a.has("format") ? lower(a.arg("format").asString()) : "image";
  if (format != "image") throw failure("only -format image is supported, not \"" + format + "\".");
  const std::string compression =
      a.has("compression") ? lower(a.arg("compression").asString()) : "png";
  if (compression != "png")
    throw failure("only -compression png is supported, not \"" + compression + "\".");
  if (a.has("viewer") && mel::toBool(a.arg("viewer"))) {
    throw failure("there is no viewer in a headless host; use -viewer false.");
  }

  Request r;
  r.width = kDefaultWidth;
  r.height = kDefaultHeight;
  if (a.has("widthHeight")) {
    r.width = wholeNumber(a.arg("widthHeight", 0), "widthHeight");
    r.height = wholeNumber(a.arg("widthHeight", 1), "widthHeight");
  }
  const int percent = a.has("percent") ? wholeNumber(a.arg("percent"), "percent") : kDefaultPercent;
  if (percent < 10 || percent > 100)
    throw failure("-percent must be 10 to 100, not " + std::to_string(percent) + ".");
  r.width = static_cast<int>(static_cast<long long>(r.width) * percent / 100);
  r.height = static_cast<int>(static_cast<long long>(r.height) * percent / 100);
  if (r.width < 1 || r.height < 1 || r.width > kMaxSide || r.height > kMaxSide) {
    throw failure("the picture would be " + std::to_string(r.width) + " x " +
                  std::to_string(r.height) + " pixels; each side must be 1 to " +
                  std::to_string(kMaxSide) + ".");
  }

  if (a.has("camera")) {
    const std::string name = a.arg("camera").asString();
    const std::optional<CameraKind> camera = defaultCamera(name);
    if (!camera) throw failure("no camera named \"" + name + "\" (persp, top, front or side).");
    r.camera = *camera;
  }
  r.ornaments = !a.has("showOrnaments") || mel::toBool(a.arg("showOrnaments"));
  r.overwrite = a.has("forceOverwrite");

  if (a.has("completeFilename") == a.has("filename")) {
    throw failure("give either -completeFilename or -filename.");
  }
  if (a.has("completeFilename")) {
    if (a.has("frame")) throw failure("-frame goes with -filename, not -completeFilename.");
    r.result = a.arg("completeFilename").asString();
    if (r.result.empty()) throw failure("the file name is empty.");
    r.files.push_back(r.result);
    return r;
  }
  const std::string base = a.arg("filename").asString();
  if (base.empty()) throw failure("the file name is empty.");
  const int padding =
      a.has("framePadding") ? wholeNumber(a.arg("framePadding"), "framePadding") : 4;
  if (padding < 0 || padding > 9) throw failure("-framePadding must be 0 to 9.");
  std::vector<int> frames;
  for (const std::vector<mel::Value>& use : a.uses("frame"))
    frames.push_back(wholeNumber(use.at(0), "frame"));
  if (frames.empty()) frames.push_back(1);  // the current frame
  for (int f : frames) r.files.push_back(frameFile(base, f, padding));
  r.result = base + "." + std::string(static_cast<std::size_t>(padding), '#') + ".png";
  return r;
}

mel::Value playblast(scene::Scene& scene, const mel::Args& args) {
  const Request r = parse(args);
  for (const std::string& file : r.files) {
    if (!r.overwrite && fileExists(file))
      throw failure("\"" + file + "\" exists; add -forceOverwrite to replace it.");
  }
  const Triangles triangles = sceneTriangles(scene);
  const float aspect = static_cast<float>(r.width) / static_cast<float>(r.height);
  Picture picture;
  try {
    picture = renderPicture(triangles, frameView(r.camera, triangles.bounds, aspect),
                            {r.width, r.height, r.ornaments});
  } catch (const RenderError& e) {
    throw failure(e.what());
  }
  // The scene holds no animation: every frame is the same picture.
  for (const std::string& file : r.files) {
    const std::string why = writePng(picture, file);
    if (!why.empty()) throw failure("cannot write \"" + file + "\": " + why + ".");
  }
  return r.result;
}

}  // namespace

void registerPlayblastCommand(mel::Interpreter& interp, scene::Scene& scene) {
  commands::addCommand(
      interp, scene, "playblast",
      [](scene::Scene& s, mel::Interpreter&, const mel::Args& args) { return playblast(s, args); });
}

}  // namespace render
