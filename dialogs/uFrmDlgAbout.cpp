#include "dialogs/uFrmDlgAbout.h"

#include "dialogs/DialogParts.h"

#include "dialogs/ScrollText.h"
#include "platform/DesktopStyle.h"
#include "shell/Addresses.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace mz {

namespace {

ScrollFont scrollFont(std::uint32_t bgr) {
    return {desktopFont(QStringLiteral("Tahoma"), 8), colorFromBgr(bgr), {}, {}, {}};
}

void setScrollFonts(ScrollTextModel& model) {
    ScrollFont verso = scrollFont(0x3A89BA);
    // The gradient fills the glyphs, so the font's own colour is its shadow.
    verso.shadowOffset = QPoint(1, 1);
    verso.shadowColor = verso.color;
    verso.gradient = std::make_pair(colorFromBgr(0xCC3311), colorFromBgr(0xFF22AA));
    model.SetFont(QStringLiteral("Verso"), verso);

    model.SetFont(QStringLiteral("Seccion"), scrollFont(0x9A483D));

    ScrollFont texto = scrollFont(0x808080);
    texto.shadowOffset = QPoint(1, 1);
    texto.shadowColor = colorFromBgr(0xE4E4E4);
    model.SetFont(QStringLiteral("Texto"), texto);

    ScrollFont negrita = scrollFont(0x404040);
    negrita.font.setBold(true);
    model.SetFont(QStringLiteral("Negrita"), negrita);

    model.SetDefaultFont(texto);
}

} // namespace

TfrmDlgAbout::TfrmDlgAbout(QWidget* parent)
    : TfrmDlgAbout(TVersionInfo(), TimerService::Instance(), parent) {}

TfrmDlgAbout::TfrmDlgAbout(const TVersionInfo& versionInfo, TimerService& timers, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      Image1(new QLabel(this)), imgID(new QLabel(this)), lblTitulo(new QLabel(this)),
      lblVersion(new QLabel(this)), lblUsuario(new QLabel(this)), bvlSepTitulo(horizontalLine(this)),
      bvlSepBoton(horizontalLine(this)), ScrollText1(new TScrollText(this, timers)),
      btnAceptar(new QPushButton(this)), m_versionInfo(versionInfo) {
    setWindowTitle(QStringLiteral("Acerca de..."));
    setFixedSize(427, 295);
    setFont(desktopFont(QStringLiteral("MS Sans Serif"), 8));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base)); // the window colour, white
    setPalette(colours);
    setAutoFillBackground(true);

    Image1->setGeometry(0, 0, 132, 245);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgID->setGeometry(140, 8, 32, 32);

    lblTitulo->setGeometry(180, 8, 239, 16);
    QFont title = font();
    title.setBold(true);
    lblTitulo->setFont(title);
    lblVersion->setGeometry(180, 26, 239, 14);
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bvlSepTitulo->setGeometry(140, 44, 279, 2);

    lblUsuario->setGeometry(140, 52, 279, 16);
    lblUsuario->setText(QStringLiteral("Palabra del Dios único e incomparable."));
    QPalette motto = lblUsuario->palette();
    motto.setColor(QPalette::WindowText, colorFromBgr(0x8080FF));
    lblUsuario->setPalette(motto);

    ScrollText1->setGeometry(148, 76, 268, 150);
    setScrollFonts(ScrollText1->model());
    ScrollText1->model().SetLines(ScrollLines());

    bvlSepBoton->setGeometry(8, 250, 411, 2);
    btnAceptar->setText(QStringLiteral("Aceptar"));
    btnAceptar->setGeometry(344, 262, 75, 25);
    btnAceptar->setDefault(true);
    connect(btnAceptar, &QPushButton::clicked, this, &TfrmDlgAbout::btnAceptarClick);
}

TfrmDlgAbout::~TfrmDlgAbout() = default;

void TfrmDlgAbout::setPictures(const QPixmap& image1, const QPixmap& emblem) {
    Image1->setPixmap(image1);
    imgID->setPixmap(emblem);
}

QStringList TfrmDlgAbout::ScrollLines() {
    const QString product = TVersionInfo().ProductName();
    return {
        QStringLiteral("<Verso>Guarda y escucha todas estas palabras"),
        QStringLiteral("que yo te mando, para que haciendo lo bueno"),
        QStringLiteral("y lo recto ante los ojos de Jehová tu Dios,"),
        QStringLiteral("te vaya bien a ti y a tus hijos"),
        QStringLiteral("después de ti para siempre."),
        QStringLiteral("Dt. 12:28"),
        QString(),
        QStringLiteral("<Texto>") + product,
        kWebSite,
        kFeedbackAddress,
        QString(),
        QStringLiteral("<Seccion>Texto bíblico"),
        QStringLiteral("<Texto>Reina-Valera 1909"),
        QString(),
        QStringLiteral("La Reina-Valera 1909 es de dominio público."),
        QStringLiteral("El texto proviene del módulo SPARV del"),
        QStringLiteral("proyecto SWORD, empaquetado por Debian."),
        QString(),
        QStringLiteral("La selección de versículos presentada en este software"),
        QStringLiteral("es el resultado del estudio bíblico."),
        QString(),
        QStringLiteral("Si usted ofrendo por este software sustentará el costo de"),
        QStringLiteral("desarrollo de futuras versiones y nuevos proyectos."),
        QString(),
        QStringLiteral("Dedico esta labor a nuestro Dios como un fruto por la"),
        QStringLiteral("gratitud de la justificación de mi vida a través de su"),
        QStringLiteral("precioso hijo Jesús."),
        QString(),
        QStringLiteral("<Negrita>") + product,
    };
}

void TfrmDlgAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmDlgAbout::FormShow() {
    lblTitulo->setText(m_versionInfo.ProductName() + QStringLiteral(" v") + m_versionInfo.MajorVersion() +
                       QLatin1Char('.') + m_versionInfo.MinorVersion() + QLatin1Char('.') +
                       m_versionInfo.Release());
    lblVersion->setText(QStringLiteral("Build ") + m_versionInfo.Build());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmDlgAbout::btnAceptarClick() {
    accept();
}

} // namespace mz
