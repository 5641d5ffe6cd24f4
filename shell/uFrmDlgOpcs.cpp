#include "shell/uFrmDlgOpcs.h"

#include "widgets/ZefraWindowConfig.h"

#include "platform/DesktopStyle.h"
#include "platform/ErrorBox.h"
#include "platform/ProgramDirs.h"
#include "platform/QtText.h"
#include "platform/QuestionBox.h"
#include "scripture/uPrmApp.h"
#include "shell/Addresses.h"
#include "shell/DisplaySettings.h"
#include "shell/LinkLabel.h"
#include "shell/OfficeMenuStyle.h"
#include "shell/PagDesplegado.h"
#include "shell/TabApariencia.h"
#include "shell/TrayMenu.h"
#include "widgets/FadeAlertWindow.h"
#include "widgets/NotifyTrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QIcon>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

// The pictures are compiled into this library; a static library's resources
// are registered by hand, from the global namespace.
static void InitArtwork() {
    Q_INIT_RESOURCE(artwork);
}

namespace mz {

TfrmDlgOpcs* frmDlgOpcs = nullptr;

namespace {

// The alert window's layout of the TWindowPosition and TFadeAlertWindowStyle
// values is what the settings store; the display settings name the same
// values.
static_assert(static_cast<int>(TPlacementChoice::LeftTop) == wpLeftTop);
static_assert(static_cast<int>(TPlacementChoice::RightTop) == wpRightTop);
static_assert(static_cast<int>(TPlacementChoice::LeftBottom) == wpLeftBottom);
static_assert(static_cast<int>(TPlacementChoice::RightBottom) == wpRightBottom);
static_assert(static_cast<int>(TPlacementChoice::Preset) == wpPreset);
static_assert(static_cast<int>(TPlacementChoice::Center) == wpCenter);
static_assert(static_cast<int>(TStyleChoice::Office2003Blue) == asOffice2003Blue);
static_assert(static_cast<int>(TStyleChoice::Office2003Silver) == asOffice2003Silver);
static_assert(static_cast<int>(TStyleChoice::Office2003Olive) == asOffice2003Olive);
static_assert(static_cast<int>(TStyleChoice::Office2003Classic) == asOffice2003Classic);
static_assert(static_cast<int>(TStyleChoice::Office2007Luna) == asOffice2007Luna);
static_assert(static_cast<int>(TStyleChoice::Office2007Obsidian) == asOffice2007Obsidian);
static_assert(static_cast<int>(TStyleChoice::Office2007Silver) == asOffice2007Silver);

const char* const kMessageIcons[] = {"mensaje-0-libro",   "mensaje-1-paloma",  "mensaje-2-vela",
                                     "mensaje-3-cruz",    "mensaje-4-corazon", "mensaje-5-rollo",
                                     "mensaje-6-estrella"};
const char* const kMenuImages[] = {"menu-0-programa", "menu-1-opciones", "menu-2-correo",
                                   "menu-3-sitio",    "menu-4-ayuda",    "menu-5-terminar"};

QPixmap artwork(const char* name) {
    return QPixmap(QStringLiteral(":/artwork/") + QLatin1String(name) + QStringLiteral(".png"));
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/artwork/morvek-zefra-%1.png").arg(size), QSize(size, size));
    return icon;
}

TextFont underlinedTahoma(std::uint32_t bgr) {
    QFont f = desktopFont(QStringLiteral("Tahoma"), 8);
    f.setUnderline(true);
    return {f, colorFromBgr(bgr)};
}

} // namespace

TFormEnvironment TFormEnvironment::FromPlatform() {
    return {ExecutableDirectory(), SharedDataDirectory(), nullptr};
}

QString TfrmDlgOpcs::BalloonTitle() {
    return QStringLiteral("Morvek Zefra");
}

QString TfrmDlgOpcs::BalloonText() {
    return QStringLiteral("Para m\u00e1s opciones haga clic con el\rbot\u00f3n derecho del mouse...");
}

// Construction ------------------------------------------------------------------

TfrmDlgOpcs::TfrmDlgOpcs(const TFormEnvironment& env, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint),
      env_(env) {
    InitArtwork();
    frmDlgOpcs = this;
    setObjectName(QStringLiteral("frmDlgOpcs"));
    // No close button: the window is left through "Aceptar" or by
    // minimising it into the tray.
    setWindowTitle(QStringLiteral("Opciones..."));
    setWindowIcon(programIcon());
    setFont(desktopFont(QStringLiteral("Tahoma"), 8));

    CreateComponents();
    CreateTrayMenus();
    CreatePages();

    // The tray icon asks whether the window is to be shown; it is not.
    TrayIcon = new TNotifyTrayIcon(this);
    TrayIcon->setObjectName(QStringLiteral("TrayIcon"));
    TrayIcon->setHint(QStringLiteral("Morvek Zefra"));
    TrayIcon->setIcon(programIcon());
    TrayIcon->setIconVisible(true);
    TrayIcon->setPopupMenu(pmuTrayIcon);
    TrayIcon->setLeftPopup(true);
    TrayIcon->setMinimizeToTray(true);
    connect(TrayIcon, &TNotifyTrayIcon::OnStartup, this, &TfrmDlgOpcs::TrayIconStartup);
    TrayIcon->Loaded();
    ZefraWindow->Loaded();

#if QT_CONFIG(sessionmanager)
    // Logging off ends the program as "&Terminar" does, keeping where the
    // user left the passages; the autostart entry, not the session, starts
    // it again.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { ZefraWindow->SavePosition(); });
    connect(qApp, &QGuiApplication::saveStateRequest, this,
            [](QSessionManager& session) { session.setRestartHint(QSessionManager::RestartNever); });
#endif

    Guarded([this] { FormCreate(); });
    // The timer runs from the start, with the settings' interval or, when
    // they could not be read, its design interval.
    state_.Started();
}

TfrmDlgOpcs::~TfrmDlgOpcs() {
    // Nothing may tick into a half-destroyed form.
    tmrZefra->stop();
    if (frmDlgOpcs == this)
        frmDlgOpcs = nullptr;
}

void TfrmDlgOpcs::CreateComponents() {
    for (const char* name : kMessageIcons)
        ilstIDWnd.add(artwork(name));
    for (const char* name : kMenuImages)
        ilstMnuTrayIcon.add(artwork(name));

    xmlDB.SetSql(std::string(TXmlSqlDb::DesignSql));

    tmrZefra = new QTimer(this);
    tmrZefra->setObjectName(QStringLiteral("tmrZefra"));
    tmrZefra->setInterval(TDisplayState::kDesignIntervalMs);
    // Long intervals must not drift by the coarse timers' 5 per cent.
    tmrZefra->setTimerType(Qt::PreciseTimer);
    connect(tmrZefra, &QTimer::timeout, this, &TfrmDlgOpcs::tmrZefraTimer);

    ZefraWindow = new TFadeAlertWindow(this);
    ZefraWindow->setObjectName(QStringLiteral("ZefraWindow"));
    ConfigureZefraWindow();

    // Every link goes through this label; the resources page shows it.
    lblSite = new LinkLabel(this);
    lblSite->setObjectName(QStringLiteral("lblSite"));
    lblSite->setLinkFont(underlinedTahoma(0x800000));
    lblSite->setHoverLinkFont(underlinedTahoma(0xFF0000));
    lblSite->setVisitedLinkFont(underlinedTahoma(0x800080));
    lblSite->setText(kWebSite);
    lblSite->setHyperLink(kWebSite);
    lblSite->hide();
}

void TfrmDlgOpcs::ConfigureZefraWindow() {
    TFadeAlertWindow& w = *ZefraWindow;
    ConfigureAsZefraWindow(w);
    w.SetImages(&ilstIDWnd);
    w.SetUserStore(env_.Store);
    w.OnAnchorClick = [this](TFadeAlertWindow* sender, const QString& anchor, TMsgCollectionItem* item) {
        Guarded([&] { ZefraWindowAnchorClick(sender, anchor, item); });
    };
}

void TfrmDlgOpcs::CreateTrayMenus() {
    pmuTrayIcon = new TPmuTrayIcon(ilstMnuTrayIcon, this);
    connect(pmuTrayIcon->opcBloqueado, &QAction::triggered, this, Guard(&TfrmDlgOpcs::opcBloqueadoClick));
    connect(pmuTrayIcon->opcOpciones, &QAction::triggered, this, Guard(&TfrmDlgOpcs::opcOpcionesClick));
    connect(pmuTrayIcon->opcEmail, &QAction::triggered, this, Guard(&TfrmDlgOpcs::opcEmailClick));
    connect(pmuTrayIcon->opcSite, &QAction::triggered, this, Guard(&TfrmDlgOpcs::opcSiteClick));
    connect(pmuTrayIcon->opcCntAyuda, &QAction::triggered, this, Guard(&TfrmDlgOpcs::opcCntAyudaClick));
    connect(pmuTrayIcon->opcAcercaDe, &QAction::triggered, this, Guard(&TfrmDlgOpcs::opcAcercaDeClick));
    connect(pmuTrayIcon->opcExit, &QAction::triggered, this, Guard(&TfrmDlgOpcs::opcExitClick));
    SyncBlockItem();

    pmuIcnsWnd = new QMenu(this);
    pmuIcnsWnd->setObjectName(QStringLiteral("pmuIcnsWnd"));
    pmuIcnsWnd->setStyle(TOfficeMenuStyle::Instance());
    for (int k = 0; k < static_cast<int>(opcIcnIdx.size()); ++k) {
        QAction* item = pmuIcnsWnd->addAction(QIcon(ilstIDWnd.image(k)), QString());
        item->setObjectName(QStringLiteral("opcIcnIdx%1").arg(k));
        item->setData(k);
        opcIcnIdx[static_cast<size_t>(k)] = item;
    }
    connect(pmuIcnsWnd, &QMenu::triggered, this,
            [this](QAction* item) { Guarded([this, item] { opcIcnIdxClick(item->data().toInt()); }); });
}

void TfrmDlgOpcs::CreatePages() {
    pagOpciones = new QTabWidget(this);
    pagOpciones->setObjectName(QStringLiteral("pagOpciones"));
    pagDesplegado = new TPagDesplegado(pagOpciones);
    tabApariencia = new TTabApariencia(pagOpciones);
    pagOpciones->addTab(pagDesplegado, QLatin1String(TPagDesplegado::kCaption));
    pagOpciones->addTab(tabApariencia, QLatin1String(TTabApariencia::kCaption));
    tabApariencia->imgIcnWnd->setPixmap(ilstIDWnd.image(0));

    btnDefault = new QPushButton(QStringLiteral("Predeterminado"), this);
    btnDefault->setObjectName(QStringLiteral("btnDefault"));
    btnAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    btnAceptar->setObjectName(QStringLiteral("btnAceptar"));
    btnAceptar->setDefault(true);

    connect(pagDesplegado->lblLibros, &LinkLabel::clicked, this, Guard(&TfrmDlgOpcs::lblLibrosClick));
    connect(tabApariencia->cbxAutoHide, &QAbstractButton::toggled, this,
            Guard(&TfrmDlgOpcs::cbxAutoHideClick));
    connect(tabApariencia->btnIcnWnd, &QAbstractButton::clicked, this, Guard(&TfrmDlgOpcs::btnIcnWndClick));
    connect(btnDefault, &QAbstractButton::clicked, this, Guard(&TfrmDlgOpcs::btnDefaultClick));
    connect(btnAceptar, &QAbstractButton::clicked, this, Guard(&TfrmDlgOpcs::btnAceptarClick));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnDefault);
    buttons->addWidget(btnAceptar);
    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
    form->addWidget(pagOpciones, 1);
    form->addLayout(buttons);

    // A dialog border: the window keeps its size, the design's unless the
    // desktop's fonts need more room.
    form->activate();
    setFixedSize(form->minimumSize().expandedTo(QSize(kClientWidth, kClientHeight)));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

// The display timer -----------------------------------------------------------------

void TfrmDlgOpcs::Start(int intervalMs) {
    tmrZefra->start(intervalMs);
}

void TfrmDlgOpcs::Stop() {
    tmrZefra->stop();
}

// Life ------------------------------------------------------------------------------

void TfrmDlgOpcs::TrayIconStartup(bool& showMainForm) {
    showMainForm = false;
}

void TfrmDlgOpcs::FormCreate() {
    windowsDir_ = env_.WindowsDir;
    exeDir_ = env_.ExeDir;
    tick_.WindowsDir = windowsDir_;
    tick_.ExeDir = exeDir_;
    xmlDB.SetDataBase(windowsDir_);
    LoadPrmApp(PrmApp);
    ApplySettings();
    startupBalloon_ = balloonRequest(BalloonTitle(), BalloonText(), 1, 10);
    TrayIcon->ShowBalloonHint(BalloonTitle(), BalloonText(), 1, 10);
}

void TfrmDlgOpcs::FormShow() {
    state_.OptionsShown();
    xmlDB.Close();
    xmlDB.SetDataBase(exeDir_);
    xmlDB.SetSql("select * from " + std::string(TDisplayTick::kFavouritesTable));
    xmlDB.Open();
    FillPages();
}

void TfrmDlgOpcs::FormHide() {
    state_.OptionsHidden([] {
        return askYesNo(fromCp1252(TDisplayState::kQuestionCaption),
                        fromCp1252(TDisplayState::kUnblockQuestion));
    });
    SyncBlockItem();
    xmlDB.Close();
    xmlDB.SetDataBase(windowsDir_);
}

void TfrmDlgOpcs::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored by the desktop reports a spontaneous show; only the
    // program's own showing opens the options.
    if (event->spontaneous() || optionsShown_)
        return;
    optionsShown_ = true;
    Guarded([this] { FormShow(); });
}

void TfrmDlgOpcs::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous() || !optionsShown_)
        return;
    optionsShown_ = false;
    Guarded([this] { FormHide(); });
}

void TfrmDlgOpcs::closeEvent(QCloseEvent* event) {
    // A window that refuses to close while the desktop session ends would
    // hold up the user's log-off.
    if (terminating_ || qApp->isSavingSession())
        event->accept();
    else
        event->ignore();
}

// The display ------------------------------------------------------------------------

void TfrmDlgOpcs::tmrZefraTimer() {
    // While the error box of an earlier failure waits for the user, the
    // timer keeps its rhythm but its ticks draw nothing: one box at a time.
    if (errorBoxOpen_ || !state_.TickAllowed())
        return;
    Guarded([this] { ShowNextPassage(); });
}

void TfrmDlgOpcs::ShowNextPassage() {
    const TTickResult result = tick_.ShowNextPassage(TickSource(pagDesplegado->SourceButtons()));
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(result.Lines.size()));
    for (const std::string& line : result.Lines)
        lines << fromCp1252(line);
    // One change for the whole text, so a popup still on screen is updated
    // once, not line by line.
    ZefraWindow->AlertMessages().Item(0)->Text().Assign(lines);
    ZefraWindow->SetAutoSize(result.AutoSize);
    ZefraWindow->Show();
}

void TfrmDlgOpcs::ApplySettings() {
    LoadPrmApp(PrmApp);
    const TDisplaySettings d = DisplaySettingsFor(PrmApp);
    pagDesplegado->SelectSource(d.Source);
    state_.SetInterval(d.TimerIntervalMs);
    ZefraWindow->SetWindowPosition(static_cast<TWindowPosition>(d.Placement));
    if (d.LoadPosition)
        ZefraWindow->LoadPosition();
    Composer.LineWidth = d.LineWidth;

    const TColourScheme& s = d.Scheme;
    if (s.Style)
        ZefraWindow->SetStyle(static_cast<TFadeAlertWindowStyle>(*s.Style));
    const TSchemeColours& c = s.Colours;
    if (c.BorderColor)
        ZefraWindow->SetBorderColor(*c.BorderColor);
    if (c.BtnDownColor)
        ZefraWindow->SetBtnDownColor(*c.BtnDownColor);
    if (c.BtnDownColorTo)
        ZefraWindow->SetBtnDownColorTo(*c.BtnDownColorTo);
    if (c.BtnHoverColor)
        ZefraWindow->SetBtnHoverColor(*c.BtnHoverColor);
    if (c.BtnHoverColorTo)
        ZefraWindow->SetBtnHoverColorTo(*c.BtnHoverColorTo);
    if (c.CaptionColor)
        ZefraWindow->SetCaptionColor(*c.CaptionColor);
    if (c.CaptionColorTo)
        ZefraWindow->SetCaptionColorTo(*c.CaptionColorTo);
    if (c.WindowColor)
        ZefraWindow->SetWindowColor(*c.WindowColor);
    if (c.WindowColorTo)
        ZefraWindow->SetWindowColorTo(*c.WindowColorTo);

    ZefraWindow->AlertMessages().Item(0)->SetImageIndex(d.ImageIndex);
    // Setting AutoHide restarts the 10 ms display countdown even with
    // nothing on screen; only a change is worth that.
    if (ZefraWindow->AutoHide() != d.AutoHide)
        ZefraWindow->SetAutoHide(d.AutoHide);
    ZefraWindow->SetDisplayTime(d.DisplayTimeMs);
}

// Failures ------------------------------------------------------------------------------

void TfrmDlgOpcs::Guarded(const std::function<void()>& event) {
    try {
        event();
    } catch (const std::exception& failure) {
        // The engine's and the library's messages are Windows-1252 text.
        ReportFailure(fromCp1252(failure.what()));
    } catch (...) {
        ReportFailure(QStringLiteral("Error inesperado."));
    }
}

std::function<void()> TfrmDlgOpcs::Guard(void (TfrmDlgOpcs::*handler)()) {
    return [this, handler] { Guarded([this, handler] { (this->*handler)(); }); };
}

void TfrmDlgOpcs::ReportFailure(const QString& message) {
    const bool nested = std::exchange(errorBoxOpen_, true);
    showErrorBox(message);
    errorBoxOpen_ = nested;
}

// The tray menu ----------------------------------------------------------------------------

void TfrmDlgOpcs::SyncBlockItem() {
    QAction* item = pmuTrayIcon->opcBloqueado;
    item->setChecked(state_.Blocked());
    item->setText(fromCp1252(state_.BlockCaption()));
    item->setToolTip(fromCp1252(state_.BlockHint()));
}

} // namespace mz
