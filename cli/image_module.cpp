// The image module: Qt's GUI and SVG parts, the canvas, and the drawing of chords into files.
#include <QGuiApplication>

#include "cli/chord_modules.h"
#include "cli/one_line.h"
#include "cli/user_text.h"

namespace fretwise::cli {
namespace {

// Qt's own debug output and warnings (the offscreen platform warns about a runtime folder it does
// not need) stay off stderr, which is for the tool's one line.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) ReportError(Utf8(text));
}

class Images final : public ImageModule {
 public:
  std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) override {
    // Images are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    return std::make_unique<QGuiApplication>(argc, argv);
  }
  ImageResult WritePng(const QString& path, const TickSet& ticks, int candidate) override {
    return cli::WritePng(path, ticks, candidate);
  }
  ImageResult WriteSvg(const QString& path, const TickSet& ticks, int candidate) override {
    return cli::WriteSvg(path, ticks, candidate);
  }
  ImageResult WritePdf(const QString& path, const TickSet& ticks, int candidate) override {
    return cli::WritePdf(path, ticks, candidate);
  }
  ImageResult WriteBoxes(const QString& path, ImageFormat format,
                         std::span<const chordbox::ChordBox> boxes) override {
    return cli::WriteBoxes(path, format, boxes);
  }
  ImageResult WriteSheet(const QString& path, ImageFormat format,
                         std::span<const chordbox::ChordBox> boxes,
                         const SheetOptions& options) override {
    return cli::WriteSheet(path, format, boxes, options);
  }
};

}  // namespace
}  // namespace fretwise::cli

fretwise::cli::ImageModule* fretwise_image_module() {
  static fretwise::cli::Images images;
  return &images;
}
