#include "check/check_run.h"

#include "check/check_rescue.h"
#include "check/check_screen.h"
#include "check/check_session.h"
#include "patterns/series.h"
#include "platform/base/clock.h"
#include "platform/text/fonts.h"
#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/key_presses.h"
#include "platform/window/message_box.h"
#include "platform/window/window.h"
#include "report/report_files.h"
#include "report/report_html.h"
#include "report/report_json.h"


namespace rw {
namespace {

constexpr std::int64_t kSummaryFont = 2;

std::string Utf8(const Text& text) { return text.toStdString(); }

Text NameOf(const CheckStep& step) {
  const std::optional<std::int64_t> number = SeriesNumberOf(step.id);
  const SeriesImage* image = number ? SeriesImageAt(*number) : nullptr;
  return image ? MenuName(*image) : Text::fromUtf8(step.id.data(), static_cast<qsizetype>(step.id.size()));
}

Text LookFor(const CheckStep& step) {
  return Text::fromUtf16(step.look_for.data(), static_cast<qsizetype>(step.look_for.size()));
}

// The check as it runs: the session, the screen, and what each step
// collected besides the answers.
class CheckRun {
 public:
  explicit CheckRun(const CheckSetup& setup)
      : setup_(setup),
        steps_(CheckSteps()),
        session_(steps_, MillisecondClock()),
        screen_(setup.nominal_hz),
        thumbnails_(steps_.size()),
        motion_(steps_.size()) {}

  // Until the session has ended.
  void Run() {
    ShowCurrent();
    KeepRescue();
    while (!session_.Ended()) {
      const std::int64_t event = WaitEvent();
      if (event == CloseEvent || event == 0) {
        const std::size_t shown = session_.Current();
        session_.EndEarly(MillisecondClock());
        KeepFigures(shown);
        return;
      }
      while (const std::optional<KeyPress> press = TakeKeyPress()) {
        // Escape in the full-screen window is its close request.
        if (press->key == Qt::Key_Escape) continue;
        const std::size_t before = session_.Current();
        const CheckSession::Change change =
            session_.Press(press->key, press->text, press->auto_repeat, MillisecondClock());
        if (change == CheckSession::Change::Step || change == CheckSession::Change::Finished) KeepFigures(before);
        if (change == CheckSession::Change::Finished) return;
        if (change == CheckSession::Change::Step) ShowCurrent();
        if (change == CheckSession::Change::Strip) screen_.ShowStrip(Strip());
        if (change != CheckSession::Change::None) KeepRescue();
      }
    }
  }

  CheckRecord Record() const {
    CheckRecord record;
    record.monitor = setup_.monitor;
    record.desktop = setup_.desktop;
    record.ended_early = session_.EndedEarly();
    for (std::size_t k = 0; k < steps_.size(); ++k) {
      const StepAnswer& answer = session_.Answers()[k];
      ReportStep step;
      step.id = std::string(steps_[k].id);
      step.name = Utf8(NameOf(steps_[k]));
      step.look_for = Utf8(LookFor(steps_[k]));
      step.answer = answer.answer;
      step.reading_kind = steps_[k].reading;
      step.reading = Utf8(answer.reading);
      step.note = Utf8(answer.note);
      step.shown_ms = answer.shown_ms;
      step.thumbnail_png = thumbnails_[k];
      step.motion = motion_[k];
      record.steps.push_back(std::move(step));
    }
    return record;
  }

  CheckScreen& Screen() { return screen_; }

 private:
  std::optional<StripView> Strip() const {
    if (!session_.StripShown()) return std::nullopt;
    const std::size_t k = session_.Current();
    const StepAnswer& answer = session_.Answers()[k];
    StripView view;
    view.number = k + 1;
    view.count = steps_.size();
    view.name = NameOf(steps_[k]);
    view.look_for = LookFor(steps_[k]);
    view.earlier = earlier_;
    view.reading = steps_[k].reading;
    view.reading_text = answer.reading;
    view.in_note = session_.InNote();
    view.note = answer.note;
    view.hint = session_.Hint();
    return view;
  }

  void ShowCurrent() {
    const std::size_t k = session_.Current();
    const CheckStep& step = steps_[k];
    earlier_ = session_.Answers()[k].answer;
    SetWindowTitle(0, u"Rasterwacht – Prüfung, Schritt "_qs + NumberToText(static_cast<std::int64_t>(k + 1)) +
                          u" von "_qs + NumberToText(static_cast<std::int64_t>(steps_.size())) + u": "_qs +
                          NameOf(step));
    const std::optional<std::int64_t> number = SeriesNumberOf(step.id);
    std::vector<std::uint8_t> thumbnail = screen_.ShowImage(number.value_or(-1), step.strip, Strip());
    if (!thumbnail.empty()) thumbnails_[k] = std::move(thumbnail);
  }

  // The report as it would be if the check ended now, for a display that
  // goes away.
  void KeepRescue() const {
    CheckRecord record = Record();
    record.ended_early = true;
    KeepForRescue(setup_.report, setup_.create_folder, ReportHtml(record), ReportJson(record));
  }

  void KeepFigures(std::size_t k) {
    if (steps_[k].motion_figures) motion_[k] = steps_[k].motion_figures();
  }

  const CheckSetup& setup_;
  std::span<const CheckStep> steps_;
  CheckSession session_;
  CheckScreen screen_;
  Answer earlier_ = Answer::NotJudged;  // the answer the shown step had when it was shown
  std::vector<std::vector<std::uint8_t>> thumbnails_;
  std::vector<std::optional<MotionFigures>> motion_;
};

// Writes the report; where that fails, asks whether to try again, and on
// giving up prints the JSON on standard output so that no answer is lost.
SaveOutcome SaveWithRetry(const CheckSetup& setup, const std::string& html, const std::string& json) {
  for (;;) {
    SaveOutcome outcome = SaveReport(setup.report, html, json, setup.create_folder);
    if (outcome.saved) return outcome;
    const Text text = u"Der Prüfbericht konnte nicht gespeichert werden.\n\nGrund: "_qs +
                      Text::fromStdString(outcome.reason) + u"\nDatei: "_qs +
                      Text::fromStdString(outcome.html_path.string()) +
                      u"\n\nDie Antworten bleiben erhalten. „Erneut versuchen“ schreibt den Bericht noch einmal, "
                      u"„Abbrechen“ gibt ihn als JSON auf der Standardausgabe aus."_qs;
    if (!AskToRetry(u"Bericht nicht gespeichert"_qs, text)) {
      PrintLastResort(json);
      return outcome;
    }
  }
}

// Until a key press (not the keyboard's auto-repeat) or a close request.
void WaitForAnyKey() {
  for (;;) {
    const std::int64_t event = WaitEvent();
    if (event == CloseEvent || event == 0) return;
    while (const std::optional<KeyPress> press = TakeKeyPress()) {
      if (!press->auto_repeat) return;
    }
  }
}

}  // namespace

void RunCheck(const CheckSetup& setup) {
  LoadFont(kSummaryFont, u"Arial"_qs, 12);
  KeepKeyPresses(true);
  CheckRun run(setup);
  run.Run();
  run.Screen().StopMotion();
  const CheckRecord record = run.Record();
  const std::string html = ReportHtml(record);
  const std::string json = ReportJson(record);
  KeepForRescue(setup.report, setup.create_folder, html, json);
  const SaveOutcome outcome = SaveWithRetry(setup, html, json);
  ForgetRescue();

  SummaryView summary;
  summary.totals = TotalsOf(record);
  summary.ended_early = record.ended_early;
  summary.saved = outcome.saved;
  summary.html_path = outcome.html_path.string();
  summary.json_path = outcome.json_path.string();
  summary.reason = outcome.reason;
  SetWindowTitle(0, u"Rasterwacht – Prüfung: Zusammenfassung"_qs);
  run.Screen().ShowSummary(summary, kSummaryFont);
  // What was typed before the summary appeared, and the close request of
  // the Escape that ended the check, do not end it.
  DiscardAllEvents();
  DiscardKeyPresses();
  WaitForAnyKey();
  KeepKeyPresses(false);
}

}  // namespace rw
