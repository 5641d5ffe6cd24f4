#include "shell/TabApariencia.h"

#include "shell/SliderSpinBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace mz {

namespace {

QComboBox* list(const QStringList& items, const char* name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    // Typed text chooses an item only when it names one; it never becomes a
    // new item.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    return c;
}

} // namespace

QStringList TTabApariencia::StyleItems() {
    return {QStringLiteral("Office 2003 Blue"),   QStringLiteral("Office 2003 Silver"),
            QStringLiteral("Office 2003 Olive"),  QStringLiteral("Office 2003 Classic"),
            QStringLiteral("Office 2007 Luna"),   QStringLiteral("Office 2007 Obsidian"),
            QStringLiteral("Office 2007 Silver"), QStringLiteral("Zune Theme"),
            QStringLiteral("Royale Theme"),       QStringLiteral("Solo para ellas")};
}

QStringList TTabApariencia::PositionItems() {
    return {QStringLiteral("Usuario determina"),   QStringLiteral("Inferior, Derecho"),
            QStringLiteral("Inferior, Izquierdo"), QStringLiteral("Superior, Derecho"),
            QStringLiteral("Superior, Izquierdo"), QStringLiteral("Centreado")};
}

std::uint8_t TTabApariencia::ItemCode(const QComboBox* list) {
    const int index = list->findText(list->currentText(), Qt::MatchFixedString);
    return index < 0 ? 255 : static_cast<std::uint8_t>(index);
}

void TTabApariencia::SelectItem(QComboBox* list, int code) {
    if (code >= 0 && code < list->count()) {
        list->setCurrentIndex(code);
        // An editable list keeps typed text apart from its index.
        list->setEditText(list->itemText(code));
    } else {
        list->setCurrentIndex(-1);
        list->setEditText(QString());
    }
}

TTabApariencia::TTabApariencia(QWidget* parent)
    : QWidget(parent), imgZefraWnd(new QLabel(this)),
      lblStyle(new QLabel(QStringLiteral("Esquema de colores"), this)),
      cbxEstilo(list(StyleItems(), "cbxEstilo", this)), imgIcnWnd(new QLabel(this)),
      btnIcnWnd(new QPushButton(QStringLiteral("Icono..."), this)),
      lblAncho(new QLabel(QStringLiteral("Ancho caract."), this)),
      edtAncho(TSliderSpinBox::Make(25, 75, 40, "edtAncho", this)),
      gbxZefraWnd(new QGroupBox(QStringLiteral(" Posici\u00f3n y auto cerrado "), this)),
      lblPosicion(new QLabel(QStringLiteral("Posici\u00f3n"), gbxZefraWnd)),
      cbxPosicion(list(PositionItems(), "cbxPosicion", gbxZefraWnd)),
      cbxAutoHide(new QCheckBox(QStringLiteral("Auto cerrado"), gbxZefraWnd)),
      edtDisplayTime(TSliderSpinBox::Make(5, 60, 10, "edtDisplayTime", gbxZefraWnd)),
      lblmseg(new QLabel(QStringLiteral("Seg."), gbxZefraWnd)) {
    setObjectName(QStringLiteral("tabApariencia"));
    imgZefraWnd->setObjectName(QStringLiteral("imgZefraWnd"));
    lblStyle->setObjectName(QStringLiteral("lblStyle"));
    imgIcnWnd->setObjectName(QStringLiteral("imgIcnWnd"));
    btnIcnWnd->setObjectName(QStringLiteral("btnIcnWnd"));
    lblAncho->setObjectName(QStringLiteral("lblAncho"));
    gbxZefraWnd->setObjectName(QStringLiteral("gbxZefraWnd"));
    lblPosicion->setObjectName(QStringLiteral("lblPosicion"));
    cbxAutoHide->setObjectName(QStringLiteral("cbxAutoHide"));
    lblmseg->setObjectName(QStringLiteral("lblmseg"));

    imgZefraWnd->setPixmap(QPixmap(QStringLiteral(":/artwork/muestra-ventana.png")));
    imgZefraWnd->setAlignment(Qt::AlignCenter);
    SelectItem(cbxEstilo, 3);   // "Office 2003 Classic"
    SelectItem(cbxPosicion, 2); // "Inferior, Izquierdo"
    imgIcnWnd->setFixedSize(16, 16);
    btnIcnWnd->setFlat(true);
    cbxAutoHide->setChecked(true);
    lblStyle->setBuddy(cbxEstilo);
    lblAncho->setBuddy(edtAncho);
    lblPosicion->setBuddy(cbxPosicion);

    auto* looks = new QGridLayout;
    looks->addWidget(lblStyle, 0, 0);
    looks->addWidget(cbxEstilo, 0, 1, 1, 3);
    auto* icon = new QHBoxLayout;
    icon->setSpacing(4);
    icon->addWidget(imgIcnWnd);
    icon->addWidget(btnIcnWnd);
    icon->addStretch();
    looks->addLayout(icon, 1, 0, 1, 2);
    looks->addWidget(lblAncho, 1, 2, Qt::AlignRight);
    looks->addWidget(edtAncho, 1, 3);
    looks->setColumnStretch(1, 1);

    auto* place = new QGridLayout(gbxZefraWnd);
    place->addWidget(lblPosicion, 0, 0);
    place->addWidget(cbxPosicion, 0, 1, 1, 3);
    place->addWidget(cbxAutoHide, 1, 0, 1, 2);
    place->addWidget(edtDisplayTime, 1, 2);
    place->addWidget(lblmseg, 1, 3);
    place->setColumnStretch(1, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(imgZefraWnd);
    page->addLayout(looks);
    page->addWidget(gbxZefraWnd);
    page->addStretch();
}

TTabApariencia::~TTabApariencia() = default;

} // namespace mz
