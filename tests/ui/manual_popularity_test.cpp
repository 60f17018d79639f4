// The manual popularity mode: the 人気 cell editor, the user popularity file
// it writes, the marks and bets that follow, and the mode switch.
#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/data/cp932.hpp"
#include "core/race/grid_cells.hpp"
#include "support/record_builders.hpp"
#include "ui/app/header_panel.hpp"
#include "ui/bets/bet_details_window.hpp"
#include "ui/support/main_window_fixture.hpp"
#include "ui/view/popularity_editor.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui::test {
namespace {
namespace fs = std::filesystem;
using orvane::test::Entry;
using orvane::test::HorseRecord;
using orvane::test::OddsRecord;
using orvane::test::PastRunBlock;
using orvane::test::RaceHeader;
using orvane::test::WriteRecordFile;

const QColor kManualBackground(0xFF, 0xFF, 0xEE);

QString Utf8(const std::string& cp932) { return QString::fromStdString(ToUtf8(cp932)); }

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QString DetailsText(const RaceView& race) {
  QStringList lines;
  for (const std::string& line : race.BetDetails) lines << Utf8(line);
  return lines.join(QLatin1Char('\n'));
}

// Ranks n..1 in horse-number order: the sample's first race marks other
// horses with them than with its forecast odds.
std::vector<int> ReversedRanks(int runners) {
  std::vector<int> ranks;
  for (int rank = runners; rank >= 1; --rank) ranks.push_back(rank);
  return ranks;
}

// The race as it should be once `ranks` were entered by hand.
RaceView WithRanks(RaceView race, const std::vector<int>& ranks) {
  ApplyPopularity(race, true, PopularityRanks{ranks, true});
  return race;
}

class ManualPopularityTest : public MainWindowFixture {
 protected:
  RaceGridView& Grid() { return Window().Grid(); }
  int Runners() { return Grid().Model().rowCount(); }

  // The sample day's first race in the manual mode, its bet details window shown.
  TfrmOrvane& StartManual() {
    CopySampleDay();
    Start().Execute(Command::BetDetails);
    Window().Execute(Command::UserOdds);
    EXPECT_TRUE(Window().UserOddsMode());
    return Window();
  }

  QModelIndex Cell(int horse, int column) {
    for (int row = 0; row < Runners(); ++row) {
      if (Grid().Model().HorseNumberAt(row) == horse) return Grid().Model().index(row, column);
    }
    ADD_FAILURE() << "no row for horse " << horse;
    return {};
  }
  QString CellText(int horse, int column) { return Cell(horse, column).data(Qt::DisplayRole).toString(); }

  // Clicks into a cell of `horse`; the editor the click opened there, if any.
  PopularityEditor* Click(int horse, int column = kPopularityColumn) {
    const QModelIndex cell = Cell(horse, column);
    Grid().scrollTo(cell);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, Grid().visualRect(cell).center());
    return qobject_cast<PopularityEditor*>(Grid().indexWidget(cell));
  }

  // Chooses item `item` (0 the empty item, k "k位") from the dropped-down
  // list with the keyboard, as a user would; the editor closes.
  void Pick(PopularityEditor* editor, int item) {
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->view()->isVisible());
    const QPointer<PopularityEditor> closing(editor);
    editor->view()->setCurrentIndex(editor->model()->index(item, 0));
    QTest::keyClick(editor->view(), Qt::Key_Return);
    EXPECT_TRUE(!closing || !closing->isVisible()) << "the editor stays open";
  }
  void Choose(int horse, int item) { Pick(Click(horse), item); }
  void ChooseAll(const std::vector<int>& ranks) {
    for (size_t k = 0; k < ranks.size(); ++k) Choose(static_cast<int>(k) + 1, ranks[k]);
  }

  std::vector<QString> PopularityCells() {
    std::vector<QString> cells;
    for (int h = 1; h <= Runners(); ++h) cells.push_back(CellText(h, kPopularityColumn));
    return cells;
  }

  // The marks column, the bet panel and the bet details window show `race`.
  void ExpectMarksAndBetsOf(const RaceView& race) {
    EXPECT_EQ(Window().Race()->Marks, race.Marks);
    for (int h = 1; h <= Runners(); ++h) {
      EXPECT_EQ(CellText(h, 0), Utf8(MarkCell(race.MarkPositions[static_cast<size_t>(h - 1)]))) << "horse " << h;
    }
    BetPanelView& panel = Window().Header().BetPanel();
    for (size_t l = 0; l < BetPanel::kLabels; ++l) {
      EXPECT_EQ(panel.Label(static_cast<int>(l))->text(), Utf8(race.Bets.Panel.LabelText[l])) << "label " << l;
    }
    EXPECT_EQ(Window().BetDetailsWindow().Memo()->toPlainText(), DetailsText(race));
  }

  fs::path DayFile() const { return Home() / "UserOdds" / "20260524.ods"; }
};

TEST_F(ManualPopularityTest, TheFirstClickDropsDownTheRanksOfTheRace) {
  StartManual();
  const int horse = 3;
  PopularityEditor* editor = Click(horse);
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->view()->isVisible());
  EXPECT_FALSE(editor->isEditable());
  QStringList items;
  for (int i = 0; i < editor->count(); ++i) items << editor->itemText(i);
  QStringList expected{QString()};
  for (int rank = 1; rank <= Runners(); ++rank) expected << QStringLiteral("%1位").arg(rank);
  EXPECT_EQ(items, expected);
  // The list opens at the rank the cell shows.
  EXPECT_EQ(editor->currentIndex(), Window().Race()->Popularity.Ranks[horse - 1]);

  // Only the 人気 column has an editor; a click elsewhere closes the list's editor.
  editor->hidePopup();
  EXPECT_EQ(Click(horse, 4), nullptr);
  EXPECT_EQ(Grid().indexWidget(Cell(horse, 4)), nullptr);
  EXPECT_EQ(Grid().indexWidget(Cell(horse, kPopularityColumn)), nullptr);
}

TEST_F(ManualPopularityTest, NothingIsEditedWhileTheModeIsOff) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  EXPECT_EQ(Click(1), nullptr);
  window.Execute(Command::UserOdds);
  window.Execute(Command::UserOdds);
  EXPECT_EQ(Click(2), nullptr);
  EXPECT_TRUE(Grid().findChildren<PopularityEditor*>().isEmpty());
}

TEST_F(ManualPopularityTest, SwitchingTheModeOffClosesAnOpenEditor) {
  TfrmOrvane& window = StartManual();
  PopularityEditor* editor = Click(1);
  ASSERT_NE(editor, nullptr);
  editor->hidePopup();
  window.Execute(Command::UserOdds);
  EXPECT_EQ(Grid().indexWidget(Cell(1, kPopularityColumn)), nullptr);
}

TEST_F(ManualPopularityTest, FillingTheLastEmptyCellSavesTheRanksAndRenewsMarksAndBets) {
  TfrmOrvane& window = StartManual();
  const RaceView before = *window.Race();
  const std::vector<int> ranks = ReversedRanks(Runners());
  const RaceView after = WithRanks(before, ranks);
  ASSERT_NE(after.Marks, before.Marks) << "the chosen ranks must move the marks";

  // Emptied and filled again: until the last cell holds a rank, only the cells change.
  for (int h = 1; h <= Runners(); ++h) Choose(h, 0);
  for (int h = 1; h < Runners(); ++h) Choose(h, ranks[static_cast<size_t>(h - 1)]);
  EXPECT_FALSE(fs::exists(DayFile()));
  EXPECT_TRUE(CellText(Runners(), kPopularityColumn).isEmpty());
  EXPECT_EQ(window.Race()->Popularity.Ranks, before.Popularity.Ranks);
  ExpectMarksAndBetsOf(before);

  Choose(Runners(), ranks.back());
  std::string saved = ToCp932("[東京01R]") + "\r\nOddsRank=";
  for (size_t k = 0; k < ranks.size(); ++k) saved += (k ? "," : "") + std::to_string(ranks[k]);
  EXPECT_EQ(FileBytes(DayFile()), saved + "\r\n");
  EXPECT_EQ(window.Race()->Popularity.Ranks, ranks);
  for (int h = 1; h <= Runners(); ++h) {
    const std::string item = ToCp932(std::to_string(ranks[static_cast<size_t>(h - 1)]) + "位");
    EXPECT_EQ(CellText(h, kPopularityColumn), Utf8(EditedPopularityCell(item))) << "horse " << h;
  }
  ExpectMarksAndBetsOf(after);
  EXPECT_TRUE(Desktop().messages.isEmpty());
}

TEST_F(ManualPopularityTest, WithEveryCellFilledEachChoiceIsSavedAtOnce) {
  // Switched on without a saved entry, the odds ranks fill every cell.
  TfrmOrvane& window = StartManual();
  std::vector<int> ranks = window.Race()->Popularity.Ranks;
  ranks[0] = 16;
  ranks[1] = 16;  // two horses may share a rank
  Choose(1, 16);
  Choose(2, 16);
  EXPECT_EQ(window.Race()->Popularity.Ranks, ranks);
  EXPECT_EQ(ReadUserPopularity(window.Folder(), window.Race()->Summary, Runners())->Ranks, ranks);
}

TEST_F(ManualPopularityTest, TheEmptyItemEmptiesItsCellAndChangesNothingElse) {
  TfrmOrvane& window = StartManual();
  const std::vector<int> ranks = ReversedRanks(Runners());
  ChooseAll(ranks);
  const RaceView filled = *window.Race();
  const std::string saved = FileBytes(DayFile());

  Choose(5, 0);
  EXPECT_TRUE(CellText(5, kPopularityColumn).isEmpty());
  EXPECT_EQ(window.Race()->Popularity.Ranks, ranks);
  EXPECT_EQ(FileBytes(DayFile()), saved);
  ExpectMarksAndBetsOf(filled);
}

TEST_F(ManualPopularityTest, RanksChosenInASortedGridLeaveTheRowsWhereTheyAre) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  QHeaderView* header = Grid().horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(header->sectionViewportPosition(kPopularityColumn) + 5, header->height() / 2));
  ASSERT_EQ(window.CurrentSort(), SortType::Popularity);
  const std::vector<int> order = Grid().Model().HorseOrder();

  window.Execute(Command::UserOdds);
  std::vector<int> reversed = ReversedRanks(Runners());
  std::ranges::reverse(reversed);
  ChooseAll(reversed);
  EXPECT_EQ(window.Race()->Popularity.Ranks, reversed);
  EXPECT_EQ(Grid().Model().HorseOrder(), order);
  EXPECT_EQ(Grid().Header().SortMarkColumn(), kPopularityColumn);
}

TEST_F(ManualPopularityTest, SwitchingOnKeepsTheOddsRanksAndOffReadsTheOddsAgain) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  window.Execute(Command::BetDetails);
  const RaceView odds = *window.Race();
  const std::vector<QString> oddsCells = PopularityCells();
  auto column6 = [&] {
    std::vector<QColor> colours;
    for (int h = 1; h <= Runners(); ++h) {
      colours.push_back(Cell(h, kPopularityColumn).data(Qt::BackgroundRole).value<QColor>());
    }
    return colours;
  };
  const std::vector<QColor> manualColours(static_cast<size_t>(Runners()), kManualBackground);
  ASSERT_NE(column6(), manualColours);

  window.Execute(Command::UserOdds);
  EXPECT_EQ(window.UserOddsPanel().text(), QStringLiteral("人気手入力モード"));
  EXPECT_EQ(window.Header().Button(6)->Shown(), ImageButton::Picture::Pressed);
  EXPECT_EQ(window.Race()->Popularity, odds.Popularity);
  EXPECT_EQ(PopularityCells(), oddsCells);
  EXPECT_EQ(column6(), manualColours);
  ExpectMarksAndBetsOf(odds);

  const std::vector<int> ranks = ReversedRanks(Runners());
  ChooseAll(ranks);
  window.Execute(Command::UserOdds);
  EXPECT_TRUE(window.UserOddsPanel().text().isEmpty());
  EXPECT_EQ(window.Header().Button(6)->Shown(), ImageButton::Picture::Normal);
  EXPECT_EQ(window.Race()->Popularity, odds.Popularity);
  EXPECT_EQ(PopularityCells(), oddsCells);
  EXPECT_NE(column6(), manualColours);
  ExpectMarksAndBetsOf(odds);

  // On again: the saved ranks are read back.
  window.Execute(Command::UserOdds);
  EXPECT_EQ(window.Race()->Popularity.Ranks, ranks);
  ExpectMarksAndBetsOf(WithRanks(odds, ranks));
}

TEST_F(ManualPopularityTest, TheModeAndTheSavedRanksComeBackAtTheNextStart) {
  StartManual();
  const std::vector<int> ranks = ReversedRanks(Runners());
  ChooseAll(ranks);
  Close();
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orvane"), QStringLiteral("Orvane"));
  EXPECT_EQ(settings.value("frmMain/UserOddsMode").toString(), "1");

  TfrmOrvane& again = Start();
  EXPECT_TRUE(again.UserOddsMode());
  EXPECT_EQ(again.UserOddsPanel().text(), QStringLiteral("人気手入力モード"));
  EXPECT_EQ(again.Race()->Popularity.Ranks, ranks);
  EXPECT_NE(Click(1), nullptr);
}

TEST_F(ManualPopularityTest, ASaveThatFailsIsReportedAndTheMarksStillFollowTheRanks) {
  TfrmOrvane& window = StartManual();
  std::ofstream(Home() / "UserOdds") << "a file where the folder belongs";
  std::vector<int> ranks = window.Race()->Popularity.Ranks;
  ranks[0] = 16;
  const RaceView after = WithRanks(*window.Race(), ranks);
  Choose(1, 16);
  ASSERT_EQ(Desktop().messages.size(), 1);
  EXPECT_TRUE(Desktop().messages.front().contains(QStringLiteral("UserOdds")));
  EXPECT_EQ(window.Race()->Popularity.Ranks, ranks);
  ExpectMarksAndBetsOf(after);
}

TEST_F(ManualPopularityTest, ASingleRunnersRankIsSavedButNeverReadBack) {
  const std::string race = RaceHeader().Course("04").RaceNumber(11).Turf().Distance(1600).Runners(1).str();
  WriteRecordFile(Home() / kRaceHeaderFile, {race});
  WriteRecordFile(Home() / kEntryFile, {Entry().Name("ヒトリ").str()});
  WriteRecordFile(Home() / kHorseFile, {HorseRecord().Name("ヒトリ").Run(0, PastRunBlock().LastCorner("01")).str()});
  WriteRecordFile(Home() / kOddsFile, {OddsRecord(race, {"00030"})});
  TfrmOrvane& window = Start();
  window.Execute(Command::UserOdds);
  ASSERT_EQ(Runners(), 1);

  PopularityEditor* editor = Click(1);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->count(), 2);
  Pick(editor, 1);
  EXPECT_EQ(FileBytes(Home() / "UserOdds" / "20070520.ods"), ToCp932("[東京11R]") + "\r\nOddsRank=1\r\n");
  EXPECT_EQ(window.Race()->Popularity.Ranks, std::vector<int>{1});

  window.ShowRace(0);
  EXPECT_EQ(window.Race()->Popularity.Ranks, std::vector<int>{0});
  EXPECT_TRUE(CellText(1, kPopularityColumn).isEmpty());
}

}  // namespace
}  // namespace orvane::ui::test
