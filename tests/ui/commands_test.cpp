// The command surface: toolbar, menus, keys, developer mode, and the commands
// that open dialogs, ask questions or open pages.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "core/data/cp932.hpp"
#include "ui/app/command_menus.hpp"
#include "ui/app/header_panel.hpp"
#include "ui/app/user_settings.hpp"
#include "ui/app/web_addresses.hpp"
#include "ui/bets/bet_details_window.hpp"
#include "ui/support/main_window_fixture.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui::test {
namespace {

const QString kNotAvailable = QStringLiteral("この機能は準備中です。");

QStringList VisibleItemNames(const QMenu* menu) {
  QStringList names;
  for (const QAction* item : menu->actions()) {
    if (!item->isVisible()) continue;
    names << (item->objectName().isEmpty() ? QStringLiteral("-") : item->objectName());
  }
  return names;
}

// Every item name in the menus of the (hidden) main menu bar.
QStringList MainMenuItemNames(const QMenuBar* bar) {
  QStringList names;
  for (const QAction* menu : bar->actions()) {
    for (const QAction* item : menu->menu()->actions()) {
      if (!item->isSeparator()) names << item->objectName();
    }
  }
  return names;
}

using CommandsTest = MainWindowFixture;

TEST_F(CommandsTest, ToolbarButtonsCarryTheirHintsAndRunTheirCommands) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  for (const CommandEntry& entry : CommandTable()) {
    if (entry.button < 0) continue;
    ImageButton* button = window.Header().Button(entry.button);
    EXPECT_EQ(button->objectName(), QStringLiteral("ImgBtn%1").arg(entry.button));
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(entry.hint));
    EXPECT_EQ(button->toolTipDuration(), 8000);
    EXPECT_EQ(button->size(), QSize(39, 39));
    EXPECT_EQ(button->pos(), QPoint(504 + 39 * entry.button, 8));
    EXPECT_TRUE(button->Supported());
  }
  EXPECT_EQ(window.Header().Button(1)->toolTip(), QStringLiteral("既存のRVXデータを読み込む （Ctrl+O)"));
  QTest::mouseClick(window.Header().Button(4), Qt::LeftButton);
  EXPECT_EQ(window.CurrentRace(), 1);
  QTest::mouseClick(window.Header().Button(3), Qt::LeftButton);
  EXPECT_EQ(window.CurrentRace(), 0);
}

TEST_F(CommandsTest, TheMainMenuIsHiddenAndHoldsEveryKeyedCommand) {
  TfrmOrvane& window = Start();
  EXPECT_FALSE(window.Menus().MainMenu()->isVisible());
  for (const CommandEntry& entry : CommandTable()) {
    if (entry.key == QKeyCombination(Qt::Key_unknown)) continue;
    const QAction* item = window.Menus().MainItem(entry.command);
    ASSERT_NE(item, nullptr) << entry.caption;
    EXPECT_EQ(item->objectName(), QString::fromLatin1(entry.mainItem));
    EXPECT_EQ(item->shortcut(), QKeySequence(entry.key)) << entry.caption;
    EXPECT_EQ(item->text(), QString::fromUtf8(entry.caption));
  }
  EXPECT_EQ(window.Menus().MainItem(Command::Options)->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
  EXPECT_EQ(window.Menus().MainItem(Command::Help)->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(CommandsTest, ADisabledItemsKeyDoesNothing) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  Activate();
  window.Menus().MainItem(Command::NextRace)->setEnabled(false);
  QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(window.CurrentRace(), 0);
  window.Menus().MainItem(Command::NextRace)->setEnabled(true);
  QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(window.CurrentRace(), 1);
}

TEST_F(CommandsTest, ThePopupMenusHoldTheirItemsInOrder) {
  TfrmOrvane& window = Start();
  EXPECT_EQ(VisibleItemNames(window.Menus().Output()), (QStringList{"popPrint", "-", "popQV", "popGaibuShisu"}));
  EXPECT_EQ(VisibleItemNames(window.Menus().Tools()), (QStringList{"popOption", "-", "popKaime"}));
  const QList<QAction*> help = window.Menus().HelpMenu()->actions();
  ASSERT_EQ(help.size(), 5);
  EXPECT_EQ(help[0]->objectName(), QStringLiteral("popHelp"));
  EXPECT_EQ(help[2]->text(), QStringLiteral("ホームページ(&H)..."));
  EXPECT_EQ(VisibleItemNames(help[2]->menu()), (QStringList{"popURL1", "popURL2"}));
  EXPECT_EQ(help[4]->objectName(), QStringLiteral("popVersion"));
  EXPECT_EQ(help[4]->text(), QStringLiteral("バージョン情報(&A)..."));
}

struct DeveloperCase {
  const char* ini;
  bool developer;
};

class DeveloperModeTest : public MainWindowFixture, public ::testing::WithParamInterface<DeveloperCase> {};

TEST_P(DeveloperModeTest, ShowsTheDeveloperItemsOfTheOutputMenuOnly) {
  if (GetParam().ini) WriteIni(QString::fromUtf8(GetParam().ini));
  TfrmOrvane& window = Start();
  EXPECT_EQ(window.DeveloperMode(), GetParam().developer);
  QStringList expected{"popPrint", "-", "popQV", "popGaibuShisu"};
  if (GetParam().developer)
    expected << "popBar1"
             << "popZentora"
             << "popHtml";
  EXPECT_EQ(VisibleItemNames(window.Menus().Output()), expected);
  const QStringList mainItems = MainMenuItemNames(window.Menus().MainMenu());
  EXPECT_FALSE(mainItems.contains(QStringLiteral("ZentoraK1")));
  EXPECT_FALSE(mainItems.contains(QStringLiteral("mnuHtml")));
}

TEST_P(DeveloperModeTest, TheNewsletterKeyWorksInAnyModeTheBulkBetKeyOnlyForDevelopers) {
  if (GetParam().ini) WriteIni(QString::fromUtf8(GetParam().ini));
  Start();
  Activate();
  QTest::keyClick(&Window(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(Desktop().messages, GetParam().developer ? QStringList{kNotAvailable} : QStringList{});
  Desktop().messages.clear();
  QTest::keyClick(&Window(), Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(Desktop().messages, QStringList{kNotAvailable});
}

INSTANTIATE_TEST_SUITE_P(Ini, DeveloperModeTest,
                         ::testing::Values(DeveloperCase{nullptr, false},
                                           DeveloperCase{"[Option]\nDeveloperMode=0\n", false},
                                           DeveloperCase{"[Option]\nDeveloperMode=x\n", false},
                                           DeveloperCase{"[Option]\nDeveloperMode=1\n", true},
                                           DeveloperCase{"[Option]\nDeveloperMode=2\n", true}));

TEST_F(CommandsTest, TheOpenDialogAsksForRvxDataInTheStoredFolder) {
  Start();
  SettingsSection(QStringLiteral("Data")).WriteText(QStringLiteral("Dir"), HomeFile(""));
  Window().Execute(Command::OpenData);
  SettingsSection(QStringLiteral("Data")).WriteText(QStringLiteral("Dir"), HomeFile("missing"));
  Window().Execute(Command::OpenData);

  ASSERT_EQ(Desktop().openRequests.size(), 2u);
  const OpenFileRequest& request = Desktop().openRequests[0];
  EXPECT_EQ(request.title, QStringLiteral("「出馬表+競走馬」または「予想オッズ」(RVX)データの選択"));
  EXPECT_EQ(request.filters, QStringLiteral("「出馬表+競走馬」(RVX)データ (*hb*.lzh *hz*.lzh *od*.lzh);;"
                                            "「予想オッズ」(RVX)データ (j*.lzh kd3_jb*.lzh)"));
  EXPECT_EQ(request.folder, HomeFile(""));
  EXPECT_TRUE(Desktop().openRequests[1].folder.isEmpty());
  EXPECT_EQ(Window().CurrentRace(), -1);  // both cancelled
}

TEST_F(CommandsTest, DownloadAsksTheCautionQuestionFirst) {
  Start();
  Desktop().answerYes = false;
  Window().Execute(Command::Download);
  ASSERT_EQ(Desktop().questions.size(), 1);
  EXPECT_EQ(Desktop().questions[0],
            QStringLiteral("【ご注意】\n\n自動ダウンロード機能は定額パック(Aコース、Bコース、Cコース)に\n"
                           "対応しておりませんので、定額パックをご契約の方は、ブラウザを\n"
                           "利用してダウンロードしてください。\n\n自動ダウンロードを継続しますか？"));
  EXPECT_TRUE(Desktop().messages.isEmpty());
  Desktop().answerYes = true;
  Window().Execute(Command::Download);
  EXPECT_EQ(Desktop().messages, QStringList{kNotAvailable});
}

TEST_F(CommandsTest, HelpAndTheWebPagesOpenTheirAddresses) {
  Start();
  Window().Execute(Command::Help);
  Window().Execute(Command::ProductPage);
  Window().Execute(Command::ServicePage);
  ASSERT_EQ(Desktop().openedUrls.size(), 3u);
  EXPECT_EQ(Desktop().openedUrls[0], QUrl::fromLocalFile(HomeFile("Orvane.chm")));
  EXPECT_EQ(Desktop().openedUrls[1], QUrl(QString::fromLatin1(kProductPageUrl)));
  EXPECT_EQ(Desktop().openedUrls[2], QUrl(QString::fromLatin1(kDataServicePageUrl)));
}

TEST_F(CommandsTest, TheProductMarkOnTheHeaderLinksToTheHomePage) {
  TfrmOrvane& window = Start();
  auto* link = window.Header().findChild<QLabel*>(QStringLiteral("HomePageLink"));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->toolTip(), QStringLiteral("Orvaneのホームページを表示"));
  EXPECT_EQ(link->toolTipDuration(), 8000);
  QTest::mouseClick(link, Qt::LeftButton);
  ASSERT_EQ(Desktop().openedUrls.size(), 1u);
  EXPECT_EQ(Desktop().openedUrls[0], QUrl(QString::fromLatin1(kProductPageUrl)));
}

TEST_F(CommandsTest, CommandsOfLaterWorkSayTheyAreNotAvailableYet) {
  CopySampleDay();
  Start();
  for (const Command command :
       {Command::Map, Command::Print, Command::BetFile, Command::IndexFile, Command::NewsletterHtml}) {
    Window().Execute(command);
  }
  EXPECT_EQ(Desktop().messages.size(), 5);
  EXPECT_EQ(Desktop().messages.front(), kNotAvailable);
}

TEST_F(CommandsTest, TheBetDetailsCommandDoesNothingBeforeARaceIsShown) {
  Start();
  Window().Execute(Command::BetDetails);
  EXPECT_FALSE(Window().BetDetailsWindow().isVisible());
  EXPECT_TRUE(Desktop().messages.isEmpty());
}

QString DetailsText(const RaceView& race) {
  QStringList lines;
  for (const std::string& line : race.BetDetails) lines << QString::fromStdString(ToUtf8(line));
  return lines.join(QLatin1Char('\n'));
}

TEST_F(CommandsTest, TheBetDetailsWindowFollowsTheRaceOnScreenWhileItShows) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  TfrmKaime& details = window.BetDetailsWindow();
  window.Execute(Command::BetDetails);
  ASSERT_TRUE(details.isVisible());
  EXPECT_EQ(details.Memo()->toPlainText(), DetailsText(*window.Race()));
  EXPECT_EQ(details.StatusPanel()->text(), QString::fromStdString(ToUtf8(window.Race()->Summary.BetTitle)));

  window.ShowRace(11);
  EXPECT_EQ(details.Memo()->toPlainText(), DetailsText(*window.Race()));

  details.mnuCloseClick();
  window.ShowRace(12);
  EXPECT_NE(details.Memo()->toPlainText(), DetailsText(*window.Race()));  // hidden: not rewritten
  window.Execute(Command::BetDetails);
  EXPECT_EQ(details.Memo()->toPlainText(), DetailsText(*window.Race()));
}

TEST_F(CommandsTest, TheManualPopularityModeShowsInTheStatusBar) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  window.Execute(Command::UserOdds);
  EXPECT_TRUE(window.UserOddsMode());
  EXPECT_EQ(window.UserOddsPanel().text(), QStringLiteral("人気手入力モード"));
  EXPECT_EQ(window.Header().Button(6)->Shown(), ImageButton::Picture::Pressed);
  EXPECT_TRUE(window.Race()->UserOddsMode);
  window.Execute(Command::UserOdds);
  EXPECT_FALSE(window.UserOddsMode());
  EXPECT_TRUE(window.UserOddsPanel().text().isEmpty());
}

}  // namespace
}  // namespace orvane::ui::test
