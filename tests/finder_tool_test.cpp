// fretwise-chord's chord finder: --voicings, --chord, --name and --batch.
#include <gtest/gtest.h>

#include "support/tool_run.h"

namespace fretwise::test {
namespace {

TEST(FinderTool, VoicingsNamesAndTunings) {
  // 26 as the README's weights add up: 3 fingers, a stretch of 2, position 1, 1 muted, 2 open.
  EXPECT_EQ(Tool({"--chord", "C", "--max", "1", "--json"}).out,
            R"({"query":{"chord":"C","max":1,"span":4},"tuning":["E2","A2","D3","G3","B3","E4"],)"
            R"("voicings":[{"barre":null,"barres":[],"fingers":[0,3,2,0,1,0],)"
            R"("frets":[-1,3,2,0,1,0],"name":"C","names":["C"],)"
            R"("pitches":["C3","E3","G3","C4","E4"],"score":26}]})"
            "\n");
  EXPECT_EQ(Tool({"--chord", "C", "--max", "1"}).out,
            "1: x 3 2 0 1 0  fingers x 3 2 0 1 0  C  C3 E3 G3 C4 E4\n");
  EXPECT_EQ(Json(Tool({"--voicings", "C2", "C3", "E3", "--tuning", "C2 A2 D3 G3 B3 E4", "--json"})
                     .out)["voicings"][0]["frets"],
            QJsonArray({0, 3, 2, -1, -1, -1}));
  EXPECT_EQ(Tool({"--voicings", "C1", "E4"}).out, "No playable voicing.\n");
  EXPECT_EQ(Tool({"--name", "C3", "E3", "G3", "A3"}).out, "C6\nAm7/C\n");
  EXPECT_EQ(Tool({"--name", "A\u266D2", "C4", "E\u266D4", "--json"}).out,
            R"({"names":["Ab"],"query":{"notes":["G#2","C4","D#4"]}})"
            "\n");
}

TEST(FinderTool, BatchAnswersEachLineAndGoesOnAfterABadOne) {
  const ToolRun run = Tool(
      {"--batch"}, {.input = "--chord Am7 --max 2\n--chord Hm7\nC4 E4 G4 --max 1\n"
                             "--name C4 E4 G4\n--voicings E2 B2 E3 --tuning drop-d --max 1\n"});
  const QList<QByteArray> lines = run.out.split('\n');
  ASSERT_EQ(std::pair(run.status, lines.size()), std::pair(0, qsizetype(6)))
      << run.Out().toStdString();
  EXPECT_EQ(lines[1],
            R"x({"error":"chord 'Hm7' is not a chord symbol (like C, F#m7, Bbmaj7 or Am7/G)"})x");
  EXPECT_EQ(std::tuple(Json(lines[0])["voicings"].toArray().size(), Json(lines[2])["name"],
                       Json(lines[2])["candidates"].toArray().size(), Json(lines[3])["names"],
                       Json(lines[4])["tuning"][0]),
            std::tuple(2, QJsonValue("C"), 1, QJsonValue(QJsonArray{"C"}), QJsonValue("D2")));
}

}  // namespace
}  // namespace fretwise::test
