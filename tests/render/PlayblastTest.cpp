// playblast: what the pictures show (nothing but background for an empty or
// hidden scene, objects where the camera sees them), their size, the file
// names, and the requests refused without writing anything.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "HostFixture.h"
#include "PictureFile.h"
#include "TempFolder.h"

namespace rendertest {
namespace {

namespace fs = std::filesystem;

constexpr Rgb kBackground{92, 92, 92};
// Plain pictures: the size asked for, no grid.
constexpr char kPlain[] =
    " -format image -compression \"png\" -percent 100 -viewer false -showOrnaments false -fo";

// Where the non-background pixels are.
struct Extent {
  int count = 0, x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
  int width() const { return x1 - x0 + 1; }
  int height() const { return y1 - y0 + 1; }
  double centerX() const { return (x0 + x1) / 2.0; }
  double centerY() const { return (y0 + y1) / 2.0; }
};

Extent extentOf(const PictureFile& p) {
  Extent e;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if (p.at(x, y) == kBackground) continue;
      ++e.count;
      e.x0 = std::min(e.x0, x);
      e.y0 = std::min(e.y0, y);
      e.x1 = std::max(e.x1, x);
      e.y1 = std::max(e.y1, y);
    }
  }
  return e;
}

class Playblast : public HostTest {
 protected:
  std::string path(const std::string& name) const { return dir_ / name; }

  // Renders through `camera` at w x h and reads the picture back.
  PictureFile shoot(const std::string& camera, int w = 160, int h = 120) {
    const std::string file = path(camera + ".png");
    mel("playblast -cf \"" + file + "\" -wh " + std::to_string(w) + " " + std::to_string(h) +
        " -camera " + camera + kPlain);
    return readPicture(file);
  }
  bool fails(const std::string& flags) {
    return !host().execute("playblast " + flags, false, true);
  }
  std::vector<std::string> files() const {
    std::vector<std::string> out;
    for (const auto& entry : fs::directory_iterator(dir_.path()))
      out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
  }

  zubtest::TempFolder dir_{"zubPlayblast"};
};

TEST_F(Playblast, EmptySceneIsBackgroundOnlyAndTheGridIsAnOrnament) {
  for (const char* camera : {"persp", "top", "front", "side"}) {
    const PictureFile p = shoot(camera);
    ASSERT_TRUE(p.ok()) << camera;
    EXPECT_EQ(extentOf(p).count, 0) << camera;
  }
  const std::string withGrid = path("grid.png");
  mel("playblast -cf \"" + withGrid + "\" -wh 160 120 -p 100 -v false");
  EXPECT_GT(extentOf(readPicture(withGrid)).count, 100);
}

TEST_F(Playblast, HiddenObjectsAndChildrenOfHiddenParentsDoNotAppear) {
  mel("polyCube; setAttr pCube1.visibility 0;");
  EXPECT_EQ(extentOf(shoot("persp")).count, 0);

  mel("setAttr pCube1.visibility 1; createNode transform -n holder; parent pCube1 holder;");
  EXPECT_GT(extentOf(shoot("persp")).count, 0);
  mel("setAttr holder.visibility 0;");
  EXPECT_EQ(extentOf(shoot("persp")).count, 0);

  // A hidden shape under a visible transform is not drawn either.
  mel("setAttr holder.visibility 1; setAttr pCubeShape1.visibility 0;");
  EXPECT_EQ(extentOf(shoot("top")).count, 0);
}

TEST_F(Playblast, PictureHasTheSizeAskedForScaledByPercent) {
  EXPECT_EQ(shoot("persp", 321, 123).width, 321);
  EXPECT_EQ(shoot("persp", 321, 123).height, 123);

  const std::string half = path("half.png");
  mel("playblast -cf \"" + half + "\" -wh 640 480 -percent 50 -v false");
  EXPECT_EQ(readPicture(half).width, 320);
  EXPECT_EQ(readPicture(half).height, 240);

  // Maya's defaults: half of 960 x 540.
  const std::string plain = path("default.png");
  mel("playblast -cf \"" + plain + "\" -v false");
  EXPECT_EQ(readPicture(plain).width, 480);
  EXPECT_EQ(readPicture(plain).height, 270);
}

TEST_F(Playblast, ReturnsTheFileNameAndNumbersFramesOfAFilename) {
  const std::string one = path("one.png");
  EXPECT_EQ(mel("playblast -cf \"" + one + "\" -v false").asString(), one);

  const std::string base = path("shot");
  EXPECT_EQ(mel("playblast -f \"" + base + "\" -fr 3 -fr 12 -v false").asString(),
            base + ".####.png");
  EXPECT_EQ(mel("playblast -f \"" + base + "\" -framePadding 2 -v false -fo").asString(),
            base + ".##.png");
  EXPECT_EQ(files(),
            (std::vector<std::string>{"one.png", "shot.0003.png", "shot.0012.png", "shot.01.png"}));
  EXPECT_TRUE(readPicture(path("shot.0012.png")).ok());
}

TEST_F(Playblast, CamerasLookAlongTheirAxes) {
  // A post along Y at the origin and a beam along X, off to +X and +Z.
  mel("polyCube -w .2 -h 3 -d .2 -n post; move -a 0 1.5 0;"
      "polyCube -w 3 -h .2 -d .2 -n beam; move -a 4 0.1 2;");
  mel("setAttr beam.visibility 0;");
  const Extent postFront = extentOf(shoot("front"));
  const Extent postTop = extentOf(shoot("top"));
  EXPECT_GT(postFront.height(), 5 * postFront.width());  // tall from the front
  EXPECT_NEAR(postTop.height(), postTop.width(), 2);     // a square from above
  mel("setAttr beam.visibility 1; setAttr post.visibility 0;");
  const Extent beamFront = extentOf(shoot("front"));
  const Extent beamSide = extentOf(shoot("side"));
  EXPECT_GT(beamFront.width(), 5 * beamFront.height());  // long from the front
  EXPECT_NEAR(beamSide.height(), beamSide.width(), 2);   // end-on from the side

  // top: +X to the right, +Z down the picture; side: +Z to the left. The
  // cube to the south is the tall one.
  mel("delete post beam; polyCube -n east; move -a 3 0 0; polyCube -h 3 -n south; move -a 0 1.5 "
      "3;");
  const PictureFile top = shoot("top", 100, 100);
  auto quadrant = [](const PictureFile& p, int qx, int qy) {
    int n = 0;
    for (int y = qy * p.height / 2; y < (qy + 1) * p.height / 2; ++y)
      for (int x = qx * p.width / 2; x < (qx + 1) * p.width / 2; ++x)
        n += p.at(x, y) == kBackground ? 0 : 1;
    return n;
  };
  EXPECT_GT(quadrant(top, 1, 0), 100);  // east: right, top
  EXPECT_GT(quadrant(top, 0, 1), 100);  // south: left, bottom
  EXPECT_EQ(quadrant(top, 0, 0), 0);
  EXPECT_EQ(quadrant(top, 1, 1), 0);
  const PictureFile side = shoot("side", 100, 100);
  EXPECT_GT(quadrant(side, 0, 0), 100);  // the tall south cube reaches the top on the left
  EXPECT_EQ(quadrant(side, 1, 0), 0);
}

TEST_F(Playblast, PerspFramesEverythingVisibleWhereverItIs) {
  mel("polyCube -w 2 -h 2 -d 2; move -a 500 40 -300; polyCube; move -a 505 40 -300; polyCube -n "
      "far; move -a 0 0 0;"
      "setAttr far.visibility 0;");
  for (const char* camera : {"persp", "top", "front", "side"}) {
    const Extent e = extentOf(shoot(camera));
    ASSERT_GT(e.count, 0) << camera;
    EXPECT_TRUE(e.x0 > 0 && e.y0 > 0 && e.x1 < 159 && e.y1 < 119)
        << camera << ": touches the border";
    EXPECT_TRUE(e.width() > 80 || e.height() > 60) << camera << ": fills the view";
  }
}

TEST_F(Playblast, BadRequestsAreErrorsAndWriteNothing) {
  mel("polyCube;");
  const std::string target = "\"" + path("x.png") + "\"";
  const char* bad[] = {
      " -bogus 1",          // unknown flag
      " -wh 0 100 -p 100",  // empty size
      " -wh 100 -5 -p 100",
      " -wh 100 100 -p 5",       // percent out of 10..100
      " -wh 100000 100 -p 100",  // beyond the largest side
      " -wh 1.5 100",            // not a whole number
      " -format movie",
      " -compression \"jpg\"",
      " -camera persp1",
      " -viewer true",
      " -fr 2",  // frames go with -filename
  };
  for (const char* flags : bad) {
    EXPECT_TRUE(fails("-cf " + target + flags)) << flags;
    EXPECT_NE(out.text().find("// Error: "), std::string::npos) << flags;
  }
  EXPECT_TRUE(fails("-v false"));  // no file name
  EXPECT_TRUE(fails("-cf \"\" -v false"));
  EXPECT_TRUE(fails("-cf \"" + path("missing/dir/x.png") + "\" -v false"));  // unwritable
  EXPECT_TRUE(files().empty());

  // An existing file is kept unless -forceOverwrite says otherwise.
  std::ofstream(path("x.png")) << "keep";
  EXPECT_TRUE(fails("-cf " + target + " -v false"));
  EXPECT_EQ(std::ifstream(path("x.png")).rdbuf()->in_avail() > 0, true);
  std::string kept;
  std::ifstream(path("x.png")) >> kept;
  EXPECT_EQ(kept, "keep");
  mel("playblast -cf " + target + " -v false -fo");
  EXPECT_TRUE(readPicture(path("x.png")).ok());
  EXPECT_EQ(files(), std::vector<std::string>{"x.png"});
}

}  // namespace
}  // namespace rendertest
