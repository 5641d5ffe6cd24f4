// A text label that behaves like a hyperlink.
//
// The label draws its caption in the link font, in the hover font while the
// mouse is over it, and in the visited font once its link has been opened
// with a mark (Launch with a non-blank text). It owns the three fonts; each
// is a face together with its colour, and setting one copies it and redraws
// the caption at once.
//
// A left click on the label opens HyperLink with the desktop's default
// program, unless someone listens to clicked(), an action is attached or
// HyperLink is empty: then the click is a plain label click (the action is
// triggered and clicked() is emitted). A failure of a click's Launch is shown
// in the application's error box; a failure of a direct Launch is thrown to
// the caller as LinkLaunchError.
//
// Changing HyperLink to another text clears Visited and, on a label without a
// caption, makes the link its caption. The tray commands rely on this: they
// point the label at any link, Launch it, and point it back at the web site.
//
// A QObject of the user-interface thread; its parent owns it.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QString>

#include <stdexcept>

class QAction;

namespace mz {

// A face with the colour its text is drawn in.
struct TextFont {
    QFont font;
    QColor color;

    bool operator==(const TextFont&) const = default;
};

// Launch found nothing to open.
class LinkLaunchError : public std::runtime_error {
public:
    LinkLaunchError();
};

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);
    ~LinkLabel() override;

    const TextFont& HoverLinkFont() const { return m_hoverLinkFont; }
    void setHoverLinkFont(const TextFont& font);
    const TextFont& LinkFont() const { return m_linkFont; }
    void setLinkFont(const TextFont& font);
    const TextFont& VisitedLinkFont() const { return m_visitedLinkFont; }
    void setVisitedLinkFont(const TextFont& font);

    const QString& HyperLink() const { return m_hyperLink; }
    void setHyperLink(const QString& link);

    bool Visited() const { return m_visited; }
    void setVisited(bool visited);

    bool Hovered() const { return m_hover; }

    // The action a click triggers in place of opening the link; the label
    // does not own it.
    QAction* action() const { return m_action; }
    void setAction(QAction* action);

    // Opens HyperLink (never `text` itself) with the default program and,
    // when `text` is not blank, marks the label visited. Throws
    // LinkLaunchError when there is nothing to open.
    void Launch(const QString& text);

    // Shows the font that fits the label's state: hover, else visited, else
    // the link font.
    void UpdateLinkFont();

signals:
    // A plain label click (see above).
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Click();
    bool HasClickHandler() const;

    TextFont m_hoverLinkFont;
    TextFont m_linkFont;
    TextFont m_visitedLinkFont;
    QString m_hyperLink;
    QPointer<QAction> m_action;
    bool m_visited = false;
    bool m_hover = false;
    bool m_pressed = false;
};

} // namespace mz
