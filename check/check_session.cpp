#include "check/check_session.h"

#include "check/check_reading.h"

namespace rw {
namespace {

// Text a key types into a field: printable characters only.
bool Typeable(const Text& text) {
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) return false;
  }
  return true;
}

// `text` without its last character (both halves of a surrogate pair).
Text WithoutLast(Text text) {
  qsizetype cut = 1;
  if (text.size() >= 2 && text.back().isLowSurrogate() && text[text.size() - 2].isHighSurrogate()) cut = 2;
  text.chop(std::min(cut, text.size()));
  return text;
}

}  // namespace

CheckSession::CheckSession(std::span<const CheckStep> steps, std::int64_t now_ms)
    : steps_(steps), answers_(steps.size()), shown_since_ms_(now_ms) {
  if (steps_.empty()) {
    ended_ = true;
    return;
  }
  answers_[0].answer = Answer::NotJudged;
}

CheckSession::Change CheckSession::Press(int key, const Text& text, bool auto_repeat, std::int64_t now_ms) {
  if (ended_) return Change::None;
  if (in_note_) return TypeNote(key, text, now_ms);
  const bool had_hint = !hint_.isEmpty();
  hint_.clear();
  StepAnswer& answer = answers_[current_];
  const ReadingKind reading = steps_[current_].reading;
  if (key == Qt::Key_Backspace) {
    if (!answer.reading.isEmpty()) {
      answer.reading = WithoutLast(answer.reading);
      return Change::Strip;
    }
    if (current_ > 0) return MoveTo(current_ - 1, now_ms);
    return had_hint ? Change::Strip : Change::None;
  }
  if (auto_repeat) return had_hint ? Change::Strip : Change::None;
  switch (key) {
    case Qt::Key_J: return Answered(Answer::Passed, now_ms);
    case Qt::Key_N: return Answered(Answer::Failed, now_ms);
    case Qt::Key_Space: return Answered(Answer::NotJudged, now_ms);
    case Qt::Key_H:
      strip_shown_ = !strip_shown_;
      return Change::Strip;
    default: break;
  }
  if (reading != ReadingKind::None && text.size() == 1) {
    const Text typed = TypeIntoReading(reading, answer.reading, text[0]);
    if (typed != answer.reading) {
      answer.reading = typed;
      strip_shown_ = true;
      return Change::Strip;
    }
  }
  return had_hint ? Change::Strip : Change::None;
}

CheckSession::Change CheckSession::Answered(Answer given, std::int64_t now_ms) {
  StepAnswer& answer = answers_[current_];
  const ReadingKind reading = steps_[current_].reading;
  if (!answer.reading.isEmpty() && !ReadingComplete(reading, answer.reading)) {
    hint_ = u"Ablesung unvollständig: "_qs + ReadingRange(reading) + u", oder mit Rücktaste leeren"_qs;
    strip_shown_ = true;
    return Change::Strip;
  }
  answer.answer = given;
  if (given == Answer::Failed) {
    in_note_ = true;
    strip_shown_ = true;
    return Change::Strip;
  }
  return MoveTo(current_ + 1, now_ms);
}

CheckSession::Change CheckSession::TypeNote(int key, const Text& text, std::int64_t now_ms) {
  StepAnswer& answer = answers_[current_];
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    in_note_ = false;
    return MoveTo(current_ + 1, now_ms);
  }
  if (key == Qt::Key_Backspace) {
    if (answer.note.isEmpty()) return Change::None;
    answer.note = WithoutLast(answer.note);
    return Change::Strip;
  }
  if (!Typeable(text) || answer.note.size() + text.size() > kMostNoteUnits) return Change::None;
  answer.note += text;
  return Change::Strip;
}

void CheckSession::Leave(std::int64_t now_ms) {
  answers_[current_].shown_ms += std::max<std::int64_t>(now_ms - shown_since_ms_, 0);
  shown_since_ms_ = now_ms;
}

CheckSession::Change CheckSession::MoveTo(std::size_t step, std::int64_t now_ms) {
  Leave(now_ms);
  if (step >= steps_.size()) {
    ended_ = true;
    return Change::Finished;
  }
  current_ = step;
  if (answers_[current_].answer == Answer::NotReached) answers_[current_].answer = Answer::NotJudged;
  return Change::Step;
}

void CheckSession::EndEarly(std::int64_t now_ms) {
  if (ended_) return;
  Leave(now_ms);
  in_note_ = false;
  ended_ = true;
  ended_early_ = true;
}

}  // namespace rw
