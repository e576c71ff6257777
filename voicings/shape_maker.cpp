// Writes the shape tables of the common hands as C++, when the tool is built: the search then
// reads them from the program instead of working them out at each run's start.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "voicings/shape_table.h"

using namespace fretwise::voicings;

namespace {

// Every number of strings up to six, at the default span: a guitar's table is 46,656 shapes; a
// seven-string's, 279,936, would make the program several megabytes larger.
constexpr int kMadeMostStrings = 6;

void WriteFingering(std::ostream& out, const Fingering& hand) {
  out << '{' << int(hand.count) << ",{{";
  for (int b = 0; b < hand.barreCount; ++b) {
    const Barre& barre = hand.barres[b];
    out << (b > 0 ? "," : "") << '{' << int(barre.fret) << ',' << int(barre.fromString) << ','
        << int(barre.toString) << '}';
  }
  out << "}}," << int(hand.barreCount) << '}';
}

// The hand taught at the window's first fret, and whether it is the same (its barres moved along)
// wherever the shape lies up the neck.
void WriteTaught(std::ostream& out, const Frets& frets, int strings, const Fingering& playable) {
  const Fingering taught = TaughtFingering(frets, strings, playable);
  const Frets fingers = FingerNumbers(frets, strings, taught);
  bool everywhere = true;
  for (int up = 1; up + kDefaultSpan <= kMostFrets; ++up) {
    Frets moved = frets;
    Fingering hand = playable;
    for (int s = 0; s < strings; ++s)
      if (moved[s] > 0) moved[s] = std::int8_t(moved[s] + up);
    for (int b = 0; b < hand.barreCount; ++b)
      hand.barres[b].fret = std::int8_t(hand.barres[b].fret + up);
    hand = TaughtFingering(moved, strings, hand);
    everywhere = everywhere && FingerNumbers(moved, strings, hand) == fingers &&
                 hand.count == taught.count && hand.barreCount == taught.barreCount;
    for (int b = 0; everywhere && b < hand.barreCount; ++b) {
      const Barre &x = hand.barres[b], &y = taught.barres[b];
      everywhere =
          x.fret == y.fret + up && x.fromString == y.fromString && x.toString == y.toString;
    }
  }
  out << '{';
  WriteFingering(out, taught);
  out << ",{";
  for (int s = 0; s < strings; ++s) out << (s > 0 ? "," : "") << int(fingers[s]);
  out << "}," << (everywhere ? "true" : "false") << "},\n";
}

void WriteTables(std::ostream& out, int strings) {
  std::ostringstream hands, taught;
  taught << "constexpr TaughtHand kTaught" << strings << "[] = {\n";
  out << "constexpr Shape kShapes" << strings << "[] = {\n";
  hands << "constexpr Fingering kFingerings" << strings << "[] = {\n";
  for (int index = 0; index < ShapeCount(strings, kDefaultSpan); ++index) {
    Fingering f;
    const Shape s = ShapeOf(FretsOfShape(index, strings, kDefaultSpan), strings, kDefaultSpan, f);
    out << "{{";
    for (int band = 0; band < kFretBands; ++band) out << (band > 0 ? "," : "") << s.points[band];
    out << "}," << int(s.highest) << ',' << int(s.silent) << ',' << int(s.mutedAboveBass) << ','
        << int(s.mutedBelowBass) << ',' << (s.playable ? "true" : "false") << ',' << int(s.fingers)
        << ',' << int(s.barres) << ",0},\n";
    if (!s.playable) {
      hands << "{},\n";
      taught << "{},\n";
      continue;
    }
    WriteTaught(taught, FretsOfShape(index, strings, kDefaultSpan), strings, f);
    WriteFingering(hands, f);
    hands << ",\n";
  }
  out << "};\n" << hands.str() << "};\n" << taught.str() << "};\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <file.cpp>\n", argv[0]);
    return 2;
  }
  const std::string path = argv[1], partial = path + ".partial";
  std::ofstream out(partial);
  out << "// Made by fretwise_shape_maker when building: the shapes as ShapeOf works them out.\n"
         "#include \"voicings/shape_table.h\"\n\n"
         "namespace fretwise::voicings {\nnamespace {\n\n";
  for (int strings = kFewestStrings; strings <= kMadeMostStrings; ++strings)
    WriteTables(out, strings);
  out << "\n}  // namespace\n\n"
         "MadeShapes MadeShapesFor(int strings, int span) {\n"
         "  if (span != "
      << kDefaultSpan << ") return {};\n  switch (strings) {\n";
  for (int strings = kFewestStrings; strings <= kMadeMostStrings; ++strings)
    out << "    case " << strings << ": return {kShapes" << strings << ", kFingerings" << strings
        << ", kTaught" << strings << "};\n";
  out << "  }\n  return {};\n}\n\n}  // namespace fretwise::voicings\n";
  out.close();
  if (!out || std::rename(partial.c_str(), path.c_str()) != 0) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
    return 1;
  }
  return 0;
}
