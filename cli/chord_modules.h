// The parts of fretwise-chord that bring large libraries with them live in modules, opened only
// when a run asks for them: writing images (Qt's GUI and SVG parts and the canvas) and playing
// (SDL and the sound layer). A text or JSON run loads neither. Each module exports one C entry
// point that returns its one instance; the executable and the modules are built together, so the
// interfaces below may use C++ and Qt types freely.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <span>
#include <string>

#include "canvas/chord_box_files.h"
#include "cli/chord_image.h"
#include "playback/voicing_player.h"
#include "view/slot_buttons.h"

namespace fretwise::cli {

class ImageModule {
 public:
  // The application object that images need: a QGuiApplication, on the offscreen platform unless
  // QT_QPA_PLATFORM names another, with Qt's own warnings kept off stderr.
  virtual std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) = 0;
  virtual ImageResult WritePng(const QString& path, const TickSet& ticks, int candidate) = 0;
  virtual ImageResult WriteSvg(const QString& path, const TickSet& ticks, int candidate) = 0;
  virtual ImageResult WritePdf(const QString& path, const TickSet& ticks, int candidate) = 0;
  // Chord boxes as WriteChordBoxes and WriteChordSheet write them.
  virtual ImageResult WriteBoxes(const QString& path, ImageFormat format,
                                 std::span<const chordbox::ChordBox> boxes) = 0;
  virtual ImageResult WriteSheet(const QString& path, ImageFormat format,
                                 std::span<const chordbox::ChordBox> boxes,
                                 const SheetOptions& options) = 0;

 protected:
  ~ImageModule() = default;
};

class PlayModule {
 public:
  // Plays as PlayChord does, with the audio libraries' own output kept off stderr. Returns the
  // exit status; error is the first message of the play, when there is one.
  virtual int Play(const TickSet& ticks, std::string& error) = 0;
  // Plays a voicing as PlayVoicing does, likewise.
  virtual int PlayVoicing(std::span<const int> pitches, playback::Instrument instrument,
                          playback::Strum strum, std::string& error) = 0;

 protected:
  ~PlayModule() = default;
};

// Exit status 1 when a module cannot be found or loaded.
inline constexpr int kModuleError = 1;

// Each looks next to the executable first (the build tree), then in the installed module folder
// relative to it. nullptr, with one line in error, when the module cannot be loaded.
ImageModule* LoadImageModule(std::string& error);
PlayModule* LoadPlayModule(std::string& error);

}  // namespace fretwise::cli

extern "C" {
fretwise::cli::ImageModule* fretwise_image_module();
fretwise::cli::PlayModule* fretwise_play_module();
}
