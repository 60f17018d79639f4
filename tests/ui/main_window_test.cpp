// The main window's life: start, race navigation, window size rules and the
// settings written at close and read back.
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include "core/data/cp932.hpp"
#include "core/data/race_card.hpp"
#include "ui/app/command_menus.hpp"
#include "ui/app/header_panel.hpp"
#include "ui/support/main_window_fixture.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui::test {
namespace {

QSettings UserSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orvane"), QStringLiteral("Orvane"));
}

RaceCard SampleCard() {
  RaceCard card;
  EXPECT_TRUE(card.Load(SampleFolder()).loaded);
  return card;
}

// The first race of the sample day with `runners` runners.
int RaceWithRunners(int runners) {
  const RaceCard card = SampleCard();
  for (int r = 0; r < card.RaceCount(); ++r) {
    if (card.RunnerCount(r) == runners) return r;
  }
  ADD_FAILURE() << "the sample day has no race of " << runners << " runners";
  return 0;
}

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, StartShowsTheFirstRaceOfTheDataSetInTheProgramFolder) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  const RaceCard card = SampleCard();
  EXPECT_EQ(window.CurrentRace(), 0);
  EXPECT_EQ(window.RaceCount(), card.RaceCount());
  EXPECT_TRUE(window.Grid().isVisibleTo(&window));
  EXPECT_EQ(window.Header().Title1()->text(), QString::fromStdString(ToUtf8(card.Summary(0).TitleText)));
  EXPECT_EQ(window.Header().Title2()->text(), QString::fromStdString(ToUtf8(card.Summary(0).DescriptionText)));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvane"));
  EXPECT_EQ(window.Header().Title1()->y(), 21);
  EXPECT_EQ(window.Header().Title2()->y(), 37);
  EXPECT_TRUE(Desktop().messages.isEmpty());
}

TEST_F(MainWindowTest, StartWithoutDataShowsNothingAndSaysNothing) {
  TfrmOrvane& window = Start();
  EXPECT_EQ(window.CurrentRace(), -1);
  EXPECT_EQ(window.RaceCount(), 0);
  EXPECT_FALSE(window.Grid().isVisibleTo(&window));
  EXPECT_TRUE(window.Header().Title1()->text().isEmpty());
  EXPECT_TRUE(window.Menus().Races()->actions().isEmpty());
  EXPECT_TRUE(Desktop().messages.isEmpty());
}

TEST_F(MainWindowTest, BeforeAnyRaceNextShowsRaceZeroAndPreviousBeeps) {
  CopySampleDay();
  TfrmOrvane& window = Create();
  ASSERT_TRUE(window.LoadRaceCard());
  ASSERT_EQ(window.CurrentRace(), -1);

  window.Execute(Command::PreviousRace);
  EXPECT_EQ(Desktop().beeps, 1);
  EXPECT_EQ(window.CurrentRace(), -1);

  window.Execute(Command::NextRace);
  EXPECT_EQ(window.CurrentRace(), 0);
  EXPECT_EQ(Desktop().beeps, 1);
}

TEST_F(MainWindowTest, TheHeaderShowsTheBetPanelAndFrontRunnersOfEveryRace) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  BetPanelView& view = window.Header().BetPanel();
  for (int race = 0; race < window.RaceCount(); ++race) {
    window.ShowRace(race);
    const RaceView& shown = *window.Race();
    EXPECT_EQ(window.Header().Nige()->text(), QString::fromStdString(ToUtf8(shown.FrontRunnerLabel)));
    for (size_t c = 0; c < BetPanel::kCards; ++c) {
      EXPECT_EQ(view.Card(static_cast<int>(c))->isVisibleTo(&window), shown.Bets.Panel.CardVisible[c]) << race;
    }
    for (size_t l = 0; l < BetPanel::kLabels; ++l) {
      const QLabel* label = view.Label(static_cast<int>(l));
      EXPECT_EQ(label->isVisibleTo(&window), shown.Bets.Panel.LabelVisible[l]) << race << " " << l;
      EXPECT_EQ(label->text(), QString::fromStdString(ToUtf8(shown.Bets.Panel.LabelText[l]))) << race << " " << l;
    }
  }
}

TEST_F(MainWindowTest, PreviousAndNextStopWithABeepAtTheEndsOfTheDay) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  const int last = window.RaceCount() - 1;

  window.Execute(Command::PreviousRace);
  EXPECT_EQ(window.CurrentRace(), 0);
  EXPECT_EQ(Desktop().beeps, 1);

  window.ShowRace(last - 1);
  window.Execute(Command::NextRace);
  EXPECT_EQ(window.CurrentRace(), last);
  EXPECT_EQ(Desktop().beeps, 1);
  window.Execute(Command::NextRace);
  EXPECT_EQ(window.CurrentRace(), last);
  EXPECT_EQ(Desktop().beeps, 2);
  window.Execute(Command::PreviousRace);
  EXPECT_EQ(window.CurrentRace(), last - 1);
}

TEST_F(MainWindowTest, TheKeysOfPreviousAndNextMoveThroughTheRaces) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  Activate();
  QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(window.CurrentRace(), 2);
  QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(window.CurrentRace(), 1);
}

TEST_F(MainWindowTest, TheRaceMenuListsTheRacesInOrderAndShowsTheChosenOne) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  const RaceCard card = SampleCard();
  const QList<QAction*> items = window.Menus().Races()->actions();
  ASSERT_EQ(items.size(), card.RaceCount());
  for (int r = 0; r < card.RaceCount(); ++r) {
    EXPECT_EQ(items[r]->text(), QString::fromStdString(ToUtf8(card.Summary(r).MenuCaption)));
  }
  items[7]->trigger();
  EXPECT_EQ(window.CurrentRace(), 7);
  EXPECT_EQ(window.Header().Title1()->text(), QString::fromStdString(ToUtf8(card.Summary(7).TitleText)));
}

TEST_F(MainWindowTest, SelectRaceWithAnEmptyRaceMenuBeeps) {
  TfrmOrvane& window = Start();
  window.Execute(Command::SelectRace);
  EXPECT_EQ(Desktop().beeps, 1);
  EXPECT_FALSE(window.Menus().Races()->isVisible());
}

TEST_F(MainWindowTest, SelectRacePopsTheRaceMenuUp) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  window.Execute(Command::SelectRace);
  EXPECT_TRUE(window.Menus().Races()->isVisible());
  EXPECT_EQ(Desktop().beeps, 0);
  window.Menus().Races()->hide();
}

struct FitCase {
  bool show3Sou;
  int width;
};

class WindowFitTest : public MainWindowFixture, public ::testing::WithParamInterface<FitCase> {};

TEST_P(WindowFitTest, ARaceOfSixteenRunnersFitsSeventeenRows) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  window.ApplyShow3Sou(GetParam().show3Sou);
  window.ShowRace(RaceWithRunners(16));
  EXPECT_EQ(window.size(), QSize(GetParam().width, 17 * 41 + 156));
  EXPECT_EQ(window.size().height(), 853);
  EXPECT_EQ(window.Grid().LastPastColumnShown(), GetParam().show3Sou);
}

INSTANTIATE_TEST_SUITE_P(Show3Sou, WindowFitTest, ::testing::Values(FitCase{true, 1154}, FitCase{false, 937}));

TEST_F(MainWindowTest, WithoutAutoResizeTheWindowKeepsItsSize) {
  CopySampleDay();
  QSettings settings = UserSettings();
  settings.setValue("frmMain/AutoResize", "0");
  settings.setValue("frmMain/Height", "640");
  settings.setValue("frmMain/Width", "800");
  settings.sync();
  TfrmOrvane& window = Start();
  window.ShowRace(RaceWithRunners(16));
  window.ApplyShow3Sou(true);
  EXPECT_EQ(window.size(), QSize(800, 640));
  EXPECT_TRUE(window.Grid().LastPastColumnShown());
}

TEST_F(MainWindowTest, TheWidthStaysBetween503And1170) {
  TfrmOrvane& window = Start();
  window.resize(300, 500);
  EXPECT_EQ(window.width(), 503);
  window.resize(1500, 500);
  EXPECT_EQ(window.width(), 1170);
}

TEST_F(MainWindowTest, SettingsAreWrittenAtCloseAndReadBack) {
  CopySampleDay();
  {
    TfrmOrvane& window = Start();
    window.ApplyShow3Sou(true);
    window.SetAutoResize(false);
    window.resize(1000, 720);
    window.move(40, 30);
  }
  Close();
  QSettings settings = UserSettings();
  EXPECT_EQ(settings.value("frmMain/Show3Sou").toString(), "1");
  EXPECT_EQ(settings.value("frmMain/AutoResize").toString(), "0");
  EXPECT_EQ(settings.value("frmMain/UserOddsMode").toString(), "0");
  EXPECT_EQ(settings.value("frmMain/Width").toString(), "1000");
  EXPECT_EQ(settings.value("frmMain/Height").toString(), "720");
  EXPECT_EQ(settings.value("frmMain/Height2").toString(), "720");
  EXPECT_EQ(settings.value("frmMain/Left").toString(), "40");
  EXPECT_EQ(settings.value("frmMain/Top").toString(), "30");
  for (const char* section : {"frmDetail", "frmKaime"}) {
    for (const char* value : {"Left", "Top"}) {
      bool number = false;
      settings.value(QStringLiteral("%1/%2").arg(section, value)).toString().toInt(&number);
      EXPECT_TRUE(number) << section << "/" << value;
    }
  }

  TfrmOrvane& again = Start();
  EXPECT_TRUE(again.Show3Sou());
  EXPECT_FALSE(again.AutoResize());
  EXPECT_EQ(again.size(), QSize(1000, 720));
  EXPECT_EQ(again.pos(), QPoint(40, 30));
}

TEST_F(MainWindowTest, AWindowClosedRolledUpComesBackAtItsUnrolledHeight) {
  {
    TfrmOrvane& window = Start();
    window.resize(900, 650);
    window.ToggleRollUp();
    ASSERT_TRUE(window.RolledUp());
    EXPECT_LT(window.height(), 100);
    EXPECT_EQ(window.Height2(), 650);
  }
  Close();
  EXPECT_LT(UserSettings().value("frmMain/Height").toInt(), 100);
  EXPECT_EQ(UserSettings().value("frmMain/Height2").toString(), "650");

  TfrmOrvane& again = Start();
  EXPECT_FALSE(again.RolledUp());
  EXPECT_EQ(again.height(), 650);
}

TEST_F(MainWindowTest, RollingUpTwiceRestoresTheWindow) {
  TfrmOrvane& window = Start();
  window.resize(900, 600);
  auto* rollUp = window.findChild<QAction*>(QStringLiteral("RollUp"));
  ASSERT_NE(rollUp, nullptr);
  EXPECT_TRUE(window.Header().actions().contains(rollUp));  // offered in the header's context menu
  rollUp->trigger();
  EXPECT_TRUE(window.RolledUp());
  EXPECT_FALSE(window.centralWidget()->isVisible());
  rollUp->trigger();
  EXPECT_FALSE(window.RolledUp());
  EXPECT_TRUE(window.centralWidget()->isVisible());
  EXPECT_EQ(window.height(), 600);
}

struct BadSettingCase {
  const char* stored;
};

class BadSettingTest : public MainWindowFixture, public ::testing::WithParamInterface<BadSettingCase> {};

TEST_P(BadSettingTest, MissingOrNonNumericValuesGiveTheDefaults) {
  QSettings settings = UserSettings();
  for (const char* name : {"Height", "Height2", "Width", "Show3Sou", "AutoResize", "UserOddsMode"}) {
    if (GetParam().stored) settings.setValue(QStringLiteral("frmMain/%1").arg(name), GetParam().stored);
  }
  settings.sync();
  TfrmOrvane& window = Start();
  EXPECT_EQ(window.size(), QSize(690, 700));
  EXPECT_EQ(window.Height2(), 700);
  EXPECT_FALSE(window.Show3Sou());
  EXPECT_TRUE(window.AutoResize());
  EXPECT_FALSE(window.UserOddsMode());
}

TEST_F(MainWindowTest, TheStoredManualPopularityModeIsInForceWhenShown) {
  CopySampleDay();
  QSettings settings = UserSettings();
  settings.setValue("frmMain/UserOddsMode", "1");
  settings.sync();
  TfrmOrvane& window = Create();
  EXPECT_TRUE(window.UserOddsPanel().text().isEmpty());
  window.show();
  EXPECT_EQ(window.UserOddsPanel().text(), QStringLiteral("人気手入力モード"));
  EXPECT_TRUE(window.Race()->UserOddsMode);
}

INSTANTIATE_TEST_SUITE_P(Values, BadSettingTest,
                         ::testing::Values(BadSettingCase{nullptr}, BadSettingCase{"abc"}, BadSettingCase{""},
                                           BadSettingCase{"12x"}));

}  // namespace
}  // namespace orvane::ui::test
