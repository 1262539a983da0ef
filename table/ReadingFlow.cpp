// The reading flow of the main window: starting a reading, the shuffle, the cut, laying the
// deck out, dealing by click or automatically, and the table's mouse and view commands.

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "decks/DeckDirectory.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/TextFitting.h"
#include "spreads/SelectSp.h"
#include "table/CardImage.h"
#include "table/Shuffle.h"
#include "table/TablePainting.h"
#include "table/TableWidget.h"

namespace {

constexpr int kWheelStep = 40;
constexpr double kTrailStart = 0.8;
constexpr double kTrailStep = 0.1;
// A packet of the cut, copied with table around it so that moving it erases its trail.
constexpr QSize kPacketSize(187, 268);

}  // namespace

void TForm1::ConnectReadingFlow() {
    TableBounds = scrollBox1_->geometry();
    const auto on = [this](const char* item, void (TForm1::*handler)()) {
        connect(menu_->item(item), &QAction::triggered, this, handler);
    };
    on("SelectlayoutF12", &TForm1::StartNewReading);
    on("SelectlayoutF11", &TForm1::StartNewReading);
    on("RemoveDeck1", &TForm1::RemoveDeck1Click);
    on("Showlayouttips1", &TForm1::Showlayouttips1Click);
    on("MajorArcanaonly1", &TForm1::MajorArcanaonly1Click);
    on("Usereversedpositions1", &TForm1::Usereversedpositions1Click);
    on("Drawcardsautomatically1", &TForm1::Drawcardsautomatically1Click);
    on("CutDeck1", &TForm1::CutDeck1Click);
    on("Cutdeckin3piles1", &TForm1::Cutdeckin3piles1Click);
    connect(speedButton1_, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(speedButton2_, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(speedButton3_, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(table_, &TableWidget::mousePressed, this, &TForm1::FormMouseDown);
    table_->installEventFilter(this);
    scrollBox1_->viewport()->installEventFilter(this);
}

// ---- Starting a reading ----

void TForm1::StartNewReading() {
    if (LayingOut) return;
    TForm2 dialog(SpreadList, SpreadName, Messages[31], Messages[0], Messages[1],
                  Messages[119] + "\r\n" + Messages[120], this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!dialog.chosenName().isEmpty()) SpreadName = dialog.chosenName();

    Shuffling = DeckLaidOut = ManualInput = false;
    for (QWidget* widget : {static_cast<QWidget*>(scrollBox1_), static_cast<QWidget*>(panel1_),
                            static_cast<QWidget*>(panel2_), static_cast<QWidget*>(label1_),
                            static_cast<QWidget*>(label2_), static_cast<QWidget*>(ExtraCardImage)})
        widget->hide();
    scrollBox1_->setGeometry(TableBounds);
    DeckRemoved = SpreadShown = false;
    table_->repaintAll();

    Parser.ResetReading();
    if (!SpreadName.isEmpty()) MakeSpreadAndImages();
    NewSpreadMusic();

    bool cancelled = false;
    for (int i = 0; i < Parser.SignificatorCount && !cancelled; ++i) {
        platform_.pacer->pause(25);
        DeckSize = DeckSizeFor(settings.MajorOnly, Has79thCard);
        const int pendingBefore = PendingSignificators;
        Parser.ActivatePosition(i);
        cancelled = PendingSignificators == pendingBefore;
        if (!cancelled && i == 0) settings.LastSignificator = Parser.PosCard[0];
    }
    if (cancelled) {
        speedButton1_->hide();
        speedButton2_->hide();
        return;
    }
    AutoDrawPending = settings.DrawAutomatically;
    speedButton1_->show();
    speedButton2_->show();
    speedButton3_->hide();
}

void TForm1::NewSpreadMusic() {
    // Music follows the spread once playback is part of the program; nothing to do yet.
}

// ---- Shuffle ----

void TForm1::SpeedButton1Click() {
    if (Parser.SignificatorCount == 0) DeckSize = DeckSizeFor(settings.MajorOnly, Has79thCard);
    SetCards();
    const int k = ShuffleStrength(settings.UseReverse);
    speedButton2_->setEnabled(true);
    Shuffling = true;
    DeckLaidOut = DeckRemoved = SpreadShown = false;

    Random::Randomize();
    double angle = kTrailStart;
    // One frame per screen refresh: the swaps of a frame, then one more back on the trail,
    // painted without erasing so the backs trace an ellipse.
    while (Shuffling) {
        ShuffleFrame(Deck, DeckSize, k, settings.UseReverse);
        PaintRegion(CardBackLarge, ShuffleTrailPoint(size(), angle));
        angle += kTrailStep;
        platform_.pacer->nextFrame();
    }
}

void TForm1::SpeedButton2Click() {
    Shuffling = false;
    speedButton1_->hide();
    speedButton2_->hide();
    speedButton2_->setEnabled(false);
    speedButton3_->show();
    table_->repaintAll();
    if (RestoringReading || ManualInput || !settings.CutDeck) Piling(10, 10);
}

void TForm1::SpeedButton3Click() { Piling(width() / 2, height() / 2); }

// ---- Cut and laying out ----

void TForm1::Piling(int x, int y) {
    const bool cutting = !RestoringReading && !ManualInput && settings.CutDeck;
    if (PileRect(size()).contains(x, y) || !cutting) {
        // The cut, the wipe and the automatic deal pump events while they run: no click or new
        // reading may step in before the deck lies ready.
        const QScopedValueRollback layingOut(LayingOut, true);
        if (cutting) DoPile(CutDepth(x, size(), DeckSize));
        speedButton3_->hide();
        DeckLaidOut = true;
        majorNoticeLabel_->hide();
        WipeTable();

        scrollBox1_->show();
        panel1_->show();
        panel2_->show();
        label1_->setText(SpreadName);
        FitTextBox(label1_);
        if (!ManualInput) {
            QList<int> significators;
            for (int i = 0; i < Parser.SignificatorCount; ++i)
                significators.append(Parser.PosCard[i]);
            for (int slot : MoveSignificatorsToEnds(Deck, DeckSize, significators))
                RemoveSlotFromTable(slot);
        }
        SetPrompt(Parser.FirstPositionPrompt());
        label1_->show();
        label2_->show();
        SpreadShown = true;
        table_->repaintAll();
        if (AutoDrawPending) {
            DoRandomDraw();
            AutoDrawPending = false;
        }
    }
    RestoringReading = false;
}

void TForm1::WipeTable() {
    // Rows of the table colour sweep down from the top.
    constexpr int kRowsPerFrame = 16;
    const QColor back = FromTColor(settings.BackColor);
    QImage& backing = table_->backing();
    int shown = 0;
    for (int r = 0; r < height(); r += 2) {
        QPainter(&backing).fillRect(QRect(0, 0, width(), r + 10), back);
        if (++shown % kRowsPerFrame == 0) {
            table_->update(0, 0, width(), r + 10);
            platform_.pacer->nextFrame();
        }
    }
    table_->update();
}

void TForm1::PaintRegion(const QImage& region, QPoint at) {
    QPainter(&table_->backing()).drawImage(at, region);
    table_->update(QRect(at, region.size()));
}

QPoint TForm1::SlideRegion(const QImage& region, QPoint from, QPoint to, int step, int frameTime,
                           const std::function<void()>& underneath) {
    QPoint at = from;
    while (at != to) {
        at.rx() += std::clamp(to.x() - at.x(), -step, step);
        at.ry() += std::clamp(to.y() - at.y(), -step, step);
        if (underneath) underneath();
        PaintRegion(region, at);
        platform_.pacer->pause(frameTime);
    }
    return at;
}

void TForm1::DoPile(int k) {
    const QRect button = speedButton3_->geometry().adjusted(0, 0, 1, 1);
    speedButton3_->hide();
    QPainter(&table_->backing()).fillRect(button, FromTColor(settings.BackColor));
    table_->update(button);

    const QPoint pile = PileOrigin(width(), height());
    const QPoint pileAt(width() - 263, pile.y());
    const QPoint upperAt = SplitPile(pile, pileAt);
    if (settings.CutInThreePiles) {
        CutInThreePiles(Deck, DeckSize, k);
        GatherThreePiles(pileAt, upperAt);
    } else {
        JoinTwoPackets(pileAt, upperAt);
    }
}

QPoint TForm1::SplitPile(QPoint pile, QPoint pileAt) {
    const QImage& backing = table_->backing();
    // The pile, with 40 pixels of table on its left to erase its trail, slides right.
    const QImage whole = backing.copy(pile.x() - 40, pile.y(), 227, 268);
    SlideRegion(whole, {pile.x() - 40, pile.y()}, pileAt - QPoint(40, 0), 20, 40);
    platform_.pacer->pause(100);

    // The upper packet slides to the middle; its copy also stands at the pile's place, so the
    // lower packet stays there.
    const QImage upper = backing.copy(QRect(pileAt + QPoint(32, 32), kPacketSize));
    const auto lowerStays = [&] { PaintRegion(upper, pileAt); };
    const QPoint upperAt =
        SlideRegion(upper, pileAt + QPoint(32, 32), {(width() - 187) / 2 - 1, pileAt.y() + 32}, 20,
                    20, lowerStays);
    platform_.pacer->pause(100);
    return upperAt;
}

void TForm1::JoinTwoPackets(QPoint pileAt, QPoint upperAt) {
    const QImage& backing = table_->backing();
    // The upper packet rises, the lower one joins it, then the deck rises to the top.
    const QImage upper = backing.copy(QRect(upperAt, kPacketSize));
    upperAt = SlideRegion(upper, upperAt, {upperAt.x(), pileAt.y() - 36}, 10, 20);
    platform_.pacer->pause(100);
    const QImage lower = backing.copy(QRect(pileAt, kPacketSize));
    SlideRegion(lower, pileAt, {upperAt.x() + 36, pileAt.y()}, 10, 20);
    platform_.pacer->pause(100);
    const QImage joined = backing.copy(QRect(upperAt, kPacketSize + QSize(0, 32)));
    SlideRegion(joined, upperAt, {upperAt.x(), 10}, 10, 20);
    platform_.pacer->pause(100);
}

void TForm1::GatherThreePiles(QPoint pileAt, QPoint secondAt) {
    const QImage& backing = table_->backing();
    // The third packet, the top of the second, goes to the left edge and rises above it.
    const QImage third = backing.copy(QRect(secondAt + QPoint(16, 16), kPacketSize));
    const auto secondStays = [&] { PaintRegion(third, secondAt); };
    QPoint thirdAt =
        SlideRegion(third, secondAt + QPoint(16, 16), {20, secondAt.y() + 16}, 20, 20, secondStays);
    thirdAt = SlideRegion(third, thirdAt, {thirdAt.x(), secondAt.y() - 16}, 10, 20);
    platform_.pacer->pause(100);

    // The first packet lands on the second, the second carries it onto the third, and the
    // gathered deck rises to the top.
    const QImage first = backing.copy(QRect(pileAt, kPacketSize));
    SlideRegion(first, pileAt, {secondAt.x() + 16, secondAt.y() - 16}, 10, 20);
    platform_.pacer->pause(100);
    const QImage carried =
        backing.copy(QRect(secondAt - QPoint(0, 16), kPacketSize + QSize(16, 16)));
    const QPoint carriedAt =
        SlideRegion(carried, secondAt - QPoint(0, 16), {thirdAt.x() + 16, thirdAt.y()}, 10, 20);
    platform_.pacer->pause(100);
    const QImage gathered = backing.copy(QRect(thirdAt, carried.size() + QSize(16, 0)));
    SlideRegion(gathered, {thirdAt.x(), std::min(thirdAt.y(), carriedAt.y())}, {thirdAt.x(), 10},
                10, 20);
    platform_.pacer->pause(100);
}

// ---- Dealing ----

void TForm1::DoRandomDraw() {
    Random::Randomize();
    const auto liesOnPosition = [this](int card) {
        for (int i = 0; i < Parser.PosCount; ++i)
            if (Parser.PosCard[i] == card) return true;
        return false;
    };
    for (int i = 0; i < Parser.PosCount; ++i) {
        if (Parser.PosSignificator[i]) continue;
        platform_.pacer->pause(2);
        const int card = DrawFreeCard(DeckSize, liesOnPosition);
        if (card < 0) return;  // every card in play already lies in the spread
        for (int slot = 0; slot < DeckSize; ++slot) {
            if (Deck[slot].Number != card) continue;
            Parser.TakeCard(slot);
            Parser.ActivatePosition(i);
            break;
        }
    }
}

void TForm1::FormMouseDown(Qt::MouseButton button, QPoint point) {
    if (button != Qt::LeftButton || LayingOut) return;
    const bool dealing =
        DeckLaidOut && (NextPosition < Parser.PosCount || CardTurned) && !ManualInput;
    if (dealing && PendingSignificators <= 0 && !AutoDrawPending) {
        for (int slot = DeckSize - 1; slot >= 0; --slot) {
            if (!CardHit(Deck[slot], point.x(), point.y())) continue;
            Parser.TakeCard(slot);
            return;
        }
        return;
    }
    if (dealing && PendingSignificators > 0) {
        for (int i = 0; i <= Parser.SignificatorCount && i < Parser.PosCount; ++i) {
            if (Parser.PosPlaced[i]) continue;
            Parser.ActivatePosition(i);
            return;
        }
        return;
    }
    if (DeckLaidOut) return;
    if (Shuffling) {
        SpeedButton2Click();
    } else if (!speedButton1_->isHidden()) {
        SpeedButton1Click();
    } else if (!speedButton3_->isHidden()) {
        Piling(point.x(), point.y());
    } else {
        StartNewReading();
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return QMainWindow::eventFilter(watched, event);
    // One wheel notch scrolls the spread area 40 pixels, down when turned toward the user.
    if (!scrollBox1_->isHidden()) {
        const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
        QScrollBar* bar = scrollBox1_->verticalScrollBar();
        bar->setValue(bar->value() - notches * kWheelStep);
    }
    return true;
}

// ---- View and option commands ----

void TForm1::RemoveDeck1Click() {
    if (!SpreadShown) return;
    if (DeckRemoved) {
        scrollBox1_->setGeometry(TableBounds);
        DeckRemoved = false;
        return;
    }
    TableBounds = scrollBox1_->geometry();
    scrollBox1_->setGeometry(0, 0, table_->width(), table_->height());
    scrollBox1_->raise();
    DeckRemoved = true;
}

void TForm1::Showlayouttips1Click() {
    settings.ShowTips = menu_->item("Showlayouttips1")->isChecked();
    ApplyShowTips();
}

void TForm1::MajorArcanaonly1Click() {
    settings.MajorOnly = menu_->item("MajorArcanaonly1")->isChecked();
    majorNoticeLabel_->setText(settings.MajorOnly ? Messages[115] : QString());
}

void TForm1::Usereversedpositions1Click() {
    settings.UseReverse = menu_->item("Usereversedpositions1")->isChecked();
}

void TForm1::Drawcardsautomatically1Click() {
    settings.DrawAutomatically = menu_->item("Drawcardsautomatically1")->isChecked();
    // The change applies from the next reading: say so while one is being prepared.
    if (Shuffling || !speedButton1_->isHidden() || !speedButton3_->isHidden())
        ShowMessage(Messages[settings.DrawAutomatically ? 45 : 44]);
}

void TForm1::CutDeck1Click() {
    settings.CutDeck = menu_->item("CutDeck1")->isChecked();
    menu_->item("Cutdeckin3piles1")->setEnabled(settings.CutDeck);
}

void TForm1::Cutdeckin3piles1Click() {
    settings.CutInThreePiles = menu_->item("Cutdeckin3piles1")->isChecked();
}
