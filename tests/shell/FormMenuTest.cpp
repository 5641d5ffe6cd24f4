// The tray menu: its items and look, and what each command does.
#include "tests/shell/FormFixture.h"

#include "dialogs/uFrmDlgAbout.h"
#include "platform/SystemColors.h"
#include "shell/Addresses.h"
#include "shell/LinkLabel.h"
#include "shell/OfficeMenuStyle.h"
#include "shell/TrayMenu.h"
#include "widgets/AlertWindow.h"
#include "widgets/FadeAlertWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QToolTip>

namespace mz::test {
namespace {

using FormMenu = FormTest;

QImage Picture(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage Picture(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST_F(FormMenu, TheTrayMenuHasItsTenItemsInOrder) {
    TfrmDlgOpcs& f = MakeForm();
    const struct {
        const char* name;
        QString caption; // empty for a separator
        int image;       // -1: none
    } items[] = {
        {"opcBloqueado", QStringLiteral("&Bloquear desplegado"), -1},
        {"opcOpciones", QStringLiteral("&Opciones..."), 1},
        {"sepInternet", QString(), -1},
        {"opcEmail", QStringLiteral("Envienos sus comentarios"), 2},
        {"opcSite", QStringLiteral("Visitenos en el Internet"), 3},
        {"sepOtros", QString(), -1},
        {"opcCntAyuda", QStringLiteral("&Ayuda de Morvek Zefra..."), 4},
        {"opcAcercaDe", QStringLiteral("Acerca de..."), -1},
        {"sepExit", QString(), -1},
        {"opcExit", QStringLiteral("&Terminar"), 5},
    };
    const QList<QAction*> actions = f.pmuTrayIcon->actions();
    ASSERT_EQ(actions.size(), 10);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(items[i].name);
        QAction* a = actions[i];
        EXPECT_EQ(a->objectName(), QLatin1String(items[i].name));
        EXPECT_EQ(a->isSeparator(), items[i].caption.isEmpty());
        EXPECT_EQ(a->text(), items[i].caption);
        if (items[i].image < 0) {
            EXPECT_TRUE(a->icon().isNull());
        } else {
            ASSERT_FALSE(a->icon().isNull());
            EXPECT_EQ(Picture(a->icon()), Picture(f.ilstMnuTrayIcon.image(items[i].image)));
        }
    }
    EXPECT_TRUE(f.pmuTrayIcon->opcBloqueado->isCheckable());
    EXPECT_FALSE(f.pmuTrayIcon->opcBloqueado->isChecked());
    EXPECT_TRUE(f.pmuTrayIcon->toolTipsVisible());
    EXPECT_EQ(f.pmuTrayIcon->style(), TOfficeMenuStyle::Instance());
}

TEST_F(FormMenu, HintsShowAsTooltipsAndItemsWithoutOneShowNone) {
    TfrmDlgOpcs& f = MakeForm();
    TPmuTrayIcon& menu = *f.pmuTrayIcon;
    menu.setUnrolling(false);
    menu.popup(QPoint(100, 100));
    ProcessEvents();
    ASSERT_TRUE(menu.isVisible());
    auto tooltipOf = [&](QAction* a) {
        const QPoint at = menu.actionGeometry(a).center();
        QHelpEvent help(QEvent::ToolTip, at, menu.mapToGlobal(at));
        QApplication::sendEvent(&menu, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    // Without a hint, no tooltip at all (not even the caption).
    EXPECT_EQ(tooltipOf(menu.opcEmail), QString());
    EXPECT_EQ(tooltipOf(menu.opcAcercaDe), QString());
    EXPECT_EQ(tooltipOf(menu.opcExit), QString());
    EXPECT_EQ(tooltipOf(menu.opcBloqueado), QStringLiteral("Bloquea el desplegado de Zefras"));
    EXPECT_EQ(tooltipOf(menu.opcOpciones),
              QStringLiteral("Usted podr\u00e1 configurar con sus preferencias"));
    EXPECT_EQ(tooltipOf(menu.opcSite), QStringLiteral("Usted encontrar\u00e1 mas recursos gratuitos"));
    EXPECT_EQ(tooltipOf(menu.opcCntAyuda), QStringLiteral("Ligera descripci\u00f3n de uso del Software"));
    menu.hide();
}

TEST_F(FormMenu, TheOfficeLookHasItsSizesAndColours) {
    TfrmDlgOpcs& f = MakeForm();
    TPmuTrayIcon& menu = *f.pmuTrayIcon;
    menu.setUnrolling(false);
    menu.popup(QPoint(100, 100));
    ProcessEvents();
    menu.setActiveAction(menu.opcSite);
    const QImage shot = menu.grab().toImage();
    const TOfficeMenuLook look;

    EXPECT_EQ(menu.actionGeometry(menu.sepInternet).height(), look.SeparatorLeading);
    const QRect email = menu.actionGeometry(menu.opcEmail);
    const QRect site = menu.actionGeometry(menu.opcSite);
    EXPECT_EQ(email.left(), 1 + look.MarginX) << "inside a one-pixel frame";
    // Gutter, plain item, selected item.
    EXPECT_EQ(QColor(shot.pixel(email.left() + 2, email.top() + 1)), systemColor(15));
    EXPECT_EQ(QColor(shot.pixel(email.left() + look.GutterWidth + 2, email.top() + 1)),
              QColor(0xFA, 0xFA, 0xFA));
    EXPECT_EQ(QColor(shot.pixel(email.right() - 4, email.top() + 1)), QColor(0xFA, 0xFA, 0xFA));
    EXPECT_EQ(QColor(shot.pixel(site.right() - 4, site.top() + 2)), QColor(0xCB, 0xD5, 0xE6));
    menu.hide();
}

TEST_F(FormMenu, TheMenuUnrollsFromTheBottomUp) {
    TfrmDlgOpcs& f = MakeForm();
    TPmuTrayIcon& menu = *f.pmuTrayIcon;
    menu.popup(QPoint(100, 100));
    const QRegion first = menu.mask();
    ASSERT_FALSE(first.isEmpty());
    EXPECT_LT(first.boundingRect().height(), menu.height());
    EXPECT_EQ(first.boundingRect().bottom(), menu.rect().bottom());
    ProcessEvents(TPmuTrayIcon::kUnrollMs + 150);
    EXPECT_TRUE(menu.mask().isEmpty()) << "fully open, no mask left";
    menu.hide();
}

TEST_F(FormMenu, TheHelpPageOpensFromTheProgramDirectoryWhateverTheCurrentOne) {
    TfrmDlgOpcs& f = MakeForm();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QDir::rootPath()));
    f.pmuTrayIcon->opcCntAyuda->trigger();
    QDir::setCurrent(before);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(
        opened[0],
        QUrl::fromLocalFile(QString::fromStdString(exe.dir()) + QStringLiteral("leeme.htm")).toString());
    EXPECT_EQ(f.lblSite->HyperLink(), kWebSite);
    EXPECT_FALSE(f.lblSite->Visited());
}

TEST_F(FormMenu, TheSiteAndTheMailCommandsOpenTheirAddresses) {
    TfrmDlgOpcs& f = MakeForm();
    f.pmuTrayIcon->opcSite->trigger();
    f.pmuTrayIcon->opcEmail->trigger();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(QUrl(opened[0]), QUrl(kWebSite));
    EXPECT_TRUE(f.lblSite->Visited()) << "the site link shows as visited";
    EXPECT_EQ(opened[1], QStringLiteral("mailto:") + kFeedbackAddress);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FormMenu, ALinkInAPassageOpensAndLeavesTheSiteLinkAsItWas) {
    TfrmDlgOpcs& f = MakeForm();
    f.tmrZefraTimer();
    ASSERT_TRUE(f.ZefraWindow->OnAnchorClick);
    f.ZefraWindow->OnAnchorClick(f.ZefraWindow, QStringLiteral("https://example.org/pasaje"),
                                 f.ZefraWindow->AlertMessages().Item(0));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QStringLiteral("https://example.org/pasaje"));
    EXPECT_EQ(f.lblSite->HyperLink(), kWebSite);
    EXPECT_FALSE(f.lblSite->Visited());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FormMenu, TheAboutBoxIsMadeForOneShowingWithTheHourglassOnlyWhileItIsMade) {
    TfrmDlgOpcs& f = MakeForm();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<TfrmDlgAbout*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(box->Image1->pixmap().isNull());
        EXPECT_FALSE(box->imgID->pixmap().isNull());
        box->reject();
    });
    f.pmuTrayIcon->opcAcercaDe->trigger();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ProcessEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TfrmDlgAbout*>(w), nullptr) << "the box is destroyed when it closes";
}

} // namespace
} // namespace mz::test
