// SPDX-License-Identifier: GPL-3.0-or-later
// The memory model against reference values, and the ratings that quiz
// verdicts give.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "memory/fsrs.h"
#include "memory/rating.h"
#include "table/questionlist.h"

namespace {

// Just enough JSON for the reference file: objects, arrays and numbers.
struct TJson {
    std::variant<double, std::vector<TJson>, std::map<std::string, TJson>> Value;
    const TJson& operator[](const std::string& Key) const { return std::get<2>(Value).at(Key); }
    const TJson& operator[](std::size_t At) const { return std::get<1>(Value).at(At); }
    [[nodiscard]] std::size_t size() const { return std::get<1>(Value).size(); }
    [[nodiscard]] double Number() const { return std::get<0>(Value); }
};

class TJsonReader {
public:
    explicit TJsonReader(std::string Text) : Text(std::move(Text)) {}
    TJson Read()
    {
        Skip();
        TJson Result;
        if (Text[At] == '[') {
            std::vector<TJson> Items;
            ++At;
            for (Skip(); Text[At] != ']'; Skip()) {
                Items.push_back(Read());
                Skip();
                if (Text[At] == ',')
                    ++At;
            }
            ++At;
            Result.Value = std::move(Items);
        } else if (Text[At] == '{') {
            std::map<std::string, TJson> Members;
            ++At;
            for (Skip(); Text[At] != '}'; Skip()) {
                const std::size_t Close = Text.find('"', At + 1);
                const std::string Key = Text.substr(At + 1, Close - At - 1);
                At = Text.find(':', Close) + 1;
                Members[Key] = Read();
                Skip();
                if (Text[At] == ',')
                    ++At;
            }
            ++At;
            Result.Value = std::move(Members);
        } else {
            std::size_t Used = 0;
            Result.Value = std::stod(Text.substr(At, 32), &Used);
            At += Used;
        }
        return Result;
    }

private:
    void Skip()
    {
        while (At < Text.size() && std::isspace(static_cast<unsigned char>(Text[At])))
            ++At;
    }
    std::string Text;
    std::size_t At = 0;
};

TJson ReferenceVectors()
{
    std::ifstream File(MEMORANT_REFERENCE_DIR "/memorymodel-vectors.json");
    std::stringstream Text;
    Text << File.rdbuf();
    return TJsonReader(Text.str()).Read();
}

} // namespace

TEST(MemoryModel, MatchesEveryReferenceSequence)
{
    const TJson Vectors = ReferenceVectors();
    ASSERT_GT(Vectors.size(), 10u);
    const TFsrs Model;
    for (std::size_t Sequence = 0; Sequence < Vectors.size(); ++Sequence) {
        SCOPED_TRACE("sequence " + std::to_string(Sequence));
        const TJson& Steps = Vectors[Sequence]["steps"];
        TMemoryState State;
        for (std::size_t Step = 0; Step < Steps.size(); ++Step) {
            SCOPED_TRACE("step " + std::to_string(Step));
            const int Days = static_cast<int>(Steps[Step][0].Number());
            const auto Rating = static_cast<TRating>(static_cast<int>(Steps[Step][1].Number()));
            State = Step == 0 ? Model.First(Rating) : Model.Next(State, Days, Rating);
            EXPECT_NEAR(State.Difficulty, Steps[Step][2].Number(), 1e-4);
            EXPECT_NEAR(State.Stability, Steps[Step][3].Number(), 1e-4);
        }
        const TJson& Case = Vectors[Sequence];
        EXPECT_NEAR(Model.Recall(Case["r_after"].Number(), State.Stability), Case["r"].Number(), 1e-4);
        EXPECT_EQ(Model.Interval(State.Stability), static_cast<int>(Case["interval_090"].Number()));
    }
}

TEST(MemoryModel, CurveAndIntervals)
{
    const TFsrs Model;
    EXPECT_NEAR(Model.Recall(5, 5), 0.9, 1e-12);
    EXPECT_DOUBLE_EQ(Model.Recall(0, 3), 1.0);
    EXPECT_GT(Model.Recall(1, 3), Model.Recall(2, 3));
    EXPECT_EQ(Model.Interval(0.2), 1); // never below a day
    EXPECT_EQ(Model.Interval(10), 10);
    EXPECT_LT(Model.Interval(10, 0.95), 10);
    EXPECT_GT(Model.Interval(10, 0.8), 10);
}

TEST(MemoryModel, StatesStayWithinBoundsWhateverTheyStartFrom)
{
    const TFsrs Model;
    const TMemoryState Odd[] = {{0, 0}, {-5, -1}, {11, 1e9}, {std::nan(""), std::nan("")}, {5, 1e-9}};
    for (const TMemoryState& State : Odd) {
        for (int Grade = 1; Grade <= 4; ++Grade) {
            for (const int Days : {0, 1, 100000}) {
                const TMemoryState Next = Model.Next(State, Days, static_cast<TRating>(Grade));
                EXPECT_TRUE(IsValidState(Next)) << Next.Difficulty << " " << Next.Stability;
            }
        }
    }
}

TEST(Ratings, FollowTheVerdictModeAndHelp)
{
    const struct {
        TQuizMode Mode;
        int Verdict;
        bool Helped;
        TRating Expected;
    } Cases[] = {
        {TQuizMode::Training, arRight, false, TRating::Good},
        {TQuizMode::Training, arWrong, false, TRating::Again},
        {TQuizMode::Choice, arRight, false, TRating::Good},
        {TQuizMode::Choice, arWrong, false, TRating::Again},
        {TQuizMode::FillIn, arRight, false, TRating::Good},
        {TQuizMode::FillIn, arOtherRight, false, TRating::Good},
        {TQuizMode::FillIn, arMisspelled, false, TRating::Hard},
        {TQuizMode::FillIn, arWrong, false, TRating::Again},
        {TQuizMode::FillIn, arRight, true, TRating::Hard},
        {TQuizMode::FillIn, arMisspelled, true, TRating::Hard},
        {TQuizMode::FillIn, arWrong, true, TRating::Again},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(RatingOfVerdict(Case.Mode, Case.Verdict, Case.Helped), Case.Expected)
            << static_cast<int>(Case.Mode) << " " << Case.Verdict << " " << Case.Helped;
}
