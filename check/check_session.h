#pragma once

#include "check/check_steps.h"
#include "platform/base/text.h"
#include "report/check_record.h"

#include <QtCore/qnamespace.h>

#include <cstdint>
#include <span>
#include <vector>

namespace rw {

// What the technician said about one step so far.
struct StepAnswer {
  Answer answer = Answer::NotReached;  // NotJudged from the moment it is shown
  Text reading;
  Text note;
  std::int64_t shown_ms = 0;  // over every time it was shown
};

// The check's course through its steps, driven by key presses and a
// millisecond clock that the caller reads; it draws nothing.
//
// J answers "in Ordnung", N "Fehler" and opens the note field, SPACE goes
// on without an answer; each moves to the next step. Backspace takes back
// the reading's last character while there is one, else goes back one step.
// H hides or shows the strip. Digits (and the comma of a gamma value) type
// the reading of a step that has one; a reading that is not yet a value
// stops J, N and SPACE with a hint. In the note field every key that types
// text types it, Backspace takes back, and Enter ends the note.
class CheckSession {
 public:
  // What a key press changed: only the strip, the step shown, or the check
  // has gone past its last step.
  enum class Change { None, Strip, Step, Finished };

  CheckSession(std::span<const CheckStep> steps, std::int64_t now_ms);

  Change Press(int key, const Text& text, bool auto_repeat, std::int64_t now_ms);

  // Ends the check where it stands (Escape, a close request): the step
  // shown keeps what it has, the steps after it stay not reached.
  void EndEarly(std::int64_t now_ms);

  bool Ended() const { return ended_; }
  bool EndedEarly() const { return ended_early_; }
  std::size_t Current() const { return current_; }
  const CheckStep& CurrentStep() const { return steps_[current_]; }
  std::span<const StepAnswer> Answers() const { return answers_; }
  bool InNote() const { return in_note_; }
  bool StripShown() const { return strip_shown_; }
  // Why the last key was refused, for the strip; empty for none.
  const Text& Hint() const { return hint_; }

 private:
  Change Answered(Answer answer, std::int64_t now_ms);
  Change TypeNote(int key, const Text& text, std::int64_t now_ms);
  Change MoveTo(std::size_t step, std::int64_t now_ms);
  void Leave(std::int64_t now_ms);

  std::span<const CheckStep> steps_;
  std::vector<StepAnswer> answers_;
  std::size_t current_ = 0;
  std::int64_t shown_since_ms_ = 0;
  bool in_note_ = false;
  bool strip_shown_ = true;
  bool ended_ = false;
  bool ended_early_ = false;
  Text hint_;
};

// The longest note, in UTF-16 units.
inline constexpr qsizetype kMostNoteUnits = 500;

}  // namespace rw
