#include "ui/bets/bet_details_window.hpp"

#include <QAction>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "core/data/cp932.hpp"
#include "core/data/width.hpp"
#include "core/output/line_file.hpp"
#include "ui/app/desktop.hpp"
#include "ui/app/skin.hpp"
#include "ui/app/user_settings.hpp"
#include "ui/bets/bet_details_icons.hpp"

namespace orvane::ui {
namespace {

constexpr int kMemoPixelSize = 14;
constexpr size_t kFileNameBytes = 7;  // a two-character venue, the race number and "R"

QString Utf(std::string_view cp932) { return QString::fromStdString(ToUtf8(cp932)); }

// Arial, or a sans-serif narrow enough for a line of six 3連単 tickets; the
// Japanese headers fall back to a Japanese font.
QFont MemoFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"),
                    QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(kMemoPixelSize);
  return font;
}

// The first bytes of the title, never ending in half a double-byte character.
std::string FileNameStem(std::string_view title) {
  size_t end = 0;
  while (end < title.size()) {
    const size_t next = end + (IsLeadByte(static_cast<unsigned char>(title[end])) ? 2 : 1);
    if (next > kFileNameBytes) break;
    end = next;
  }
  return std::string(title.substr(0, end));
}

// An existing file is replaced without a question.
QString ChooseWithDialog(QWidget* parent, const TfrmKaime::SaveRequest& request) {
  return QFileDialog::getSaveFileName(parent, request.title, request.presetName, request.filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

QPoint CentredOnScreen(QSize window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
  return {size.width() / 2 - window.width() / 2, size.height() / 2 - window.height() / 2};
}

const QString& SettingsName() {
  static const QString name = QStringLiteral("frmKaime");
  return name;
}

}  // namespace

TfrmKaime::TfrmKaime(QWidget* parent) : QMainWindow(parent, Qt::Dialog), chooseSaveFile_(ChooseWithDialog) {
  setObjectName(QStringLiteral("TfrmKaime"));
  setWindowTitle(QStringLiteral("買い目の詳細"));

  Memo1_ = new QPlainTextEdit(this);
  Memo1_->setObjectName(QStringLiteral("Memo1"));
  Memo1_->setReadOnly(true);
  Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1_->setFont(MemoFont());
  setCentralWidget(Memo1_);

  spSkinStatusPanel1_ = new QLabel(this);
  spSkinStatusPanel1_->setObjectName(QStringLiteral("spSkinStatusPanel1"));
  statusBar()->addWidget(spSkinStatusPanel1_, 1);
  statusBar()->setSizeGripEnabled(false);

  BuildMenus();
  BuildToolBar();
  setFixedSize(kClientSize);
  ReadPosition();
}

void TfrmKaime::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  mnuSave_ = file->addAction(QStringLiteral("テキストファイルとして保存(&S)..."), this, &TfrmKaime::mnuSaveClick);
  mnuSave_->setObjectName(QStringLiteral("mnuSave"));
  mnuSave_->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_S));
  file->addSeparator();
  QAction* close = file->addAction(QStringLiteral("買い目の詳細を閉じる(&X)"), this, &TfrmKaime::mnuCloseClick);
  close->setObjectName(QStringLiteral("mnuClose"));
  close->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_F4));

  QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
  mnuCopy_ = edit->addAction(QStringLiteral("選択範囲をコピー(&C)"), this, &TfrmKaime::mnuCopyClick);
  mnuCopy_->setObjectName(QStringLiteral("mnuCopy"));
  mnuCopy_->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_C));
  QAction* all = edit->addAction(QStringLiteral("すべて選択(&A)"), this, &TfrmKaime::mnuAllClick);
  all->setObjectName(QStringLiteral("mnuAll"));
  all->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_A));
}

void TfrmKaime::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->toggleViewAction()->setEnabled(false);
  bar->setIconSize(QSize(16, 16));
  const auto button = [bar](const char* name, const QIcon& icon, const QString& hint, QAction* action) {
    auto* tool = new QToolButton(bar);
    tool->setObjectName(QString::fromLatin1(name));
    tool->setIcon(icon);
    tool->setToolTip(hint);
    tool->setToolTipDuration(kHintDurationMs);
    tool->setAutoRaise(true);
    connect(tool, &QToolButton::clicked, action, &QAction::trigger);
    bar->addWidget(tool);
    return tool;
  };
  btnSave_ = button("btnSave", SaveIcon(), QStringLiteral("保存"), mnuSave_);
  btnEdit_ = button("btnEdit", CopyIcon(), QStringLiteral("選択範囲をコピー"), mnuCopy_);
}

void TfrmKaime::ReadPosition() {
  const SettingsSection settings(SettingsName());
  const QPoint centred = CentredOnScreen(kClientSize);
  const int top = settings.ReadInteger(QStringLiteral("Top"), centred.y());
  move(settings.ReadInteger(QStringLiteral("Left"), centred.x()), top);
}

void TfrmKaime::SavePosition() const {
  SettingsSection settings(SettingsName());
  settings.WriteInteger(QStringLiteral("Left"), pos().x());
  settings.WriteInteger(QStringLiteral("Top"), pos().y());
}

void TfrmKaime::SetText(std::string_view betTitle, const std::vector<std::string>& lines) {
  betTitle_ = betTitle;
  lines_ = lines;
  spSkinStatusPanel1_->setText(Utf(betTitle_));
  QStringList text;
  text.reserve(static_cast<qsizetype>(lines_.size()));
  for (const std::string& line : lines_) text.append(Utf(line));
  Memo1_->setPlainText(text.join(QLatin1Char('\n')));
}

void TfrmKaime::mnuSaveClick() {
  const SaveRequest request{QStringLiteral("買い目をテキストファイルとして保存"),
                            QStringLiteral("テキストファイル(*.txt)"),
                            Utf(FileNameStem(betTitle_)) + QStringLiteral(".txt")};
  const QString path = chooseSaveFile_(this, request);
  if (path.isEmpty()) return;
  // The memo is read-only, so the lines it shows are the lines it was given.
  const auto written = WriteLinesFile(std::filesystem::path(path.toStdU16String()), lines_);
  if (!written) {
    TheDesktop().Inform(this,
                        QStringLiteral("買い目を保存できませんでした。\n") + QString::fromStdString(written.error()));
  }
}

void TfrmKaime::mnuCopyClick() { Memo1_->copy(); }

void TfrmKaime::mnuAllClick() { Memo1_->selectAll(); }

void TfrmKaime::mnuCloseClick() { hide(); }

void TfrmKaime::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  emit ShownChanged(true);
}

void TfrmKaime::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  // Minimising hides the window without hiding it for good; only a hide counts.
  if (!shown_ || !isHidden()) return;
  shown_ = false;
  emit ShownChanged(false);
}

}  // namespace orvane::ui
