#pragma once

#include <QFrame>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// How a panel is docked in its parent: not at all, along one side, or filling it.
enum class PanelAlign { None, Top, Bottom, Left, Right, Client };

// The part of a panel under the mouse: an edge or corner that resizes it, or none.
enum class PanelZone { None, Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

// A point is near an edge within this many pixels.
constexpr int kPanelGrip = 5;

// The zone under a point (panel coordinates) of a panel of the given size. An undocked panel
// has its corners first, then its edges; a docked one only its free edge; a filling one none.
PanelZone PanelHitTest(PanelAlign align, QPoint point, QSize size);

// The mouse cursor shown over a zone.
Qt::CursorShape PanelZoneCursor(PanelZone zone);

// A bordered panel with a centred caption that the user resizes with the mouse by its edges
// and corners, never below MinWidth x MinHeight.
class TPanelCaption : public QFrame {
    Q_OBJECT

public:
    explicit TPanelCaption(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    PanelAlign align() const { return align_; }
    // Docks the panel in its parent and keeps it docked when the parent is resized.
    void setAlign(PanelAlign align);

    int MinWidth = 0;
    int MinHeight = 0;

signals:
    // The user has resized the panel.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Dock();
    // The geometry after the mouse has moved by delta since the drag began.
    QRect DraggedGeometry(QPoint delta) const;

    QString caption_;
    PanelAlign align_ = PanelAlign::None;
    PanelZone dragZone_ = PanelZone::None;
    QPoint dragOrigin_;  // global mouse position where the drag began
    QRect dragStart_;    // geometry when the drag began
};

// The panel as placed in dialogs, with its smallest size as properties.
class TFreePanel : public TPanelCaption {
    Q_OBJECT
    Q_PROPERTY(int MinWidth MEMBER MinWidth)
    Q_PROPERTY(int MinHeight MEMBER MinHeight)

public:
    using TPanelCaption::TPanelCaption;
};
