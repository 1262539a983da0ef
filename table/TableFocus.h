#pragma once

#include <QList>
#include <QObject>
#include <QRect>

#include <functional>

class QKeyEvent;
class ReadingFlow;
class ReadingModel;
class TableView;
struct ProgramState;

// The table from the keyboard. The table surface (the pile, later the arc) and the spread area
// (the positions) each take the focus with Tab, and the focused card of each wears the focus
// frame. Enter or Space does to that card what a click does, through the operations the mouse
// uses; nothing changes for the mouse. The table surface tells a screen reader what lies on it.
class TableFocus : public QObject {
    Q_OBJECT

public:
    TableFocus(ProgramState& program, ReadingModel& model, TableView& view, ReadingFlow& flow);
    ~TableFocus() override;

    // The arc's focused slot: a slot on the table, or -1 while no arc lies there.
    int ArcSlot() const;
    // The focused position, or -1 while the spread has none.
    int FocusedPosition() const;
    // Esc runs the steps in the order they were added until one closes something; the
    // enlarged spread view is the last step.
    void AddEscapeStep(std::function<bool()> step);
    // Puts the frames where the focus now lies, after anything that changed the table.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool SurfaceKey(int key);
    bool PositionKey(int key);
    bool Escape();
    // The first slot on the table from `from` on, going by `step`; -1 for none.
    int FreeSlot(int from, int step) const;
    int PositionCount() const;
    void FocusPosition(int position);
    // The pile's or the arc's text for a screen reader.
    QString SurfaceText(bool description) const;
    void AnnounceFocus(QObject* object) const;

    ProgramState& program_;
    ReadingModel& model_;
    TableView& view_;
    ReadingFlow& flow_;
    int arcSlot_ = -1;
    int position_ = 0;
    QList<std::function<bool()>> escapeSteps_;
};
