// Preloaded into a program by window_start_bench: the first image the program puts on the X
// server (its first painted frame reaching the screen) writes the CLOCK_MONOTONIC time, in
// nanoseconds, to the descriptor named by FRETWISE_FIRST_PAINT_FD. The calls then go on to
// libxcb as usual. The xcb types are opaque here; only their C ABI matters.
#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>

namespace {

struct Cookie {
  unsigned sequence;
};

std::atomic<bool> reported{false};

void ReportFirstPaint() {
  if (reported.exchange(true)) return;
  const char* fd = std::getenv("FRETWISE_FIRST_PAINT_FD");
  if (!fd) return;
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  const std::int64_t nanoseconds = std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
  [[maybe_unused]] const auto written = ::write(std::atoi(fd), &nanoseconds, sizeof nanoseconds);
}

// The real function, from the library Qt's X11 plugin loaded it with (privately, so RTLD_NEXT
// does not see it).
template <typename Function>
Function Find(const char* library, const char* name) {
  void* const handle = ::dlopen(library, RTLD_NOW | RTLD_NOLOAD);
  return reinterpret_cast<Function>(handle ? ::dlsym(handle, name) : nullptr);
}

}  // namespace

extern "C" {

Cookie xcb_shm_put_image(void* c, std::uint32_t drawable, std::uint32_t gc, std::uint16_t tw,
                         std::uint16_t th, std::uint16_t sx, std::uint16_t sy, std::uint16_t sw,
                         std::uint16_t sh, std::int16_t dx, std::int16_t dy, std::uint8_t depth,
                         std::uint8_t format, std::uint8_t sendEvent, std::uint32_t seg,
                         std::uint32_t offset) {
  using Function =
      Cookie (*)(void*, std::uint32_t, std::uint32_t, std::uint16_t, std::uint16_t, std::uint16_t,
                 std::uint16_t, std::uint16_t, std::uint16_t, std::int16_t, std::int16_t,
                 std::uint8_t, std::uint8_t, std::uint8_t, std::uint32_t, std::uint32_t);
  static const Function real = Find<Function>("libxcb-shm.so.0", "xcb_shm_put_image");
  const Cookie cookie =
      real(c, drawable, gc, tw, th, sx, sy, sw, sh, dx, dy, depth, format, sendEvent, seg, offset);
  ReportFirstPaint();
  return cookie;
}

// Without shared memory Qt puts the image through libxcb-image.
Cookie xcb_image_put(void* c, std::uint32_t drawable, std::uint32_t gc, void* image, std::int16_t x,
                     std::int16_t y, std::uint8_t leftPad) {
  using Function = Cookie (*)(void*, std::uint32_t, std::uint32_t, void*, std::int16_t,
                              std::int16_t, std::uint8_t);
  static const Function real = Find<Function>("libxcb-image.so.0", "xcb_image_put");
  const Cookie cookie = real(c, drawable, gc, image, x, y, leftPad);
  ReportFirstPaint();
  return cookie;
}

}  // extern "C"
