#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QStringList>

#include <memory>

#include "decks/DeckImport.h"
#include "i18n/CardTitles.h"
#include "i18n/MessageList.h"

class FileDialogs;
class MessageBoxes;
class QLineEdit;
class QProgressDialog;
class QPushButton;

// What importing a deck needs from the program.
struct DeckImportContext {
    MessageList messages;
    // The bundled data's folder and the language, for the card titles.
    QString appDir;
    QString language;
    MessageBoxes* messageBoxes = nullptr;
    FileDialogs* fileDialogs = nullptr;
    // The folders that hold decks; a new deck is made in the first.
    QStringList deckFolders;
    // Where the folder dialog starts.
    QString startFolder;
};

// "Options" > "Import deck...": asks for a folder of pictures, refuses a count that makes no
// deck, and opens the import window. Returns the new deck's name, empty when none was made.
QString ImportDeck(QWidget* parent, const DeckImportContext& context);

// The import window: the proposed order as a grid of the cards, each with its title and a small
// picture, where dragging one card onto another swaps their pictures; the deck's name; Import.
class ImportDeckDialog : public QDialog {
    Q_OBJECT

public:
    ImportDeckDialog(const DeckImportContext& context, const QString& sourceFolder,
                     const QStringList& pictures, QWidget* parent = nullptr);
    ~ImportDeckDialog() override;

    // The picture file name of each card number, as now proposed.
    QStringList CardPictures() const;
    // Swaps the pictures of two cards, as a drag of one onto the other does.
    void SwapCards(int first, int second);
    // The name of the deck made by Import.
    QString DeckName() const;

    // Import: checks the name, then writes the deck with a progress window and Cancel. The
    // window closes once the deck is made; a failure is told and the window stays.
    void ImportClick();

private:
    void ShowCard(int card);
    void ThumbnailReady(int picture);
    void ImportFinished(DeckImporter::Outcome outcome, const QString& reason);
    bool NameTaken(const QString& name) const;

    DeckImportContext context_;
    CardTitleList titles_;
    QString sourceFolder_;
    QStringList pictures_;
    QList<int> order_;
    QList<QPixmap> thumbnails_;
    QFutureWatcher<QImage> thumbnailWatcher_;
    QList<QWidget*> cells_;
    QLineEdit* name_;
    QPushButton* importButton_;
    std::unique_ptr<DeckImporter> importer_;
    QProgressDialog* progress_ = nullptr;
    QString importedName_;
};
