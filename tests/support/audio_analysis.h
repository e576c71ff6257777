// Small measurements of sound for the tests: the pitch of a note. Samples are floats, full scale 1.
#pragma once

#include <optional>
#include <span>

namespace fretwise::test {

// The fundamental frequency of a pitched sound, found from its period (the cumulative mean
// normalised difference of the samples with themselves), so a note whose fundamental is weaker
// than its overtones is still heard at its pitch. Nothing when no period in the range repeats.
std::optional<double> EstimatePitch(std::span<const float> samples, double rate, double lowest,
                                    double highest);

// The frequency of a MIDI note in equal temperament, A4 = 440 Hz.
double MidiFrequency(int midi);

// The distance from reference to frequency in cents (hundredths of a semitone).
double Cents(double frequency, double reference);

}  // namespace fretwise::test
