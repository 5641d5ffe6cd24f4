// The options window: filling the pages, "Predeterminado", "Aceptar" and the
// settings file it writes, the icon menu, the book chooser and the spin boxes.
#include "tests/shell/FormFixture.h"

#include "dialogs/uFrmDlgSelLibro.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

namespace mz::test {
namespace {

class FormOptions : public FormTest {
protected:
    TfrmDlgOpcs& Open() {
        TfrmDlgOpcs& f = form ? *form : MakeForm();
        f.pmuTrayIcon->opcOpciones->trigger();
        EXPECT_TRUE(f.isVisible());
        return f;
    }
    TPagDesplegado& Desplegado() { return *form->pagDesplegado; }
    TTabApariencia& Apariencia() { return *form->tabApariencia; }

    static QImage Picture(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); }
};

TEST_F(FormOptions, ShowingTheWindowFillsThePagesFromTheSettings) {
    IniValues ini;
    ini.FuenteVersos = "San Mateo";
    ini.Segundos = 5400;
    ini.Posicion = 4;
    ini.Amplitud = 55;
    ini.Estilo = 8;
    ini.Icono = 5;
    ini.AutoHide = 0;
    ini.Desplegado = 33;
    WriteIni(ini);
    TfrmDlgOpcs& f = MakeForm();
    f.pagOpciones->setCurrentWidget(f.tabApariencia);
    Open();

    EXPECT_EQ(f.pagOpciones->currentWidget(), f.pagDesplegado) << "always opens on \"  Desplegado  \"";
    EXPECT_EQ(f.pagOpciones->tabText(0), QStringLiteral("  Desplegado  "));
    EXPECT_EQ(f.pagOpciones->tabText(1), QStringLiteral("  Apariencia   "));
    EXPECT_TRUE(Desplegado().rbtFteLibro->isChecked());
    EXPECT_EQ(Desplegado().rbtFteLibro->text(), QStringLiteral("San Mateo"));
    EXPECT_EQ(Desplegado().edtHoras->value(), 1);
    EXPECT_EQ(Desplegado().edtMinutos->value(), 30);
    EXPECT_EQ(Apariencia().cbxPosicion->currentText(), QStringLiteral("Superior, Izquierdo"));
    EXPECT_EQ(Apariencia().edtAncho->value(), 55);
    EXPECT_EQ(Apariencia().cbxEstilo->currentText(), QStringLiteral("Royale Theme"));
    EXPECT_EQ(Picture(Apariencia().imgIcnWnd->pixmap()), Picture(f.ilstIDWnd.image(5)));
    EXPECT_FALSE(Apariencia().cbxAutoHide->isChecked());
    EXPECT_FALSE(Apariencia().edtDisplayTime->isEnabled());
    EXPECT_EQ(Apariencia().edtDisplayTime->value(), 33);
}

TEST_F(FormOptions, TheIntervalShowsAsHoursAndMinutes) {
    const struct {
        int segundos, hours, minutes;
    } cases[] = {{900, 0, 15}, {5400, 1, 30}, {0, 0, 0}, {89, 0, 1}, {65535, 18, 12}};
    for (const auto& c : cases) {
        IniValues ini;
        ini.Segundos = c.segundos;
        WriteIni(ini);
        form.reset();
        Open();
        EXPECT_EQ(Desplegado().edtHoras->value(), c.hours) << c.segundos;
        EXPECT_EQ(Desplegado().edtMinutos->value(), c.minutes) << c.segundos;
    }
}

TEST_F(FormOptions, AutoCloseEnablesTheDisplayTime) {
    Open();
    QCheckBox* autoHide = Apariencia().cbxAutoHide;
    ASSERT_TRUE(autoHide->isChecked());
    EXPECT_TRUE(Apariencia().edtDisplayTime->isEnabled());
    autoHide->click();
    EXPECT_FALSE(Apariencia().edtDisplayTime->isEnabled());
    autoHide->click();
    EXPECT_TRUE(Apariencia().edtDisplayTime->isEnabled());
}

TEST_F(FormOptions, PredeterminadoSetsTheDefaultsAndSavesNothing) {
    TfrmDlgOpcs& f = Open();
    const std::string before = Ini();
    Desplegado().rbtFteNT->setChecked(true);
    Desplegado().edtHoras->setValue(5);
    Apariencia().cbxAutoHide->setChecked(false);
    Apariencia().edtAncho->setValue(70);
    f.opcIcnIdx[4]->trigger();

    f.btnDefault->click();
    EXPECT_TRUE(Desplegado().rbtFtePromesas->isChecked());
    EXPECT_EQ(Desplegado().edtHoras->value(), 0);
    EXPECT_EQ(Desplegado().edtMinutos->value(), 10);
    EXPECT_EQ(Apariencia().cbxPosicion->currentText(), QStringLiteral("Inferior, Derecho"));
    EXPECT_EQ(Apariencia().edtAncho->value(), 40);
    EXPECT_EQ(Apariencia().cbxEstilo->currentText(), QStringLiteral("Office 2003 Classic"));
    EXPECT_EQ(Picture(Apariencia().imgIcnWnd->pixmap()), Picture(f.ilstIDWnd.image(0)));
    EXPECT_EQ(PrmApp.Icono, 0) << "the icon goes into the record at once";
    EXPECT_TRUE(Apariencia().cbxAutoHide->isChecked());
    EXPECT_TRUE(Apariencia().edtDisplayTime->isEnabled());
    EXPECT_EQ(Apariencia().edtDisplayTime->value(), 10);

    f.showMinimized();
    ProcessEvents();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(Ini(), before);
}

TEST_F(FormOptions, AceptarWritesTheSettingsAppliesThemAndHides) {
    TfrmDlgOpcs& f = Open();
    Desplegado().rbtFteNT->setChecked(true);
    Desplegado().edtHoras->setValue(1);
    Desplegado().edtMinutos->setValue(30);
    TTabApariencia::SelectItem(Apariencia().cbxPosicion, 3);
    Apariencia().edtAncho->setValue(60);
    TTabApariencia::SelectItem(Apariencia().cbxEstilo, 9);
    f.opcIcnIdx[6]->trigger();
    Apariencia().cbxAutoHide->setChecked(false);
    Apariencia().edtDisplayTime->setValue(20);

    f.btnAceptar->click();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Ini(),
              "; Kovrin\r\n\r\n\r\n[Fuente]\r\nFuenteVersos=NT\r\n\r\n[Frecuencia]\r\nSegundos=5400\r\n\r\n"
              "[ZefraWnd]\r\nDesplegado=20\r\nAutoHide=0\r\nIcono=6\r\nEstilo=9\r\nAmplitud=60\r\n"
              "Posicion=3\r\n");
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.tmrZefra->isActive());
    EXPECT_EQ(f.tmrZefra->interval(), 5400 * 1000);
    EXPECT_EQ(f.LineWidth(), 60);
    EXPECT_EQ(f.ZefraWindow->WindowPosition(), wpRightTop);
    EXPECT_EQ(f.ZefraWindow->CaptionColor(), 0xEFDFFFu);
    EXPECT_EQ(f.ZefraWindow->AlertMessages().Item(0)->ImageIndex(), 6);
    EXPECT_FALSE(f.ZefraWindow->AutoHide());
    EXPECT_EQ(f.ZefraWindow->DisplayTime(), 20000);
    EXPECT_TRUE(Desplegado().rbtFteNT->isChecked());
}

TEST_F(FormOptions, AnIntervalLongerThanTheFieldHoldsIsLimitedNotWrapped) {
    const struct {
        int hours, minutes;
        int stored, shownHours, shownMinutes;
    } cases[] = {
        {23, 59, 65520, 18, 12},
        {18, 13, 65520, 18, 12},
        {18, 12, 65520, 18, 12},
        {18, 11, 65460, 18, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.hours) + ":" + std::to_string(c.minutes));
        TfrmDlgOpcs& f = Open();
        Desplegado().edtHoras->setValue(c.hours);
        Desplegado().edtMinutos->setValue(c.minutes);
        f.btnAceptar->click();
        EXPECT_NE(Ini().find("Segundos=" + std::to_string(c.stored) + "\r\n"), std::string::npos);
        EXPECT_EQ(Desplegado().edtHoras->value(), c.shownHours);
        EXPECT_EQ(Desplegado().edtMinutos->value(), c.shownMinutes);
        EXPECT_EQ(f.tmrZefra->interval(), c.stored * 1000);
    }
}

TEST_F(FormOptions, TypedTextThatNamesNoItemIsStoredAs255) {
    TfrmDlgOpcs& f = Open();
    Apariencia().cbxPosicion->setEditText(QStringLiteral("Arriba"));
    // Letter case aside, a typed name chooses its item.
    Apariencia().cbxEstilo->setEditText(QStringLiteral("zune theme"));
    f.btnAceptar->click();
    EXPECT_NE(Ini().find("Posicion=255\r\n"), std::string::npos);
    EXPECT_NE(Ini().find("Estilo=7\r\n"), std::string::npos);
    EXPECT_EQ(f.ZefraWindow->WindowPosition(), wpRightBottom);

    Open();
    EXPECT_EQ(Apariencia().cbxPosicion->currentIndex(), -1);
    EXPECT_EQ(Apariencia().cbxPosicion->currentText(), QString());
    EXPECT_EQ(Apariencia().cbxEstilo->currentText(), QStringLiteral("Zune Theme"));
}

TEST_F(FormOptions, TheIconMenuChoosesTheIconForTheNextAceptar) {
    TfrmDlgOpcs& f = Open();
    ASSERT_EQ(f.pmuIcnsWnd->actions().size(), 7);
    for (int k = 0; k < 7; ++k) {
        QAction* item = f.pmuIcnsWnd->actions()[k];
        EXPECT_EQ(item, f.opcIcnIdx[k]);
        EXPECT_TRUE(item->text().isEmpty());
        EXPECT_EQ(Picture(item->icon().pixmap(16, 16)), Picture(f.ilstIDWnd.image(k)));
    }
    Apariencia().btnIcnWnd->click();
    EXPECT_TRUE(f.pmuIcnsWnd->isVisible());
    const QPoint below = Apariencia().btnIcnWnd->mapToGlobal(QPoint(0, Apariencia().btnIcnWnd->height()));
    EXPECT_LE((f.pmuIcnsWnd->pos() - below).manhattanLength(), 2);
    f.pmuIcnsWnd->hide();

    f.opcIcnIdx[3]->trigger();
    EXPECT_EQ(Picture(Apariencia().imgIcnWnd->pixmap()), Picture(f.ilstIDWnd.image(3)));
    EXPECT_EQ(PrmApp.Icono, 3);
    f.showMinimized();
    ProcessEvents();
    EXPECT_EQ(f.ZefraWindow->AlertMessages().Item(0)->ImageIndex(), 0) << "not before \"Aceptar\"";
    EXPECT_NE(Ini().find("Icono=0\r\n"), std::string::npos);

    Open();
    EXPECT_EQ(Picture(Apariencia().imgIcnWnd->pixmap()), Picture(f.ilstIDWnd.image(3)));
    f.btnAceptar->click();
    EXPECT_NE(Ini().find("Icono=3\r\n"), std::string::npos);
    EXPECT_EQ(f.ZefraWindow->AlertMessages().Item(0)->ImageIndex(), 3);
}

TEST_F(FormOptions, ChangingTheBookSelectsTheBookSource) {
    TfrmDlgOpcs& f = Open();
    Desplegado().rbtFteTemas->setChecked(true);
    bool chosen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TfrmDlgSelLibro*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->rbtLibro(40)->setChecked(true); // San Mateo
        dialog->btnElegir->click();
        chosen = true;
    });
    Desplegado().lblLibros->setFocus();
    f.lblLibrosClick();
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(Desplegado().rbtFteLibro->isChecked());
    EXPECT_EQ(Desplegado().rbtFteLibro->text(), QStringLiteral("San Mateo"));
    f.btnAceptar->click();
    EXPECT_NE(Ini().find("FuenteVersos=San Mateo\r\n"), std::string::npos);
}

TEST_F(FormOptions, TheSpinBoxesTakeArrowsAndTheSliderButNoTyping) {
    Open();
    TSliderSpinBox* width = Apariencia().edtAncho;
    ASSERT_EQ(width->value(), 40);
    EXPECT_EQ(width->minimum(), 25);
    EXPECT_EQ(width->maximum(), 75);
    width->setFocus();
    for (const char* text : {"5", "9"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QString::fromLatin1(text));
        QApplication::sendEvent(width, &press);
    }
    EXPECT_EQ(width->value(), 40);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(width, &up);
    EXPECT_EQ(width->value(), 41);

    width->ShowSlider();
    ASSERT_NE(width->Slider(), nullptr);
    EXPECT_TRUE(width->SliderPopup()->isVisible());
    EXPECT_EQ(width->Slider()->height(), TSliderSpinBox::kSliderLength);
    EXPECT_EQ(width->Slider()->minimum(), 25);
    EXPECT_EQ(width->Slider()->maximum(), 75);
    EXPECT_EQ(width->value(), 41) << "opening the slider keeps the value";
    EXPECT_EQ(width->Slider()->value(), 41);
    width->Slider()->setValue(70);
    EXPECT_EQ(width->value(), 70);
    width->SliderPopup()->hide();

    // The hour box opens its slider at its own range.
    TSliderSpinBox* hours = Desplegado().edtHoras;
    hours->ShowSlider();
    EXPECT_EQ(hours->Slider()->maximum(), 23);
    EXPECT_EQ(hours->value(), 0);
    hours->SliderPopup()->hide();
}

} // namespace
} // namespace mz::test
