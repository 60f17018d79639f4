#include "core/bets/bet_panel.hpp"

#include <gtest/gtest.h>

#include "core/bets/formation.hpp"
#include "core/data/cp932.hpp"

namespace orvane {
namespace {

constexpr MarkHorses kMarks{12, 3, 7, 1, 15, 9};
constexpr const char* kAll = "12・3・7・1・15・9";
constexpr const char* kOthers = "3・7・1・15・9";

// Texts of lblKai0..lblKai18 (UTF-8); nullptr = hidden.
using Labels = std::array<const char*, BetPanel::kLabels>;

void ExpectPanel(const BetPanel& panel, std::array<bool, BetPanel::kCards> cards, const Labels& labels) {
  EXPECT_EQ(panel.CardVisible, cards);
  for (size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(panel.LabelVisible[i], labels[i] != nullptr) << "lblKai" << i;
    EXPECT_EQ(ToUtf8(panel.LabelText[i]), labels[i] ? labels[i] : "") << "lblKai" << i;
  }
}

TEST(FillBetPanel, CardsAndLabelsFollowTheFormationPattern) {
  struct Case {
    int pattern;
    std::array<bool, BetPanel::kCards> cards;
    Labels labels;
  };
  const Case cases[] = {
      {kTrioPattern,
       {true, true, true, false},
       {"9点", "12", kOthers, "3", "7・1・15・9", "10点", "12", kOthers, "3", "12・7・1・15・9", "16点", "12・3", kAll,
        kAll, nullptr, nullptr, nullptr, nullptr, "3連複"}},
      {kFormationA,
       {true, true, true, false},
       {"9点", "12", kOthers, "3", "7・1・15・9", "10点", "12", kOthers, "3", "12・7・1・15・9", "40点", "12・3", kAll,
        kAll, nullptr, nullptr, nullptr, nullptr, "3連単"}},
      {kFormationsB1B2,
       {true, true, true, true},
       {"9点", "12", kOthers, "3", "7・1・15・9", "10点", "12", kOthers, "3", "12・7・1・15・9", "20点", "12", kOthers,
        kOthers, "20点", "12", kOthers, kOthers, "3連単"}},
      {kFormationsAB2,
       {true, true, true, true},
       {"9点", "12", kOthers, "3", "7・1・15・9", "10点", "12", kOthers, "3", "12・7・1・15・9", "40点", "12・3", kAll,
        kAll, "20点", "12", kOthers, kOthers, "3連単"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    ExpectPanel(FillBetPanel(kMarks, c.pattern), c.cards, c.labels);
  }
}

TEST(FillBetPanel, RaceWithoutMarksHidesEverything) {
  Labels hidden{};
  ExpectPanel(FillBetPanel(MarkHorses{}, kFormationsAB2), {false, false, false, false}, hidden);
}

TEST(FillBetPanel, HorseListsLeaveOutEmptyMarkPositions) {
  const BetPanel panel = FillBetPanel(MarkHorses{12, 3, 7, 0, 0, 0}, kTrioPattern);
  EXPECT_EQ(ToUtf8(panel.LabelText[2]), "3・7");
  EXPECT_EQ(ToUtf8(panel.LabelText[9]), "12・7");
  EXPECT_EQ(ToUtf8(panel.LabelText[12]), "12・3・7");
}

}  // namespace
}  // namespace orvane
