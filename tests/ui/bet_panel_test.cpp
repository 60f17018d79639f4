// The bet panel on the header shows the core's panel of the race on screen.
#include <QLabel>

#include "core/data/cp932.hpp"
#include "ui/app/header_panel.hpp"
#include "ui/support/main_window_fixture.hpp"

namespace orvane::ui::test {
namespace {

using BetPanelTest = MainWindowFixture;

// Every card and label as the core's panel says, for a race of each formation.
TEST_F(BetPanelTest, CardsAndLabelsFollowThePanelOfTheRaceOnScreen) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  BetPanelView& view = window.Header().BetPanel();
  int withFourthCard = 0;
  for (int race = 0; race < window.RaceCount(); ++race) {
    window.ShowRace(race);
    const BetPanel& panel = window.Race()->Bets.Panel;
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(view.Card(c)->isVisibleTo(&window), panel.CardVisible[static_cast<size_t>(c)]) << race << " kai" << c;
    }
    for (int l = 0; l < 19; ++l) {
      const auto label = static_cast<size_t>(l);
      EXPECT_EQ(view.Label(l)->isVisibleTo(&window), panel.LabelVisible[label]) << race << " lblKai" << l;
      EXPECT_EQ(view.Label(l)->text(), QString::fromStdString(ToUtf8(panel.LabelText[label]))) << race << " " << l;
    }
    if (panel.CardVisible[3]) ++withFourthCard;
  }
  EXPECT_GT(withFourthCard, 0);  // the sample day has a 3連単 formation with the second card
}

TEST_F(BetPanelTest, CardsAndLabelsStandWhereTheFormPutsThem) {
  TfrmOrvane& window = Start();
  BetPanelView& view = window.Header().BetPanel();
  EXPECT_EQ(view.Card(0)->geometry(), QRect(157, 62, 149, 58));
  EXPECT_EQ(view.Card(3)->geometry(), QRect(678, 63, 217, 58));
  EXPECT_EQ(view.Label(2)->pos(), QPoint(202, 86));
  EXPECT_EQ(view.Label(18)->pos(), QPoint(468, 70));
  EXPECT_EQ(view.Label(14)->objectName(), QStringLiteral("lblkai14"));
  // Labels 1, 3, 6 and 8 are right-aligned in a 12-pixel box at their place.
  EXPECT_EQ(view.Label(1)->geometry().right() + 1, 164 + 12);
  EXPECT_TRUE(view.Label(1)->alignment() & Qt::AlignRight);
  for (int c = 0; c < 4; ++c) EXPECT_FALSE(view.Card(c)->isVisibleTo(&window));
}

}  // namespace
}  // namespace orvane::ui::test
