// The tray icon's menu: the program's commands, in this order:
//
//   opcBloqueado  "&Bloquear desplegado" / "&Reiniciar desplegado" (check mark)
//   opcOpciones   "&Opciones..."
//   sepInternet
//   opcEmail      "Envienos sus comentarios"
//   opcSite       "Visitenos en el Internet"
//   sepOtros
//   opcCntAyuda   "&Ayuda de Morvek Zefra..."
//   opcAcercaDe   "Acerca de..."
//   sepExit
//   opcExit       "&Terminar"
//
// An "&" marks the access key. Hints show as tooltips; pictures come from the
// image list the menu is made with. The menu is drawn in the office look
// (TOfficeMenuStyle) and unrolls from the bottom up as it opens.
//
// The menu only holds the items: the form connects their triggered signals to
// its handlers and keeps the block item's caption, hint and check mark in
// step with the display state. The image list must outlive the menu's
// construction only (the pictures are copied). A QObject of the
// user-interface thread; its parent owns it.
#pragma once

#include <QMenu>

class QVariantAnimation;

namespace mz {

class ImageList;

class TPmuTrayIcon : public QMenu {
    Q_OBJECT

public:
    // How long the menu takes to unroll.
    static constexpr int kUnrollMs = 150;

    TPmuTrayIcon(const ImageList& images, QWidget* parent = nullptr);
    ~TPmuTrayIcon() override;

    QAction* const opcBloqueado;
    QAction* const opcOpciones;
    QAction* const sepInternet;
    QAction* const opcEmail;
    QAction* const opcSite;
    QAction* const sepOtros;
    QAction* const opcCntAyuda;
    QAction* const opcAcercaDe;
    QAction* const sepExit;
    QAction* const opcExit;

    // Off: the menu opens at once (tests and screenshots).
    void setUnrolling(bool on) { unrolling_ = on; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QAction* item(const char* name, const QString& caption, const QString& hint, const ImageList& images,
                  int imageIndex);
    QAction* separator(const char* name);
    void unroll(double shown);

    QVariantAnimation* unroll_; // child
    bool unrolling_ = true;
};

} // namespace mz
