#include "view/candidate_list.h"

#include "fingering/fingering_search.h"
#include "view/null_ports.h"
#include "view/view_core.h"

namespace fretwise {
namespace {

// Takes down what the diagram would show, reading the cursor and the paths at the moment the
// diagram is drawn.
class CandidateRecorder final : public DiagramPainter, public MessageBox {
 public:
  explicit CandidateRecorder(CandidateList& list) : list_(list) {}
  void Watch(const ViewCore& view) { view_ = &view; }
  int Shown() const { return shown_; }

  void BeginFingeringPass() override {}
  void ClearFretboardArea() override { tuning_ = '\0'; }
  void DrawTuningLetter(char letter) override { tuning_ = letter; }
  void DrawFretboardDiagram(const StringCells& cells, int highestFret) override {
    const ViewState& state = view_->state();
    Candidate& c = list_.candidates.emplace_back();
    c.windowStart = WindowStart(state.m_windowIndex, state.m_stepIndex);
    c.cells = cells;
    c.highestFret = highestFret;
    c.tuning = tuning_;
    c.soundFiles.assign(state.m_soundFiles.begin(), state.m_soundFiles.begin() + state.m_noteCount);
    ++shown_;
  }
  void EndFingeringPass() override {}
  void Show(std::string_view text) override { list_.message = std::string(text); }

 private:
  CandidateList& list_;
  const ViewCore* view_ = nullptr;
  char tuning_ = '\0';
  int shown_ = 0;
};

}  // namespace

CandidateList ListCandidates(const TickSet& ticks, int maxCandidates) {
  CandidateList list;
  TickSet boxes = ticks;
  NullStaff staff;
  NullSound sound;
  CandidateRecorder recorder(list);
  ViewCore view({boxes, staff, recorder, recorder, sound});
  recorder.Watch(view);

  view.OnShowNotes();
  while (!list.message && recorder.Shown() < maxCandidates) view.OnNextCandidate();
  return list;
}

}  // namespace fretwise
