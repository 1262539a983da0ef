// Deals, saves, reopens and saves again random readings through the real main window: every
// deck size, spreads of 0 to 79 positions, readings dealt or entered by hand in random order,
// both file formats, and comments with every kind of line break, Cyrillic and markup.
// A short run by default; LUMENFOLD_LONG_RUN=N runs N readings.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>

#include <algorithm>
#include <iostream>
#include <memory>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "FuzzChecks.h"
#include "app/MainMenu.h"
#include "readings/CommForm.h"
#include "readings/ReadingFile.h"
#include "spreads/SeCard.h"
#include "support/MainWindowTest.h"
#include "table/CardImage.h"
#include "table/TableView.h"

namespace {

// Runs the action on the next modal dialog of type T as soon as it is active, unless stop is
// set first.
template <typename T>
void OnModal(std::function<void(T*)> action, std::shared_ptr<bool> stop) {
    QTimer::singleShot(0, [action, stop] {
        if (*stop) return;
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            action(dialog);
        else
            OnModal<T>(action, stop);
    });
}

class LongRunTest : public MainWindowTest {
protected:
    std::mt19937 random{20260109};
    // Set once the command that the dialog answers were for has returned: an answer it left
    // unused answers no later dialog.
    std::shared_ptr<bool> done = std::make_shared<bool>(false);

    void Finish() {
        *done = true;
        done = std::make_shared<bool>(false);
    }
    void Run(QAction* command) {
        command->trigger();
        Finish();
    }

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    static QString SpreadName(int positions) { return QString("Long %1").arg(positions); }
    static int Significators(int positions) { return positions >= 3 ? positions % 3 : 0; }

    void SetUp() override {
        for (int n = 0; n <= kMaxPositions; ++n) {
            QList<SpreadLine> lines;
            for (int i = 0; i < n; ++i)
                lines.append({i < Significators(n), 10 + i % 9 * 95, 10 + i / 9 * 60,
                              QString("Place %1 <i>&amp;").arg(i)});
            writeSpread(SpreadName(n), n, lines);
        }
        fake.settingsKey->values["cutdeck"] = "no";
        fake.settingsKey->values["drawauto"] = "yes";
        fake.settingsKey->values["UseReverse"] = "yes";
    }

    // Answers the next card list dialogs with the cards in turn.
    void AnswerCardLists(QList<CardChoice> choices) {
        if (choices.isEmpty()) return;
        OnModal<TForm11>(
            [this, choices](TForm11* dialog) mutable {
                const CardChoice choice = choices.takeFirst();
                AnswerCardLists(choices);
                dialog->ClickQuer(choice.card);
                (choice.reversed ? dialog->ReversedItem() : dialog->StraightItem())
                    ->setChecked(true);
                dialog->Button1()->click();
            },
            done);
    }

    // Distinct cards of the deck in play, n of them, in random order.
    QList<CardChoice> RandomCards(int n, int deckSize) {
        std::vector<int> cards = DeckListCards(deckSize);
        std::shuffle(cards.begin(), cards.end(), random);
        QList<CardChoice> choices;
        for (int i = 0; i < n; ++i) choices.append({cards[i], Below(2) == 1});
        return choices;
    }

    // Deals the spread automatically; its significators are Major Arcana cards.
    void Deal(int n) {
        ChooseSpread(SpreadName(n));
        QList<CardChoice> significators = RandomCards(Significators(n), 22);
        for (CardChoice& choice : significators) choice.reversed = false;
        AnswerCardLists(significators);
        Run(form->menu().SelectlayoutF12);
        shuffle(1 + Below(3));
    }

    // Enters the cards by hand, position by position in random order. Before the last one, the
    // unfinished reading must be refused for saving.
    void Enter(int n) {
        ChooseSpread(SpreadName(n));
        Run(form->menu().Input1);
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), random);
        const QList<CardChoice> cards = RandomCards(n, form->reading().DeckSize);
        for (int i = 0; i < n; ++i) {
            if (i == n - 1) ExpectSaveRefused();
            AnswerCardLists({cards[i]});
            QTest::mouseClick(form->view().PositionImage(order[i]), Qt::LeftButton);
            Finish();
        }
    }

    void ExpectSaveRefused() {
        OnModal<TForm9>([](TForm9* dialog) { dialog->Button2()->click(); }, done);
        const qsizetype asked = fake.fileDialogs->saved.size();
        Run(form->menu().Savecurrentreading1);
        EXPECT_EQ(fake.messageBoxes->shown, QStringList{form->program().Messages[92]})
            << "an unfinished reading was accepted for saving";
        EXPECT_EQ(fake.fileDialogs->saved.size(), asked);
        fake.messageBoxes->shown.clear();
    }

    // Saves through the comment dialog, typing the comment, and a save dialog answering path;
    // returns the comment the dialog gave.
    QString Save(const QString& comment, const QString& path) {
        QString typed;
        OnModal<TForm9>(
            [&](TForm9* dialog) {
                dialog->Memo1()->setPlainText(comment);
                typed = dialog->Memo1()->toPlainText();
                (comment.isEmpty() ? dialog->Button2() : dialog->Button1())->click();
            },
            done);
        fake.fileDialogs->answers = {path};
        Run(form->menu().Savecurrentreading1);
        return typed;
    }

    void Open(const QString& path) {
        fake.fileDialogs->answers = {path};
        Run(form->menu().Openreading1);
    }

    // Up to eight pieces: line breaks of every kind, Cyrillic, markup and plain words.
    QString RandomComment() {
        static const QStringList pieces = {"\r",       "\n",    "\r\n", "\r\r\n", "Вопрос", "ёЯ",
                                           "<b>x</b>", "&amp;", "{\\}", "word",   " ",      "\t"};
        QString comment;
        for (int i = Below(9); i > 0; --i)
            comment += pieces[Below(static_cast<int>(pieces.size()))];
        return comment;
    }

    // The reading as a person sees it: the spread, the deck in play with each card's
    // orientation (a card on a position lies as it lies there) and the cards on the positions.
    static std::string Seen(const QString& spread, const QList<ReadingSlot>& deck,
                            const QList<int>& positions) {
        QStringList cards;
        for (const ReadingSlot& slot : deck)
            cards.append((slot.reversed ? "r" : "") + QString::number(slot.card));
        QStringList dealt;
        for (int card : positions) dealt.append(QString::number(card));
        return (spread + ": " + cards.join(' ') + " | " + dealt.join(' ')).toStdString();
    }
    std::string SeenOnTable() const {
        const ReadingModel& r = form->reading();
        QList<ReadingSlot> deck;
        for (int i = 0; i < r.DeckSize; ++i)
            deck.append({r.Deck()[i].Number, r.Deck()[i].Reversed});
        QList<int> positions;
        for (int k = 0; k < r.Parser.PosCount(); ++k) {
            positions.append(r.Parser.PosCard(k));
            for (ReadingSlot& slot : deck)
                if (slot.card == r.Parser.PosCard(k)) slot.reversed = r.Parser.PosReversed(k);
        }
        return Seen(r.SpreadName(), deck, positions);
    }

    // The same file in the older format: no marker, no deck count.
    static QByteArray Older(const QByteArray& file) {
        const QByteArray body = ScrambleText(file.mid(15));
        return ScrambleText(body.mid(body.indexOf('\n') + 1));
    }

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // One reading: dealt or entered, saved, its file reopened with another comment in either
    // format, and saved again: the table as it lay, and the same bytes.
    void RunReading() {
        const int deckSize = form->reading().DeckSize;
        const int n = Below(std::min(kMaxPositions, deckSize) + 1);
        SCOPED_TRACE(QString("%1 positions").arg(n).toStdString());
        Below(2) ? Enter(n) : Deal(n);
        const std::string dealt = SeenOnTable();
        const QString comment = RandomComment();
        const QString first = app.path() + "/Saved/first.reading";
        const QString typed = Save(comment, first);
        const QByteArray saved = Bytes(first);
        const std::optional<ReadingRecord> file = DecodeReadingBody(DecodeReadingHead(saved), n);
        ASSERT_TRUE(file) << "the saved reading cannot be read";
        EXPECT_EQ(Seen(file->spreadName, file->deck, file->positions), dealt);

        ReadingRecord edited = *file;
        edited.comment = comment;
        QByteArray other = EncodeReading(edited);
        if (deckSize == 78 && Below(2)) other = Older(other);
        EXPECT_EQ(FuzzCheckNamed("reading")(other).toStdString(), "");
        const QString reopened = app.path() + "/Saved/reopened.reading";
        app.write("Saved/reopened.reading", other);
        Open(reopened);
        EXPECT_EQ(SeenOnTable(), dealt);

        const QString second = app.path() + "/Saved/second.reading";
        EXPECT_EQ(Save(typed, second), typed);
        EXPECT_EQ(Bytes(second), saved) << "a second save gives other bytes";
        EXPECT_EQ(fake.messageBoxes->shown, QStringList());
    }
};

TEST_F(LongRunTest, ReadingsReopenAsTheyWereSaved) {
    const int total = std::max(qEnvironmentVariableIntValue("LUMENFOLD_LONG_RUN"), 8);
    const struct {
        const char* deck;
        bool majorOnly;
        int deckSize;
    } setups[] = {{"Ardentine", false, 78},
                  {"Ardentine", true, 22},
                  {"Velmar Dav Izove", false, 79},
                  {"Velmar Dav Izove", true, 23}};
    QElapsedTimer timer;
    timer.start();
    int run = 0;
    for (int s = 0; s < 4; ++s) {
        fake.settingsKey->values["DeckName"] = setups[s].deck;
        fake.settingsKey->values["MajorOnly"] = setups[s].majorOnly ? "yes" : "no";
        open();
        ASSERT_EQ(form->reading().DeckSize, setups[s].deckSize);
        for (int i = s; i < total; i += 4, ++run) {
            SCOPED_TRACE(
                QString("reading %1 of %2 cards").arg(i).arg(setups[s].deckSize).toStdString());
            RunReading();
            if (HasFailure()) return;
        }
    }
    std::cout << run << " readings in " << timer.elapsed() << " ms\n";
}

}  // namespace
