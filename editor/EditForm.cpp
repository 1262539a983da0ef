#include "editor/EditForm.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolButton>

#include "editor/ButtonGlyphs.h"
#include "editor/ExplForm.h"
#include "editor/SpreadLayout.h"
#include "platform/MessageBoxes.h"
#include "table/CardImage.h"

namespace {

const QColor kActiveOutline(170, 0, 0);
constexpr int kButtonGap = 7;

struct EditorButton {
    const char* name;
    int left;  // negative: from the client area's right edge
    int width;
    EditorText caption;
    EditorText hint;
    ButtonGlyph glyph;
};

constexpr EditorButton kButtons[] = {
    {"SpeedButton1", 32, 89, EditorText::Add, EditorText::AddHint, ButtonGlyph::Add},
    {"SpeedButton2", 128, 81, EditorText::Delete, EditorText::DeleteHint, ButtonGlyph::Delete},
    {"SpeedButton3", 216, 121, EditorText::Explanation, EditorText::ExplanationHint,
     ButtonGlyph::Explanation},
    {"SpeedButton4", -202, 97, EditorText::Save, EditorText::SaveHint, ButtonGlyph::Save},
    {"SpeedButton5", -97, 81, EditorText::Cancel, EditorText::Cancel, ButtonGlyph::Cancel},
};

}  // namespace

TForm5::TForm5(const TRecorA& inputs, MessageBoxes& messageBoxes)
    : QDialog(inputs.owner),
      inputs_(inputs),
      messageBoxes_(messageBoxes),
      scrollBox1_(new QScrollArea(this)),
      canvas_(new QWidget) {
    setObjectName("TForm5");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    const int clientWidth = inputs.canvasWidth + 32;
    const int clientHeight = inputs.canvasHeight + 73;
    setFixedSize(clientWidth, clientHeight);

    scrollBox1_->setObjectName("ScrollBox1");
    scrollBox1_->setAccessibleName(Text(EditorText::PositionsArea));
    scrollBox1_->setFrameShape(QFrame::NoFrame);
    scrollBox1_->setGeometry(16, 16, inputs.canvasWidth, inputs.canvasHeight);
    scrollBox1_->setWidgetResizable(true);
    canvas_->setObjectName("Canvas");
    QPalette palette = canvas_->palette();
    palette.setColor(QPalette::Window, inputs.colour);
    canvas_->setPalette(palette);
    canvas_->setAutoFillBackground(true);
    scrollBox1_->viewport()->setPalette(palette);
    scrollBox1_->setWidget(canvas_);
    LayOutButtons(clientWidth, clientHeight);
    move(QGuiApplication::primaryScreen()->geometry().center() - rect().center());

    editorParser_.ResetLayout();
    activeMarker_ = 0;
    editedSpreadName_ = inputs.spreadName;
    if (inputs.creating) return;
    setWindowTitle(Text(EditorText::EditCaption) + " '" + editedSpreadName_ + "'");
    loaded_ = editorParser_.LoadSpread(
        FindSpreadFile(inputs.directory, inputs.bundledDirectory, editedSpreadName_));
    for (int i = 0; i < editorParser_.PosCount(); ++i) {
        CreateMarker(i);
        MakeActive(i);
    }
    GrowCanvas();
    openedLines_ = editorParser_.Lines();
}

void TForm5::LayOutButtons(int clientWidth, int clientHeight) {
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(13);
    QToolButton* buttons[std::size(kButtons)];
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const EditorButton& entry = kButtons[i];
        auto* button = buttons[i] = new QToolButton(this);
        button->setObjectName(entry.name);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setFont(font);
        button->setIcon(MakeButtonGlyph(entry.glyph));
        button->setText(Text(entry.caption));
        button->setToolTip(Text(entry.hint));
        button->resize(std::max(entry.width, button->sizeHint().width()), 25);
    }
    // A caption longer than its box widens the button; its neighbours move aside so that no
    // two buttons overlap: the left group to the right, the right group to the left.
    const int top = clientHeight - 41;
    int nextLeft = 0;
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        if (kButtons[i].left < 0) continue;
        const int left = std::max(kButtons[i].left, nextLeft);
        buttons[i]->move(left, top);
        nextLeft = left + buttons[i]->width() + kButtonGap;
    }
    const auto placeRightGroup = [&](int width) {
        int nextRight = width;
        for (size_t i = std::size(kButtons); i-- > 0;) {
            if (kButtons[i].left >= 0) continue;
            const int right = std::min(width + kButtons[i].left + kButtons[i].width, nextRight);
            buttons[i]->move(right - buttons[i]->width(), top);
            nextRight = buttons[i]->x() - kButtonGap;
        }
        return nextRight + kButtonGap;
    };
    // On a canvas too narrow for both groups the window grows.
    const int rightGroupLeft = placeRightGroup(clientWidth);
    if (rightGroupLeft < nextLeft) {
        setFixedSize(clientWidth + nextLeft - rightGroupLeft, clientHeight);
        placeRightGroup(width());
    }
    const auto on = [this](const char* name, void (TForm5::*handler)()) {
        connect(findChild<QToolButton*>(name), &QToolButton::clicked, this, handler);
    };
    on("SpeedButton1", &TForm5::SpeedButton1Click);
    on("SpeedButton2", &TForm5::SpeedButton2Click);
    on("SpeedButton3", &TForm5::SpeedButton3Click);
    on("SpeedButton4", &TForm5::SpeedButton4Click);
    on("SpeedButton5", &QDialog::reject);
}

bool TForm5::Execute() {
    if (inputs_.creating) {
        if (!AskSpreadName()) return false;
        setWindowTitle(Text(EditorText::NewSpreadCaption) + " '" + editedSpreadName_ + "'");
    } else if (loaded_ != SpreadReadStatus::Ok) {
        messageBoxes_.showMessage(inputs_.owner, Text(EditorText::SpreadUnreadable));
    }
    return exec() == QDialog::Accepted;
}

bool TForm5::AskSpreadName() {
    QString name = editedSpreadName_;
    for (;;) {
        TForm7 dialog(Text(EditorText::SpreadNameCaption), Text(EditorText::Cancel), name,
                      inputs_.owner);
        if (dialog.exec() != QDialog::Accepted) return false;
        name = dialog.text().trimmed();
        if (CheckSpreadName(name) != SpreadNameProblem::None) {
            messageBoxes_.showMessage(inputs_.owner, Text(EditorText::BadSpreadName));
            continue;
        }
        if (QFileInfo::exists(FindSpreadFile(inputs_.directory, inputs_.bundledDirectory, name)) &&
            messageBoxes_.ask(inputs_.owner, Text(EditorText::SpreadNameCaption),
                              Text(EditorText::ReplaceSpread),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            continue;
        editedSpreadName_ = name;
        return true;
    }
}

void TForm5::CreateMarker(int i) {
    auto* marker = new QLabel(canvas_);
    marker->setGeometry(editorParser_.PosX(i), editorParser_.PosY(i), inputs_.cardSize.width(),
                        inputs_.cardSize.height());
    marker->installEventFilter(this);
    marker->show();
    positionMarkers_[i] = marker;
}

void TForm5::DrawMarker(int i, const QColor& outline) {
    QLabel* marker = positionMarkers_[i];
    if (!marker) return;
    const QString label = EditorPositionLabel(editorParser_, i) + ". ";
    marker->setObjectName("PositionMarker" + QString::number(i));
    marker->setAccessibleName(label);
    // The meaning as the table shows it, as plain text.
    const QString meaning = editorParser_.PosText(i);
    marker->setToolTip(meaning.isEmpty()
                           ? QString()
                           : Qt::convertFromPlainText(label + meaning, Qt::WhiteSpaceNormal));
    QImage picture = EmptyPlacePicture(inputs_.cardSize, inputs_.colour, label);
    if (outline != Qt::black) {
        QPainter painter(&picture);
        painter.setPen(outline);
        painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
    }
    marker->setPixmap(QPixmap::fromImage(picture));
}

void TForm5::MakeInactive(int i) {
    if (i >= 0 && i < editorParser_.PosCount()) DrawMarker(i, Qt::black);
}

void TForm5::MakeActive(int i) {
    MakeInactive(activeMarker_);
    activeMarker_ = i;
    DrawMarker(i, kActiveOutline);
}

void TForm5::RedrawMarkers() {
    for (int i = 0; i < editorParser_.PosCount(); ++i)
        DrawMarker(i, i == activeMarker_ ? kActiveOutline : QColor(Qt::black));
}

void TForm5::GrowCanvas() {
    QSize extent(0, 0);
    for (int i = 0; i < editorParser_.PosCount(); ++i)
        extent = extent.expandedTo({positionMarkers_[i]->geometry().right() + 1,
                                    positionMarkers_[i]->geometry().bottom() + 1});
    canvas_->setMinimumSize(extent);
}

int TForm5::MarkerIndex(const QObject* object) const {
    for (int i = 0; i < editorParser_.PosCount(); ++i)
        if (positionMarkers_[i] == object) return i;
    return -1;
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
    const int i = MarkerIndex(watched);
    const bool isMouse =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick ||
        event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease;
    if (i < 0 || !isMouse) return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:  // a quick second press grabs the marker too
            imdown(i, mouse->button(), mouse->position().toPoint());
            return true;
        case QEvent::MouseMove:
            if (dragged_ == i) immouse(i, mouse->position().toPoint());
            return true;
        case QEvent::MouseButtonRelease:
            if (dragged_ == i && mouse->button() == Qt::LeftButton) imup(i);
            return true;
        default:
            return QDialog::eventFilter(watched, event);
    }
}

void TForm5::imdown(int i, Qt::MouseButton button, QPoint point) {
    MakeActive(i);
    if (button == Qt::LeftButton) {
        dragOriginX_ = point.x();
        dragOriginY_ = point.y();
        dragged_ = i;
    } else if (button == Qt::RightButton) {
        SpeedButton3Click();
    }
}

void TForm5::immouse(int i, QPoint point) {
    // The grabbed point stays under the pointer: no grid, no snapping, no limit.
    QLabel* marker = positionMarkers_[i];
    marker->move(marker->x() + point.x() - dragOriginX_, marker->y() + point.y() - dragOriginY_);
}

void TForm5::imup(int i) {
    dragged_ = -1;
    editorParser_.SetPosPlace(i, positionMarkers_[i]->pos());
    GrowCanvas();
}

void TForm5::SpeedButton1Click() {
    const QSize field(inputs_.canvasWidth, inputs_.canvasHeight);
    const int i =
        editorParser_.AddPosition(NewPositionPlace(editorParser_, inputs_.cardSize, field));
    if (i < 0) {
        messageBoxes_.showMessage(this, Text(EditorText::TooManyPositions));
        return;
    }
    CreateMarker(i);
    MakeActive(i);
    GrowCanvas();
    scrollBox1_->ensureWidgetVisible(positionMarkers_[i], 0, 0);
}

void TForm5::SpeedButton2Click() {
    if (editorParser_.PosCount() == 0) return;
    const int i = activeMarker_;
    dragged_ = -1;
    editorParser_.DeletePosition(i);
    delete positionMarkers_[i];
    MoveEntry(positionMarkers_, i, editorParser_.PosCount());
    positionMarkers_[editorParser_.PosCount()] = nullptr;
    activeMarker_ = std::min(i, std::max(editorParser_.PosCount() - 1, 0));
    RedrawMarkers();
    GrowCanvas();
}

void TForm5::SpeedButton3Click() {
    if (editorParser_.PosCount() == 0) return;
    const int i = activeMarker_;
    TForm7 dialog({Text(EditorText::ExplanationCaption) + EditorPositionLabel(editorParser_, i),
                   Text(EditorText::Cancel), Text(EditorText::SignificatorText),
                   Text(EditorText::SignificatorBox)},
                  editorParser_.PosText(i), editorParser_.PosSignificator(i), this);
    if (dialog.exec() != QDialog::Accepted) return;
    editorParser_.SetPosText(i, dialog.text());
    const int moved = editorParser_.SetSignificator(i, dialog.significator());
    MoveEntry(positionMarkers_, i, moved);
    activeMarker_ = moved;
    RedrawMarkers();
}

void TForm5::SpeedButton4Click() {
    if (editorParser_.PosCount() == 0) {
        messageBoxes_.showMessage(this, Text(EditorText::NoPositions));
        return;
    }
    const QString missing = PositionsWithoutText(editorParser_);
    if (!missing.isEmpty()) {
        messageBoxes_.showMessage(this, Text(EditorText::PositionsWithoutText) + missing + ".");
        return;
    }
    scrollBox1_->horizontalScrollBar()->setValue(0);
    scrollBox1_->verticalScrollBar()->setValue(0);
    for (int i = 0; i < editorParser_.PosCount(); ++i) {
        editorParser_.SetPosPlace(i, positionMarkers_[i]->pos());
    }
    // A spread that cannot be written keeps the editor open with its work.
    QDir().mkpath(inputs_.directory + "/Spreads");
    QString error;
    if (!editorParser_.SaveSpread(SpreadFilePath(inputs_.directory, editedSpreadName_), &error)) {
        messageBoxes_.showMessage(this, Text(EditorText::SpreadNotSaved) + " " + error);
        return;
    }
    accept();
}

void TForm5::reject() {
    if (editorParser_.Lines() != openedLines_ &&
        messageBoxes_.ask(this, windowTitle(), Text(EditorText::DiscardChanges),
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QDialog::reject();
}
