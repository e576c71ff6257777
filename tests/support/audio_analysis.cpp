#include "support/audio_analysis.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace fretwise::test {

namespace {

// The lag at which d (the normalised difference) first dips below the threshold, at the bottom
// of that dip; else the lag of its smallest value. Lags below first are not considered.
std::size_t FirstDip(const std::vector<double>& d, std::size_t first) {
  constexpr double kThreshold = 0.15;
  std::size_t best = first;
  for (std::size_t tau = first; tau + 1 < d.size(); ++tau) {
    if (d[tau] < kThreshold) {
      while (tau + 1 < d.size() && d[tau + 1] < d[tau]) ++tau;
      return tau;
    }
    if (d[tau] < d[best]) best = tau;
  }
  return best;
}

}  // namespace

std::optional<double> EstimatePitch(std::span<const float> samples, double rate, double lowest,
                                    double highest) {
  const auto shortest = std::size_t(std::floor(rate / highest));
  const auto longest = std::size_t(std::ceil(rate / lowest)) + 1;
  if (samples.size() < 2 * longest) return std::nullopt;
  const std::size_t window = samples.size() - longest;

  std::vector<double> d(longest + 1, 1.0);
  double sum = 0;
  for (std::size_t tau = 1; tau <= longest; ++tau) {
    double difference = 0;
    for (std::size_t i = 0; i < window; ++i) {
      const double delta = double(samples[i]) - samples[i + tau];
      difference += delta * delta;
    }
    sum += difference;
    d[tau] = sum > 0 ? difference * double(tau) / sum : 1.0;
  }
  const std::size_t tau = FirstDip(d, shortest);
  if (tau <= 1 || tau >= longest || d[tau] > 0.5) return std::nullopt;
  // A parabola through the dip and its neighbours places the period between samples.
  const double a = d[tau - 1], b = d[tau], c = d[tau + 1];
  const double offset = (a - c) / (2 * (a - 2 * b + c));
  return rate / (double(tau) + offset);
}

double MidiFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

double Cents(double frequency, double reference) {
  return 1200.0 * std::log2(frequency / reference);
}

}  // namespace fretwise::test
