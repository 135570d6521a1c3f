// Where parsed trees live: nodes packed into an arena's blocks, a procedure
// that outlives the text defining it, long texts and texts that fail half
// way. The sanitizer build runs these too: a node used after its tree went,
// or an arena kept alive by its own procedures, shows up there.
#include <cstdint>
#include <string>
#include <vector>

#include "MelFixture.h"
#include "mel/NodeArena.h"
#include "mel/Parser.h"

namespace {

struct alignas(16) Wide {
  std::uint64_t a = 0, b = 0;
};
struct Narrow {
  char c = 0;
};

}  // namespace

TEST(NodeArena, PlacesNodesAlignedAndApartAcrossManyBlocks) {
  mel::NodeArena arena;
  std::vector<Wide*> wide;
  std::vector<Narrow*> narrow;
  std::vector<std::string*> strings;
  for (int i = 0; i < 20000; ++i) {
    narrow.push_back(arena.make<Narrow>());
    narrow.back()->c = static_cast<char>(i);
    Wide* w = arena.make<Wide>();
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(w) % alignof(Wide), 0u) << i;
    w->a = static_cast<std::uint64_t>(i);
    w->b = ~w->a;
    wide.push_back(w);
    if (i % 100 == 0) strings.push_back(arena.make<std::string>(std::string(40, 'x')));
  }
  for (std::size_t i = 0; i < wide.size(); ++i) {
    ASSERT_EQ(narrow[i]->c, static_cast<char>(i)) << i;
    ASSERT_EQ(wide[i]->a, i) << i;
    ASSERT_EQ(wide[i]->b, ~static_cast<std::uint64_t>(i)) << i;
  }
  for (std::string* s : strings) {
    EXPECT_EQ(*s, std::string(40, 'x'));
    mel::NodeDelete{}(s);  // its heap text goes now, its bytes with the arena
  }
}

TEST_F(MelTest, AProcedureOutlivesTheTextThatDefinedIt) {
  // Each definition is a text of its own, parsed once and dropped; the
  // last one replaces the earlier and lets their trees go.
  for (int i = 0; i < 3; ++i)
    out("global proc string tag() { string $s[] = {\"a\", \"v" + std::to_string(i) +
        "\"}; return $s[1]; } // " + std::to_string(i));
  for (int i = 0; i < 200; ++i) out("int $x" + std::to_string(i) + " = " + std::to_string(i) + ";");
  EXPECT_EQ(out("print(tag());"), "v2");
}

TEST_F(MelTest, LongTextsRunAndTextsFailingHalfWayGiveBackTheirTrees) {
  std::string text = "int $t = 0;\n";
  int expected = 0;
  for (int i = 0; i < 3000; ++i) {
    text += "if ($t >= 0) { $t += " + std::to_string(i % 7) + "; }\n";
    expected += i % 7;
  }
  EXPECT_EQ(out(text + "print $t;"), std::to_string(expected));
  EXPECT_THROW(mel::parseScript(text + "print (;", "long.mel"), mel::ParseError);
}
