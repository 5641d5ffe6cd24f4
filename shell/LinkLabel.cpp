#include "shell/LinkLabel.h"

#include "platform/DesktopStyle.h"
#include "platform/ErrorBox.h"
#include "platform/LinkOpener.h"
#include "shell/Addresses.h"

#include <QAction>
#include <QEnterEvent>
#include <QMetaMethod>
#include <QMouseEvent>

namespace mz {

namespace {

TextFont underlined(QFont font, std::uint32_t bgr) {
    font.setUnderline(true);
    return {font, colorFromBgr(bgr)};
}

} // namespace

LinkLaunchError::LinkLaunchError() : std::runtime_error("No link for launching web browser.") {}

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent), m_hoverLinkFont(underlined(font(), 0xFF0000)), m_linkFont(underlined(font(), 0x800000)),
      m_visitedLinkFont(underlined(font(), 0x800080)), m_hyperLink(kWebSite) {
    setText(QStringLiteral("Sitio oficial Tarvelnix"));
    setCursor(Qt::PointingHandCursor);
    UpdateLinkFont();
}

LinkLabel::~LinkLabel() = default;

void LinkLabel::setHoverLinkFont(const TextFont& font) {
    m_hoverLinkFont = font;
    UpdateLinkFont();
}

void LinkLabel::setLinkFont(const TextFont& font) {
    m_linkFont = font;
    UpdateLinkFont();
}

void LinkLabel::setVisitedLinkFont(const TextFont& font) {
    m_visitedLinkFont = font;
    UpdateLinkFont();
}

void LinkLabel::setHyperLink(const QString& link) {
    if (link == m_hyperLink)
        return;
    m_hyperLink = link;
    setVisited(false);
    if (text().isEmpty())
        setText(link);
}

void LinkLabel::setVisited(bool visited) {
    if (visited == m_visited)
        return;
    m_visited = visited;
    UpdateLinkFont();
}

void LinkLabel::setAction(QAction* action) {
    m_action = action;
}

void LinkLabel::Launch(const QString& text) {
    // Only HyperLink is ever opened, so a blank HyperLink leaves nothing to
    // open whatever the text says; marking the label visited then would
    // claim a visit that never happened.
    if (m_hyperLink.trimmed().isEmpty())
        throw LinkLaunchError();
    openLink(m_hyperLink); // a link the desktop cannot open is not reported
    if (!text.trimmed().isEmpty())
        setVisited(true);
}

void LinkLabel::UpdateLinkFont() {
    const TextFont& shown = m_hover ? m_hoverLinkFont : m_visited ? m_visitedLinkFont : m_linkFont;
    setFont(shown.font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, shown.color);
    setPalette(colours);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    m_hover = true;
    UpdateLinkFont();
}

void LinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    m_hover = false;
    UpdateLinkFont();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    // Accepting the press makes the label the receiver of the release.
    m_pressed = true;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Click();
}

bool LinkLabel::HasClickHandler() const {
    return isSignalConnected(QMetaMethod::fromSignal(&LinkLabel::clicked));
}

void LinkLabel::Click() {
    if (HasClickHandler() || m_action || m_hyperLink.isEmpty()) {
        if (m_action)
            m_action->trigger();
        emit clicked();
        return;
    }
    try {
        Launch(QString());
    } catch (const LinkLaunchError& error) {
        showErrorBox(QString::fromUtf8(error.what()));
    }
}

} // namespace mz
