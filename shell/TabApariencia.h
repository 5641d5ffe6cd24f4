// The options page "  Apariencia   ": how the alert window looks and where it
// goes.
//
// A sample picture of the alert window; the colour scheme "Esquema de
// colores" (codes 0 to 9 in list order); the message icon with its preview
// and the button "Icono..." that opens the icon menu; the characters per
// line "Ancho caract." (25 to 75, 40 by design); and the group " Posición y
// auto cerrado " with the position "Posición" (codes 0 to 5), the check box
// "Auto cerrado" and the seconds on screen (5 to 60, 10 by design).
//
// The drop-down lists take typed text as well as a choice; a typed text that
// names no item (letter case aside) selects nothing, which the settings store
// as 255. The spin boxes cannot be typed into.
//
// The page holds no decisions; the form wires its controls. A QObject of the
// user-interface thread; the page control owns it.
#pragma once

#include <QStringList>
#include <QWidget>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace mz {

class TSliderSpinBox;

class TTabApariencia : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kCaption = "  Apariencia   ";

    explicit TTabApariencia(QWidget* parent = nullptr);
    ~TTabApariencia() override;

    static QStringList StyleItems();
    static QStringList PositionItems();

    // The item a list's text names (letter case aside), or 255 when it names
    // none, as the settings store it.
    static std::uint8_t ItemCode(const QComboBox* list);
    // Selects item `code`; a code past the last item leaves the list empty.
    static void SelectItem(QComboBox* list, int code);

    QLabel* const imgZefraWnd;
    QLabel* const lblStyle;
    QComboBox* const cbxEstilo;
    QLabel* const imgIcnWnd;
    QPushButton* const btnIcnWnd;
    QLabel* const lblAncho;
    TSliderSpinBox* const edtAncho;
    QGroupBox* const gbxZefraWnd;
    QLabel* const lblPosicion;
    QComboBox* const cbxPosicion;
    QCheckBox* const cbxAutoHide;
    TSliderSpinBox* const edtDisplayTime;
    QLabel* const lblmseg;
};

} // namespace mz
