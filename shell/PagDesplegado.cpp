#include "shell/PagDesplegado.h"

#include "platform/DesktopStyle.h"
#include "platform/QtText.h"
#include "shell/LinkLabel.h"
#include "shell/SliderSpinBox.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mz {

namespace {

QRadioButton* radio(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

TPagDesplegado::TPagDesplegado(QWidget* parent)
    : QWidget(parent), gbxFuente(new QGroupBox(QStringLiteral(" Fuente "), this)),
      rbtFteBiblia(radio(QStringLiteral("Toda la Biblia"), "rbtFteBiblia", gbxFuente)),
      rbtFteAT(radio(QStringLiteral("Antiguo Testamento"), "rbtFteAT", gbxFuente)),
      rbtFteNT(radio(QStringLiteral("Nuevo Testamento"), "rbtFteNT", gbxFuente)),
      rbtFteLibro(radio(QStringLiteral("Proverbios"), "rbtFteLibro", gbxFuente)),
      lblLibros(new LinkLabel(gbxFuente)),
      rbtFtePromesas(radio(QStringLiteral("Promesas"), "rbtFtePromesas", gbxFuente)),
      rbtFteTemas(radio(QStringLiteral("Temas"), "rbtFteTemas", gbxFuente)),
      rbtFteContextos(radio(QStringLiteral("Contextos"), "rbtFteContextos", gbxFuente)),
      rbtFteJovenes(radio(QStringLiteral("J\u00f3venes (promesas)"), "rbtFteJovenes", gbxFuente)),
      rbtFteMatrimonios(radio(QStringLiteral("Matrimonios"), "rbtFteMatrimonios", gbxFuente)),
      rbtFteHistorias(radio(QStringLiteral("Historias y Par\u00e1bolas"), "rbtFteHistorias", gbxFuente)),
      rbtFteFavoritos(radio(QStringLiteral("Mis favoritos"), "rbtFteFavoritos", gbxFuente)),
      gbxFrecuencia(new QGroupBox(QStringLiteral(" Frecuencia de desplegado "), this)),
      lblCada(new QLabel(QStringLiteral("Cada"), gbxFrecuencia)),
      edtHoras(TSliderSpinBox::Make(0, 23, 0, "edtHoras", gbxFrecuencia)),
      lblHoras(new QLabel(QStringLiteral("hh"), gbxFrecuencia)),
      lblSeparador(new QLabel(QStringLiteral(":"), gbxFrecuencia)),
      edtMinutos(TSliderSpinBox::Make(0, 59, 15, "edtMinutos", gbxFrecuencia)),
      lblMinutos(new QLabel(QStringLiteral("mm"), gbxFrecuencia)) {
    setObjectName(QStringLiteral("pagDesplegado"));
    gbxFuente->setObjectName(QStringLiteral("gbxFuente"));
    gbxFrecuencia->setObjectName(QStringLiteral("gbxFrecuencia"));

    buttons_ = {rbtFtePromesas,    rbtFteTemas,     rbtFteContextos, rbtFteJovenes,
                rbtFteMatrimonios, rbtFteHistorias, rbtFteFavoritos, rbtFteBiblia,
                rbtFteAT,          rbtFteNT,        rbtFteLibro};
    // One exclusive group: exactly one source at a time.
    auto* group = new QButtonGroup(this);
    for (QRadioButton* b : buttons_)
        group->addButton(b);
    rbtFteLibro->setChecked(true);

    // A link-looking label that only reports its clicks: the form opens the
    // book chooser. It keeps the navy link colour under the mouse.
    lblLibros->setObjectName(QStringLiteral("lblLibros"));
    lblLibros->setText(QStringLiteral("cambiar Libro..."));
    lblLibros->setHyperLink(QString());
    lblLibros->setHoverLinkFont(lblLibros->LinkFont());

    // The Bible and the book on the left, the catalogues on the right.
    auto* sources = new QGridLayout(gbxFuente);
    sources->setHorizontalSpacing(12);
    sources->setVerticalSpacing(4);
    sources->addWidget(rbtFteBiblia, 0, 0);
    sources->addWidget(rbtFteAT, 1, 0);
    sources->addWidget(rbtFteNT, 2, 0);
    sources->addWidget(rbtFteLibro, 3, 0);
    auto* link = new QHBoxLayout;
    link->setContentsMargins(20, 0, 0, 0);
    link->addWidget(lblLibros);
    link->addStretch();
    sources->addLayout(link, 4, 0);
    QRadioButton* const right[] = {rbtFtePromesas,    rbtFteTemas,     rbtFteContextos, rbtFteJovenes,
                                   rbtFteMatrimonios, rbtFteHistorias, rbtFteFavoritos};
    for (int row = 0; row < 7; ++row)
        sources->addWidget(right[row], row, 1);
    sources->setRowStretch(7, 1);

    auto* interval = new QHBoxLayout(gbxFrecuencia);
    interval->addWidget(lblCada);
    interval->addWidget(edtHoras);
    interval->addWidget(lblHoras);
    interval->addWidget(lblSeparador);
    interval->addWidget(edtMinutos);
    interval->addWidget(lblMinutos);
    interval->addStretch();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(gbxFuente);
    page->addWidget(gbxFrecuencia);
    page->addStretch();
}

TPagDesplegado::~TPagDesplegado() = default;

QRadioButton* TPagDesplegado::Button(TFuente fuente) const {
    return buttons_[static_cast<size_t>(fuente)];
}

TSourceButtons TPagDesplegado::SourceButtons() const {
    TSourceButtons b;
    for (size_t i = 0; i < b.Checked.size(); ++i)
        b.Checked[i] = buttons_[i]->isChecked();
    b.LibroCaption = toCp1252(rbtFteLibro->text());
    return b;
}

void TPagDesplegado::SelectSource(const TSourceChoice& source) {
    if (source.Fuente == TFuente::Libro)
        rbtFteLibro->setText(fromCp1252(source.Libro));
    Button(source.Fuente)->setChecked(true);
}

} // namespace mz
