#include "dialogs/uFrmDlgSelLibro.h"

#include "dialogs/DialogParts.h"
#include "platform/WaitCursor.h"

#include "dialogs/SelLibroLayout.h"
#include "platform/DesktopStyle.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace mz {

namespace {

// A testament's heading: its picture, its bold name and a rule from the name
// to the right edge, all centred on the picture's middle.
void placeHeading(QLabel* picture, QLabel* name, QFrame* rule, int top, const QString& resource) {
    picture->setGeometry(8, top, 32, 32);
    // Missing pictures leave the place empty; the icon picks the sharper
    // rendering on dense screens.
    const QIcon icon(resource);
    if (!icon.isNull())
        picture->setPixmap(icon.pixmap(QSize(32, 32)));

    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    name->adjustSize();
    name->move(46, top + (32 - name->height()) / 2);

    const int ruleLeft = name->geometry().right() + 7;
    rule->setGeometry(ruleLeft, top + 15, kSelLibroClientSize.width() - 8 - ruleLeft, 2);
}

} // namespace

TfrmDlgSelLibro::TfrmDlgSelLibro(TBookChoice& choice, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      imgAntiguo(new QLabel(this)), lblAntiguo(new QLabel(this)), bvlAntiguo(horizontalLine(this)),
      imgNuevo(new QLabel(this)), lblNuevo(new QLabel(this)), bvlNuevo(horizontalLine(this)),
      bvlBoton(horizontalLine(this)), btnElegir(new QPushButton(this)), grpLibros(new QButtonGroup(this)),
      m_choice(choice) {
    setWindowTitle(QStringLiteral("Seleccionar Libro..."));
    setFixedSize(kSelLibroClientSize);
    setFont(desktopFont(QStringLiteral("Tahoma"), 8));

    lblAntiguo->setText(fromCp1252(kNombreAT));
    placeHeading(imgAntiguo, lblAntiguo, bvlAntiguo, 6, QStringLiteral(":/artwork/antiguo-testamento.png"));
    lblNuevo->setText(fromCp1252(kNombreNT));
    placeHeading(imgNuevo, lblNuevo, bvlNuevo, 254, QStringLiteral(":/artwork/nuevo-testamento.png"));

    bvlBoton->setGeometry(8, 438, 346, 2);
    btnElegir->setText(QStringLiteral("&Elegir"));
    btnElegir->setGeometry(279, 444, 75, 25);
    btnElegir->setDefault(true);

    // The button comes first in the tab order, then the books in canonical
    // order; made in that order, the widgets chain that way.
    QWidget* previous = btnElegir;
    for (int number = 1; number <= kNumLibros; ++number) {
        auto* button = new QRadioButton(fromCp1252(Libros[number - 1].Nombre), this);
        button->setGeometry(BookButtonRect(number));
        QPalette colours = button->palette();
        colours.setColor(QPalette::WindowText, colorFromBgr(BookGroupColour(number)));
        button->setPalette(colours);
        grpLibros->addButton(button, number);
        setTabOrder(previous, button);
        previous = button;
        m_rbtLibros[number - 1] = button;
    }
    rbtLibro(kLibroInicial)->setChecked(true);

    connect(btnElegir, &QPushButton::clicked, this, &TfrmDlgSelLibro::btnElegirClick);
    connect(grpLibros, &QButtonGroup::idToggled, this, &TfrmDlgSelLibro::rbtLibroToggled);

    PlaceOver(mainWindow);
}

TfrmDlgSelLibro::~TfrmDlgSelLibro() = default;

QRadioButton* TfrmDlgSelLibro::SelectedButton() const {
    return static_cast<QRadioButton*>(grpLibros->checkedButton());
}

void TfrmDlgSelLibro::btnElegirClick() {
    const QRadioButton* selected = SelectedButton();
    m_choice.Elegir(selected ? selected->text() : QString());
    accept();
}

void TfrmDlgSelLibro::rbtLibroToggled(int number, bool checked) {
    if (checked)
        m_choice.BookSelected(number);
}

// The window is placed once, when it is made: it opens where it was last left.
// Before it is first shown it has no frame yet; the main window's frame tells
// how much the window manager adds around a window, so the rule sees the
// frame the dialog is going to have.
void TfrmDlgSelLibro::PlaceOver(QWidget* mainWindow) {
    const QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    QRect reference;
    QSize frame = size();
    if (mainWindow) {
        reference = mainWindow->frameGeometry();
        frame += reference.size() - mainWindow->geometry().size();
    } else if (screen) {
        reference = screen->availableGeometry();
    }
    QPoint topLeft = PlaceOverMainWindow(reference, frame);
    if (screen)
        topLeft = KeepOnScreen(topLeft, frame, screen->availableGeometry());
    move(topLeft);
}

TBookSelector::~TBookSelector() {
    // The dialog writes into this selector's choice, so it goes first. Once
    // the application is gone its windows went with it.
    if (m_dialog && QCoreApplication::instance())
        delete m_dialog.data();
}

QString TBookSelector::SelectBook(QWidget* mainWindow) {
    WaitCursor hourglass;
    if (!m_dialog) {
        m_dialog = new TfrmDlgSelLibro(m_choice, mainWindow);
        if (!mainWindow)
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_dialog.data(), &QObject::deleteLater);
    }
    hourglass.Restore();
    m_dialog->exec();
    return m_choice.LibroElegido();
}

namespace {

TBookSelector& programSelector() {
    static TBookSelector selector;
    return selector;
}

} // namespace

QString SelectBook(QWidget* mainWindow) {
    return programSelector().SelectBook(mainWindow);
}

QString LibroElegido() {
    return programSelector().LibroElegido();
}

} // namespace mz
