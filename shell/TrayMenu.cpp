#include "shell/TrayMenu.h"

#include "shell/OfficeMenuStyle.h"
#include "widgets/ImageList.h"

#include <QAction>
#include <QIcon>
#include <QShowEvent>
#include <QVariantAnimation>

namespace mz {

TPmuTrayIcon::TPmuTrayIcon(const ImageList& images, QWidget* parent)
    : QMenu(parent), opcBloqueado(item("opcBloqueado", QStringLiteral("&Bloquear desplegado"),
                                       QStringLiteral("Bloquea el desplegado de Zefras"), images, -1)),
      opcOpciones(item("opcOpciones", QStringLiteral("&Opciones..."),
                       QStringLiteral("Usted podr\u00e1 configurar con sus preferencias"), images, 1)),
      sepInternet(separator("sepInternet")),
      opcEmail(item("opcEmail", QStringLiteral("Envienos sus comentarios"), QString(), images, 2)),
      opcSite(item("opcSite", QStringLiteral("Visitenos en el Internet"),
                   QStringLiteral("Usted encontrar\u00e1 mas recursos gratuitos"), images, 3)),
      sepOtros(separator("sepOtros")),
      opcCntAyuda(item("opcCntAyuda", QStringLiteral("&Ayuda de Morvek Zefra..."),
                       QStringLiteral("Ligera descripci\u00f3n de uso del Software"), images, 4)),
      opcAcercaDe(item("opcAcercaDe", QStringLiteral("Acerca de..."), QString(), images, -1)),
      sepExit(separator("sepExit")),
      opcExit(item("opcExit", QStringLiteral("&Terminar"), QString(), images, 5)),
      unroll_(new QVariantAnimation(this)) {
    setObjectName(QStringLiteral("pmuTrayIcon"));
    opcBloqueado->setCheckable(true);
    setToolTipsVisible(true);
    setStyle(TOfficeMenuStyle::Instance());

    unroll_->setStartValue(0.0);
    unroll_->setEndValue(1.0);
    unroll_->setDuration(kUnrollMs);
    unroll_->setEasingCurve(QEasingCurve::OutCubic);
    connect(unroll_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& v) { unroll(v.toDouble()); });
    connect(unroll_, &QVariantAnimation::finished, this, &QWidget::clearMask);
}

TPmuTrayIcon::~TPmuTrayIcon() = default;

QAction* TPmuTrayIcon::item(const char* name, const QString& caption, const QString& hint,
                            const ImageList& images, int imageIndex) {
    QAction* a = addAction(caption);
    a->setObjectName(QLatin1String(name));
    // Without a hint of its own an item shows no tooltip at all.
    a->setToolTip(hint);
    if (imageIndex >= 0 && imageIndex < images.count())
        a->setIcon(QIcon(images.image(imageIndex)));
    return a;
}

QAction* TPmuTrayIcon::separator(const char* name) {
    QAction* a = addSeparator();
    a->setObjectName(QLatin1String(name));
    return a;
}

void TPmuTrayIcon::showEvent(QShowEvent* event) {
    QMenu::showEvent(event);
    if (!unrolling_ || event->spontaneous())
        return;
    unroll(0.0);
    unroll_->start();
}

void TPmuTrayIcon::hideEvent(QHideEvent* event) {
    unroll_->stop();
    clearMask();
    QMenu::hideEvent(event);
}

void TPmuTrayIcon::unroll(double shown) {
    // The visible part grows from the bottom edge up; an empty mask would
    // show the whole menu, so at least one row stays visible.
    const int h = std::max(1, static_cast<int>(height() * shown));
    setMask(QRect(0, height() - h, width(), h));
}

} // namespace mz
