// The tray menu's commands and the options pages' handlers of TfrmDlgOpcs.
#include "shell/uFrmDlgOpcs.h"

#include "platform/WaitCursor.h"

#include "dialogs/uFrmDlgAbout.h"
#include "dialogs/uFrmDlgSelLibro.h"
#include "platform/LinkOpener.h"
#include "platform/QtText.h"
#include "scripture/uPrmApp.h"
#include "shell/Addresses.h"
#include "shell/DisplaySettings.h"
#include "shell/LinkLabel.h"
#include "shell/PagDesplegado.h"
#include "shell/SliderSpinBox.h"
#include "shell/TabApariencia.h"
#include "shell/TrayMenu.h"
#include "widgets/FadeAlertWindow.h"
#include "widgets/NotifyTrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <cmath>
#include <memory>

namespace mz {

namespace {} // namespace

// The tray menu ------------------------------------------------------------------

void TfrmDlgOpcs::opcBloqueadoClick() {
    // While the options window is open only the check mark changes; hiding
    // the window starts the timer if the display is then not blocked.
    state_.ToggleBlock();
    SyncBlockItem();
}

void TfrmDlgOpcs::opcOpcionesClick() {
    TrayIcon->RestoreMainForm();
}

void TfrmDlgOpcs::opcEmailClick() {
    openLink(QStringLiteral("mailto: ") + kFeedbackAddress);
}

void TfrmDlgOpcs::opcSiteClick() {
    lblSite->Launch(kWebSite);
}

void TfrmDlgOpcs::opcCntAyudaClick() {
    // ExeDir is absolute, so the page is found whatever the current directory.
    OpenLink(QFile::decodeName(QByteArray::fromStdString(exeDir_)) + HelpFileName());
}

void TfrmDlgOpcs::opcAcercaDeClick() {
    WaitCursor hourglass;
    // Over the options window when it is open, else on its own.
    auto box = std::make_unique<TfrmDlgAbout>(isVisible() ? this : nullptr);
    box->setPictures(QPixmap(QStringLiteral(":/artwork/acerca-lateral.png")),
                     QPixmap(QStringLiteral(":/artwork/morvek-zefra-32.png")));
    // The hourglass covers the making of the box, not the reading of it.
    hourglass.Restore();
    box->exec();
}

void TfrmDlgOpcs::opcExitClick() {
    ZefraWindow->SavePosition();
    terminating_ = true;
    state_.Terminated();
    // exit, not quit: quitting would first ask every window to close, and
    // this one refuses to.
    QCoreApplication::exit(0);
}

void TfrmDlgOpcs::ZefraWindowAnchorClick(TFadeAlertWindow*, const QString& anchor, TMsgCollectionItem*) {
    OpenLink(anchor);
}

void TfrmDlgOpcs::OpenLink(const QString& link) {
    lblSite->setHyperLink(link);
    // The label points at the web site again whatever Launch does.
    struct Back {
        LinkLabel* label;
        ~Back() { label->setHyperLink(kWebSite); }
    } back{lblSite};
    lblSite->Launch(QStringLiteral("?"));
}

void TfrmDlgOpcs::opcIcnIdxClick(int k) {
    tabApariencia->imgIcnWnd->setPixmap(ilstIDWnd.image(k));
    // Saved with the next "Aceptar".
    PrmApp.Icono = static_cast<std::uint8_t>(k);
}

// The options pages ----------------------------------------------------------------

void TfrmDlgOpcs::FillPages() {
    TTabApariencia& look = *tabApariencia;
    pagDesplegado->SelectSource(SourceFromSetting(PrmApp.FuenteVersos));
    const THoursMinutes interval = HoursMinutesOf(PrmApp.Segundos);
    pagDesplegado->edtHoras->setValue(interval.Hours);
    pagDesplegado->edtMinutos->setValue(interval.Minutes);
    TTabApariencia::SelectItem(look.cbxPosicion, PrmApp.Posicion);
    look.edtAncho->setValue(PrmApp.Amplitud);
    TTabApariencia::SelectItem(look.cbxEstilo, PrmApp.Estilo);
    look.imgIcnWnd->setPixmap(ilstIDWnd.image(PrmApp.Icono));
    look.cbxAutoHide->setChecked(PrmApp.AutoHide);
    cbxAutoHideClick();
    look.edtDisplayTime->setValue(PrmApp.Desplegado);
    pagOpciones->setCurrentWidget(pagDesplegado);
}

void TfrmDlgOpcs::cbxAutoHideClick() {
    tabApariencia->edtDisplayTime->setEnabled(tabApariencia->cbxAutoHide->isChecked());
}

void TfrmDlgOpcs::btnIcnWndClick() {
    QPushButton* button = tabApariencia->btnIcnWnd;
    pmuIcnsWnd->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TfrmDlgOpcs::lblLibrosClick() {
    const QString book = SelectBook(this);
    if (book.isEmpty())
        return;
    pagDesplegado->rbtFteLibro->setText(book);
    pagDesplegado->rbtFteLibro->setChecked(true);
}

void TfrmDlgOpcs::btnDefaultClick() {
    TTabApariencia& look = *tabApariencia;
    pagDesplegado->rbtFtePromesas->setChecked(true);
    pagDesplegado->edtHoras->setValue(0);
    pagDesplegado->edtMinutos->setValue(10);
    TTabApariencia::SelectItem(look.cbxPosicion, 1);
    look.edtAncho->setValue(40);
    TTabApariencia::SelectItem(look.cbxEstilo, 3);
    look.imgIcnWnd->setPixmap(ilstIDWnd.image(0));
    PrmApp.Icono = 0;
    look.cbxAutoHide->setChecked(true);
    cbxAutoHideClick();
    look.edtDisplayTime->setValue(10);
}

void TfrmDlgOpcs::btnAceptarClick() {
    TTabApariencia& look = *tabApariencia;
    PrmApp.FuenteVersos = AcceptedSetting(pagDesplegado->SourceButtons());
    // The field holds at most 18 hours 12 minutes: a longer interval is
    // limited to that, never wrapped into a shorter one, and the boxes show
    // what is kept.
    const TSegundosChoice interval =
        SegundosOf(pagDesplegado->edtHoras->value(), pagDesplegado->edtMinutos->value());
    PrmApp.Segundos = interval.Segundos;
    if (interval.Limited) {
        const THoursMinutes kept = HoursMinutesOf(interval.Segundos);
        pagDesplegado->edtHoras->setValue(kept.Hours);
        pagDesplegado->edtMinutos->setValue(kept.Minutes);
    }
    PrmApp.Posicion = TTabApariencia::ItemCode(look.cbxPosicion);
    PrmApp.Amplitud = static_cast<std::uint8_t>(look.edtAncho->value());
    PrmApp.Estilo = TTabApariencia::ItemCode(look.cbxEstilo);
    PrmApp.AutoHide = look.cbxAutoHide->isChecked();
    PrmApp.Desplegado = static_cast<std::uint16_t>(look.edtDisplayTime->value());
    // Icono already holds the icon last chosen.
    SavePrmApp(PrmApp);
    ApplySettings();
    TrayIcon->HideMainForm();
}

} // namespace mz
