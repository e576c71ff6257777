// The chords a ChordPro song uses, and the {define} lines of chord boxes read back.
#include "chordpro/chordpro.h"

#include <gtest/gtest.h>

namespace fretwise::chordpro {
namespace {

using chordbox::ChordBox;

// "name" for a chord the song gives no shape for, "name=define line" for one it does.
std::string Listed(const Song& song) {
  std::string listed = song.title + ":";
  for (const SongChord& chord : song.chords)
    listed += " " + chord.name + (chord.shape ? "=" + DefineLine(*chord.shape) : "");
  return listed;
}

TEST(ChordPro, ASongsChordsInOrderOfFirstUseOnceEach) {
  const std::pair<const char*, std::string> rows[] = {
      {"\xEF\xBB\xBF{title: Morning Song}\r\n{t: Other}\r\n[C]Hello [G/B]world, [C]hel[Am7 ]lo\r\n",
       "Morning Song: C G/B Am7"},
      {"{t:Riffs}\n[N.C.]Stop! [*Riff] [E5] [(break)] [Hmm] [E5\n[A5]", "Riffs: E5 A5"},
      {"# [F] in a comment\n{start_of_tab}\ne|--[3]--|\n{end_of_tab}\n{c: [Bb] in a comment}\n[D]",
       ": D"},
      {"[Am]x [Dm]y\n{define: Am base-fret 1 frets x 0 2 2 1 0 fingers 0 0 2 3 1 0}\n",
       ": Am={define: Am base-fret 1 frets x 0 2 2 1 0 fingers 0 0 2 3 1 0} Dm"},
      {"{define: Riff1 base-fret 5 frets 1 3 x x x x}\n{chord: G}\n[Riff1]\n"
       "{chord: Bm base-fret 2 frets x 1 3 3 2 1 fingers 0 1 3 4 2 1}\n",
       ": G Riff1={define: Riff1 base-fret 5 frets 1 3 x x x x fingers 0 0 0 0 0 0} "
       "Bm={define: Bm base-fret 2 frets x 1 3 3 2 1 fingers 0 1 3 4 2 1}"},
      {"{define: C frets x 3 2 0 1 0}\n{define: C frets 8 10 10 9 8 8}\n[C]",
       ": C={define: C base-fret 1 frets 8 10 10 9 8 8 fingers 0 0 0 0 0 0}"},
  };
  for (const auto& [text, listed] : rows) EXPECT_EQ(Listed(ReadSong(text)), listed) << text;
}

TEST(ChordPro, ABodyThatIsNoShapeGivesNone) {
  for (const char* body : {"", "Am", "Am frets x 0", "Am base-fret 0 frets x 0 2 2 1 0",
                           "Am base-fret 1 2 frets x 0 2 2 1 0", "Am frets x 0 2 2 1 0 0 0 0",
                           "Am frets x 0 2 2 1 0 fingers 0 0 2", "Am frets x 0 2 two 1 0",
                           "Am frets x 0 2 -2 1 0", "Am 1 x 0 2 2 1 0"})
    EXPECT_EQ(ReadShape(body), std::nullopt) << body;
}

TEST(ChordPro, ADefineLineReadsBackInASongAsTheSameBox) {
  const auto box = [](std::string name, int first, std::vector<chordbox::StringNote> notes,
                      std::vector<chordbox::Barre> barres) {
    ChordBox box;
    box.name = name, box.strings = static_cast<int>(notes.size()), box.firstFret = first;
    box.notes = notes, box.barres = barres;
    return box;
  };
  const std::pair<ChordBox, std::string> rows[] = {
      {box("Am7", 1, {{-1, 0}, {0, 0}, {2, 2}, {0, 0}, {1, 1}, {0, 0}}, {}),
       "{define: Am7 base-fret 1 frets x 0 2 0 1 0 fingers 0 0 2 0 1 0}"},
      {box("Am7", 5, {{5, 1}, {7, 3}, {5, 1}, {5, 1}, {5, 1}, {5, 1}}, {{5, 6, 1}}),
       "{define: Am7 base-fret 5 frets 1 3 1 1 1 1 fingers 1 3 1 1 1 1}"},
      {box("D7", 1, {{2, 2}, {0, 0}, {2, 3}, {0, 0}}, {}),
       "{define: D7 base-fret 1 frets 2 0 2 0 fingers 2 0 3 0}"},
      {box("C#m", 4, {{-1, 0}, {4, 1}, {6, 3}, {6, 4}, {5, 2}, {4, 1}}, {{4, 5, 1}}),
       "{define: C#m base-fret 4 frets x 1 3 3 2 1 fingers 0 1 3 4 2 1}"},
  };
  for (const auto& [shape, line] : rows) {
    EXPECT_EQ(DefineLine(shape), line);
    const Song song = ReadSong(line + "\n[" + shape.name + "]");
    ASSERT_EQ(song.chords.size(), 1u) << line;
    EXPECT_EQ(song.chords[0].shape, shape) << line;
  }
}

}  // namespace
}  // namespace fretwise::chordpro
