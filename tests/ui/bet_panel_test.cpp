// The bet panel on the header: which cards and labels show for each formation,
// their texts, and where they sit.
#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>
#include <map>

#include "core/bets/bet_panel.hpp"
#include "core/bets/formation.hpp"
#include "ui/bets/bet_panel_view.hpp"

namespace orvane::ui::test {
namespace {

constexpr MarkHorses kMarks{12, 3, 7, 1, 15, 9};

struct PanelCase {
  const char* name;
  MarkHorses marks;
  int pattern;
  std::array<bool, 4> cards;
  std::map<int, const char*> labels;  // every label that shows, with its text
};

// The 馬連 and 馬単 cards read the same in every race with marks.
std::map<int, const char*> WithQuinellaAndExacta(std::map<int, const char*> labels) {
  labels.insert({{0, "9点"},
                 {1, "12"},
                 {2, "3・7・1・15・9"},
                 {3, "3"},
                 {4, "7・1・15・9"},
                 {5, "10点"},
                 {6, "12"},
                 {7, "3・7・1・15・9"},
                 {8, "3"},
                 {9, "12・7・1・15・9"}});
  return labels;
}

const PanelCase kCases[] = {
    {"no marks", {}, kTrioPattern, {false, false, false, false}, {}},
    {"3連複",
     kMarks,
     kTrioPattern,
     {true, true, true, false},
     WithQuinellaAndExacta({{18, "3連複"},
                            {10, "16点"},
                            {11, "12・3"},
                            {12, "12・3・7・1・15・9"},
                            {13, "12・3・7・1・15・9"}})},
    {"formation A",
     kMarks,
     kFormationA,
     {true, true, true, false},
     WithQuinellaAndExacta({{18, "3連単"},
                            {10, "40点"},
                            {11, "12・3"},
                            {12, "12・3・7・1・15・9"},
                            {13, "12・3・7・1・15・9"}})},
    {"formations B1 + B2",
     kMarks,
     kFormationsB1B2,
     {true, true, true, true},
     WithQuinellaAndExacta({{18, "3連単"},
                            {10, "20点"},
                            {11, "12"},
                            {12, "3・7・1・15・9"},
                            {13, "3・7・1・15・9"},
                            {14, "20点"},
                            {15, "12"},
                            {16, "3・7・1・15・9"},
                            {17, "3・7・1・15・9"}})},
    {"formations A + B2",
     kMarks,
     kFormationsAB2,
     {true, true, true, true},
     WithQuinellaAndExacta({{18, "3連単"},
                            {10, "40点"},
                            {11, "12・3"},
                            {12, "12・3・7・1・15・9"},
                            {13, "12・3・7・1・15・9"},
                            {14, "20点"},
                            {15, "12"},
                            {16, "3・7・1・15・9"},
                            {17, "3・7・1・15・9"}})},
};

class BetPanelViewTest : public ::testing::Test {
 protected:
  BetPanelViewTest() { header_.resize(998, 123); }

  void ExpectShows(const PanelCase& c) {
    for (int card = 0; card < 4; ++card) {
      EXPECT_EQ(view_.Card(card)->isVisibleTo(&header_), c.cards[static_cast<size_t>(card)]) << "kai" << card;
    }
    for (int label = 0; label < 19; ++label) {
      const auto shown = c.labels.find(label);
      const bool visible = shown != c.labels.end();
      EXPECT_EQ(view_.Label(label)->isVisibleTo(&header_), visible) << "lblKai" << label;
      if (visible) {
        EXPECT_EQ(view_.Label(label)->text(), QString::fromUtf8(shown->second)) << "lblKai" << label;
      }
    }
  }

  QWidget header_;
  BetPanelView view_{&header_};
};

TEST_F(BetPanelViewTest, ShowsTheCardsAndLabelsOfEachFormation) {
  for (const PanelCase& c : kCases) {
    SCOPED_TRACE(c.name);
    view_.Show(FillBetPanel(c.marks, c.pattern));
    ExpectShows(c);
  }
}

TEST_F(BetPanelViewTest, ARaceWithoutMarksHidesWhatTheRaceBeforeShowed) {
  view_.Show(FillBetPanel(kMarks, kFormationsAB2));
  view_.Show(FillBetPanel({}, kFormationsAB2));
  ExpectShows(kCases[0]);
}

TEST_F(BetPanelViewTest, ATrioRaceAfterATrifectaRaceHidesTheFourthCard) {
  view_.Show(FillBetPanel(kMarks, kFormationsB1B2));
  view_.Show(FillBetPanel(kMarks, kTrioPattern));
  ExpectShows(kCases[1]);
}

TEST_F(BetPanelViewTest, CardsAndLabelsSitWhereTheHeaderPlacesThem) {
  const QRect cards[] = {{157, 62, 149, 58}, {308, 62, 149, 58}, {459, 63, 217, 58}, {678, 63, 217, 58}};
  for (int card = 0; card < 4; ++card) {
    EXPECT_EQ(view_.Card(card)->geometry(), cards[card]) << card;
    EXPECT_EQ(view_.Card(card)->objectName(), QStringLiteral("kai") + QString::number(card));
  }
  // Left edge, or the right edge of the 12-pixel box for the right-aligned ones.
  const struct {
    int label, left, right, top;
  } places[] = {{0, 275, -1, 70},  {1, -1, 176, 86},  {2, 202, -1, 86},  {3, -1, 176, 100}, {4, 202, -1, 100},
                {5, 425, -1, 70},  {6, -1, 327, 86},  {7, 353, -1, 86},  {8, -1, 327, 100}, {9, 353, -1, 100},
                {10, 617, -1, 70}, {11, 499, -1, 86}, {12, 566, -1, 86}, {13, 566, -1, 100}, {14, 836, -1, 70},
                {15, 718, -1, 86}, {16, 785, -1, 86}, {17, 785, -1, 100}, {18, 468, -1, 70}};
  for (const auto& p : places) {
    const QLabel* label = view_.Label(p.label);
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_EQ(label->y(), p.top);
    if (p.left >= 0) {
      EXPECT_EQ(label->x(), p.left);
      EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
    } else {
      EXPECT_EQ(label->geometry().right() + 1, p.right);
      EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    }
    EXPECT_EQ(label->font().pixelSize(), 12);
    EXPECT_EQ(label->font().families().front(), QStringLiteral("ＭＳ Ｐゴシック"));
  }
  EXPECT_EQ(view_.Label(14)->objectName(), QStringLiteral("lblkai14"));
  EXPECT_EQ(view_.Label(13)->objectName(), QStringLiteral("lblKai13"));
}

}  // namespace
}  // namespace orvane::ui::test
