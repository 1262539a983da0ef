#pragma once

#include <array>

#include <QDialog>

#include "editor/EditorInputs.h"
#include "spreads/SpParser.h"

class MessageBoxes;
class QLabel;
class QScrollArea;
class QToolButton;

// The spread editor: a canvas of the spread area's size with one marker of the table's card
// size per position. Markers are dragged with the left button; a right click or
// "Explanation" edits the active position's text. It works on its own engine, EditorParser,
// and writes the spread only on Save.
class TForm5 : public QDialog {
    Q_OBJECT

public:
    TForm5(const TRecorA& inputs, MessageBoxes& messageBoxes);

    // Runs the editor modally; a new spread's name is asked first. True when a spread was
    // saved.
    bool Execute();

    // The spread being edited, the marker of each position and the active one.
    const TSpreadParser& EditorParser() const { return editorParser_; }
    QLabel* PositionMarker(int i) const { return positionMarkers_[i]; }
    int ActiveMarker() const { return activeMarker_; }

    void MakeActive(int i);
    void MakeInactive(int i);

    void SpeedButton1Click();  // Add
    void SpeedButton2Click();  // Delete
    void SpeedButton3Click();  // Explanation
    void SpeedButton4Click();  // Save

    QScrollArea* canvas() const { return scrollBox1_; }

    // Cancel, Esc and the close box: changes not yet saved are dropped only when the user
    // agrees.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void imdown(int i, Qt::MouseButton button, QPoint point);
    void immouse(int i, QPoint point);
    void imup(int i);
    // Asks the name of a new spread until a usable one is given; false when cancelled.
    bool AskSpreadName();
    void LayOutButtons(int clientWidth, int clientHeight);
    void CreateMarker(int i);
    void DrawMarker(int i, const QColor& outline);
    void RedrawMarkers();
    // The canvas scrolls far enough to take in every marker.
    void GrowCanvas();
    int MarkerIndex(const QObject* object) const;
    const QString& Text(EditorText which) const { return inputs_.text(which); }

    TRecorA inputs_;
    MessageBoxes& messageBoxes_;
    TSpreadParser editorParser_;
    std::array<QLabel*, kMaxPositions> positionMarkers_{};
    // Where the pointer grabbed the dragged marker.
    int dragOriginX_ = 0;
    int dragOriginY_ = 0;
    int activeMarker_ = 0;
    QString editedSpreadName_;
    SpreadReadStatus loaded_ = SpreadReadStatus::Ok;
    // The spread as it was opened: what Cancel compares with.
    QList<SpreadLine> openedLines_;
    QScrollArea* scrollBox1_;
    QWidget* canvas_;
    // The marker whose move and release handlers are attached while it is dragged.
    int dragged_ = -1;
};
