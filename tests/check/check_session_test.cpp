#include "check/check_reading.h"
#include "check/check_session.h"

#include <gtest/gtest.h>

#include <array>

namespace rw {
namespace {

using Change = CheckSession::Change;
using enum ReadingKind;

constexpr std::array<CheckStep, 5> kSteps = {{
    {"first", u"a", None, StripSide::Bottom, nullptr},
    {"black-levels", u"b", BlackLevel, StripSide::Top, nullptr},
    {"white-levels", u"c", WhiteLevel, StripSide::Top, nullptr},
    {"gamma", u"d", Gamma, StripSide::Bottom, nullptr},
    {"last", u"e", None, StripSide::Bottom, nullptr},
}};

// Key presses as Qt reports them: the key and the text it types.
struct Keys {
  CheckSession session{kSteps, 0};
  std::int64_t now_ms = 0;

  Change Press(int key, const char16_t* text = u"", bool repeat = false) {
    return session.Press(key, Text::fromUtf16(text), repeat, now_ms);
  }
  Change J() { return Press(Qt::Key_J, u"j"); }
  Change N() { return Press(Qt::Key_N, u"n"); }
  Change Space() { return Press(Qt::Key_Space, u" "); }
  Change Back() { return Press(Qt::Key_Backspace, u"\b"); }
  Change Enter() { return Press(Qt::Key_Return, u"\r"); }
  void Type(const char16_t* text) {
    for (const char16_t* c = text; *c; ++c) {
      const char16_t one[2] = {*c, 0};
      const int key = *c >= u'0' && *c <= u'9' ? Qt::Key_0 + (*c - u'0') : Qt::Key_unknown;
      Press(key, one);
    }
  }
  const StepAnswer& At(std::size_t k) const { return session.Answers()[k]; }
};

TEST(CheckSession, AnswersMoveOnAndANoteFollowsAFault) {
  Keys k;
  EXPECT_EQ(k.At(0).answer, Answer::NotJudged);  // shown
  EXPECT_EQ(k.At(1).answer, Answer::NotReached);
  EXPECT_EQ(k.J(), Change::Step);
  EXPECT_EQ(k.session.Current(), 1u);
  EXPECT_EQ(k.At(0).answer, Answer::Passed);

  EXPECT_EQ(k.N(), Change::Strip);
  EXPECT_TRUE(k.session.InNote());
  EXPECT_EQ(k.At(1).answer, Answer::Failed);
  EXPECT_EQ(k.session.Current(), 1u);
  // In the note every key types: letters that are answers elsewhere, SPACE,
  // umlauts and markup.
  for (const char16_t* text : {u"G", u"r", u"ü", u"n", u" ", u"j", u"n", u"h", u" ", u"<", u"b", u">", u"&", u"\"", u"x"}) {
    EXPECT_EQ(k.Press(Qt::Key_unknown, text), Change::Strip);
  }
  EXPECT_EQ(k.Back(), Change::Strip);
  EXPECT_EQ(k.Press(Qt::Key_Escape, u"\x1b"), Change::None);  // a control character types nothing
  EXPECT_EQ(k.At(1).note, u"Grün jnh <b>&\""_qs);
  EXPECT_EQ(k.Enter(), Change::Step);
  EXPECT_FALSE(k.session.InNote());
  EXPECT_EQ(k.session.Current(), 2u);

  EXPECT_EQ(k.Space(), Change::Step);
  EXPECT_EQ(k.At(2).answer, Answer::NotJudged);
  EXPECT_EQ(k.Space(), Change::Step);
  EXPECT_EQ(k.N(), Change::Strip);
  EXPECT_EQ(k.Press(Qt::Key_Enter, u"\r"), Change::Finished);  // the keypad's Enter ends a note too
  EXPECT_TRUE(k.session.Ended());
  EXPECT_FALSE(k.session.EndedEarly());
  EXPECT_EQ(k.At(4).answer, Answer::Failed);
  EXPECT_EQ(k.At(4).note, Text());
  EXPECT_EQ(k.J(), Change::None);
}

TEST(CheckSession, BackspaceGoesBackAndAnAnswerCanBeChanged) {
  Keys k;
  EXPECT_EQ(k.Back(), Change::None);  // nothing before the first step
  k.J();
  k.N();
  k.Type(u"alt");
  k.Enter();
  EXPECT_EQ(k.Back(), Change::Step);
  EXPECT_EQ(k.session.Current(), 1u);
  EXPECT_EQ(k.At(1).answer, Answer::Failed);  // kept until answered again
  EXPECT_EQ(k.At(2).answer, Answer::NotJudged);  // it was shown
  // A second N edits the same note.
  k.N();
  k.Back();
  k.Type(u"ter");
  k.Enter();
  EXPECT_EQ(k.At(1).note, u"alter"_qs);
  k.Back();
  k.J();
  EXPECT_EQ(k.At(1).answer, Answer::Passed);
  EXPECT_EQ(k.At(1).note, u"alter"_qs);  // typed words are never thrown away
  k.Back();
  k.Space();
  EXPECT_EQ(k.At(1).answer, Answer::NotJudged);  // "weiter ohne Urteil" takes the judgement back
}

TEST(CheckSession, ReadingsTakeOnlyWhatLeadsToAValue) {
  Keys k;
  k.J();
  // Black levels 1 to 32.
  k.Type(u"4");
  EXPECT_EQ(k.At(1).reading, u"4"_qs);
  k.Type(u"0");  // 40 is no square
  EXPECT_EQ(k.At(1).reading, u"4"_qs);
  k.Back();
  k.Type(u"0");  // nor is 0
  EXPECT_EQ(k.At(1).reading, Text());
  k.Type(u"32x,");
  EXPECT_EQ(k.At(1).reading, u"32"_qs);
  EXPECT_EQ(k.Back(), Change::Strip);  // takes back the reading first
  EXPECT_EQ(k.At(1).reading, u"3"_qs);
  EXPECT_EQ(k.J(), Change::Step);
  EXPECT_EQ(k.At(1).reading, u"3"_qs);

  // White levels 223 to 254: a reading that is no value yet stops the answer.
  k.Type(u"1");
  EXPECT_EQ(k.At(2).reading, Text());
  k.Type(u"22");
  EXPECT_EQ(k.J(), Change::Strip);
  EXPECT_EQ(k.session.Current(), 2u);
  EXPECT_EQ(k.At(2).answer, Answer::NotJudged);
  EXPECT_EQ(k.session.Hint(), u"Ablesung unvollständig: 223 bis 254, oder mit Rücktaste leeren"_qs);
  EXPECT_EQ(k.Space(), Change::Strip);
  EXPECT_EQ(k.N(), Change::Strip);
  EXPECT_FALSE(k.session.InNote());
  k.Type(u"2");
  EXPECT_TRUE(k.session.Hint().isEmpty());
  EXPECT_EQ(k.At(2).reading, u"22"_qs);  // 222 is below the range
  k.Type(u"9");
  EXPECT_EQ(k.At(2).reading, u"229"_qs);
  EXPECT_EQ(k.Space(), Change::Step);  // a reading without a judgement
  EXPECT_EQ(k.At(2).answer, Answer::NotJudged);

  // Gamma 1,0 to 2,6: the comma comes by itself, a point stands for it.
  k.Type(u"22");
  EXPECT_EQ(k.At(3).reading, u"2,2"_qs);
  k.Back();
  k.Back();
  EXPECT_EQ(k.At(3).reading, u"2"_qs);
  k.Type(u"7");
  EXPECT_EQ(k.At(3).reading, u"2"_qs);
  k.Type(u".6");
  EXPECT_EQ(k.At(3).reading, u"2,6"_qs);
  k.Back();
  k.Back();
  k.Back();
  k.Type(u"3");
  EXPECT_EQ(k.At(3).reading, Text());
  k.Type(u"1,0");
  EXPECT_EQ(k.At(3).reading, u"1,0"_qs);
  k.J();
  // A step without a reading takes no digits.
  EXPECT_EQ(k.Press(Qt::Key_5, u"5"), Change::None);
  EXPECT_EQ(k.At(4).reading, Text());
}

TEST(CheckSession, TheStripHidesAndShowsAgain) {
  Keys k;
  EXPECT_TRUE(k.session.StripShown());
  EXPECT_EQ(k.Press(Qt::Key_H, u"h"), Change::Strip);
  EXPECT_FALSE(k.session.StripShown());
  k.J();
  EXPECT_FALSE(k.session.StripShown());  // until H again
  k.Type(u"7");  // a reading needs its field
  EXPECT_TRUE(k.session.StripShown());
  k.Press(Qt::Key_H, u"H");
  EXPECT_FALSE(k.session.StripShown());
  k.N();  // and so does the note
  EXPECT_TRUE(k.session.StripShown());
}

TEST(CheckSession, TheKeyboardsRepeatAnswersNothingButTakesBack) {
  Keys k;
  EXPECT_EQ(k.Press(Qt::Key_J, u"j", true), Change::None);
  EXPECT_EQ(k.Press(Qt::Key_Space, u" ", true), Change::None);
  EXPECT_EQ(k.session.Current(), 0u);
  k.J();
  k.Type(u"12");
  EXPECT_EQ(k.Press(Qt::Key_Backspace, u"\b", true), Change::Strip);
  EXPECT_EQ(k.Press(Qt::Key_Backspace, u"\b", true), Change::Strip);
  EXPECT_EQ(k.At(1).reading, Text());
}

TEST(CheckSession, EndingEarlyLeavesTheRestNotReached) {
  Keys k;
  k.J();
  k.N();
  k.Type(u"halb");
  k.session.EndEarly(k.now_ms);
  EXPECT_TRUE(k.session.Ended());
  EXPECT_TRUE(k.session.EndedEarly());
  EXPECT_FALSE(k.session.InNote());
  EXPECT_EQ(k.At(0).answer, Answer::Passed);
  EXPECT_EQ(k.At(1).answer, Answer::Failed);
  EXPECT_EQ(k.At(1).note, u"halb"_qs);  // what was typed stays
  for (std::size_t s = 2; s < kSteps.size(); ++s) EXPECT_EQ(k.At(s).answer, Answer::NotReached) << s;
  EXPECT_EQ(k.J(), Change::None);
}

TEST(CheckSession, CountsHowLongEachImageWasShownOverAllVisits) {
  Keys k;
  k.now_ms = 1500;
  k.J();
  k.now_ms = 4000;
  k.Back();
  k.now_ms = 4200;
  k.J();
  k.now_ms = 5000;
  k.session.EndEarly(k.now_ms);
  EXPECT_EQ(k.At(0).shown_ms, 1700);
  EXPECT_EQ(k.At(1).shown_ms, 3300);
  EXPECT_EQ(k.At(2).shown_ms, 0);
}

TEST(CheckSession, NotesStayOneBoundedLine) {
  Keys k;
  k.N();
  k.Press(Qt::Key_unknown, u"a\nb");
  k.Press(Qt::Key_unknown, u"\u200b");  // a format character
  EXPECT_EQ(k.At(0).note, Text());
  for (int n = 0; n < 600; ++n) k.Press(Qt::Key_X, u"x");
  EXPECT_EQ(k.At(0).note.size(), kMostNoteUnits);
  k.Back();
  k.Press(Qt::Key_unknown, u"😀");  // two units do not fit into one
  EXPECT_EQ(k.At(0).note.size(), kMostNoteUnits - 1);
  k.Back();
  k.Press(Qt::Key_unknown, u"😀");
  EXPECT_EQ(k.At(0).note.right(2), u"😀"_qs);
  k.Back();  // both halves go
  EXPECT_EQ(k.At(0).note.size(), kMostNoteUnits - 2);
}

TEST(CheckReadings, RangesAndTheirEnds) {
  EXPECT_TRUE(ReadingComplete(BlackLevel, u"1"_qs));
  EXPECT_TRUE(ReadingComplete(BlackLevel, u"32"_qs));
  EXPECT_FALSE(ReadingComplete(BlackLevel, u"33"_qs));
  EXPECT_FALSE(ReadingComplete(BlackLevel, u"0"_qs));
  EXPECT_FALSE(ReadingComplete(BlackLevel, u"01"_qs));
  EXPECT_TRUE(ReadingComplete(WhiteLevel, u"223"_qs));
  EXPECT_TRUE(ReadingComplete(WhiteLevel, u"254"_qs));
  EXPECT_FALSE(ReadingComplete(WhiteLevel, u"222"_qs));
  EXPECT_FALSE(ReadingComplete(WhiteLevel, u"255"_qs));
  EXPECT_TRUE(ReadingComplete(Gamma, u"1,0"_qs));
  EXPECT_TRUE(ReadingComplete(Gamma, u"2,6"_qs));
  EXPECT_FALSE(ReadingComplete(Gamma, u"2,7"_qs));
  EXPECT_FALSE(ReadingComplete(Gamma, u"0,9"_qs));
  EXPECT_FALSE(ReadingComplete(Gamma, u"2"_qs));
  EXPECT_FALSE(ReadingComplete(None, Text()));
  EXPECT_EQ(TypeIntoReading(Gamma, Text(), u','), Text());
  EXPECT_EQ(TypeIntoReading(Gamma, u"1"_qs, u','), u"1,"_qs);
  EXPECT_EQ(TypeIntoReading(Gamma, u"1,"_qs, u'5'), u"1,5"_qs);
  EXPECT_EQ(TypeIntoReading(Gamma, u"1,5"_qs, u'0'), u"1,5"_qs);
  EXPECT_EQ(TypeIntoReading(None, Text(), u'1'), Text());
  EXPECT_EQ(ReadingRange(WhiteLevel), u"223 bis 254"_qs);
}

}  // namespace
}  // namespace rw
