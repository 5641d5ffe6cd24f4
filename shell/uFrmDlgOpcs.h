// TfrmDlgOpcs: the program's controller and its options window in one.
//
// The program has no main window of its own. This form stays hidden while it
// drives everything: it owns the display timer tmrZefra, the alert window
// ZefraWindow with its one message, the dataset xmlDB through which every
// table is read, the composer of passages (with the reference splitter
// BrkApart), the tray icon TrayIcon with its menu pmuTrayIcon, the icon menu
// pmuIcnsWnd, the image lists ilstIDWnd (message icons) and ilstMnuTrayIcon
// (menu pictures), and the link label lblSite through which links are opened.
// Made visible from the tray menu, it is the options window "Opciones..."
// with the pages "  Desplegado  " and "  Apariencia   " and the buttons
// "Predeterminado" and "Aceptar".
//
// Life: the constructor builds the components, lets the tray icon ask
// whether the window is to be shown (TrayIconStartup answers no), then runs
// FormCreate: it takes the two table directories, loads "Kovrin.ini",
// applies it and shows a balloon from the tray icon. When the file cannot be
// loaded, the error box says so and the program stays in the tray with the
// design interval of 20 seconds, the book "Proverbios" and a line width of 0.
// The timer then runs exactly while the window is hidden, the display is not
// blocked from the tray menu and "&Terminar" has not been chosen; an interval
// of 0 never shows a passage (TDisplayState keeps these rules).
//
// Showing the window (FormShow) stops the timer, opens the favourites table
// in ExeDir and fills the pages from the settings record. Hiding it, after
// "Aceptar" or by minimising it into the tray (FormHide), asks whether to
// unblock a blocked display, restarts the timer one full interval from then
// and points the dataset back at the verse table. The window cannot be
// closed from its title bar. Only "Aceptar" writes "Kovrin.ini".
//
// Failures inside an event or a tick end that event and are shown in the
// application's standard error box; the program goes on. While such a box is
// open, ticks are skipped (the timer keeps its rhythm), so boxes never pile
// up; the first tick after the box is closed draws afresh.
//
// The settings record PrmApp and its INI list are the program's own; the
// program's directory of the settings unit must be ExeDir before the form is
// made. The environment (the two directories and the per-user store where
// the alert window keeps its position) is given to the constructor, so tests
// run the form on copies of the data files. Texts of the settings and the
// tables are Windows-1252; every conversion goes through QtText.
//
// frmDlgOpcs is the program's one instance while it exists. A QWidget of the
// user-interface thread; its components are its children or members.
#pragma once

#include "shell/DisplayState.h"
#include "shell/DisplayTick.h"
#include "shell/PassageComposer.h"
#include "sqlxml/XmlSqlDb.h"
#include "widgets/ImageList.h"
#include "widgets/TrayIconLogic.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;

namespace mz {

class LinkLabel;
class TFadeAlertWindow;
class TMsgCollectionItem;
class TNotifyTrayIcon;
class TPagDesplegado;
class TPmuTrayIcon;
class TTabApariencia;
class UserStore;

// Where the form finds its files and keeps the alert window's position.
struct TFormEnvironment {
    // The executable's directory, with its trailing "/": the favourites table
    // "Favoritos.xml" and the help page "leeme.htm".
    std::string ExeDir;
    // The installation's shared data directory, with its trailing "/", or
    // empty: the verse table "RV1960n.xml".
    std::string WindowsDir;
    // Null: the user's own store.
    UserStore* Store = nullptr;

    // The running program's directories and the user's store.
    static TFormEnvironment FromPlatform();
};

class TfrmDlgOpcs : public QWidget, private TDisplayTimer {
    Q_OBJECT

public:
    // The options window's client area and its inner border.
    static constexpr int kClientWidth = 352;
    static constexpr int kClientHeight = 408;
    static constexpr int kBorderWidth = 10;

    static QString BalloonTitle();
    static QString BalloonText(); // two lines joined by a carriage return
    static QString HelpFileName() { return QStringLiteral("leeme.htm"); }

    explicit TfrmDlgOpcs(const TFormEnvironment& env = TFormEnvironment::FromPlatform(),
                         QWidget* parent = nullptr);
    ~TfrmDlgOpcs() override;
    TfrmDlgOpcs(const TfrmDlgOpcs&) = delete;
    TfrmDlgOpcs& operator=(const TfrmDlgOpcs&) = delete;

    // Components ------------------------------------------------------------
    ImageList ilstIDWnd{16, 16};
    ImageList ilstMnuTrayIcon{16, 16};
    TXmlSqlDb xmlDB;
    // Composes the passages; holds the reference splitter BrkApart.
    TPassageComposer Composer{xmlDB};
    TBrkApart& BrkApart = Composer.BrkApart;

    QTimer* tmrZefra = nullptr;
    TFadeAlertWindow* ZefraWindow = nullptr;
    TPmuTrayIcon* pmuTrayIcon = nullptr;
    QMenu* pmuIcnsWnd = nullptr;
    std::array<QAction*, 7> opcIcnIdx{};
    // Opens every link of the program; shown on the resources page.
    LinkLabel* lblSite = nullptr;
    TNotifyTrayIcon* TrayIcon = nullptr;

    QTabWidget* pagOpciones = nullptr;
    TPagDesplegado* pagDesplegado = nullptr;
    TTabApariencia* tabApariencia = nullptr;
    QPushButton* btnDefault = nullptr;
    QPushButton* btnAceptar = nullptr;

    // Fields ----------------------------------------------------------------
    const std::string& WindowsDir() const { return windowsDir_; }
    const std::string& ExeDir() const { return exeDir_; }
    int LineWidth() const { return Composer.LineWidth; }
    const TDisplayState& DisplayState() const { return state_; }
    // The tick's draws; tests seed its random generator through Reseed.
    TDisplayTick& Tick() { return tick_; }
    // The balloon FormCreate asked the tray icon for, as the icon shows it;
    // none when FormCreate failed before it.
    const std::optional<BalloonRequest>& StartupBalloon() const { return startupBalloon_; }
    // An error box is on screen.
    bool ErrorBoxOpen() const { return errorBoxOpen_; }

    // Events of the form ----------------------------------------------------
    void FormCreate();
    void FormShow();
    void FormHide();
    void TrayIconStartup(bool& showMainForm);

    // The display ------------------------------------------------------------
    void tmrZefraTimer();
    void ShowNextPassage();
    void ApplySettings();

    // The tray menu ------------------------------------------------------------
    void opcBloqueadoClick();
    void opcOpcionesClick();
    void opcEmailClick();
    void opcSiteClick();
    void opcCntAyudaClick();
    void opcAcercaDeClick();
    void opcExitClick();
    void ZefraWindowAnchorClick(TFadeAlertWindow* sender, const QString& anchor, TMsgCollectionItem* item);
    // opcIcnIdx0Click to opcIcnIdx6Click: the item showing icon k.
    void opcIcnIdxClick(int k);

    // The options pages --------------------------------------------------------
    void cbxAutoHideClick();
    void btnIcnWndClick();
    void lblLibrosClick();
    void btnDefaultClick();
    void btnAceptarClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // TDisplayTimer, over tmrZefra.
    void Start(int intervalMs) override;
    void Stop() override;

    void CreateComponents();
    void CreateTrayMenus();
    void CreatePages();
    void ConfigureZefraWindow();
    void FillPages();
    // Keeps the block command's check mark, caption and hint in step with the
    // display state.
    void SyncBlockItem();
    // Opens `link` through lblSite and points the label back at the web site.
    void OpenLink(const QString& link);
    // Runs an event; a failure is shown in the error box.
    void Guarded(const std::function<void()>& event);
    // A slot that runs `handler` as a guarded event.
    std::function<void()> Guard(void (TfrmDlgOpcs::*handler)());
    void ReportFailure(const QString& message);

    TFormEnvironment env_;
    std::string windowsDir_;
    std::string exeDir_;
    TDisplayTick tick_{xmlDB, Composer};
    TDisplayState state_{*this};
    std::optional<BalloonRequest> startupBalloon_;
    bool optionsShown_ = false; // FormShow ran and FormHide has not yet
    bool errorBoxOpen_ = false;
    bool terminating_ = false;
};

// The program's controller while it exists.
extern TfrmDlgOpcs* frmDlgOpcs;

} // namespace mz
