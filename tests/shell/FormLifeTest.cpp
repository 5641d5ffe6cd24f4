// The controller's life: start, the failure to read the settings, applying
// the settings to the alert window, the display timer's states and exit.
#include "tests/shell/FormFixture.h"

#include "platform/QtText.h"
#include "shell/DisplayState.h"
#include "shell/PagDesplegado.h"
#include "shell/TrayMenu.h"
#include "widgets/AlertWindow.h"
#include "widgets/FadeAlertWindow.h"
#include "widgets/NotifyTrayIcon.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <filesystem>

namespace mz::test {
namespace {

const QString kStoreKey = QStringLiteral("\\SOFTWARE\\\\Kovrin\\ALERT");

using FormLife = FormTest;

TEST_F(FormLife, StartsHiddenInTheTrayWithTheSettingsApplied) {
    TfrmDlgOpcs& f = MakeForm();
    EXPECT_EQ(frmDlgOpcs, &f);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.ZefraWindow->Popup(), nullptr) << "the first passage waits for the first tick";
    EXPECT_FALSE(f.ZefraWindow->CountdownActive()) << "nothing on screen, nothing counting down";

    EXPECT_EQ(f.TrayIcon->Hint(), QStringLiteral("Morvek Zefra"));
    EXPECT_TRUE(f.TrayIcon->IconVisible());
    EXPECT_FALSE(f.TrayIcon->Icon().isNull());
    EXPECT_EQ(f.TrayIcon->PopupMenu(), f.pmuTrayIcon);
    EXPECT_TRUE(f.TrayIcon->LeftPopup());
    EXPECT_TRUE(f.TrayIcon->MinimizeToTray());

    ASSERT_TRUE(f.StartupBalloon().has_value());
    const BalloonRequest& balloon = *f.StartupBalloon();
    EXPECT_EQ(balloon.title, QStringLiteral("Morvek Zefra"));
    EXPECT_EQ(balloon.text,
              QStringLiteral("Para m\u00e1s opciones haga clic con el\nbot\u00f3n derecho del mouse..."));
    EXPECT_EQ(balloon.icon, BalloonIcon::Information);
    EXPECT_EQ(balloon.timeoutMs, 10000);

    EXPECT_EQ(f.WindowsDir(), ShippedDir());
    EXPECT_EQ(f.ExeDir(), exe.dir());
    EXPECT_EQ(f.xmlDB.DataBase(), f.WindowsDir());
    EXPECT_TRUE(f.tmrZefra->isActive());
    EXPECT_EQ(f.tmrZefra->interval(), 900 * 1000);
    EXPECT_EQ(f.DisplayState().Mode(), TDisplayMode::Displaying);
    EXPECT_EQ(f.LineWidth(), 40);
    EXPECT_TRUE(f.pagDesplegado->rbtFteLibro->isChecked());
    EXPECT_EQ(f.pagDesplegado->rbtFteLibro->text(), QStringLiteral("Proverbios"));
}

TEST_F(FormLife, TheOptionsWindowHasNoCloseButtonAndRefusesToClose) {
    TfrmDlgOpcs& f = MakeForm();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Opciones..."));
    EXPECT_FALSE(f.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_GE(f.width(), TfrmDlgOpcs::kClientWidth);
    EXPECT_GE(f.height(), TfrmDlgOpcs::kClientHeight);
    EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "a dialog border cannot be resized";

    f.pmuTrayIcon->opcOpciones->trigger();
    ASSERT_TRUE(f.isVisible());
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
}

TEST_F(FormLife, ASettingsFileThatCannotBeReadLeavesTheDesignValues) {
    std::filesystem::remove(exe.dir() + "Kovrin.ini");
    TfrmDlgOpcs& f = MakeForm();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("Kovrin.ini"))) << errors[0].toStdString();
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.StartupBalloon().has_value()) << "the balloon comes after the settings";
    EXPECT_TRUE(f.tmrZefra->isActive());
    EXPECT_EQ(f.tmrZefra->interval(), TDisplayState::kDesignIntervalMs);
    EXPECT_TRUE(f.pagDesplegado->rbtFteLibro->isChecked());
    EXPECT_EQ(f.pagDesplegado->rbtFteLibro->text(), QStringLiteral("Proverbios"));
    EXPECT_EQ(f.LineWidth(), 0);
    // The tray still works: the directories were taken before the failure.
    EXPECT_EQ(f.xmlDB.DataBase(), ShippedDir());
    f.tmrZefraTimer();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(f.ZefraWindow->Popup() && f.ZefraWindow->Popup()->isVisible());
    errors.clear();
}

TEST_F(FormLife, TheAlertWindowIsConfiguredAsDesigned) {
    TfrmDlgOpcs& f = MakeForm();
    const TFadeAlertWindow& w = *f.ZefraWindow;
    ASSERT_EQ(w.AlertMessages().Count(), 1);
    EXPECT_EQ(w.AlertMessages().Item(0)->Tag(), 0);
    EXPECT_FALSE(w.AlwaysOnTop());
    EXPECT_FALSE(w.AutoDelete());
    EXPECT_EQ(w.FadeTime(), 10);
    EXPECT_EQ(w.FadeStep(), 2);
    EXPECT_EQ(w.AlphaStart(), 0);
    EXPECT_EQ(w.AlphaEnd(), 220);
    EXPECT_EQ(w.ScreenMarginX(), 5);
    EXPECT_EQ(w.ScreenMarginY(), 5);
    EXPECT_EQ(w.MarginX(), 4);
    EXPECT_EQ(w.MarginY(), 4);
    EXPECT_EQ(w.PopupWidth(), 300);
    EXPECT_EQ(w.PopupHeight(), 250);
    EXPECT_EQ(w.GradientDirection(), gdVertical);
    EXPECT_EQ(w.FontColor(), clBlack);
    EXPECT_EQ(w.Font().pointSize(), 8);
    EXPECT_TRUE(w.Hover());
    EXPECT_TRUE(w.ShowScrollers());
    EXPECT_FALSE(w.ShowDelete());
    EXPECT_FALSE(w.ShowPopup());
    EXPECT_EQ(w.HintNextBtn(), QStringLiteral("Pr\u00f3ximo zefra"));
    EXPECT_EQ(w.HintPrevBtn(), QStringLiteral("Anterior zefra"));
    EXPECT_EQ(w.HintCloseBtn(), QStringLiteral("Cerrar zefra"));
    EXPECT_EQ(w.HintDeleteBtn(), QStringLiteral("Quitar"));
    EXPECT_EQ(w.HintPopupBtn(), QStringLiteral("Popup"));
    EXPECT_EQ(w.PositionFormat(), QStringLiteral("%d de %d"));
    EXPECT_EQ(w.RegistryKey(), QStringLiteral("\\Kovrin"));
    EXPECT_EQ(w.Images(), &f.ilstIDWnd);
    EXPECT_EQ(f.ilstIDWnd.count(), 7);
    // The shipped settings: "Office 2003 Classic" at the lower right, icon 0,
    // closing by itself after 10 seconds.
    EXPECT_EQ(w.Style(), asOffice2003Classic);
    const TAlertColors designed{clWhite,  0xC9D1D5, 0xC8D0D4, 0x8C8D8E, clActiveCaption,
                                0xD2BDB6, 0xD2BDB6, 0xB59285, 0xB59285};
    EXPECT_EQ(w.Colors(), designed);
    EXPECT_EQ(w.WindowPosition(), wpRightBottom);
    EXPECT_EQ(w.AlertMessages().Item(0)->ImageIndex(), 0);
    EXPECT_TRUE(w.AutoHide());
    EXPECT_EQ(w.DisplayTime(), 10000);
}

TEST_F(FormLife, EveryPositionCodePlacesTheWindow) {
    store->writeInt(kStoreKey, QStringLiteral("X"), 123);
    store->writeInt(kStoreKey, QStringLiteral("Y"), 45);
    TfrmDlgOpcs& f = MakeForm();
    const struct {
        int code;
        TWindowPosition position;
    } cases[] = {{0, wpPreset},  {1, wpRightBottom}, {2, wpLeftBottom},  {3, wpRightTop},
                 {4, wpLeftTop}, {5, wpCenter},      {6, wpRightBottom}, {255, wpRightBottom}};
    for (const auto& c : cases) {
        IniValues ini;
        ini.Posicion = c.code;
        WriteIni(ini);
        f.ApplySettings();
        EXPECT_EQ(f.ZefraWindow->WindowPosition(), c.position) << "Posicion " << c.code;
    }
    // Only the user-determined position reads the saved one.
    IniValues ini;
    ini.Posicion = 0;
    WriteIni(ini);
    f.ZefraWindow->SetPopupLeft(0);
    f.ZefraWindow->SetPopupTop(0);
    f.ApplySettings();
    EXPECT_EQ(f.ZefraWindow->PopupLeft(), 123);
    EXPECT_EQ(f.ZefraWindow->PopupTop(), 45);
}

// The colours a predefined style gives the alert window.
TAlertColors StyleColours(TFadeAlertWindowStyle style) {
    TFadeAlertWindow w;
    w.SetStyle(style);
    return w.Colors();
}

TEST_F(FormLife, EveryStyleCodeColoursTheWindow) {
    TfrmDlgOpcs& f = MakeForm();
    TAlertColors blue = StyleColours(asOffice2003Blue);
    blue.BtnDownColor = 0xB59285;
    blue.BtnDownColorTo = 0xC6AAA0;
    blue.BtnHoverColor = 0xDCCDC8;
    blue.BtnHoverColorTo = 0xD2BDB6;
    // WindowColor, WindowColorTo, CaptionColor, CaptionColorTo, BorderColor,
    // BtnHoverColor, BtnHoverColorTo, BtnDownColor, BtnDownColorTo.
    const TAlertColors zune{0xFFFFFF, 0xE2E2E2, 0xA8C5F4, 0x0447B4, 0x808080,
                            0xE2E2E2, 0xE2E2E2, 0xE2E2E2, 0xC0C0C0};
    const TAlertColors royale{0xFFFFFF, 0xE2E2E2, 0xF1C699, 0x944325, 0x808080,
                              0xE2E2E2, 0xE2E2E2, 0xE2E2E2, 0xC0C0C0};
    const TAlertColors ellas{0xF5EBFF, 0xDCB9FF, 0xEFDFFF, 0xC080FF, 0xAC59FF,
                             0xDCCDC8, 0xD2BDB6, 0xB59285, 0xC6AAA0};
    const struct {
        int code;
        TFadeAlertWindowStyle style;
        TAlertColors colours;
    } cases[] = {
        {0, asOffice2003Blue, blue},
        {1, asOffice2003Silver, StyleColours(asOffice2003Silver)},
        {2, asOffice2003Olive, StyleColours(asOffice2003Olive)},
        {3, asOffice2003Classic, StyleColours(asOffice2003Classic)},
        {4, asOffice2007Luna, StyleColours(asOffice2007Luna)},
        {5, asOffice2007Obsidian, StyleColours(asOffice2007Obsidian)},
        {6, asOffice2007Silver, StyleColours(asOffice2007Silver)},
        // The themes keep the style before them (here Office 2007 Silver).
        {7, asOffice2007Silver, zune},
        {8, asOffice2007Silver, royale},
        {9, asOffice2007Silver, ellas},
        // An unknown code changes nothing.
        {10, asOffice2007Silver, ellas},
        {255, asOffice2007Silver, ellas},
    };
    for (const auto& c : cases) {
        IniValues ini;
        ini.Estilo = c.code;
        WriteIni(ini);
        f.ApplySettings();
        EXPECT_EQ(f.ZefraWindow->Style(), c.style) << "Estilo " << c.code;
        EXPECT_EQ(f.ZefraWindow->Colors(), c.colours) << "Estilo " << c.code;
    }
}

TEST_F(FormLife, ApplyingTheSettingsSetsSourceIntervalWidthIconAndTimes) {
    TfrmDlgOpcs& f = MakeForm();
    const struct {
        const char* key;
        TFuente fuente;
    } sources[] = {{"Biblia", TFuente::Biblia},
                   {"AT", TFuente::AT},
                   {"NT", TFuente::NT},
                   {"Promesas", TFuente::Promesas},
                   {"Temas", TFuente::Temas},
                   {"Contextos", TFuente::Contextos},
                   {"Jovenes", TFuente::Jovenes},
                   {"Matrimonios", TFuente::Matrimonios},
                   {"Historias", TFuente::Historias},
                   {"Favoritos", TFuente::Favoritos}};
    for (const auto& s : sources) {
        IniValues ini;
        ini.FuenteVersos = s.key;
        WriteIni(ini);
        f.ApplySettings();
        EXPECT_TRUE(f.pagDesplegado->Button(s.fuente)->isChecked()) << s.key;
    }

    IniValues ini;
    ini.FuenteVersos = "G\xE9nesis";
    ini.Segundos = 60;
    ini.Amplitud = 30;
    ini.Icono = 4;
    ini.AutoHide = 0;
    ini.Desplegado = 25;
    WriteIni(ini);
    f.ApplySettings();
    EXPECT_TRUE(f.pagDesplegado->rbtFteLibro->isChecked());
    EXPECT_EQ(f.pagDesplegado->rbtFteLibro->text(), QStringLiteral("G\u00e9nesis"));
    EXPECT_EQ(f.tmrZefra->interval(), 60000);
    EXPECT_TRUE(f.tmrZefra->isActive());
    EXPECT_EQ(f.LineWidth(), 30);
    EXPECT_EQ(f.ZefraWindow->AlertMessages().Item(0)->ImageIndex(), 4);
    EXPECT_FALSE(f.ZefraWindow->AutoHide());
    EXPECT_EQ(f.ZefraWindow->DisplayTime(), 25000);
}

// The display timer ------------------------------------------------------------

TEST_F(FormLife, BlockingStopsTheTimerAndResumingWaitsAFullInterval) {
    TfrmDlgOpcs& f = MakeForm();
    QAction* block = f.pmuTrayIcon->opcBloqueado;
    block->trigger();
    EXPECT_FALSE(f.tmrZefra->isActive());
    EXPECT_TRUE(block->isChecked());
    EXPECT_EQ(block->text(), QStringLiteral("&Reiniciar desplegado"));
    EXPECT_EQ(block->toolTip(), QStringLiteral("Inicia nuevamente el desplegado de Zefras"));
    EXPECT_EQ(f.DisplayState().Mode(), TDisplayMode::Blocked);

    block->trigger();
    EXPECT_TRUE(f.tmrZefra->isActive());
    EXPECT_GT(f.tmrZefra->remainingTime(), 900 * 1000 - 1000);
    EXPECT_FALSE(block->isChecked());
    EXPECT_EQ(block->text(), QStringLiteral("&Bloquear desplegado"));
    EXPECT_EQ(block->toolTip(), QStringLiteral("Bloquea el desplegado de Zefras"));

    // The blocked state is not kept: the next start displays again.
    block->trigger();
    form.reset();
    TfrmDlgOpcs& again = MakeForm();
    EXPECT_TRUE(again.tmrZefra->isActive());
    EXPECT_FALSE(again.pmuTrayIcon->opcBloqueado->isChecked());
}

TEST_F(FormLife, TheOptionsWindowStopsTheTimerAndOpensTheFavourites) {
    TfrmDlgOpcs& f = MakeForm();
    f.pmuTrayIcon->opcOpciones->trigger();
    ASSERT_TRUE(f.isVisible());
    EXPECT_FALSE(f.tmrZefra->isActive());
    EXPECT_EQ(f.DisplayState().Mode(), TDisplayMode::OptionsOpen);
    EXPECT_EQ(f.xmlDB.DataBase(), exe.dir());
    EXPECT_EQ(f.xmlDB.Sql(), "select * from Favoritos");
    EXPECT_TRUE(f.xmlDB.Active());
    EXPECT_NE(f.xmlDB.FindField("VersoID"), nullptr);

    f.btnAceptar->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.tmrZefra->isActive());
    EXPECT_GT(f.tmrZefra->remainingTime(), 900 * 1000 - 1000) << "a full interval after closing";
    EXPECT_FALSE(f.xmlDB.Active());
    EXPECT_EQ(f.xmlDB.DataBase(), ShippedDir());
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(FormLife, UnblockingWhileTheOptionsAreOpenWaitsForTheWindowToHide) {
    TfrmDlgOpcs& f = MakeForm();
    f.pmuTrayIcon->opcBloqueado->trigger();
    f.pmuTrayIcon->opcOpciones->trigger();
    f.pmuTrayIcon->opcBloqueado->trigger();
    EXPECT_FALSE(f.tmrZefra->isActive());
    EXPECT_EQ(f.pmuTrayIcon->opcBloqueado->text(), QStringLiteral("&Bloquear desplegado"));
    f.pmuTrayIcon->opcBloqueado->trigger();
    EXPECT_FALSE(f.tmrZefra->isActive());
    f.pmuTrayIcon->opcBloqueado->trigger();
    EXPECT_FALSE(f.tmrZefra->isActive());

    f.btnAceptar->click();
    EXPECT_TRUE(questions.isEmpty()) << "not blocked: nothing to ask";
    EXPECT_TRUE(f.tmrZefra->isActive());
}

TEST_F(FormLife, HidingTheOptionsWhileBlockedAsksWhetherToResume) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "yes" : "no");
        questions.clear();
        answer = yes;
        TfrmDlgOpcs& f = MakeForm();
        f.pmuTrayIcon->opcBloqueado->trigger();
        f.pmuTrayIcon->opcOpciones->trigger();
        f.btnAceptar->click();
        ASSERT_EQ(questions.size(), 1);
        EXPECT_EQ(questions[0], QStringLiteral("Confirme...|El desplegado de Zefras esta bloqueado. \r"
                                               "\u00bf Desea activarlo ?  "));
        EXPECT_EQ(f.tmrZefra->isActive(), yes);
        EXPECT_EQ(f.pmuTrayIcon->opcBloqueado->isChecked(), !yes);
        EXPECT_EQ(f.pmuTrayIcon->opcBloqueado->text(),
                  yes ? QStringLiteral("&Bloquear desplegado") : QStringLiteral("&Reiniciar desplegado"));
        EXPECT_EQ(f.xmlDB.DataBase(), ShippedDir());
    }
}

TEST_F(FormLife, MinimisingHidesIntoTheTrayWithoutSaving) {
    TfrmDlgOpcs& f = MakeForm();
    const std::string before = Ini();
    f.pmuTrayIcon->opcOpciones->trigger();
    f.pagDesplegado->rbtFteTemas->setChecked(true);
    f.showMinimized();
    ProcessEvents();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.tmrZefra->isActive());
    EXPECT_EQ(f.DisplayState().Mode(), TDisplayMode::Displaying);
    EXPECT_EQ(Ini(), before);
    // The source left without "Aceptar" is already the display's.
    f.tmrZefraTimer();
    EXPECT_EQ(f.Tick().LastDraw().Fuente, TFuente::Temas);

    // The tray brings the window back, in front and filled from the settings.
    f.pmuTrayIcon->opcOpciones->trigger();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.isMinimized());
    EXPECT_TRUE(f.pagDesplegado->rbtFteLibro->isChecked());
}

TEST_F(FormLife, AnIntervalOfZeroNeverStartsTheTimer) {
    IniValues ini;
    ini.Segundos = 0;
    WriteIni(ini);
    TfrmDlgOpcs& f = MakeForm();
    EXPECT_FALSE(f.tmrZefra->isActive());
    f.pmuTrayIcon->opcBloqueado->trigger();
    f.pmuTrayIcon->opcBloqueado->trigger();
    EXPECT_FALSE(f.tmrZefra->isActive());
    f.pmuTrayIcon->opcOpciones->trigger();
    f.btnAceptar->click();
    EXPECT_FALSE(f.tmrZefra->isActive());
}

TEST_F(FormLife, ExitSavesThePopupPositionAndStopsForGood) {
    TfrmDlgOpcs& f = MakeForm();
    f.tmrZefraTimer();
    ASSERT_TRUE(f.ZefraWindow->Popup() && f.ZefraWindow->Popup()->isVisible());
    f.ZefraWindow->SetPopupLeft(321);
    f.ZefraWindow->SetPopupTop(222);

    // "&Terminar" ends the program's event loop.
    QTimer::singleShot(0, f.pmuTrayIcon->opcExit, &QAction::trigger);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // rather than hang
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(store->readInt(kStoreKey, QStringLiteral("X")), 321);
    EXPECT_EQ(store->readInt(kStoreKey, QStringLiteral("Y")), 222);
    EXPECT_EQ(f.DisplayState().Mode(), TDisplayMode::Terminated);
    EXPECT_FALSE(f.tmrZefra->isActive());
    f.pmuTrayIcon->opcBloqueado->trigger();
    f.pmuTrayIcon->opcBloqueado->trigger();
    EXPECT_FALSE(f.tmrZefra->isActive());
    EXPECT_TRUE(f.close()) << "a terminating program's window closes";
}

} // namespace
} // namespace mz::test
