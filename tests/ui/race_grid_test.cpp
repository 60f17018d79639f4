// The race grid on screen: sorting by header clicks, the sort mark, hints,
// sizes, the cell layout and the anchors.
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "core/race/grid_sort.hpp"
#include "ui/support/main_window_fixture.hpp"
#include "ui/view/cell_document.hpp"
#include "ui/view/race_grid_delegate.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui::test {
namespace {

std::vector<int> HorseNumbersInOrder(int runners) {
  std::vector<int> order;
  for (int h = 1; h <= runners; ++h) order.push_back(h);
  return order;
}

class RaceGridTest : public MainWindowFixture {
 protected:
  RaceGridTest() {
    CopySampleDay();
    Start();
  }

  RaceGridView& Grid() { return Window().Grid(); }

  void ClickHeader(int column) {
    QHeaderView* header = Grid().horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }

  std::vector<SortRow> InitialTable() {
    std::vector<SortRow> table;
    for (const auto& row : Window().Race()->Rows) table.push_back(row.Sort);
    return table;
  }
};

struct HeaderClickCase {
  int column;
  SortType sort;
  bool descending;
};

class HeaderClickTest : public RaceGridTest, public ::testing::WithParamInterface<HeaderClickCase> {};

TEST_P(HeaderClickTest, AClickSortsStablyAndASecondClickReturnsToHorseNumberOrder) {
  const HeaderClickCase& c = GetParam();
  const int runners = Grid().Model().rowCount();
  ClickHeader(c.column);
  EXPECT_EQ(Window().CurrentSort(), c.sort);
  EXPECT_EQ(Grid().Model().HorseOrder(), SortRaceGrid(InitialTable(), c.sort));
  EXPECT_EQ(Grid().Header().SortMarkColumn(), SortRuleOf(c.sort).gridColumn);
  EXPECT_EQ(Grid().Header().SortMarkDescending(), c.descending);

  ClickHeader(c.column);
  EXPECT_EQ(Window().CurrentSort(), SortType::HorseNumber);
  EXPECT_EQ(Grid().Model().HorseOrder(), HorseNumbersInOrder(runners));
  EXPECT_EQ(Grid().Header().SortMarkColumn(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, HeaderClickTest,
    ::testing::Values(HeaderClickCase{0, SortType::Mark, false}, HeaderClickCase{3, SortType::Weight, true},
                      HeaderClickCase{5, SortType::Type, true}, HeaderClickCase{6, SortType::Popularity, false},
                      HeaderClickCase{7, SortType::Win, true}, HeaderClickCase{8, SortType::Return, true},
                      HeaderClickCase{9, SortType::Total, true}));

TEST_F(RaceGridTest, ColumnsWithoutASortLeaveTheOrderAndTheMark) {
  ClickHeader(9);
  const std::vector<int> sorted = Grid().Model().HorseOrder();
  for (const int column : {1, 4, 10, 11}) {
    ClickHeader(column);
    EXPECT_EQ(Window().CurrentSort(), SortType::Total) << column;
    EXPECT_EQ(Grid().Model().HorseOrder(), sorted) << column;
    EXPECT_EQ(Grid().Header().SortMarkColumn(), 9) << column;
    EXPECT_TRUE(Grid().Header().SortMarkDescending()) << column;
  }
}

TEST_F(RaceGridTest, TheSortSurvivesARaceChange) {
  ClickHeader(6);
  Window().ShowRace(3);
  EXPECT_EQ(Window().CurrentSort(), SortType::Popularity);
  EXPECT_EQ(Grid().Model().HorseOrder(), SortRaceGrid(InitialTable(), SortType::Popularity));
  EXPECT_EQ(Grid().Header().SortMarkColumn(), 6);
}

TEST_F(RaceGridTest, HintsOnlyOnTheHeadersThatSort) {
  const QAbstractItemModel& model = Grid().Model();
  EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("馬番でソート"));
  EXPECT_EQ(model.headerData(9, Qt::Horizontal, Qt::ToolTipRole).toString(), QStringLiteral("合計ポイントでソート"));
  for (const int column : {1, 4, 10, 11, 12}) {
    EXPECT_FALSE(model.headerData(column, Qt::Horizontal, Qt::ToolTipRole).isValid()) << column;
  }
  EXPECT_FALSE(model.data(model.index(0, 2), Qt::ToolTipRole).isValid());
  EXPECT_EQ(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("馬　名"));
}

TEST_F(RaceGridTest, SizesOfRowsColumnsAndTheThirdPastRun) {
  EXPECT_EQ(Grid().horizontalHeader()->height(), 18);
  EXPECT_EQ(Grid().rowHeight(0), 41);
  const int widths[] = {25, 20, 20, 118, 85, 45, 46, 40, 40, 48, 217, 217};
  for (int c = 0; c < 12; ++c) EXPECT_EQ(Grid().columnWidth(c), widths[c]) << c;
  EXPECT_TRUE(Grid().isColumnHidden(12));
  Window().ApplyShow3Sou(true);
  EXPECT_FALSE(Grid().isColumnHidden(12));
  EXPECT_EQ(Grid().columnWidth(12), 217);
}

TEST_F(RaceGridTest, CellsAreTheCoresTextsInUtf8) {
  const QAbstractItemModel& model = Grid().Model();
  EXPECT_EQ(model.data(model.index(0, 2), Qt::DisplayRole).toString(), QStringLiteral("<BR><P ALIGN=\"center\">1</P>"));
  EXPECT_TRUE(model.data(model.index(0, 3), Qt::DisplayRole).toString().contains(QStringLiteral("<A HREF=\"1\">")));
}

TEST_F(RaceGridTest, ClickingAHorseNameGivesItsNumberAndNothingElseHappens) {
  QSignalSpy clicks(&Grid(), &RaceGridView::AnchorClicked);
  const QModelIndex name = Grid().Model().index(2, 3);
  const QRect cell = Grid().visualRect(name);
  const auto* delegate = static_cast<const RaceGridDelegate*>(Grid().itemDelegate());
  // The name stands on the middle line of the cell.
  QPoint onName;
  for (int x = cell.left(); x < cell.right() && onName.isNull(); ++x) {
    const QPoint p(x, cell.center().y());
    if (!delegate->AnchorAt(name, cell, p).isEmpty()) onName = p;
  }
  ASSERT_FALSE(onName.isNull());
  QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, onName);
  ASSERT_EQ(clicks.size(), 1);
  EXPECT_EQ(clicks.front().front().toString(), QStringLiteral("3"));
  EXPECT_TRUE(Desktop().messages.isEmpty());
}

// The mini-HTML layout: three lines in 41 pixels, blanks kept, a leading
// break leaving one empty line above a paragraph.
TEST(CellDocumentTest, ThreeLinesFitARowAndBlanksAreKept) {
  const QFont font = RaceGridDelegate::CellFont(10);
  const auto three = LayOutCell(QStringLiteral("a<BR>b<BR>c"), font, 217);
  EXPECT_EQ(three->size().height(), 3 * kCellLineHeight + 2);
  EXPECT_LE(three->size().height(), 41);

  const auto one = LayOutCell(QStringLiteral("a b"), font, 217);
  const auto four = LayOutCell(QStringLiteral("a    b"), font, 217);
  EXPECT_GT(four->idealWidth(), one->idealWidth());

  const auto centred = LayOutCell(QStringLiteral("<BR><P ALIGN=\"center\">1</P>"), font, 20);
  EXPECT_EQ(centred->size().height(), 2 * kCellLineHeight + 2);
  EXPECT_EQ(centred->toPlainText().trimmed(), QStringLiteral("1"));
}

TEST(RaceGridDelegateTest, PaintsBackgroundAndTheRestBorder) {
  RaceGridModel model;
  RaceGridRow row;
  row.HorseNumber = 1;
  row.Colours[10].Background = Rgb{0xEE, 0xFF, 0xEE};
  row.RestBorder[0] = true;
  row.Colours[11].Background = Rgb{0xDD, 0xDD, 0xDD};
  model.SetRows({row});

  RaceGridDelegate delegate;
  QImage image(217, 41, QImage::Format_RGB32);
  const auto paint = [&](int column) {
    image.fill(Qt::black);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    delegate.paint(&painter, option, model.index(0, column));
  };
  paint(10);
  EXPECT_EQ(QColor(image.pixel(0, 20)), QColor(0x00, 0x80, 0xFF));
  EXPECT_EQ(QColor(image.pixel(1, 20)), QColor(0x00, 0x80, 0xFF));
  EXPECT_EQ(QColor(image.pixel(2, 20)), QColor(0xEE, 0xFF, 0xEE));
  paint(11);
  EXPECT_EQ(QColor(image.pixel(0, 20)), QColor(0xDD, 0xDD, 0xDD));
  paint(12);
  EXPECT_EQ(QColor(image.pixel(5, 20)), QColor(Qt::white));
}

}  // namespace
}  // namespace orvane::ui::test
