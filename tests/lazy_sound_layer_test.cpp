// The window's sound layer is loaded on the first play: the program starts without SDL, a chord
// plays as before, and a layer that cannot be loaded is the play's one message.
#include "app/lazy_sound_layer.h"

#include <gtest/gtest.h>

#include "support/recorders.h"
#include "support/tool_run.h"

namespace fretwise::test {
namespace {

TEST(WindowSound, TheProgramStartsWithoutSdl) {
  const QString needed = Tool({FRETWISE_PROGRAM}, {.program = "ldd"}).Out();
  EXPECT_TRUE(needed.contains("libQt6Widgets") && !needed.contains("libSDL2"))
      << needed.toStdString();
}

TEST(WindowSound, TheLayerIsMadeOnTheFirstPlayOrSaysWhyItCannotBe) {
  // Whether the layer can be made, and what the view's first play does through it.
  const std::pair<bool, std::vector<std::string>> rows[] = {
      {true, {"BeginChord", "Open .\\wav\\6\\C4.wav", "Play 1", "EndChord"}},
      {false, {"Message オーディオデバイスを開けません: no sound module here"}},
  };
  for (const auto& [loads, calls] : rows) {
    SCOPED_TRACE(loads ? "the layer loads" : "it does not");
    ViewRig rig;
    int made = 0;
    app::LazySoundLayer lazy([&](std::string& error) -> std::unique_ptr<SoundLayer> {
      ++made;
      if (!loads) error = "no sound module here";
      return loads ? std::make_unique<FakeSound>(rig.log) : nullptr;
    });
    rig.view.emplace(ViewPorts{rig.ticks, rig.rec, rig.rec, rig.rec, lazy});
    rig.ticks.Tick(48);  // C2
    rig.view->OnShowNotes();
    rig.log.clear();
    EXPECT_EQ(made, 0) << "nothing is loaded before a play";
    rig.view->OnPlay();
    EXPECT_EQ(rig.log, calls);
    rig.view.reset();  // it closes its sounds through the layer, which goes first
  }
}

}  // namespace
}  // namespace fretwise::test
