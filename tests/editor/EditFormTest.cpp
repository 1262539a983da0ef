// The spread editor as a person meets it: markers on the canvas, dragging, the text dialog,
// adding, deleting, naming and saving.
#include <algorithm>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "editor/EditForm.h"
#include "editor/ExplForm.h"
#include "editor/SpreadLayout.h"
#include "fakes/RecordingMessageBoxes.h"
#include "support/ModalDialog.h"
#include "support/MouseEvents.h"
#include "support/RowName.h"
#include "support/TestAppDir.h"

namespace {

QColor Outline(QLabel* marker) { return marker->pixmap().toImage().pixelColor(0, 0); }

const QColor kRed(170, 0, 0);

// A program folder with a Spreads folder and the editor's inputs, its texts "<index>".
class EditorHarness {
protected:
    TestAppDir app;
    RecordingMessageBoxes boxes;
    TRecorA inputs;

    EditorHarness() {
        QDir(app.path()).mkpath("Spreads");
        inputs.colour = QColor(17, 85, 17);
        inputs.directory = app.path();
        for (size_t i = 0; i < inputs.texts.size(); ++i)
            inputs.texts[i] = "<" + QString::number(kEditorMessages[i]) + ">";
        inputs.canvasWidth = 874;  // the spread area on a 1024 x 768 screen
        inputs.canvasHeight = 549;
    }

    QString path(const QString& name) { return app.path() + "/Spreads/" + name + ".spread"; }
    void write(const QString& name, const QList<SpreadLine>& lines) {
        ASSERT_TRUE(WriteSpreadFile(path(name), lines.size(), lines));
    }
    QList<SpreadLine> read(const QString& name) { return ReadSpreadFile(path(name)).lines; }

    // Opens the editor on a spread (or on a new one, after `naming` answered the name dialog)
    // and runs `inside` while it is shown. Returns whether a spread was saved.
    bool run(const QString& name, const std::function<void(TForm5*)>& inside) {
        inputs.spreadName = name;
        inputs.creating = name.isEmpty();
        TForm5 editor(inputs, boxes);
        OnNextModal<TForm5>([inside](TForm5* shown) {
            inside(shown);
            if (shown->isVisible()) shown->done(QDialog::Rejected);
        });
        return editor.Execute();
    }
};

class EditFormTest : public ::testing::Test, protected EditorHarness {};

QToolButton* Button(TForm5* editor, const char* name) {
    return editor->findChild<QToolButton*>(name);
}

QStringList Labels(TForm5* editor) {
    QStringList labels;
    for (int i = 0; i < editor->EditorParser().PosCount(); ++i)
        labels.append(editor->PositionMarker(i)->accessibleName());
    return labels;
}

// Answers the next text dialog: `action` sees it before OK is pressed.
void AnswerTextDialog(const std::function<void(TForm7*)>& action) {
    OnNextModal<TForm7>([action](TForm7* dialog) {
        action(dialog);
        dialog->findChild<QPushButton*>("Button1")->click();
    });
}

TEST_F(EditFormTest, LoadedSpreadShowsLabelledMarkersWithTheLastOneActive) {
    write("Three",
          {{true, 10, 10, "The querent"}, {false, 120, 10, "Past"}, {false, 230, 10, "Now"}});
    EXPECT_FALSE(run("Three", [](TForm5* editor) {
        EXPECT_EQ(editor->windowTitle(), "<35> 'Three'");
        EXPECT_EQ(editor->size(), QSize(906, 622));
        EXPECT_EQ(editor->canvas()->geometry(), QRect(16, 16, 874, 549));
        EXPECT_EQ(Labels(editor), QStringList({"S1. ", "1. ", "2. "}));
        EXPECT_EQ(editor->PositionMarker(1)->geometry(), QRect(120, 10, 87, 148));
        EXPECT_EQ(Outline(editor->PositionMarker(2)), kRed);
        EXPECT_EQ(Outline(editor->PositionMarker(0)), QColor(Qt::black));
        EXPECT_EQ(Button(editor, "SpeedButton3")->text(), "<38>");
        EXPECT_EQ(Button(editor, "SpeedButton4")->geometry(), QRect(906 - 202, 622 - 41, 97, 25));

        DragWidget(editor->PositionMarker(0), {5, 5}, {0, 0});  // a click makes it active
        EXPECT_EQ(editor->ActiveMarker(), 0);
        EXPECT_EQ(Outline(editor->PositionMarker(0)), kRed);
        EXPECT_EQ(Outline(editor->PositionMarker(2)), QColor(Qt::black));
        Button(editor, "SpeedButton5")->click();
        EXPECT_FALSE(editor->isVisible());
    }));
}

TEST_F(EditFormTest, ButtonTooltipsComeFromTheMessageList) {
    write("One", {{false, 1, 1, "a"}});
    run("One", [](TForm5* editor) {
        const std::pair<const char*, const char*> tips[] = {{"SpeedButton1", "<140>"},
                                                            {"SpeedButton2", "<141>"},
                                                            {"SpeedButton3", "<142>"},
                                                            {"SpeedButton4", "<143>"},
                                                            {"SpeedButton5", "<1>"}};
        for (const auto& [name, tip] : tips)
            EXPECT_EQ(Button(editor, name)->toolTip(), tip) << name;
    });
}

TEST_F(EditFormTest, LongCaptionsWidenTheirButtonsWithoutOverlap) {
    for (EditorText text : {EditorText::Add, EditorText::Delete, EditorText::Save})
        inputs.texts[static_cast<int>(text)] = "A much longer caption";
    write("One", {{false, 1, 1, "a"}});
    run("One", [](TForm5* editor) {
        QList<QToolButton*> buttons;
        for (const char* name :
             {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5"})
            buttons.append(Button(editor, name));
        for (int i = 0; i < buttons.size(); ++i) {
            EXPECT_GE(buttons[i]->width(), buttons[i]->sizeHint().width());
            EXPECT_TRUE(editor->rect().contains(buttons[i]->geometry()));
            for (int j = i + 1; j < buttons.size(); ++j)
                EXPECT_FALSE(buttons[i]->geometry().intersects(buttons[j]->geometry())) << i << j;
        }
    });
}

TEST_F(EditFormTest, DraggedMarkersAreSavedFromTheUnscrolledOriginNegativeOnesToo) {
    write("Wide", {{false, 1000, 700, "Far"}, {false, 10, 10, "Near"}});
    EXPECT_TRUE(run("Wide", [](TForm5* editor) {
        QScrollArea* canvas = editor->canvas();
        canvas->horizontalScrollBar()->setValue(canvas->horizontalScrollBar()->maximum());
        canvas->verticalScrollBar()->setValue(canvas->verticalScrollBar()->maximum());
        ASSERT_GT(canvas->horizontalScrollBar()->value(), 0);
        DragWidget(editor->PositionMarker(0), {40, 60}, {15, 25});
        DragWidget(editor->PositionMarker(1), {40, 60}, {-40, -30});
        Button(editor, "SpeedButton4")->click();
    }));
    EXPECT_EQ(read("Wide"),
              QList<SpreadLine>({{false, 1015, 725, "Far"}, {false, -30, -20, "Near"}}));
}

TEST_F(EditFormTest, SaveRefusalsKeepTheEditorOpenAndTheFileUnchanged) {
    const struct {
        QList<SpreadLine> lines;
        QStringList messages;
    } rows[] = {
        {{{false, 0, 0, ""}, {false, 0, 0, "b"}, {false, 0, 0, ""}}, {"<122>1, 3."}},
        {{{true, 0, 0, ""}, {false, 0, 0, "a"}}, {"<122>S1."}},
        {{}, {"<121>"}},
    };
    for (const auto& row : rows) {
        write("Refused", row.lines);
        QFile file(path("Refused"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        boxes.shown.clear();
        EXPECT_FALSE(run("Refused", [](TForm5* editor) {
            Button(editor, "SpeedButton4")->click();
            EXPECT_TRUE(editor->isVisible());
        }));
        EXPECT_EQ(boxes.shown, row.messages);
        file.seek(0);
        EXPECT_EQ(file.readAll(), before);
    }
}

TEST_F(EditFormTest, TextDialogStoresSignificatorTextAndMovesMarkedPositionsFirst) {
    write("Marks", {{true, 1, 1, "Me"}, {false, 2, 2, "a"}, {false, 3, 3, "b"}});
    EXPECT_TRUE(run("Marks", [](TForm5* editor) {
        editor->MakeActive(0);
        AnswerTextDialog([](TForm7* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "<129>S1");
            EXPECT_EQ(dialog->findChild<QLineEdit*>("Edit1")->text(), "<128>");
            EXPECT_FALSE(dialog->findChild<QLineEdit*>("Edit1")->isEnabled());
            EXPECT_TRUE(dialog->findChild<QCheckBox*>("CheckBox1")->isChecked());
        });
        Button(editor, "SpeedButton3")->click();
        EXPECT_EQ(editor->EditorParser().PosText(0), "<128>");

        // A right click on "b" opens its dialog: marked as significator it moves in front.
        AnswerTextDialog([](TForm7* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "<129>2");
            dialog->findChild<QCheckBox*>("CheckBox1")->click();
        });
        SendMouse(editor->PositionMarker(2), QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
        EXPECT_EQ(Labels(editor), QStringList({"S1. ", "S2. ", "1. "}));
        EXPECT_EQ(editor->ActiveMarker(), 1);
        EXPECT_EQ(editor->PositionMarker(1)->pos(), QPoint(3, 3));

        // Line breaks pasted into the field become spaces.
        editor->MakeActive(2);
        AnswerTextDialog(
            [](TForm7* dialog) { dialog->findChild<QLineEdit*>("Edit1")->setText("one\r\ntwo"); });
        Button(editor, "SpeedButton3")->click();
        Button(editor, "SpeedButton4")->click();
    }));
    EXPECT_EQ(read("Marks"),
              QList<SpreadLine>(
                  {{true, 1, 1, "<128>"}, {true, 3, 3, "<128>"}, {false, 2, 2, "one two"}}));
}

TEST_F(EditFormTest, NewSpreadIsNamedThenBuiltByAddAndDelete) {
    write("Old", {{false, 1, 1, "old"}});
    boxes.answers = {QMessageBox::No};
    QStringList names = {"", "a/b", "Old", " Fresh "};
    const std::function<void()> answerName = [&] {
        OnNextModal<TForm7>([&](TForm7* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "<131>");
            EXPECT_TRUE(dialog->findChild<QCheckBox*>("CheckBox1")->isHidden());
            dialog->findChild<QLineEdit*>("Edit1")->setText(names.takeFirst());
            if (!names.isEmpty()) answerName();
            dialog->findChild<QPushButton*>("Button1")->click();
        });
    };
    answerName();
    EXPECT_FALSE(run("", [](TForm5* editor) {
        EXPECT_EQ(editor->windowTitle(), "<33> 'Fresh'");
        for (int i = 0; i < 3; ++i) Button(editor, "SpeedButton1")->click();
        EXPECT_EQ(editor->ActiveMarker(), 2);
        EXPECT_EQ(editor->PositionMarker(2)->pos(), QPoint(294, 20));  // beside the others
        editor->MakeActive(0);
        Button(editor, "SpeedButton2")->click();
        EXPECT_EQ(Labels(editor), QStringList({"1. ", "2. "}));
        EXPECT_EQ(Outline(editor->PositionMarker(0)), kRed);
    }));
    EXPECT_EQ(boxes.shown, QStringList({"<132>", "<132>"}));
    EXPECT_EQ(boxes.asked, QStringList({"<133>"}));
    EXPECT_FALSE(QFile::exists(path("Fresh")));
}

TEST_F(EditFormTest, The80thPositionAndAFailedWriteAreReportedAndTheWorkStays) {
    QList<SpreadLine> full;
    for (int i = 0; i < kMaxPositions; ++i) full.append({false, i, i, "p"});
    write("Full", full);
    EXPECT_FALSE(run("Full", [this](TForm5* editor) {
        Button(editor, "SpeedButton1")->click();
        EXPECT_EQ(editor->EditorParser().PosCount(), kMaxPositions);
        // A folder where the file belongs: the spread cannot be written.
        QFile::remove(app.path() + "/Spreads/Full.spread");
        QDir(app.path()).mkpath("Spreads/Full.spread");
        Button(editor, "SpeedButton4")->click();
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->EditorParser().PosCount(), kMaxPositions);
        ASSERT_EQ(boxes.shown.size(), 2);
        EXPECT_EQ(boxes.shown[0], "<134>");
        EXPECT_TRUE(boxes.shown[1].startsWith("<135> ")) << boxes.shown[1].toStdString();
        EXPECT_GT(boxes.shown[1].size(), 6);
        QTest::keyClick(editor, Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
    }));
}

TEST_F(EditFormTest, ANewNameDifferingOnlyInCaseReplacesThatSpreadInItsOwnFile) {
    write("Question", {{false, 1, 1, "old"}});
    boxes.answers = {QMessageBox::Yes};
    OnNextModal<TForm7>([](TForm7* dialog) {
        dialog->findChild<QLineEdit*>("Edit1")->setText("question");
        dialog->findChild<QPushButton*>("Button1")->click();
    });
    EXPECT_TRUE(run("", [](TForm5* editor) {
        Button(editor, "SpeedButton1")->click();
        AnswerTextDialog(
            [](TForm7* dialog) { dialog->findChild<QLineEdit*>("Edit1")->setText("new"); });
        Button(editor, "SpeedButton3")->click();
        Button(editor, "SpeedButton4")->click();
    }));
    EXPECT_EQ(boxes.asked, QStringList({"<133>"}));
    EXPECT_EQ(QDir(app.path() + "/Spreads").entryList(QDir::Files),
              QStringList({"Question.spread"}));
    EXPECT_EQ(read("Question"), QList<SpreadLine>({{false, 100, 20, "new"}}));
}

TEST_F(EditFormTest, AMarkerShowsItsMeaningAsPlainText) {
    write("Tips", {{true, 10, 10, "<b>Me</b>"}, {false, 200, 10, ""}});
    run("Tips", [](TForm5* editor) {
        const auto tip = [editor](int i) {
            return QTextDocumentFragment::fromHtml(editor->PositionMarker(i)->toolTip())
                .toPlainText();
        };
        EXPECT_EQ(tip(0), "S1. <b>Me</b>");
        EXPECT_TRUE(editor->PositionMarker(1)->toolTip().isEmpty());
        editor->MakeActive(1);
        AnswerTextDialog(
            [](TForm7* dialog) { dialog->findChild<QLineEdit*>("Edit1")->setText("Then & now"); });
        Button(editor, "SpeedButton3")->click();
        EXPECT_EQ(tip(1), "1. Then & now");
    });
}

TEST_F(EditFormTest, ClosingWithChangesNotSavedAsksFirst) {
    write("Two", {{false, 10, 10, "a"}, {false, 200, 10, "b"}});
    const std::pair<const char*, std::function<void(TForm5*)>> ways[] = {
        {"Cancel", [](TForm5* editor) { Button(editor, "SpeedButton5")->click(); }},
        {"Esc", [](TForm5* editor) { QTest::keyClick(editor, Qt::Key_Escape); }},
        {"close box", [](TForm5* editor) { editor->close(); }}};
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        boxes.asked.clear();
        EXPECT_FALSE(run("Two", [&close](TForm5* editor) {
            close(editor);  // nothing changed: no question
            EXPECT_FALSE(editor->isVisible());
        }));
        EXPECT_TRUE(boxes.asked.isEmpty());

        boxes.answers = {QMessageBox::No, QMessageBox::Yes};
        EXPECT_FALSE(run("Two", [&close](TForm5* editor) {
            DragWidget(editor->PositionMarker(0), {5, 5}, {30, 0});
            close(editor);
            EXPECT_TRUE(editor->isVisible());
            close(editor);
            EXPECT_FALSE(editor->isVisible());
        }));
        EXPECT_EQ(boxes.asked, QStringList({"<148>", "<148>"}));
        EXPECT_EQ(read("Two").value(0).x, 10);
    }
}

// Spread files the editor did not write: the editor opens each, and unticking, ticking, adding,
// deleting and saving keep every position with its marker and the significators first.
struct HostileRow {
    const char* name;
    QByteArray plain;  // the file before scrambling
    // Positions/significators when opened, then up to four texts, "S" before a significator's.
    const char* opened;
    QStringList shown;  // every message of the run
    int saved;          // positions in the saved file; -1 when Save is refused

    friend void PrintTo(const HostileRow& row, std::ostream* os) { *os << row.name; }
};

QByteArray PlainSpread(const QByteArray& header, const QList<QByteArray>& lines) {
    QByteArray plain = "abcdef" + header + "\r\n";
    for (const QByteArray& line : lines) plain += "abcdef" + line + "\r\n";
    return plain;
}

QList<QByteArray> Repeated(const QByteArray& line, int times) {
    return QList<QByteArray>(times, line);
}

QString Described(const TSpreadParser& spread) {
    QStringList parts = {QString("%1/%2").arg(spread.PosCount()).arg(spread.SignificatorCount())};
    for (int i = 0; i < std::min(spread.PosCount(), 4); ++i)
        parts.append((spread.PosSignificator(i) ? "S" : "") +
                     (spread.PosText(i).isEmpty() ? "_" : spread.PosText(i)));
    return parts.join(' ');
}

void ExpectConsistent(TForm5* editor, const char* step) {
    SCOPED_TRACE(step);
    const TSpreadParser& spread = editor->EditorParser();
    ASSERT_LE(spread.SignificatorCount(), spread.PosCount());
    for (int i = 0; i < kMaxPositions; ++i) {
        QLabel* marker = editor->PositionMarker(i);
        if (i >= spread.PosCount()) {
            EXPECT_EQ(marker, nullptr) << i;
            continue;
        }
        EXPECT_EQ(spread.PosSignificator(i), i < spread.SignificatorCount()) << i;
        ASSERT_NE(marker, nullptr) << i;
        EXPECT_EQ(marker->accessibleName(), EditorPositionLabel(spread, i) + ". ") << i;
    }
}

class HostileSpreadTest : public ::testing::TestWithParam<HostileRow>, protected EditorHarness {};

TEST_P(HostileSpreadTest, OpensAndIsEditedWithoutFault) {
    const HostileRow& row = GetParam();
    app.write("Spreads/Odd.spread", ScrambleText(row.plain));
    const bool saved = run("Odd", [&row](TForm5* editor) {
        ExpectConsistent(editor, "opened");
        EXPECT_EQ(Described(editor->EditorParser()), row.opened);
        const auto mark = [editor](int i, bool significator) {
            editor->MakeActive(i);
            AnswerTextDialog([significator](TForm7* dialog) {
                dialog->findChild<QCheckBox*>("CheckBox1")->setChecked(significator);
            });
            Button(editor, "SpeedButton3")->click();
        };
        if (editor->EditorParser().PosCount() > 0) {
            mark(0, false);
            ExpectConsistent(editor, "unticked");
            mark(editor->EditorParser().PosCount() - 1, true);
            ExpectConsistent(editor, "ticked");
        }
        Button(editor, "SpeedButton1")->click();
        ExpectConsistent(editor, "added");
        Button(editor, "SpeedButton2")->click();
        ExpectConsistent(editor, "deleted");
        Button(editor, "SpeedButton4")->click();
    });
    EXPECT_EQ(boxes.shown, row.shown);
    ASSERT_EQ(saved, row.saved >= 0);
    if (!saved) return;
    const SpreadContent file = ReadSpreadFile(path("Odd"));
    EXPECT_EQ(file.status, SpreadReadStatus::Ok);
    EXPECT_EQ(file.count, row.saved);
    EXPECT_EQ(file.lines.size(), row.saved);
    EXPECT_TRUE(std::is_partitioned(file.lines.begin(), file.lines.end(),
                                    [](const SpreadLine& line) { return line.significator; }));
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileSpreadTest,
    ::testing::Values(
        HostileRow{"MoreSignificatorLinesThanPositions",
                   PlainSpread("2", {"S1,1,a", "S2,2,b", "S3,3,c"}),
                   "2/2 Sa Sb",
                   {},
                   2},
        HostileRow{"SeventyNineSignificatorLinesUnderTwo",
                   PlainSpread("2", Repeated("S1,1,p", 79)),
                   "2/2 Sp Sp",
                   {},
                   2},
        HostileRow{"SeventyNineSignificators",
                   PlainSpread("79", Repeated("S1,1,p", 79)),
                   "79/79 Sp Sp Sp Sp",
                   {"<134>"},
                   78},
        HostileRow{"SeventyNinePositions",
                   PlainSpread("79", Repeated("1,1,p", 79)),
                   "79/0 p p p p",
                   {"<134>"},
                   78},
        HostileRow{"EightyPositions",
                   PlainSpread("80", Repeated("1,1,p", 80)),
                   "79/0 p p p p",
                   {"<109>", "<134>"},
                   78},
        HostileRow{"SignificatorsNotFirst",
                   PlainSpread("4", {"1,1,a", "S2,2,b", "3,3,c", "S4,4,d", "S5,5,e"}),
                   "4/2 Sb Sd a c",
                   {},
                   4},
        HostileRow{"HeaderZero", PlainSpread("0", {"S1,1,a", "2,2,b"}), "0/0", {"<121>"}, -1},
        HostileRow{
            "FewerLinesThanTheHeader", PlainSpread("3", {"S1,1,a"}), "3/1 Sa _ _", {"<122>2."}, -1},
        HostileRow{"BrokenLineAfterASignificator",
                   PlainSpread("3", {"S1,1,a", "garbage"}),
                   "3/1 Sa _ _",
                   {"<109>", "<122>2."},
                   -1},
        HostileRow{"UnreadableHeader", PlainSpread("x", {"S1,1,a"}), "0/0", {"<109>", "<121>"}, -1},
        HostileRow{"Empty", QByteArray(), "0/0", {"<109>", "<121>"}, -1}),
    RowName());

}  // namespace
