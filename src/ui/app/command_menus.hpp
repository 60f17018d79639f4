#pragma once
// The main window's menus: MainMenu1 (its bar is never shown; it exists for the
// keys), the popup menus popOutput, popTools and pop3, and the race menu popMenu.
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QStringList>
#include <map>

#include "ui/app/command_table.hpp"

namespace orvane::ui {

class CommandMenus : public QObject {
  Q_OBJECT
 public:
  static constexpr int kRaceHandlers = 40;

  // The key-carrying actions are added to `window`, so their keys work while it
  // is active; a disabled item's key does not.
  explicit CommandMenus(QWidget* window);

  QMenuBar* MainMenu() const { return mainMenu_; }
  QMenu* Output() const { return popOutput_; }
  QMenu* Tools() const { return popTools_; }
  QMenu* HelpMenu() const { return pop3_; }
  QMenu* Races() const { return popMenu_; }
  // The MainMenu1 item of `command`, or nullptr.
  QAction* MainItem(Command command) const;

  // Shows the developer items of popOutput (those of MainMenu1 stay hidden).
  void SetDeveloperMode(bool on);
  // One race-menu item per caption, in race order.
  void SetRaces(const QStringList& captions);

 signals:
  void Triggered(Command command);
  // A race-menu item was chosen: its position in the menu (0-39).
  void RaceChosen(int race);

 private:
  QAction* AddMainItem(QMenu* menu, Command command);
  QAction* AddPopupItem(QMenu* menu, Command command);
  QMenu* NewPopup(const char* name);

  QWidget* window_;
  QMenuBar* mainMenu_;
  QMenu* popOutput_;
  QMenu* popTools_;
  QMenu* pop3_;
  QMenu* popMenu_;
  QAction* popBar1_ = nullptr;
  std::map<Command, QAction*> mainItems_;
  std::map<Command, QAction*> popupItems_;
};

}  // namespace orvane::ui
