// The drawing operations the staff, the fretboard diagram and the view's paint use, in view client
// pixels (origin top-left, y down, no scaling).
#pragma once

#include <cstdint>
#include <string_view>

namespace fretwise {

// Packed with red in the low byte, green next, blue third.
using Colour = std::uint32_t;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;

// A pen or a brush made by a surface. 0 is never an object.
using ObjectId = std::uint32_t;

// A surface starts with a black 1-pixel pen and a white brush, and draws text black on opaque
// white, placed by its top-left corner.
class Surface {
 public:
  virtual ~Surface() = default;
  // A solid pen 1 pixel wide, the only kind the drawing uses.
  virtual ObjectId CreatePen(Colour colour) = 0;
  virtual ObjectId CreateSolidBrush(Colour colour) = 0;
  // Later lines and outlines use a selected pen, later interiors a selected brush. Returns the
  // object of the same kind that was selected before.
  virtual ObjectId SelectObject(ObjectId object) = 0;
  virtual void DeleteObject(ObjectId object) = 0;
  // Fills columns left..right-1 and rows top..bottom-1 with the brush; no outline.
  virtual void FillRect(int left, int top, int right, int bottom, ObjectId brush) = 0;
  // Pen outline and brush interior. With corners 90, 90 on the small boxes drawn here, the
  // ellipse inscribed in columns left..right-1 and rows top..bottom-1.
  virtual void RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                         int cornerHeight) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // From the current point, end point not drawn; the end point becomes current.
  virtual void LineTo(int x, int y) = 0;
  // UTF-8 text with its top-left corner at (x, y).
  virtual void TextOut(int x, int y, std::string_view text) = 0;
};

// Where drawing passes get their surfaces: the view's client area. At most one surface is out at a
// time; a pass gives its surface back before anything else may draw.
class SurfaceSource {
 public:
  virtual ~SurfaceSource() = default;
  virtual Surface* GetDC() = 0;
  virtual void ReleaseDC(Surface* surface) = 0;
};

}  // namespace fretwise
