// playblast of a field of N x N cubes (65,536 by default) at 1280 x 720:
// the time of each step (scene to triangles, render, PNG) and of the whole
// command, from the persp and top cameras.
#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>
#include <string>

#include "host/Host.h"
#include "mel/Output.h"
#include "render/GlRender.h"
#include "render/PngFile.h"
#include "render/SceneTriangles.h"
#include "render/ViewCamera.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  int side = 256, width = 1280, height = 720, runs = 3;
  std::string out = "/tmp/playblast_bench.png";
  CLI::App app("playblast benchmark");
  app.add_option("--size", side, "cubes per side of the field");
  app.add_option("--width", width);
  app.add_option("--height", height);
  app.add_option("--runs", runs);
  app.add_option("--out", out, "the picture written");
  CLI11_PARSE(app, argc, argv);

  mayasim::Host& host = mayasim::host();
  mel::CaptureOutput quiet;
  host.setOutputSink(&quiet);
  const std::string n = std::to_string(side);
  Clock::time_point start = Clock::now();
  // Heights vary so the field is not flat; no undo, as the generator runs.
  if (!host.execute("int $r, $c; for ($r = 0; $r < " + n + "; $r++) for ($c = 0; $c < " + n +
                        "; $c++) { float $h = 0.2 + (($r * 7 + $c * 3) % 9) * 0.1;"
                        " polyCube -w .1 -d .1 -h $h; move -a ($c * .1) ($h / 2) ($r * .1); }",
                    false, false)) {
    std::fprintf(stderr, "%s", quiet.text().c_str());
    return 1;
  }
  std::printf("scene: %d cubes made in %.2f s\n", side * side, secondsSince(start));

  for (const char* camera : {"persp", "top"}) {
    for (int run = 0; run < runs; ++run) {
      start = Clock::now();
      const render::Triangles t = render::sceneTriangles(host.scene());
      const double toTriangles = secondsSince(start);
      start = Clock::now();
      const render::View view =
          render::frameView(*render::defaultCamera(camera), t.bounds,
                            static_cast<float>(width) / static_cast<float>(height));
      const render::Picture picture = render::renderPicture(t, view, {width, height, true});
      const double draw = secondsSince(start);
      start = Clock::now();
      const std::string why = render::writePng(picture, out);
      const double png = secondsSince(start);
      start = Clock::now();
      const bool ok =
          host.execute("playblast -cf \"" + out + "\" -wh " + std::to_string(width) + " " +
                           std::to_string(height) + " -p 100 -v false -fo -cam " + camera,
                       false, false);
      const double whole = secondsSince(start);
      if (!why.empty() || !ok) {
        std::fprintf(stderr, "failed: %s %s\n", why.c_str(), quiet.text().c_str());
        return 1;
      }
      std::printf(
          "%-5s %dx%d, %zu triangles: triangles %.3f s, render %.3f s, png %.3f s; playblast %.3f "
          "s\n",
          camera, width, height, t.triangleCount(), toTriangles, draw, png, whole);
    }
  }
  std::printf("picture: %s\n", out.c_str());
  return 0;
}
