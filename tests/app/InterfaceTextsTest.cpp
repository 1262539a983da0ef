#include <functional>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "app/About.h"
#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "decks/Resize.h"
#include "decks/SelectDk.h"
#include "editor/EditForm.h"
#include "editor/ExplForm.h"
#include "export/PrintFrm.h"
#include "fakes/FakePlatform.h"
#include "i18n/SelLang.h"
#include "music/Musas.h"
#include "music/SetMusic.h"
#include "platform/Interface.h"
#include "platform/QtHelpViewer.h"
#include "platform/QtMessageBoxes.h"
#include "readings/CommForm.h"
#include "readings/SavedReadings.h"
#include "readings/WarnForm.h"
#include "spreads/SeCard.h"
#include "spreads/SelectSp.h"
#include "spreads/SpreadFile.h"
#include "support/AccessibleTree.h"
#include "support/ModalDialog.h"
#include "support/TestAppDir.h"
#include "table/SelSave.h"
#include "table/ShowForm.h"

namespace {

QString Describe(const QWidget* window, const QWidget* box, const QString& what,
                 const QString& text) {
    return QString("%1 / %2: %3 \"%4\"").arg(window->windowTitle(), box->objectName(), what, text);
}

bool IsShownIn(const QWidget* window, const QWidget* widget) {
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget())
        if (w->isHidden()) return false;
    return true;
}

// Where the label draws its text, in its parent's coordinates.
QRect LabelTextRect(const QLabel* label) {
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return QFontMetrics(label->font())
        .boundingRect(label->contentsRect(), flags, label->text())
        .translated(label->pos());
}

void CheckLabel(const QWidget* window, const QLabel* label, QStringList& cut) {
    if (label->text().isEmpty()) return;
    const QRect text = LabelTextRect(label);
    if (!label->geometry().contains(text)) cut << Describe(window, label, "cut", label->text());
    if (!IsShownIn(window, label)) return;
    // Nor may it run into a control beside it.
    for (const QWidget* other :
         label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool control = qobject_cast<const QAbstractScrollArea*>(other) ||
                             qobject_cast<const QAbstractButton*>(other) ||
                             qobject_cast<const QGroupBox*>(other);
        if (control && IsShownIn(window, other) && other->geometry().intersects(text))
            cut << Describe(window, label, "runs into " + other->objectName(), label->text());
    }
}

void CheckButton(const QWidget* window, const QAbstractButton* button, QStringList& cut) {
    const QString text = QString(button->text()).remove('&');
    // A hidden button shows no text; the table's buttons size themselves only when shown.
    if (text.isEmpty() || !IsShownIn(window, button)) return;
    const QFontMetrics metrics(button->font());
    // Inside the frame; a flat tool button has none.
    const auto* tool = qobject_cast<const QToolButton*>(button);
    QRect room = tool && tool->autoRaise() ? button->rect() : button->rect().adjusted(3, 2, -3, -2);
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        room = button->style()->subElementRect(qobject_cast<const QCheckBox*>(button)
                                                   ? QStyle::SE_CheckBoxContents
                                                   : QStyle::SE_RadioButtonContents,
                                               &option, button);
    }
    if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height())
        cut << Describe(window, button, "cut", text);
    for (const QAbstractButton* other :
         button->parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (other != button && IsShownIn(window, button) && IsShownIn(window, other) &&
            other->geometry().intersects(button->geometry()))
            cut << Describe(window, button, "overlaps " + other->objectName(), text);
}

// Every text of the window that does not fit its box, a caption its title bar cannot show, and
// every part a person can use that a screen reader cannot name.
QStringList CutTexts(const QWidget* window) {
    QStringList cut;
    for (const QString& part : WalkAccessibleTree(const_cast<QWidget*>(window)).unnamed)
        cut << Describe(window, window, "no accessible name", part);
    if (!(window->windowFlags() & Qt::FramelessWindowHint) &&
        CaptionWidthNeeded(window->windowTitle()) > window->width())
        cut << Describe(window, window, "caption", window->windowTitle());
    for (const QLabel* label : window->findChildren<QLabel*>()) CheckLabel(window, label, cut);
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        CheckButton(window, button, cut);
    for (const QGroupBox* group : window->findChildren<QGroupBox*>())
        if (QFontMetrics(group->font()).horizontalAdvance(group->title()) + 16 > group->width())
            cut << Describe(window, group, "title cut", group->title());
    return cut;
}

// Shows the dialog modally and active, and collects its cut texts.
QStringList CutTextsWhenShown(QDialog& dialog) {
    QStringList cut;
    QTimer::singleShot(0, [&] {
        cut = CutTexts(&dialog);
        dialog.done(QDialog::Rejected);
    });
    dialog.exec();
    return cut;
}

// The same for a message box the program shows through its platform.
QStringList CutTextsOfNextMessageBox(const std::function<void()>& show) {
    QStringList cut;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            cut = CutTexts(box);
            box->done(QMessageBox::Ok);
        }
    });
    show();
    return cut;
}

class InterfaceTextsTest : public ::testing::TestWithParam<const char*> {
protected:
    TestAppDir app;
    TestAppDir empty;
    FakePlatform fake;

    InterfaceTextsTest() {
        for (const char* folder : {"Langs", "Pics"}) app.linkBundled(folder);
        // The bundled spreads, and the first built-in one under its Russian name too.
        const QDir bundled(QString(LUMENFOLD_APPDIR) + "/Spreads");
        QDir(app.path()).mkdir("Spreads");
        for (const QString& name : bundled.entryList({"*.spread"}))
            QFile::copy(bundled.filePath(name), app.path() + "/Spreads/" + name);
        QFile::copy(bundled.filePath("Seven Cards Ellipse.spread"),
                    app.path() + "/Spreads/" + QString::fromUtf8("Семикарточный эллипс.spread"));
        app.write("Reruv.html", "<html><head><title>Contents</title></head>x</html>");
        fake.settingsKey->values["language"] = GetParam();
        fake.settingsKey->values["MajorOnly"] = "yes";
    }

    // Lays out a reading of the spread on the table, with The Fool as its significator.
    // Collects the window's cut texts into cut while each table button is shown.
    void layOutReading(TForm1& form, const QString& spread, QStringList& cut) {
        OnNextModal<TForm2>([spread](TForm2* dialog) {
            auto* list = dialog->findChild<QListWidget*>("ListBox1");
            list->setCurrentItem(list->findItems(spread, Qt::MatchExactly).value(0));
            dialog->findChild<QPushButton*>("Button1")->click();
        });
        OnNextModal<TForm11>([](TForm11* dialog) {
            dialog->ClickQuer(0);
            dialog->Button1()->click();
        });
        form.menu().SelectlayoutF12->trigger();
        cut += CutTexts(&form);  // Shuffle
        fake.pacer->onWait = [&form, &cut] {
            if (!form.reading().Shuffling()) return;
            cut += CutTexts(&form);  // Stop
            form.findChild<QToolButton*>("SpeedButton2")->click();
        };
        form.findChild<QToolButton*>("SpeedButton1")->click();
        fake.pacer->onWait = nullptr;
        cut += CutTexts(&form);  // Cut deck
        form.findChild<QToolButton*>("SpeedButton3")->click();
    }
};

// The longest of the texts.
QString Longest(const QStringList& texts) {
    QString longest;
    for (const QString& text : texts)
        if (text.size() > longest.size()) longest = text;
    return longest;
}

TEST_P(InterfaceTextsTest, EveryWindowShowsItsTextsWhole) {
    TForm1 form(fake.platform, app.programPath());
    form.show();
    QStringList cut = CutTexts(&form);
    const MessageList& m = form.program().Messages;

    // The longest position meaning of the bundled spreads, and the longest reversed title.
    QStringList meanings;
    for (const QString& spread : form.program().SpreadList) {
        TSpreadParser parser;
        parser.LoadSpread(SpreadFilePath(form.program().AppDir, spread));
        for (int i = 0; i < parser.PosCount(); ++i) meanings << parser.PosText(i);
    }
    const QString meaning = Longest(meanings);
    QFont titleFont = InterfaceFont();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    int longestTitle = 0;
    for (int card = 0; card < kCardCount; ++card)
        if (title.horizontalAdvance(form.program().CardTitles[card]) >
            title.horizontalAdvance(form.program().CardTitles[longestTitle]))
            longestTitle = card;

    TForm6 about(m[29]);
    cut += CutTextsWhenShown(about);
    TForm20 language(m, form.program().AppDir, form.program().settings.LanguageName);
    cut += CutTextsWhenShown(language);
    TForm3 decks(m, {form.program().AppDir + "/Pics"}, form.program().settings.DeckName, true,
                 true);
    cut += CutTextsWhenShown(decks);
    TForm3 noDecks(m, {empty.path() + "/Pics"}, "", true, true);
    cut += CutTextsWhenShown(noDecks);
    for (const QString& caption : {m[31] + m[32], m[31] + m[34]}) {
        TForm2 spreads(form.program().SpreadList, "", caption, m[0], m[1],
                       m[119] + "\r\n" + m[120]);
        cut += CutTextsWhenShown(spreads);
    }
    TForm2 noSpreads({}, "", m[31], m[0], m[1], m[119] + "\r\n" + m[120]);
    cut += CutTextsWhenShown(noSpreads);

    for (bool significator : {true, false}) {
        CardListContext context;
        context.ManualInput = !significator;
        context.CardTitles = form.program().CardTitles;
        context.PictureDir = form.program().AppDir + "/Pics/" + form.program().settings.DeckName;
        TForm11 cards(context);
        CardChoiceRequest request;
        request.significator = significator;
        request.caption = significator ? m[80] + " 2" : m[117] + " 10: " + meaning;
        request.orientationCaption = m[118];
        request.uprightText = m[76];
        request.reversedText = m[77];
        request.preselectedCard = longestTitle;
        cards.Prepare(request);
        cut += CutTextsWhenShown(cards);
    }

    CardSaveOptions options;
    ExplanationContext explanation{form.program().AppDir,
                                   form.program().CardTitles,
                                   m,
                                   form.program().settings,
                                   fake.platform.messageBoxes.get(),
                                   &options,
                                   form.program().DeckDirectoryInUse(),
                                   form.program().Places.UserData()};
    for (const QString& heading : {meaning, m[74]}) {
        TForm4 window(explanation, longestTitle, true, heading);
        cut += CutTextsWhenShown(window);
    }
    TForm13 saveOptions(m, options);
    cut += CutTextsWhenShown(saveOptions);
    Settings imageSettings = form.program().settings;
    TForm12 imageDialog(m, imageSettings, *fake.platform.messageBoxes);
    cut += CutTextsWhenShown(imageDialog);
    TForm9 comments;
    comments.SetCaptions(m[112], m[0], m[113]);
    cut += CutTextsWhenShown(comments);
    TForm9* commentsWindow = &form.savedReadings().CommentsWindow();
    commentsWindow->show();
    cut += CutTexts(commentsWindow);
    commentsWindow->hide();
    TForm14 warning(m[106] + " " + m[107], m[0]);
    cut += CutTextsWhenShown(warning);

    // The spread editor on a bundled spread, its position text dialog and its name dialog.
    TRecorA editorInputs;
    editorInputs.colour = QColor(17, 85, 17);
    editorInputs.spreadName = form.program().SpreadList.value(0);
    editorInputs.directory = form.program().AppDir;
    editorInputs.texts = EditorTexts(m);
    editorInputs.canvasWidth = form.reading().TableBounds().width();
    editorInputs.canvasHeight = form.reading().TableBounds().height();
    TForm5 editor(editorInputs, *fake.platform.messageBoxes);
    cut += CutTextsWhenShown(editor);
    TForm7 positionText({m[129] + "S1", m[1], m[128], m[136]}, meaning, true);
    cut += CutTextsWhenShown(positionText);
    TForm7 spreadName(m[131], m[1], QString());
    cut += CutTextsWhenShown(spreadName);
    TForm18 printDialog(m, form.program().settings, m[89]);
    cut += CutTextsWhenShown(printDialog);
    TForm16 musicDialog(m, form.program().AppDir, form.program().AppDir, form.program().SpreadList,
                        form.program().settings, *fake.platform.openFileDialog,
                        *fake.platform.messageBoxes);
    cut += CutTextsWhenShown(musicDialog);
    TForm17 associations(m, form.program().AppDir, form.program().AppDir, form.program().SpreadList,
                         *fake.platform.openFileDialog, *fake.platform.messageBoxes);
    cut += CutTextsWhenShown(associations);

    QtMessageBoxes boxes;
    cut += CutTextsOfNextMessageBox([&] { boxes.showMessage(&form, m[79]); });
    cut += CutTextsOfNextMessageBox([&] { boxes.showMessage(&form, m[132]); });
    cut += CutTextsOfNextMessageBox([&] { boxes.ask(&form, m[127], m[126], QMessageBox::Ok); });
    cut += CutTextsOfNextMessageBox(
        [&] { boxes.ask(&form, ProgramTitle(), m[139], QMessageBox::Ok | QMessageBox::Cancel); });

    // The table with the spread whose name has the widest word.
    QString spread;
    QFont nameFont = InterfaceFont();
    nameFont.setPixelSize(15);
    const auto widestWord = [&nameFont](const QString& name) {
        int widest = 0;
        for (const QString& word : name.split(' '))
            widest = std::max(widest, QFontMetrics(nameFont).horizontalAdvance(word));
        return widest;
    };
    for (const QString& name : form.program().SpreadList)
        if (widestWord(name) > widestWord(spread)) spread = name;
    layOutReading(form, spread, cut);
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), spread);
    cut += CutTexts(&form);

    QtHelpViewer help;
    ASSERT_TRUE(help.showContents(&form, app.path() + "/Reruv.html"));
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QTextBrowser*>(window) && window->isVisible()) {
            cut += CutTexts(window);
            window->close();
        }

    EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, InterfaceTextsTest, ::testing::Values("English", "Russian"),
                         [](const auto& row) { return std::string(row.param); });

// Windows keep the captions they set: the toolkit appends no program name to them.
TEST(InterfaceTest, CaptionsGetNothingAppended) {
    const QString name = QApplication::applicationName();
    QApplication::setApplicationName("probe");
    // A display name of its own would be appended to every caption on the desktop.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QApplication::setApplicationName(name);
    EXPECT_EQ(name, ProgramTitle());
}

}  // namespace
