#include "app/TableFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "app/About.h"
#include "app/MainMenu.h"
#include "decks/Background.h"
#include "decks/DeckDirectory.h"
#include "decks/ImportDeckDialog.h"
#include "decks/Resize.h"
#include "decks/SelectDk.h"
#include "export/ReadingExports.h"
#include "i18n/CardsFile.h"
#include "i18n/FixedTexts.h"
#include "i18n/HelpFiles.h"
#include "i18n/Language.h"
#include "i18n/Msg.h"
#include "i18n/SelLang.h"
#include "music/BackgroundMusic.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"
#include "readings/CommForm.h"
#include "readings/JournalWindow.h"
#include "readings/SavedReadings.h"
#include "spreads/Misc.h"
#include "spreads/SpreadCatalogue.h"
#include "table/ReadingFlow.h"
#include "table/TableAnimations.h"
#include "table/TableButton.h"
#include "table/TableFocus.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

TForm1::TForm1(Platform& platform, const QString& programPath, QWidget* parent)
    : QMainWindow(parent), program_(platform) {
    FormCreate(programPath);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const QString& programPath) {
    setWindowTitle(FixedText::ProgramTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    menu_ = std::make_unique<MainMenu>(menuBar());
    table_ = new TableWidget(this);
    table_->setObjectName("TableSurface");
    setCentralWidget(table_);
    LayOutFrame();

    Platform& platform = program_.platform;
    Settings& settings = program_.settings;
    settings = Settings();
    reading_.ReadingComments = platform.systemInfo->shortDate(platform.systemInfo->today());
    program_.Places = ProgramPlaces::ForProgram(PathDirectory(programPath));
    program_.AppDir = program_.Places.BundledData();
    QDir().mkpath(program_.AppDir + "/Music");
    LoadSettings(settings, *platform.settingsKey, program_.AppDir);
    ApplySettingsToMenu();
    view_->ColourTable();
    background_ =
        std::make_unique<TableBackground>(settings, *view_, *platform.colorDialog,
                                          *platform.messageBoxes, TableView::NoticeFontColor());

    reading_.Has79thCard = DeckHas79thCard(DeckFolders(program_.Places), settings.DeckName);
    SetTitles();
    reading_.SetDeckSize(settings.MajorOnly);
    program_.HelpFile = StartHelpFile(program_.AppDir);

    MakeDataDirectories();
    const QString saved = program_.Places.UserData() + "/Saved";
    program_.ReadingDialogDir = QDir(saved).exists() ? saved + "/" : program_.Places.UserData();
    ListSpreads();
    FollowLanguage();
    LoadLangu();

    view_->ShowMajorNotice(settings.MajorOnly);
    view_->Repaint();
    ConnectMenu();
    ConnectKeys();
}

void TForm1::LayOutFrame() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int W = screen.width();
    const int H = screen.height();
    setGeometry(0, 0, W, H);
    setFixedSize(W, H);
    // The client area lies below the menu bar.
    const QSize client(W, H - menuBar()->sizeHint().height());
    view_ = std::make_unique<TableView>(program_, reading_, *table_, client);

    speedButton1_ = new TableButton(table_, "SpeedButton1", FixedText::ShuffleCaption,
                                    TableButton::Anchor::EndsLeftOfMiddle);
    speedButton2_ = new TableButton(table_, "SpeedButton2", FixedText::StopCaption,
                                    TableButton::Anchor::StartsRightOfMiddle);
    speedButton2_->setEnabled(false);
    speedButton3_ = new TableButton(table_, "SpeedButton3", FixedText::CutDeckCaption,
                                    TableButton::Anchor::Centred);

    animations_ = std::make_unique<TableAnimations>(program_, reading_, *view_);
    editor_ = std::make_unique<SpreadEditing>(program_.Messages, *program_.platform.messageBoxes);
    flow_ =
        std::make_unique<ReadingFlow>(program_, reading_, *view_, *animations_,
                                      TableButtons{speedButton1_, speedButton2_, speedButton3_});
    focus_ = std::make_unique<TableFocus>(program_, reading_, *view_, *flow_);
    savedReadings_ = std::make_unique<SavedReadings>(program_, reading_, *flow_, this);
    // The comments window gives way to a new spread and to the shuffle.
    connect(flow_.get(), &ReadingFlow::tableCleared, savedReadings_.get(),
            &SavedReadings::HideCommentsWindow);
    connect(flow_.get(), &ReadingFlow::shuffleStarted, savedReadings_.get(),
            &SavedReadings::HideCommentsWindow);
    connect(savedReadings_.get(), &SavedReadings::majorOnlyChanged, menu_->MajorArcanaonly1,
            &QAction::setChecked);
    exports_ = std::make_unique<ReadingExports>(program_, reading_, this);
    music_ =
        std::make_unique<BackgroundMusic>(program_, reading_, *program_.platform.mediaPlayer, this);
    connect(flow_.get(), &ReadingFlow::spreadStarted, music_.get(),
            &BackgroundMusic::NewSpreadMusic);
    connect(savedReadings_.get(), &SavedReadings::readingOpened, music_.get(),
            &BackgroundMusic::OpenedReadingMusic);
}

void TForm1::ApplySettingsToMenu() {
    const Settings& settings = program_.settings;
    menu_->CutDeck1->setChecked(settings.CutDeck);
    menu_->Cutdeckin3piles1->setEnabled(settings.CutDeck);
    menu_->Cutdeckin3piles1->setChecked(settings.CutInThreePiles);
    menu_->MajorArcanaonly1->setChecked(settings.MajorOnly);
    menu_->Drawcardsautomatically1->setChecked(settings.DrawAutomatically);
    menu_->Usereversedpositions1->setChecked(settings.UseReverse);
    menu_->Playmusic1->setChecked(settings.PlayMusicOn);
    menu_->Showlayouttips1->setChecked(settings.ShowTips);
}

void TForm1::MakeDataDirectories() {
    // A failure is silent, and without "Saved" no "Temp" is attempted.
    if (QDir().mkpath(program_.Places.UserData() + "/Saved"))
        QDir().mkpath(program_.Places.ExportDir());
}

void TForm1::ListSpreads() {
    program_.SpreadList = BuildSpreadCatalogue(program_.Places.UserData(), program_.AppDir);
}

void TForm1::ConnectMenu() {
    const auto on = [this](QAction* item, void (TForm1::*handler)()) {
        connect(item, &QAction::triggered, this, handler);
    };
    on(menu_->Exit1, &TForm1::Exit1Click);
    on(menu_->About1, &TForm1::About1Click);
    on(menu_->Language1, &TForm1::Language1Click);
    on(menu_->Contents1, &TForm1::Contents1Click);
    on(menu_->Selectdesk1, &TForm1::Selectdesk1Click);
    on(menu_->ImportDeck1, &TForm1::ImportDeck1Click);
    on(menu_->SelectlayoutF12, &TForm1::SelectlayoutF12Click);
    on(menu_->SelectlayoutF11, &TForm1::SelectlayoutF12Click);
    on(menu_->Savecurrentreading1, &TForm1::Savecurrentreading1Click);
    on(menu_->Openreading1, &TForm1::Openreading1Click);
    on(menu_->Input1, &TForm1::Input1Click);
    on(menu_->Journal1, &TForm1::Journal1Click);
    on(menu_->Createnewspread1, &TForm1::Createnewspread1Click);
    on(menu_->Editspread1, &TForm1::Editspread1Click);
    on(menu_->RemoveDeck1, &TForm1::RemoveDeck1Click);
    on(menu_->Showlayouttips1, &TForm1::Showlayouttips1Click);
    on(menu_->MajorArcanaonly1, &TForm1::MajorArcanaonly1Click);
    on(menu_->Usereversedpositions1, &TForm1::Usereversedpositions1Click);
    on(menu_->Drawcardsautomatically1, &TForm1::Drawcardsautomatically1Click);
    on(menu_->CutDeck1, &TForm1::CutDeck1Click);
    on(menu_->Cutdeckin3piles1, &TForm1::Cutdeckin3piles1Click);
    on(menu_->Backgroundcolor1, &TForm1::Backgroundcolor1Click);
    on(menu_->Defaultbackground1, &TForm1::Defaultbackground1Click);
    on(menu_->Resizeenlargedcard1, &TForm1::Resizeenlargedcard1Click);
    on(menu_->Print1, &TForm1::Print1Click);
    on(menu_->Playmusic1, &TForm1::Playmusic1Click);
    on(menu_->Musicsettings1, &TForm1::Musicsettings1Click);
    connect(speedButton1_, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(speedButton2_, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(speedButton3_, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    // "Play music" keeps its setting in step with its check mark.
    connect(menu_->Playmusic1, &QAction::toggled, this,
            [this](bool checked) { program_.settings.PlayMusicOn = checked; });
}

void TForm1::ConnectKeys() {
    // The keyboard starts on the table, where a reading starts.
    table_->setFocus();
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(Qt::Key_F10);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] { menu_->OpenMenuBar(); });
    // Esc on the table closes the comments window first, then the enlarged spread view.
    focus_->AddEscapeStep([this] { return savedReadings_->HideCommentsWindow(); });
}

void TForm1::Exit1Click() { close(); }

void TForm1::About1Click() {
    TForm6 about(program_.Messages[Msg::About], this);
    about.exec();
}

void TForm1::Language1Click() {
    TForm20 dialog(program_.Messages, program_.AppDir, program_.settings.LanguageName, this);
    if (dialog.exec() != QDialog::Accepted) return;
    program_.settings.LanguageName = dialog.LanguageName();
    LoadLangu();
}

void TForm1::Contents1Click() {
    if (!ShowHelp(this, *program_.platform.shell, *program_.platform.helpViewer, program_.AppDir,
                  program_.settings.LanguageName, program_.HelpFile))
        program_.platform.messageBoxes->showMessage(this, FixedText::HelpUnavailable);
}

void TForm1::Selectdesk1Click() {
    Settings& settings = program_.settings;
    TForm3 dialog(program_.Messages, DeckFolders(program_.Places), settings.DeckName,
                  settings.NewAgeCourtOrder, settings.StrengthIsXI, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // Without decks on show the deck and its numbering stay as they are.
    if (dialog.HasDecks() && !dialog.DeckName().isEmpty()) {
        settings.DeckName = dialog.DeckName();
        settings.NewAgeCourtOrder = dialog.NewAgeCourtOrder();
        settings.StrengthIsXI = dialog.StrengthIsXI();
    }
    reading_.Has79thCard = DeckHas79thCard(DeckFolders(program_.Places), settings.DeckName);
    SetTitles();
}

void TForm1::ImportDeck1Click() {
    ImportDeck(this, {program_.Messages, program_.AppDir, program_.settings.LanguageName,
                      program_.platform.messageBoxes.get(), program_.platform.fileDialogs.get(),
                      DeckFolders(program_.Places), QDir::homePath()});
}

void TForm1::SelectlayoutF12Click() {
    if (savedReadings_->MayDiscardReading()) flow_->StartNewReading();
}

void TForm1::Savecurrentreading1Click() { savedReadings_->Savecurrentreading1Click(); }

void TForm1::Openreading1Click() { savedReadings_->Openreading1Click(); }

void TForm1::Input1Click() { savedReadings_->Input1Click(); }

void TForm1::Journal1Click() {
    if (!journal_)
        if (!journal_) {
            journal_ = std::make_unique<JournalWindow>(program_, *savedReadings_, *flow_, this);
            connect(language_, &Language::languageChanged, journal_.get(), &JournalWindow::Retitle);
        }
    journal_->Open();
}

void TForm1::Createnewspread1Click() {
    if (editor_->CreateNewSpread(EditorTable())) ListSpreads();
}

void TForm1::Editspread1Click() {
    editor_->EditSpread(EditorTable(), program_.SpreadList, reading_.SpreadName());
}

SpreadEditing::Table TForm1::EditorTable() {
    return {program_.AppDir,
            program_.Places.UserData(),
            FromTColor(program_.settings.BackColor),
            reading_.TableBounds().size(),
            QSize(reading_.TableCardWidth(), reading_.TableCardHeight()),
            this};
}

void TForm1::Backgroundcolor1Click() { background_->ChooseColour(this); }

void TForm1::Defaultbackground1Click() { background_->UseDefault(); }

void TForm1::Resizeenlargedcard1Click() {
    TForm12 dialog(program_.Messages, program_.settings, *program_.platform.messageBoxes, this);
    dialog.exec();
}

void TForm1::Print1Click() { exports_->Print1Click(); }
void TForm1::Playmusic1Click() { music_->Playmusic1Click(menu_->Playmusic1->isChecked()); }

void TForm1::Musicsettings1Click() { music_->Musicsettings1Click(this); }

void TForm1::RemoveDeck1Click() { view_->ToggleSpreadView(); }

void TForm1::Showlayouttips1Click() {
    program_.settings.ShowTips = menu_->Showlayouttips1->isChecked();
    view_->ApplyShowTips();
}

void TForm1::MajorArcanaonly1Click() {
    program_.settings.MajorOnly = menu_->MajorArcanaonly1->isChecked();
    view_->ShowMajorNotice(program_.settings.MajorOnly);
}

void TForm1::Usereversedpositions1Click() {
    program_.settings.UseReverse = menu_->Usereversedpositions1->isChecked();
}

void TForm1::Drawcardsautomatically1Click() {
    const bool on = menu_->Drawcardsautomatically1->isChecked();
    program_.settings.DrawAutomatically = on;
    // The change applies from the next reading: say so while one is being prepared.
    if (flow_->Preparing())
        view_->ShowMessage(
            program_.Messages[on ? Msg::AutoDrawOnNextReading : Msg::AutoDrawOffNextReading]);
}

void TForm1::CutDeck1Click() {
    program_.settings.CutDeck = menu_->CutDeck1->isChecked();
    menu_->Cutdeckin3piles1->setEnabled(program_.settings.CutDeck);
}

void TForm1::Cutdeckin3piles1Click() {
    program_.settings.CutInThreePiles = menu_->Cutdeckin3piles1->isChecked();
}

void TForm1::SpeedButton1Click() { flow_->SpeedButton1Click(); }

void TForm1::SpeedButton2Click() { flow_->SpeedButton2Click(); }

void TForm1::SpeedButton3Click() { flow_->SpeedButton3Click(); }

void TForm1::LoadLangu() { language_->Load(program_.AppDir, program_.settings.LanguageName); }

void TForm1::FollowLanguage() {
    language_ = new Language(program_.Messages, this);
    connect(language_, &Language::languageChanged, this, &TForm1::RetitleFrame);
    connect(language_, &Language::languageChanged, savedReadings_.get(),
            &SavedReadings::RetitleCommentsWindow);
    // The left column's prompt and the notice follow at once, and so does an open help window.
    connect(language_, &Language::languageChanged, view_.get(), &TableView::FollowLanguage);
    connect(language_, &Language::languageChanged, this, [this] {
        program_.HelpFile =
            HelpFileForLanguage(program_.AppDir, program_.settings.LanguageName, program_.HelpFile);
        program_.platform.helpViewer->followLanguage(program_.HelpFile);
    });
}

void TForm1::RetitleFrame() {
    const MessageList& messages = program_.Messages;
    menu_->Retitle(messages);
    speedButton1_->Retitle(messages[Msg::Shuffle]);
    speedButton2_->Retitle(messages[Msg::Stop]);
    speedButton3_->Retitle(messages[Msg::CutDeck]);
    SetTitles();
}

void TForm1::SetTitles() {
    const Settings& settings = program_.settings;
    BuildCardTitles(program_.CardTitles, program_.AppDir, settings.LanguageName,
                    reading_.Has79thCard, {settings.StrengthIsXI, settings.NewAgeCourtOrder});
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    if (!closed_) FormClose();
    event->accept();
}

bool TForm1::FormCloseQuery() {
    // A reading not kept in a file is not closed away without a word.
    if (!savedReadings_->MayDiscardReading()) return false;
    reading_.SetShuffling(false);
    return true;
}

void TForm1::FormClose() {
    closed_ = true;
    savedReadings_->HideCommentsWindow();
    if (!SaveSettings(program_.settings, *program_.platform.settingsKey))
        program_.platform.messageBoxes->showMessage(this, FixedText::SettingsNotSaved);
    EmptyTemp();
}

void TForm1::EmptyTemp() {
    QDir temp(program_.AppDir + "/Temp");
    // Entries that cannot be deleted (subdirectories, files in use) stay without a message.
    for (const QString& name : temp.entryList(QDir::AllEntries | QDir::Hidden | QDir::System))
        temp.remove(name);
}
