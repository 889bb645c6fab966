// The keys waiting for the program's answers: each answer answers its own
// key, no key is overdue while the program speaks, the keys whose answers
// have begun are known, and a command chord taken past its deadline stays
// the program's.
#include "awaiting_answers.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvik::fcitxhook {
namespace {

std::vector<hook::Seq> SeqsOf(const std::vector<AwaitingKey>& keys) {
    std::vector<hook::Seq> seqs;
    for (const AwaitingKey& key : keys) seqs.push_back(key.seq);
    return seqs;
}

// The program handles keys in order: what it sends for a key follows what
// it sent for the keys before, whose answers have begun too.
TEST(AwaitingAnswersTest, AnAnswerBegunMarksItsKeyAndTheKeysBefore) {
    AwaitingAnswers awaiting;
    awaiting.Add(1, fcitx::Key("a"), 100, false);
    awaiting.Hold(1, fcitx::Key("Left"));
    awaiting.Add(1, fcitx::Key("b"), 110, false);
    awaiting.Add(1, fcitx::Key("c"), 120, false);
    EXPECT_FALSE(awaiting.AnswerBegun());
    awaiting.Began(3);
    EXPECT_TRUE(awaiting.AnswerBegun());
    EXPECT_EQ(SeqsOf(awaiting.TakeOverdue(200)), (std::vector<hook::Seq>{1, 2, 3, 4}));
    EXPECT_EQ((std::vector<bool>{awaiting.HasBegun(1), awaiting.HasBegun(3), awaiting.HasBegun(4)}),
              (std::vector<bool>{true, true, false}));
    // What comes late for a key given back is refused, whether begun or not.
    EXPECT_TRUE(awaiting.GivenBack(1));
    EXPECT_TRUE(awaiting.GivenBack(4));
}

// A program that speaks is not hung: the keys it has not reached yet wait
// for it a whole wait from then.
TEST(AwaitingAnswersTest, NoKeyIsOverdueWhileTheProgramSpeaks) {
    AwaitingAnswers awaiting;
    awaiting.Add(1, fcitx::Key("a"), 100, false);
    awaiting.Spoke(300);
    EXPECT_EQ(awaiting.EarliestDeadline(), 300u);
    EXPECT_TRUE(awaiting.TakeOverdue(299).empty());
    EXPECT_EQ(SeqsOf(awaiting.TakeOverdue(300)), (std::vector<hook::Seq>{1}));
}

// A chord is answered before it runs, while the answers to the keys typed
// before it may still wait behind a paste: its answer must not count as
// theirs ("mootj2" given back landed before the "?" still to come).
TEST(AwaitingAnswersTest, AnAnswerAnswersItsOwnKeyOnly) {
    AwaitingAnswers awaiting;
    awaiting.Add(1, fcitx::Key("question"), 100, false);
    awaiting.Add(1, fcitx::Key("Control+Alt+n"), 110, true);
    awaiting.Hold(1, fcitx::Key("Left"));
    EXPECT_TRUE(awaiting.Answer(2).empty());
    EXPECT_EQ(awaiting.size(), 2u);
    EXPECT_EQ(SeqsOf(awaiting.Answer(1)), (std::vector<hook::Seq>{3}));
    EXPECT_TRUE(awaiting.empty());
    // Answered, the key can still be passed on once.
    EXPECT_TRUE(awaiting.TakeToPass(1).has_value());
    EXPECT_FALSE(awaiting.TakeToPass(1).has_value());
}

TEST(AwaitingAnswersTest, AChordPastItsDeadlineStaysTheProgramsToCarryOut) {
    AwaitingAnswers awaiting;
    awaiting.Add(1, fcitx::Key("Control+Alt+n"), 100, true);
    const std::vector<AwaitingKey> overdue = awaiting.TakeOverdue(100);
    ASSERT_EQ(overdue.size(), 1u);
    EXPECT_TRUE(overdue[0].command);
    EXPECT_FALSE(awaiting.GivenBack(1));
}

}  // namespace
}  // namespace orvik::fcitxhook
