#include "ui/app/command_menus.hpp"

namespace orvane::ui {
namespace {

// Menus are drawn slightly translucent.
constexpr int kMenuAlpha = 243;

}  // namespace

CommandMenus::CommandMenus(QWidget* window)
    : QObject(window),
      window_(window),
      mainMenu_(new QMenuBar(window)),
      popOutput_(NewPopup("popOutput")),
      popTools_(NewPopup("popTools")),
      pop3_(NewPopup("pop3")),
      popMenu_(NewPopup("popMenu")) {
  mainMenu_->setObjectName(QStringLiteral("MainMenu1"));
  mainMenu_->hide();

  QMenu* file = mainMenu_->addMenu(QStringLiteral("ファイル(&F)"));
  AddMainItem(file, Command::Download);
  AddMainItem(file, Command::OpenData);
  QMenu* race = mainMenu_->addMenu(QStringLiteral("レース(&R)"));
  AddMainItem(race, Command::SelectRace);
  race->addSeparator();
  AddMainItem(race, Command::PreviousRace);
  AddMainItem(race, Command::NextRace);
  QMenu* tools = mainMenu_->addMenu(QStringLiteral("ツール(&T)"));
  AddMainItem(tools, Command::Map);
  AddMainItem(tools, Command::UserOdds);
  tools->addSeparator();
  AddMainItem(tools, Command::Print);
  tools->addSeparator();
  AddMainItem(tools, Command::BetFile);
  AddMainItem(tools, Command::IndexFile);
  tools->addSeparator();
  // ZentoraK1 and mnuHtml are never shown: they are in no menu and exist only
  // for their keys (an action hidden with setVisible would lose its key).
  AddMainItem(nullptr, Command::BulkBetFile);
  AddMainItem(nullptr, Command::NewsletterHtml);
  tools->addSeparator();
  AddMainItem(tools, Command::Options);
  AddMainItem(tools, Command::BetDetails);
  QMenu* help = mainMenu_->addMenu(QStringLiteral("ヘルプ(&H)"));
  AddMainItem(help, Command::Help);

  AddPopupItem(popOutput_, Command::Print);
  popOutput_->addSeparator();
  AddPopupItem(popOutput_, Command::BetFile);
  AddPopupItem(popOutput_, Command::IndexFile);
  popBar1_ = popOutput_->addSeparator();
  popBar1_->setObjectName(QStringLiteral("popBar1"));
  AddPopupItem(popOutput_, Command::BulkBetFile);
  AddPopupItem(popOutput_, Command::NewsletterHtml);
  SetDeveloperMode(false);

  AddPopupItem(popTools_, Command::Options);
  popTools_->addSeparator();
  AddPopupItem(popTools_, Command::BetDetails);

  AddPopupItem(pop3_, Command::Help);
  pop3_->addSeparator();
  QMenu* homePages = pop3_->addMenu(QStringLiteral("ホームページ(&H)..."));
  homePages->setWindowOpacity(kMenuAlpha / 255.0);
  AddPopupItem(homePages, Command::ProductPage);
  AddPopupItem(homePages, Command::ServicePage);
  pop3_->addSeparator();
  AddPopupItem(pop3_, Command::About);

  connect(popMenu_, &QMenu::triggered, this, [this](QAction* item) {
    const auto race = static_cast<int>(popMenu_->actions().indexOf(item));
    if (race >= 0 && race < kRaceHandlers) emit RaceChosen(race);
  });
}

QMenu* CommandMenus::NewPopup(const char* name) {
  auto* menu = new QMenu(window_);
  menu->setObjectName(QString::fromLatin1(name));
  menu->setWindowOpacity(kMenuAlpha / 255.0);
  return menu;
}

QAction* CommandMenus::AddMainItem(QMenu* menu, Command command) {
  const CommandEntry& entry = EntryOf(command);
  auto* item = new QAction(QString::fromUtf8(entry.caption), window_);
  item->setObjectName(QString::fromLatin1(entry.mainItem));
  if (entry.key != QKeyCombination(Qt::Key_unknown)) item->setShortcut(QKeySequence(entry.key));
  item->setShortcutContext(Qt::WindowShortcut);
  connect(item, &QAction::triggered, this, [this, command] { emit Triggered(command); });
  window_->addAction(item);
  if (menu) menu->addAction(item);
  mainItems_[command] = item;
  return item;
}

QAction* CommandMenus::AddPopupItem(QMenu* menu, Command command) {
  const CommandEntry& entry = EntryOf(command);
  // The key is shown beside the caption; it belongs to the MainMenu1 item.
  QString caption = QString::fromUtf8(entry.caption);
  if (entry.key != QKeyCombination(Qt::Key_unknown)) {
    caption += QLatin1Char('\t') + QKeySequence(entry.key).toString(QKeySequence::NativeText);
  }
  auto* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(entry.popupItem));
  connect(item, &QAction::triggered, this, [this, command] { emit Triggered(command); });
  popupItems_[command] = item;
  return item;
}

QAction* CommandMenus::MainItem(Command command) const {
  const auto it = mainItems_.find(command);
  return it == mainItems_.end() ? nullptr : it->second;
}

void CommandMenus::SetDeveloperMode(bool on) {
  popBar1_->setVisible(on);
  popupItems_.at(Command::BulkBetFile)->setVisible(on);
  popupItems_.at(Command::NewsletterHtml)->setVisible(on);
}

void CommandMenus::SetRaces(const QStringList& captions) {
  popMenu_->clear();
  // A race name is no accelerator: an ampersand in it stays one.
  for (QString caption : captions) popMenu_->addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
}

}  // namespace orvane::ui
