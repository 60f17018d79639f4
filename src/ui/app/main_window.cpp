#include "ui/app/main_window.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <filesystem>

#include "ui/app/command_menus.hpp"
#include "ui/app/header_panel.hpp"
#include "ui/app/user_settings.hpp"
#include "ui/bets/bet_details_window.hpp"
#include "ui/view/race_grid_view.hpp"

namespace orvane::ui {
namespace {

constexpr int kStatusBarHeight = 21;
constexpr int kUserOddsPanelWidth = 140;
constexpr int kGaugeWidth = 200;
constexpr int kRolledUpLimit = 100;  // a stored height below this is a rolled-up window's
const QSize kDetailsWindowSize{606, 466};

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(1024, 768);
}

// A window centred on the screen, as the secondary windows place themselves by default.
QPoint CentredOnScreen(QSize window) {
  const QSize screen = ScreenSize();
  return {screen.width() / 2 - window.width() / 2, screen.height() / 2 - window.height() / 2};
}

// The details window's place, kept for that window (it is not built yet).
QPoint ReadPosition(const QString& section, QSize window) {
  const SettingsSection settings(section);
  const QPoint centred = CentredOnScreen(window);
  const int top = settings.ReadInteger(QStringLiteral("Top"), centred.y());
  return {settings.ReadInteger(QStringLiteral("Left"), centred.x()), top};
}

void WritePosition(const QString& section, QPoint position) {
  SettingsSection settings(section);
  settings.WriteInteger(QStringLiteral("Left"), position.x());
  settings.WriteInteger(QStringLiteral("Top"), position.y());
}

}  // namespace

TfrmOrvane::TfrmOrvane(Startup startup, QWidget* parent) : QMainWindow(parent), startup_(std::move(startup)) {
  setObjectName(QStringLiteral("TfrmOrvane"));
  setWindowTitle(QStringLiteral("Orvane"));
  BuildLayout();
  setAcceptDrops(true);

  developerMode_ = ReadDeveloperMode(startup_.iniFile);
  menus_->SetDeveloperMode(developerMode_);
  ReadSettings();

  for (int b = 0; b < kToolbarButtons; ++b) header_->Button(b)->SetSupported(true);

  // The bet details window lives, hidden until asked for, for the whole run.
  kaime_ = new TfrmKaime(this);
}

TfrmOrvane::~TfrmOrvane() = default;

void TfrmOrvane::BuildLayout() {
  setMinimumWidth(kMinWidth);
  setMaximumWidth(kMaxWidth);

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("MainArea"));
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  header_ = new HeaderPanel(central);
  grid_ = new RaceGridView(central);
  grid_->hide();
  layout->addWidget(header_);
  layout->addWidget(grid_, 1);
  layout->addStretch(0);
  setCentralWidget(central);

  notice_ = new QLabel(QStringLiteral("Ctrl+O でデータを読み込み、Ctrl+B / Ctrl+N でレースを移動します。"), this);
  notice_->setObjectName(QStringLiteral("StatusNotice"));
  staUserOdds_ = new QLabel(this);
  staUserOdds_->setObjectName(QStringLiteral("staUserOdds"));
  staUserOdds_->setFixedWidth(kUserOddsPanelWidth);
  staUserOdds_->setAlignment(Qt::AlignCenter);
  gauData_ = new QProgressBar(this);
  gauData_->setObjectName(QStringLiteral("gauData"));
  gauData_->setFixedWidth(kGaugeWidth);
  gauData_->setRange(0, 100);
  gauData_->setValue(0);
  gauData_->setTextVisible(true);
  statusBar()->setFixedHeight(kStatusBarHeight);
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(notice_, 1);
  statusBar()->addPermanentWidget(staUserOdds_);
  statusBar()->addPermanentWidget(gauData_);

  menus_ = new CommandMenus(this);
  setMenuBar(menus_->MainMenu());
  menus_->MainMenu()->hide();
  connect(menus_, &CommandMenus::Triggered, this, &TfrmOrvane::Execute);
  connect(menus_, &CommandMenus::RaceChosen, this, &TfrmOrvane::ShowRace);

  for (const CommandEntry& entry : CommandTable()) {
    if (entry.button < 0) continue;
    connect(header_->Button(entry.button), &QAbstractButton::clicked, this,
            [this, command = entry.command] { Execute(command); });
  }
  connect(header_, &HeaderPanel::HomePageClicked, this, [this] { Execute(Command::ProductPage); });
  connect(grid_, &RaceGridView::HeaderClicked, this, &TfrmOrvane::OnHeaderClicked);
  connect(grid_, &RaceGridView::PopularityChosen, this, &TfrmOrvane::Grid1ComboChange);

  // The caption's roll-up command: a window action (its key works while the
  // window is rolled up) that the header also offers in its context menu.
  rollUp_ = new QAction(QStringLiteral("ロールアップ(&U)"), this);
  rollUp_->setObjectName(QStringLiteral("RollUp"));
  rollUp_->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_U));
  rollUp_->setCheckable(true);
  connect(rollUp_, &QAction::triggered, this, &TfrmOrvane::ToggleRollUp);
  addAction(rollUp_);
  header_->setContextMenuPolicy(Qt::ActionsContextMenu);
  header_->addAction(rollUp_);
}

void TfrmOrvane::ReadSettings() {
  const SettingsSection main(QStringLiteral("frmMain"));
  int height = main.ReadInteger(QStringLiteral("Height"), 700);
  height2_ = main.ReadInteger(QStringLiteral("Height2"), 700);
  // Closed while rolled up: the stored height is the caption's; come back unrolled.
  if (height < kRolledUpLimit) height = height2_;
  const int width = main.ReadInteger(QStringLiteral("Width"), 690);
  resize(width, height);
  const QSize screen = ScreenSize();
  const int top = main.ReadInteger(QStringLiteral("Top"), screen.height() / 2 - this->height() / 2);
  const int left = main.ReadInteger(QStringLiteral("Left"), screen.width() / 2 - this->width() / 2);
  move(left, top);
  ApplyShow3Sou(main.ReadBool(QStringLiteral("Show3Sou"), false));
  autoResize_ = main.ReadBool(QStringLiteral("AutoResize"), true);
  userOddsMode_ = main.ReadBool(QStringLiteral("UserOddsMode"), false);

  detailPosition_ = ReadPosition(QStringLiteral("frmDetail"), kDetailsWindowSize);
}

void TfrmOrvane::WriteSettings() {
  SettingsSection main(QStringLiteral("frmMain"));
  main.WriteInteger(QStringLiteral("Top"), pos().y());
  main.WriteInteger(QStringLiteral("Left"), pos().x());
  main.WriteInteger(QStringLiteral("Height"), height());
  main.WriteInteger(QStringLiteral("Height2"), height2_);
  main.WriteInteger(QStringLiteral("Width"), width());
  main.WriteBool(QStringLiteral("AutoResize"), autoResize_);
  main.WriteBool(QStringLiteral("Show3Sou"), show3Sou_);
  main.WriteBool(QStringLiteral("UserOddsMode"), userOddsMode_);
  WritePosition(QStringLiteral("frmDetail"), detailPosition_);
  kaime_->SavePosition();
}

void TfrmOrvane::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TfrmOrvane::FormShow() {
  SetUserOddsMode(userOddsMode_);
  if (!startup_.arguments.isEmpty()) ImportArchive(startup_.arguments.first());
  std::error_code ec;
  const auto& root = startup_.folder.Root();
  if (std::filesystem::exists(root / kRaceHeaderFile, ec) && std::filesystem::exists(root / kHorseFile, ec) &&
      LoadRaceCard()) {
    ShowRace(0);
  }
}

void TfrmOrvane::closeEvent(QCloseEvent* event) {
  WriteSettings();
  event->accept();
}

void TfrmOrvane::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!rolledUp_) height2_ = height();
}

void TfrmOrvane::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) emit Activated();
}

void TfrmOrvane::BringToFront() {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void TfrmOrvane::ToggleRollUp() {
  if (!rolledUp_) {
    rolledUp_ = true;
    centralWidget()->hide();
    statusBar()->hide();
    setFixedHeight(0);
  } else {
    rolledUp_ = false;
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    centralWidget()->show();
    statusBar()->show();
    resize(width(), height2_);
  }
  rollUp_->setChecked(rolledUp_);
}

void TfrmOrvane::ApplyShow3Sou(bool on) {
  show3Sou_ = on;
  grid_->SetLastPastColumnShown(on);
  FitWindowToRows();
}

void TfrmOrvane::FitWindowToRows() {
  if (!autoResize_) return;
  const int height = grid_->GridRows() * RaceGridView::kRowHeight + 156;
  const int width = show3Sou_ ? 1154 : 937;
  if (rolledUp_) {
    // Stays rolled up; the fitted height is what unrolling brings back.
    height2_ = height;
    resize(width, this->height());
  } else {
    resize(width, height);
  }
}

void TfrmOrvane::SetUserOddsMode(bool on) {
  userOddsMode_ = on;
  staUserOdds_->setText(on ? QStringLiteral("人気手入力モード") : QString());
  header_->Button(6)->Show(on ? ImageButton::Picture::Pressed : ImageButton::Picture::Normal);
  grid_->SetPopularityEditable(on);
}

}  // namespace orvane::ui
