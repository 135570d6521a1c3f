// zubCmd_boxesFromImage against the real plug-in: the MEL it runs per cube,
// the cubes in the scene, its messages, interrupts and the inputs it refuses.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "GeneratorFixture.h"
#include "host/ComputationInterrupt.h"

namespace zubtest {
namespace {

using Texts = std::vector<std::string>;

constexpr char kProcessing[] = "processing zubCmd_boxesFromImage (press ESC to interrupt)...";

Rgba red(unsigned char r) { return Rgba{r, 0, 0, 255}; }

class BoxesFromImage : public GeneratorHost {
 protected:
  std::vector<double> translate(const std::string& node) {
    return eval("getAttr " + node + ".translate").asFloatArray();
  }
  // A `width` x `height` image, red everywhere.
  std::string allRed(unsigned int width, unsigned int height) {
    return writeImage("red" + std::to_string(width) + "x" + std::to_string(height) + ".png", width,
                      height, [](unsigned int, unsigned int) { return red(255); });
  }
};

TEST_F(BoxesFromImage, RedGivesHeightAndGridGivesPlace) {
  // 13 x 4: red 255 at row 0, column 0; red 51 at row 3, column 12. Every
  // other pixel has red 0 but green, blue and alpha set.
  const std::string file = writeImage("two.png", 13, 4, [](unsigned int r, unsigned int c) {
    if (r == 0 && c == 0) return red(255);
    if (r == 3 && c == 12) return red(51);
    return Rgba{0, 200, 100, static_cast<unsigned char>(c * 20)};
  });
  ASSERT_TRUE(boxes("-f \"" + file + "\"")) << takeOutput();

  EXPECT_EQ(ranTexts(), (Texts{"polyCube -width .1 -depth .1 -height 1; move -a 0 0.5 0;",
                               "polyCube -width .1 -depth .1 -height 0.2; move -a 1.2 0.1 0.3;"}));
  for (const mayasim::TraceEntry& entry : ran()) {
    EXPECT_FALSE(entry.display);
    EXPECT_FALSE(entry.undo);
  }
  EXPECT_EQ(cubeCount(), 2);
  EXPECT_EQ(translate("pCube1"), (std::vector<double>{0, 0.5, 0}));
  EXPECT_EQ(translate("pCube2"), (std::vector<double>{1.2, 0.1, 0.3}));
  EXPECT_DOUBLE_EQ(eval("getAttr polyCube2.height").asFloat(), 0.2);
  EXPECT_DOUBLE_EQ(eval("getAttr polyCube1.width").asFloat(), 0.1);

  const std::string out = takeOutput();
  const std::size_t processing = out.find(kProcessing);
  const std::size_t original = out.find("Original size: 13 4");
  const std::size_t resized = out.find("After resizing: 13 4");
  ASSERT_NE(processing, std::string::npos) << out;
  ASSERT_NE(original, std::string::npos) << out;
  ASSERT_NE(resized, std::string::npos) << out;
  EXPECT_LT(processing, original);
  EXPECT_LT(original, resized);

  // Made with undo off, and the command itself is not undoable.
  mel("undo;");
  EXPECT_EQ(cubeCount(), 2);
}

TEST_F(BoxesFromImage, AllBlackImageMakesNothingAndSucceeds) {
  const std::string file = writeImage("black.png", 6, 5, [](unsigned int r, unsigned int c) {
    return Rgba{0, static_cast<unsigned char>(r * 40), static_cast<unsigned char>(c * 40), 0};
  });
  EXPECT_TRUE(boxes("-file \"" + file + "\"")) << takeOutput();
  EXPECT_TRUE(ran().empty());
  EXPECT_EQ(cubeCount(), 0);
  const std::string out = takeOutput();
  EXPECT_NE(out.find("After resizing: 6 5"), std::string::npos) << out;
}

TEST_F(BoxesFromImage, RowsRunAlongZAndColumnsAlongX) {
  const std::string file = writeImage("order.png", 3, 2, [](unsigned int r, unsigned int c) {
    return red(static_cast<unsigned char>(255 - 10 * (r * 3 + c)));
  });
  ASSERT_TRUE(boxes("-f \"" + file + "\"")) << takeOutput();
  const Texts texts = ranTexts();
  ASSERT_EQ(texts.size(), 6u);
  // Row by row, each row column by column.
  EXPECT_NE(texts[1].find("move -a 0.1 "), std::string::npos) << texts[1];
  EXPECT_NE(texts[2].find("move -a 0.2 "), std::string::npos) << texts[2];
  EXPECT_NE(texts[3].find(" 0.1;"), std::string::npos) << texts[3];
  EXPECT_EQ(texts[5].rfind("polyCube -width .1 -depth .1 -height 0.803921568627451;", 0), 0u)
      << texts[5];
}

TEST_F(BoxesFromImage, MissingFileFlagFailsWithTheErrorOnly) {
  for (const std::string& flags : {std::string(), std::string("-s 0.5")}) {
    EXPECT_FALSE(boxes(flags));
    const std::string out = takeOutput();
    EXPECT_NE(out.find("Use -f (-filename) to specify the image-filename"), std::string::npos)
        << out;
    EXPECT_EQ(out.find("processing"), std::string::npos) << out;
    EXPECT_TRUE(ran().empty());
  }
  EXPECT_EQ(cubeCount(), 0);
}

TEST_F(BoxesFromImage, ScaleIsRememberedOnlyForItsOwnCall) {
  const std::string file = allRed(4, 2);
  ASSERT_TRUE(boxes("-f \"" + file + "\" -s 0.5")) << takeOutput();
  EXPECT_NE(takeOutput().find("After resizing: 2 1"), std::string::npos);
  EXPECT_EQ(ran().size(), 2u);

  // Without -s the scale is 1 again: the size just read is asked for.
  ASSERT_TRUE(boxes("-f \"" + file + "\"")) << takeOutput();
  EXPECT_NE(takeOutput().find("After resizing: 4 2"), std::string::npos);
  EXPECT_EQ(ran().size(), 8u);
}

TEST_F(BoxesFromImage, ThreeByTwoAtHalfScaleAsksForOneByOne) {
  const std::string file = allRed(3, 2);
  ASSERT_TRUE(boxes("-f \"" + file + "\" -scale 0.5")) << takeOutput();
  const std::string out = takeOutput();
  EXPECT_NE(out.find("Original size: 3 2"), std::string::npos) << out;
  EXPECT_NE(out.find("After resizing: 1 1"), std::string::npos) << out;
  EXPECT_EQ(ranTexts(), (Texts{"polyCube -width .1 -depth .1 -height 1; move -a 0 0.5 0;"}));
}

TEST_F(BoxesFromImage, InterruptMidRowStopsTheRowAndTheRun) {
  const std::string file = allRed(5, 3);
  ASSERT_TRUE(mel("simInterrupt -afterPolls 3;"));
  ASSERT_TRUE(boxes("-f \"" + file + "\"")) << takeOutput();
  EXPECT_EQ(ran().size(), 3u);
  EXPECT_EQ(cubeCount(), 3);
  // Three polls after cubes, then the row-end poll that ends the run.
  EXPECT_EQ(mayasim::computationPolls(), 4);
  // The computation was ended: the next run is not interrupted.
  EXPECT_EQ(eval("simInterrupt -q -running").asInt(), 0);
  ASSERT_TRUE(boxes("-f \"" + file + "\"")) << takeOutput();
  EXPECT_EQ(ran().size(), 15u);
}

TEST_F(BoxesFromImage, RequestThatDropsBeforeRowEndLetsTheNextRowRun) {
  const std::string file = allRed(5, 3);
  ASSERT_TRUE(mel("simInterrupt -afterPolls 3 -count 1;"));
  ASSERT_TRUE(boxes("-f \"" + file + "\"")) << takeOutput();
  EXPECT_EQ(ran().size(), 3u + 5u + 5u);
  const Texts texts = ranTexts();
  EXPECT_NE(texts[3].find("move -a 0 0.5 0.1;"), std::string::npos) << texts[3];
}

TEST_F(BoxesFromImage, InterruptAtRowEndStopsBeforeTheNextRow) {
  const std::string file = allRed(5, 3);
  ASSERT_TRUE(mel("simInterrupt -afterPolls 6 -count 1;"));
  ASSERT_TRUE(boxes("-f \"" + file + "\"")) << takeOutput();
  EXPECT_EQ(ran().size(), 5u);
  EXPECT_EQ(mayasim::computationPolls(), 6);
}

TEST_F(BoxesFromImage, PixelsWithoutRedAreNotPolled) {
  // Red only on the diagonal of a 4 x 4 image: 4 cubes, 4 cube polls and
  // 4 row-end polls.
  const std::string file = writeImage("diagonal.png", 4, 4, [](unsigned int r, unsigned int c) {
    return r == c ? red(128) : Rgba{0, 255, 255, 255};
  });
  ASSERT_TRUE(boxes("-f \"" + file + "\"")) << takeOutput();
  EXPECT_EQ(ran().size(), 4u);
  EXPECT_EQ(mayasim::computationPolls(), 8);
}

TEST_F(BoxesFromImage, UnreadableFileFailsNamingIt) {
  const std::string garbage = pathOf("garbage.png");
  std::ofstream(garbage) << "this is not an image";
  for (const std::string& file : {pathOf("missing.png"), garbage}) {
    EXPECT_FALSE(boxes("-f \"" + file + "\""));
    const std::string out = takeOutput();
    EXPECT_NE(out.find("cannot read the image file \"" + file + "\""), std::string::npos) << out;
    EXPECT_EQ(out.find("Original size"), std::string::npos) << out;
    EXPECT_TRUE(ran().empty());
  }
  EXPECT_EQ(cubeCount(), 0);
}

TEST_F(BoxesFromImage, ScaleThatGivesNoImageOrAHugeOneFails) {
  const std::string file = allRed(4, 3);
  struct Case {
    const char* scale;
    const char* message;
  };
  for (const Case& c :
       {Case{"0", "at least 1 by 1"}, Case{"-2", "at least 1 by 1"},
        Case{"0.3", "at least 1 by 1"},  // 1.2 x 0.9 truncates to 1 x 0
        Case{"1e9", "more than the host can hold"}, Case{"50000", "which the host cannot make"}}) {
    EXPECT_FALSE(boxes("-f \"" + file + "\" -s " + c.scale)) << c.scale;
    const std::string out = takeOutput();
    EXPECT_NE(out.find(c.message), std::string::npos) << c.scale << "\n" << out;
    EXPECT_EQ(out.find("After resizing"), std::string::npos) << out;
    EXPECT_TRUE(ran().empty()) << c.scale;
  }
  EXPECT_EQ(cubeCount(), 0);
}

}  // namespace
}  // namespace zubtest
