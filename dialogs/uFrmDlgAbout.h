// The about box: the product name with its version and build number, a
// motto, two pictures and a slowly scrolling text.
//
// Made for one showing and destroyed after it, normally shown modally. The
// version labels are filled when the box is shown, from the version
// information it read when it was made. The pictures come from the caller
// (setPictures); without them the two places stay empty.
//
// A QObject of the user-interface thread; its controls are its children.
#pragma once

#include "dialogs/VersionInfo.h"

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QPixmap;
class QPushButton;

namespace mz {

class TScrollText;
class TimerService;

class TfrmDlgAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmDlgAbout(QWidget* parent = nullptr);
    // With given version information and timer service, for tests.
    TfrmDlgAbout(const TVersionInfo& versionInfo, TimerService& timers, QWidget* parent = nullptr);
    ~TfrmDlgAbout() override;

    // The decorative picture at the left edge and the program's emblem.
    void setPictures(const QPixmap& image1, const QPixmap& emblem);

    const TVersionInfo& VersionInfo() const { return m_versionInfo; }

    // The scrolling text's lines, font tags included.
    static QStringList ScrollLines();

    QLabel* const Image1;
    QLabel* const imgID;
    QLabel* const lblTitulo;
    QLabel* const lblVersion;
    QLabel* const lblUsuario;
    QFrame* const bvlSepTitulo;
    QFrame* const bvlSepBoton;
    TScrollText* const ScrollText1;
    QPushButton* const btnAceptar;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnAceptarClick();

    const TVersionInfo m_versionInfo;
};

} // namespace mz
