#pragma once

#include <string_view>

namespace fretwise {

// A modal message with an OK button: Show returns when the user has dismissed it. While it is
// open the window may be painted, which runs a whole show-notes pass.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(std::string_view text) = 0;  // UTF-8
};

inline constexpr std::string_view kNoMoreCandidates = "これ以上候補はありません";
inline constexpr std::string_view kTooManyNotes = "6個以上の音は鳴らせません";

}  // namespace fretwise
