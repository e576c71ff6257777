// A surface source that writes down every drawing call, in order, with its arguments, and notes
// every misuse: two surfaces out at once, an object used after it was deleted or never made, an
// object deleted while selected, and objects still alive when their surface is released.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "draw/surface.h"

namespace fretwise::test {

// The calls whose text starts with prefix ("TextOut", "RoundRect", ...).
std::vector<std::string> Only(const std::vector<std::string>& calls, std::string_view prefix);

class RecordingSource final : public SurfaceSource {
 public:
  Surface* GetDC() override;
  void ReleaseDC(Surface* surface) override;
  // The surface a paint notification hands in: logged like the others, but not acquired.
  Surface& Paint();

  std::vector<std::string> calls;
  std::vector<std::string> problems;
  int outstanding = 0;
  std::vector<std::string> Only(std::string_view prefix) const { return test::Only(calls, prefix); }

 private:
  friend class RecordingSurface;
  std::vector<std::unique_ptr<Surface>> surfaces_;
};

}  // namespace fretwise::test
