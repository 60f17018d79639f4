// TfrmOrvane: the commands of the toolbar, the menus and the keys.
#include <QCursor>
#include <QDir>
#include <QMenu>
#include <QUrl>

#include "ui/app/about_window.hpp"
#include "ui/app/command_menus.hpp"
#include "ui/app/desktop.hpp"
#include "ui/app/main_window.hpp"
#include "ui/app/option_dialog.hpp"
#include "ui/app/user_settings.hpp"
#include "ui/app/web_addresses.hpp"
#include "ui/bets/bet_details_window.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui {
namespace {

const QString kDownloadCaution = QStringLiteral(
    "【ご注意】\n"
    "\n"
    "自動ダウンロード機能は定額パック(Aコース、Bコース、Cコース)に\n"
    "対応しておりませんので、定額パックをご契約の方は、ブラウザを\n"
    "利用してダウンロードしてください。\n"
    "\n"
    "自動ダウンロードを継続しますか？");

const QString kNotAvailable = QStringLiteral("この機能は準備中です。");

OpenFileRequest OpenDataRequest() {
  OpenFileRequest request;
  request.title = QStringLiteral("「出馬表+競走馬」または「予想オッズ」(RVX)データの選択");
  request.filters = QStringLiteral(
      "「出馬表+競走馬」(RVX)データ (*hb*.lzh *hz*.lzh *od*.lzh);;"
      "「予想オッズ」(RVX)データ (j*.lzh kd3_jb*.lzh)");
  const QString folder = SettingsSection(QStringLiteral("Data")).ReadText(QStringLiteral("Dir"));
  if (!folder.isEmpty() && QDir(folder).exists()) request.folder = folder;
  return request;
}

}  // namespace

void TfrmOrvane::Execute(Command command) {
  switch (command) {
    case Command::Download:
      ConfirmDownload();
      break;
    case Command::OpenData:
      OpenData();
      break;
    case Command::SelectRace:
      SelectRace();
      break;
    case Command::PreviousRace:
      PreviousRace();
      break;
    case Command::NextRace:
      NextRace();
      break;
    case Command::UserOdds:
      ToggleUserOddsMode();
      break;
    case Command::OutputMenu:
      PopUp(menus_->Output());
      break;
    case Command::ToolsMenu:
      PopUp(menus_->Tools());
      break;
    case Command::HelpMenu:
      PopUp(menus_->HelpMenu());
      break;
    case Command::BulkBetFile:
      // Its key works in any mode, but the command itself is the developer's.
      if (developerMode_) NotAvailableYet();
      break;
    case Command::Map:
    case Command::Print:
    case Command::BetFile:
    case Command::IndexFile:
    case Command::NewsletterHtml:
      NotAvailableYet();
      break;
    case Command::BetDetails:
      ShowBetDetails();
      break;
    case Command::Options:
      ShowOptions();
      break;
    case Command::Help:
      OpenHelp();
      break;
    case Command::ProductPage:
      TheDesktop().OpenUrl(QUrl(QString::fromLatin1(kProductPageUrl)));
      break;
    case Command::ServicePage:
      TheDesktop().OpenUrl(QUrl(QString::fromLatin1(kDataServicePageUrl)));
      break;
    case Command::About:
      ShowAbout();
      break;
  }
}

void TfrmOrvane::PopUp(QMenu* menu) { menu->popup(QCursor::pos()); }

void TfrmOrvane::SelectRace() {
  if (menus_->Races()->actions().isEmpty()) {
    TheDesktop().Beep();
    return;
  }
  PopUp(menus_->Races());
}

void TfrmOrvane::PreviousRace() {
  if (currentRace_ <= 0) {
    TheDesktop().Beep();
    return;
  }
  ShowRace(currentRace_ - 1);
}

void TfrmOrvane::NextRace() {
  if (currentRace_ + 1 < RaceCount()) {
    ShowRace(currentRace_ + 1);
  } else {
    TheDesktop().Beep();
  }
}

void TfrmOrvane::OpenData() {
  const QString path = TheDesktop().OpenFileName(this, OpenDataRequest());
  if (!path.isEmpty()) ImportArchive(path);
}

void TfrmOrvane::ConfirmDownload() {
  if (TheDesktop().ConfirmYesAbort(this, kDownloadCaution)) NotAvailableYet();
}

void TfrmOrvane::NotAvailableYet() { TheDesktop().Inform(this, kNotAvailable); }

void TfrmOrvane::OpenHelp() {
  TheDesktop().OpenUrl(QUrl::fromLocalFile(QString::fromStdString((Folder().Root() / "Orvane.chm").string())));
}

void TfrmOrvane::ShowBetDetails() {
  // Nothing to list before the first race.
  if (!race_) return;
  // Filled before it shows; from then on every race display rewrites it.
  if (!kaime_->Shown()) kaime_->SetText(race_->Summary.BetTitle, race_->BetDetails);
  kaime_->show();
  kaime_->raise();
}

void TfrmOrvane::ShowAbout() {
  auto* about = new TfrmAbout(this);
  about->StartFadeIn();
  about->exec();
}

void TfrmOrvane::ShowOptions() {
  TfrmOption dialog(*this);
  dialog.exec();
}

}  // namespace orvane::ui
