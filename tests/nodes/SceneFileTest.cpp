// Maya ASCII files: a scene saved, emptied and opened again is the same
// scene (nodes, names, values, connections, and the wheel still turns);
// files that cannot be opened leave the scene as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "NodesFixture.h"
#include "TempFolder.h"

namespace nodestest {
namespace {

namespace fs = std::filesystem;

class SceneFile : public NodesHost {
 protected:
  std::string path(const std::string& name) const { return dir_ / name; }
  std::string text(const std::string& name) const {
    std::ostringstream s;
    s << std::ifstream(path(name)).rdbuf();
    return s.str();
  }

  // Everything that must survive a round trip, independent of node ids.
  std::set<std::string> describe() {
    std::set<std::string> out;
    for (scene::NodeId id : scene().allNodes()) {
      const scene::Node* n = scene().node(id);
      const std::string path = scene().fullPath(id);
      out.insert(path + " : " + n->type().name());
      for (const scene::AttrDecl& a : n->type().attrs()) {
        const scene::Plug p{id, a.index};
        if (scene::isNumeric(a.type))
          out.insert(path + "." + a.longName + " = " + std::to_string(scene().getDouble(p)));
        if (a.type == scene::AttrType::String)
          out.insert(path + "." + a.longName + " = " + scene().getString(p));
        if (scene().isLocked(p)) out.insert(path + "." + a.longName + " locked");
      }
      for (const scene::Link& l : n->links()) {
        if (!l.incoming)
          out.insert(scene().plugName({id, l.attr}) + " -> " + scene().plugName(l.other));
      }
    }
    return out;
  }

  void buildRig() {
    const std::string node = eval("createNode -n roller zubNode001").asString();
    ASSERT_TRUE(
        run("polyCube -w 2 -h 2 -d .5 -n wheel; move -a 0 1 0;"
            "connectAttr wheel.tx roller.distance; connectAttr wheel.ty roller.radius;"
            "connectAttr roller.rotation wheel.rz;"
            "setAttr wheel.tx 1.5707963267948966; setAttr wheel.sx 1.25;"
            "createNode transform -n holder; parent wheel holder; setAttr holder.ry 30;"
            "polyCube -n hidden; setAttr hidden.v 0; setAttr hidden.rx 45;"))
        << takeOutput();
  }

  zubtest::TempFolder dir_{"zubSceneFile"};
};

TEST_F(SceneFile, SavedSceneOpensAsTheSameSceneAndStillEvaluates) {
  buildRig();
  const std::string file = path("rig.ma");
  EXPECT_EQ(eval("file -rename \"" + file + "\"").asString(), file);
  ASSERT_TRUE(run("file -type \"mayaAscii\";"));
  EXPECT_EQ(eval("file -save").asString(), file);
  EXPECT_EQ(eval("file -q -sceneName").asString(), file);
  const std::set<std::string> before = describe();

  ASSERT_TRUE(run("file -f -new;"));
  EXPECT_EQ(scene().nodeCount(), 0u);
  EXPECT_EQ(eval("file -q -sceneName").asString(), "");
  EXPECT_EQ(eval("file -force -open \"" + file + "\"").asString(), file);
  EXPECT_EQ(describe(), before);

  // The wheel rolls on: half a turn more along X turns it by another -90 degrees.
  EXPECT_NEAR(number("getAttr wheel.rz"), -90.0, 1e-6);
  ASSERT_TRUE(run("setAttr wheel.tx 3.141592653589793;"));
  EXPECT_NEAR(number("getAttr wheel.rz"), -180.0, 1e-6);

  // Saving again over the file, and the copy reads back the same.
  ASSERT_TRUE(run("file -save -force;"));
  const std::set<std::string> moved = describe();
  ASSERT_TRUE(run("file -f -new; file -f -o \"" + file + "\";"));
  EXPECT_EQ(describe(), moved);
}

TEST_F(SceneFile, FileIsMayaAsciiWithRequiresUnitsAndValuesInDegrees) {
  buildRig();
  ASSERT_TRUE(run("fileInfo \"comment\" \"say \\\"hi\\\"\"; file -rename \"" + path("rig.ma") +
                  "\"; file -save;"));
  const std::string ma = text("rig.ma");
  EXPECT_EQ(ma.rfind("//Maya ASCII", 0), 0u) << ma;
  for (const char* line :
       {"requires maya \"", "requires \"zubNodes\" \"1.0\";\n",
        "currentUnit -l centimeter -a degree -t film;\n",
        "fileInfo \"comment\" \"say \\\"hi\\\"\";\n",
        "createNode transform -n \"holder\";\n\tsetAttr \".r\" -type \"double3\" 0 30 0 ;\n",
        "createNode transform -n \"wheel\" -p \"holder\";\n",
        "createNode mesh -n \"wheelShape\" -p \"wheel\";\n", "\tsetAttr \".v\" no;\n",
        "connectAttr \"roller.rotation\" \"wheel.rotateZ\";\n", "// End of rig.ma\n"}) {
    EXPECT_NE(ma.find(line), std::string::npos) << line << "\n" << ma;
  }
  // Connected values come from their connection, not from a setAttr.
  EXPECT_EQ(ma.find("\".rz\""), std::string::npos) << ma;
  // No plug-in nodes, no requires for the plug-in.
  ASSERT_TRUE(
      run("file -f -new; polyCube; file -rename \"" + path("plain.ma") + "\"; file -save;"));
  EXPECT_EQ(text("plain.ma").find("zubNodes"), std::string::npos);
}

TEST_F(SceneFile, FilesThatCannotBeOpenedLeaveTheSceneAsItWas) {
  buildRig();
  const std::set<std::string> before = describe();
  std::ofstream(path("notes.ma")) << "just some text\n";
  std::ofstream(path("needs.ma")) << "//Maya ASCII 2022 scene\nrequires \"noSuchPlugin\" "
                                     "\"1.0\";\ncreateNode transform -n \"x\";\n";
  std::ofstream(path("broken.ma"))
      << "//Maya ASCII 2022 scene\ncreateNode transform -n \"x\";\n\tsetAttr \".noSuchAttr\" 1;\n";
  const std::pair<const char*, const char*> cases[] = {
      {"missing.ma", "cannot read"},
      {"notes.ma", "is not a Maya ASCII file"},
      {"needs.ma", "requires plug-in \"noSuchPlugin\""},
      {"broken.ma", "could not be read"},
  };
  for (const auto& [name, message] : cases) {
    takeOutput();
    EXPECT_FALSE(run("file -f -o \"" + path(name) + "\";")) << name;
    EXPECT_NE(out.text().find(message), std::string::npos) << name << ": " << out.text();
    EXPECT_EQ(describe(), before) << name;
  }
  EXPECT_FALSE(run("file -f -new; file -save;"));  // untitled
  EXPECT_FALSE(run("file -type \"mayaBinary\";"));
  EXPECT_FALSE(run("file -rename \"" + path("no/dir/x.ma") + "\"; file -save;"));
  EXPECT_FALSE(fs::exists(path("no")));
}

}  // namespace
}  // namespace nodestest
