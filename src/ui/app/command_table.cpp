#include "ui/app/command_table.hpp"

#include <algorithm>
#include <array>

namespace orvane::ui {
namespace {

constexpr QKeyCombination Ctrl(Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); }
constexpr QKeyCombination kNoKey{Qt::Key_unknown};

constexpr std::array kCommands{
    CommandEntry{Command::Download, 0, "RVXデータをダウンロードして読み込む (Ctrl+D)", "D2", "",
                "RVXデータをダウンロードして読み込む(&D)...", Ctrl(Qt::Key_D)},
    CommandEntry{Command::OpenData, 1, "既存のRVXデータを読み込む （Ctrl+O)", "D1", "",
                "既存のRVXデータを読み込む(&O)...", Ctrl(Qt::Key_O)},
    CommandEntry{Command::SelectRace, 2, "レースの選択 (Ctrl+S)", "S1", "", "予想レースの選択(&S)...", Ctrl(Qt::Key_S)},
    CommandEntry{Command::PreviousRace, 3, "前のレース (Ctrl+B)", "P1", "", "前のレース(&B)", Ctrl(Qt::Key_B)},
    CommandEntry{Command::NextRace, 4, "次のレース (Ctrl+N)", "N5", "", "次のレース(&N)", Ctrl(Qt::Key_N)},
    CommandEntry{Command::Map, 5, "展開マップを表示 (Ctrl+M)", "mnuMap", "", "展開マップを表示", Ctrl(Qt::Key_M)},
    CommandEntry{Command::UserOdds, 6, "人気手入力モードの切り替え (Ctrl+R)", "N10", "", "人気手入力モード切替",
                Ctrl(Qt::Key_R)},
    CommandEntry{Command::OutputMenu, 7, "出力...", "", "", "", kNoKey},
    CommandEntry{Command::ToolsMenu, 8, "ツール...", "", "", "", kNoKey},
    CommandEntry{Command::HelpMenu, 9, "ヘルプ...", "", "", "", kNoKey},
    CommandEntry{Command::Print, -1, "", "P2", "popPrint", "印刷(&P)", Ctrl(Qt::Key_P)},
    CommandEntry{Command::BetFile, -1, "", "QVG1", "popQV", "RavoriaQVシリーズ用買い目ファイルを出力(&G)...",
                Ctrl(Qt::Key_G)},
    CommandEntry{Command::IndexFile, -1, "", "QV4I1", "popGaibuShisu", "RavoriaQV4用外部指数ファイルを出力(&I)...",
                Ctrl(Qt::Key_I)},
    CommandEntry{Command::BulkBetFile, -1, "", "ZentoraK1", "popZentora",
                "(開発者用)Zentora!用買い目一括ファイル(&K)...", Ctrl(Qt::Key_K)},
    CommandEntry{Command::NewsletterHtml, -1, "", "mnuHtml", "popHtml", "(開発者用)メルマガ用HTMLを出力(&H)...",
                Ctrl(Qt::Key_H)},
    CommandEntry{Command::Options, -1, "", "O1", "popOption", "オプション(&O)...", Ctrl(Qt::Key_T)},
    CommandEntry{Command::BetDetails, -1, "", "S2", "popKaime", "買い目の詳細ウインドウを表示(&S)", Ctrl(Qt::Key_W)},
    CommandEntry{Command::Help, -1, "", "mnuHelp", "popHelp", "ヘルプを表示(&H)", QKeyCombination(Qt::Key_F1)},
    CommandEntry{Command::ProductPage, -1, "", "", "popURL1", "ソフトの購入・サポート(&S)", kNoKey},
    CommandEntry{Command::ServicePage, -1, "", "", "popURL2", "RavoriaOnLine(&K)", kNoKey},
    CommandEntry{Command::About, -1, "", "", "popVersion", "バージョン情報(&A)...", kNoKey},
};

}  // namespace

std::span<const CommandEntry> CommandTable() { return kCommands; }

const CommandEntry& EntryOf(Command command) { return *std::ranges::find(kCommands, command, &CommandEntry::command); }

}  // namespace orvane::ui
