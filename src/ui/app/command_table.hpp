#pragma once
// The main window's commands: toolbar buttons, menu items, hints and keys.
#include <QKeySequence>
#include <span>

namespace orvane::ui {

enum class Command {
  Download,
  OpenData,
  SelectRace,
  PreviousRace,
  NextRace,
  Map,
  UserOdds,
  OutputMenu,
  ToolsMenu,
  HelpMenu,
  Print,
  BetFile,
  IndexFile,
  BulkBetFile,
  NewsletterHtml,
  Options,
  BetDetails,
  Help,
  ProductPage,
  ServicePage,
  About,
};

struct CommandEntry {
  Command command;
  int button;             // toolbar button ImgBtn<n>, -1 for none
  const char* hint;       // the button's hint (UTF-8), empty without a button
  const char* mainItem;   // item name in MainMenu1, empty when it has none
  const char* popupItem;  // item name in a popup menu, empty when it has none
  const char* caption;    // menu caption (UTF-8), with its & accelerator
  QKeyCombination key;    // Qt::Key_unknown for none
};

std::span<const CommandEntry> CommandTable();
const CommandEntry& EntryOf(Command command);

inline constexpr int kToolbarButtons = 10;

}  // namespace orvane::ui
