// The bet details window: the text it shows for a race, saving it as a text
// file, copying, and its place on the screen kept between runs.
#include "ui/bets/bet_details_window.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "core/bets/bet_details.hpp"
#include "core/bets/bet_lists.hpp"
#include "core/bets/formation.hpp"
#include "core/data/cp932.hpp"
#include "core/data/line_reader.hpp"
#include "ui/support/fake_desktop.hpp"

namespace orvane::ui::test {
namespace {
namespace fs = std::filesystem;

constexpr MarkHorses kMarks{12, 3, 7, 1, 15, 9};
constexpr MarkHorses kNoMarks{};

std::vector<std::string> DetailsOf(const MarkHorses& marks, int pattern, std::string_view raceNumber) {
  return BetDetailsLines(BuildBets(marks, pattern, raceNumber), raceNumber);
}

QString Utf(std::string_view cp932) { return QString::fromStdString(ToUtf8(cp932)); }

// The memo's text line by line, as the user sees it.
QStringList MemoLines(const TfrmKaime& window) { return window.Memo()->toPlainText().split(QLatin1Char('\n')); }

QSettings UserSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orvane"), QStringLiteral("Orvane"));
}

// Clears the settings before the window under test reads them.
struct FreshSettings {
  FreshSettings() { UserSettings().clear(); }
};

class BetDetailsWindowTest : public ::testing::Test {
 protected:
  FreshSettings settings_;
  DesktopScope desktop_;
  TfrmKaime window_;
};

struct TextCase {
  const char* name;
  MarkHorses marks;
  int pattern;
  const char* raceNumber;
  const char* title;
  int lines;  // lines of the whole text
  const char* lastBlockHeader;
  int lastBlockLines;
};

TEST_F(BetDetailsWindowTest, ShowsTheRacesTitleAndBetsLineForLine) {
  const TextCase cases[] = {
      {"3連複 race", kMarks, kTrioPattern, "08", "東京08R 一般 3歳以上500万下", 12, "[3連複] 計16点", 3},
      {"3連単 A + B2", kMarks, kFormationsAB2, "11", "東京11R 重賞 3歳以上オープン", 19, "[3連単] 計60点", 10},
      {"no bets", kNoMarks, kTrioPattern, "03", "中山03R 一般 3歳未勝利", 1, nullptr, 0},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string> lines = DetailsOf(c.marks, c.pattern, c.raceNumber);
    window_.SetText(ToCp932(c.title), lines);

    EXPECT_EQ(window_.StatusPanel()->text(), QString::fromUtf8(c.title));
    const QStringList shown = MemoLines(window_);
    ASSERT_EQ(shown.size(), c.lines);
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(shown[static_cast<qsizetype>(i)], Utf(lines[i])) << i;
    if (c.lastBlockHeader == nullptr) {
      EXPECT_EQ(shown.front(), QStringLiteral("このレースの買い目はありません"));
      continue;
    }
    EXPECT_EQ(shown[shown.size() - c.lastBlockLines - 1], QString::fromUtf8(c.lastBlockHeader));
    // The second 馬連 line keeps its trailing blanks, so the codes stay in their columns.
    EXPECT_TRUE(shown[2].endsWith(QStringLiteral("  ")));
  }
}

TEST_F(BetDetailsWindowTest, NewTextReplacesTheOldOne) {
  window_.SetText(ToCp932("東京11R"), DetailsOf(kMarks, kFormationA, "11"));
  window_.SetText(ToCp932("東京12R"), DetailsOf(kNoMarks, kFormationA, "12"));
  EXPECT_EQ(MemoLines(window_), QStringList{QStringLiteral("このレースの買い目はありません")});
  EXPECT_EQ(window_.StatusPanel()->text(), QStringLiteral("東京12R"));
}

TEST_F(BetDetailsWindowTest, LooksAsTheFormSays) {
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("買い目の詳細"));
  EXPECT_EQ(window_.size(), QSize(392, 443));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
  EXPECT_TRUE(window_.Memo()->isReadOnly());
  EXPECT_EQ(window_.Memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(window_.Memo()->font().pixelSize(), 14);
  EXPECT_EQ(window_.Memo()->font().families().front(), QStringLiteral("Arial"));
  EXPECT_EQ(window_.SaveButton()->toolTip(), QStringLiteral("保存"));
  EXPECT_EQ(window_.CopyButton()->toolTip(), QStringLiteral("選択範囲をコピー"));
  EXPECT_EQ(window_.SaveButton()->toolTipDuration(), 8000);
  EXPECT_EQ(window_.CopyButton()->toolTipDuration(), 8000);
  EXPECT_FALSE(window_.isVisible());
}

// --- Saving -----------------------------------------------------------------

class BetDetailsSaveTest : public BetDetailsWindowTest {
 protected:
  BetDetailsSaveTest() {
    window_.SetSaveFileChooser([this](QWidget*, const TfrmKaime::SaveRequest& request) {
      requests_.push_back(request);
      return answer_;
    });
  }

  fs::path Path(const char* name) const { return fs::path(folder_.path().toStdString()) / name; }

  QTemporaryDir folder_;
  std::vector<TfrmKaime::SaveRequest> requests_;
  QString answer_;
};

TEST_F(BetDetailsSaveTest, WritesTheLinesAsShiftJisWithCrLfOverAnExistingFile) {
  const fs::path file = Path("東京11R.txt");
  std::ofstream(file) << "an older text that is longer than nothing";
  const std::vector<std::string> lines = DetailsOf(kMarks, kFormationsB1B2, "11");
  window_.SetText(ToCp932("東京11R 一般 3歳以上1000万下 定量 浅草特別"), lines);
  answer_ = QString::fromStdU16String(file.u16string());

  window_.mnuSaveClick();

  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].title, QStringLiteral("買い目をテキストファイルとして保存"));
  EXPECT_EQ(requests_[0].filter, QStringLiteral("テキストファイル(*.txt)"));
  EXPECT_EQ(requests_[0].presetName, QStringLiteral("東京11R.txt"));
  std::string expected;
  for (const std::string& line : lines) expected += line + "\r\n";
  EXPECT_EQ(ReadFileBytes(file).value(), expected);
  EXPECT_THAT(expected, ::testing::HasSubstr(ToCp932("[3連単] 計40点") + "\r\n"));
  EXPECT_TRUE(desktop_->messages.isEmpty());
}

TEST_F(BetDetailsSaveTest, PresetNameIsTheFirstSevenBytesOfTheTitle) {
  const struct {
    const char* title;
    const char* preset;
  } cases[] = {
      {"新潟 1R 新馬", "新潟 1R.txt"},
      {"東京11R", "東京11R.txt"},
      {"東京競馬場", "東京競.txt"},  // never half a character
      {"", ".txt"},
  };
  for (const auto& c : cases) {
    window_.SetText(ToCp932(c.title), {});
    window_.mnuSaveClick();
    ASSERT_FALSE(requests_.empty());
    EXPECT_EQ(requests_.back().presetName, QString::fromUtf8(c.preset)) << c.title;
  }
}

TEST_F(BetDetailsWindowTest, TheSaveDialogAsksForATextFileAndReplacesWithoutAQuestion) {
  window_.SetText(ToCp932("東京11R 一般"), DetailsOf(kMarks, kTrioPattern, "11"));
  bool inspected = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll.stop();
    inspected = true;
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("買い目をテキストファイルとして保存"));
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("テキストファイル(*.txt)")});
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    dialog->reject();
  });
  poll.start(10);
  window_.mnuSaveClick();
  EXPECT_TRUE(inspected);
}

TEST_F(BetDetailsSaveTest, CancelWritesNothing) {
  window_.SetText(ToCp932("東京11R"), DetailsOf(kMarks, kTrioPattern, "11"));
  answer_.clear();
  window_.SaveButton()->click();
  EXPECT_EQ(requests_.size(), 1u);
  EXPECT_TRUE(fs::is_empty(Path("")));
  EXPECT_TRUE(desktop_->messages.isEmpty());
}

TEST_F(BetDetailsSaveTest, AFileThatCannotBeWrittenIsReportedAndTheOldFileStays) {
  const fs::path blocked = Path("blocked");
  fs::create_directory(blocked);  // a folder where the file should go
  window_.SetText(ToCp932("東京11R"), DetailsOf(kMarks, kTrioPattern, "11"));
  answer_ = QString::fromStdString(blocked.string());

  window_.mnuSaveClick();

  ASSERT_EQ(desktop_->messages.size(), 1);
  EXPECT_TRUE(desktop_->messages[0].startsWith(QStringLiteral("買い目を保存できませんでした。")));
  EXPECT_TRUE(fs::is_directory(blocked));
}

// --- Copy, select all, show and hide -----------------------------------------

TEST_F(BetDetailsWindowTest, SelectAllThenCopyPutsTheWholeTextOnTheClipboard) {
  window_.SetText(ToCp932("東京08R"), DetailsOf(kMarks, kTrioPattern, "08"));
  QApplication::clipboard()->clear();

  window_.mnuAllClick();
  window_.mnuCopyClick();

  EXPECT_EQ(QApplication::clipboard()->text(), window_.Memo()->toPlainText());
}

TEST_F(BetDetailsWindowTest, CopyButtonCopiesOnlyTheSelection) {
  window_.SetText(ToCp932("東京08R"), DetailsOf(kMarks, kTrioPattern, "08"));
  QTextCursor cursor(window_.Memo()->document()->findBlockByNumber(1));
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  window_.Memo()->setTextCursor(cursor);

  window_.CopyButton()->click();

  EXPECT_EQ(QApplication::clipboard()->text(), MemoLines(window_)[1]);
}

TEST_F(BetDetailsWindowTest, ShortcutsSelectCopyAndClose) {
  window_.SetText(ToCp932("東京08R"), DetailsOf(kMarks, kTrioPattern, "08"));
  window_.show();
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  QApplication::clipboard()->clear();

  QTest::keyClick(window_.Memo(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(window_.Memo(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), window_.Memo()->toPlainText());

  QTest::keyClick(window_.Memo(), Qt::Key_F4, Qt::ControlModifier);
  EXPECT_FALSE(window_.isVisible());
  EXPECT_FALSE(window_.Shown());
}

TEST_F(BetDetailsWindowTest, ShownFollowsShowAndHide) {
  QSignalSpy changes(&window_, &TfrmKaime::ShownChanged);
  EXPECT_FALSE(window_.Shown());

  window_.show();
  EXPECT_TRUE(window_.Shown());
  window_.mnuCloseClick();
  EXPECT_FALSE(window_.Shown());
  window_.show();
  window_.close();  // the window's own close button hides it too
  EXPECT_FALSE(window_.Shown());

  ASSERT_EQ(changes.size(), 4);
  EXPECT_EQ(changes[0][0].toBool(), true);
  EXPECT_EQ(changes[1][0].toBool(), false);
  EXPECT_EQ(changes[2][0].toBool(), true);
  EXPECT_EQ(changes[3][0].toBool(), false);
}

// --- Position ----------------------------------------------------------------

TEST_F(BetDetailsWindowTest, StartsCentredOnTheScreenWithoutAStoredPosition) {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(window_.pos(), QPoint(screen.width() / 2 - 392 / 2, screen.height() / 2 - 443 / 2));
}

TEST_F(BetDetailsWindowTest, SavedPositionIsWhereTheNextWindowOpens) {
  window_.move(123, 45);
  window_.SavePosition();

  QSettings settings = UserSettings();
  EXPECT_EQ(settings.value(QStringLiteral("frmKaime/Left")).toString(), QStringLiteral("123"));
  EXPECT_EQ(settings.value(QStringLiteral("frmKaime/Top")).toString(), QStringLiteral("45"));
  EXPECT_EQ(TfrmKaime().pos(), QPoint(123, 45));
}

TEST_F(BetDetailsWindowTest, AStoredValueThatIsNoNumberFallsBackToTheCentre) {
  QSettings settings = UserSettings();
  settings.setValue(QStringLiteral("frmKaime/Left"), QStringLiteral("abc"));
  settings.setValue(QStringLiteral("frmKaime/Top"), QStringLiteral("77"));
  settings.sync();
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(TfrmKaime().pos(), QPoint(screen.width() / 2 - 392 / 2, 77));
}

}  // namespace
}  // namespace orvane::ui::test
