#pragma once

#include <QAtomicInt>
#include <QFutureWatcher>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

// Turning a folder of a reader's own card pictures, named and sized as they come, into a deck:
// N.jpg files in the program's card order, beside the deck's own explanation texts.

// Natural order of file names, by the name before the suffix: runs of digits compare by their
// value ("2" before "10"), everything else without regard to letter case.
bool NaturalLess(const QString& a, const QString& b);

// The files of the folder that Qt's image readers know by their suffix, in natural order.
QStringList DeckPictureFiles(const QString& folder);

// True for the picture counts that make a deck: the Major Arcana (22), the whole deck (78)
// and the whole deck with the extra card (79).
bool IsDeckPictureCount(int count);

// The card a file name names with the usual English or Russian card words ("00-fool",
// "cups-queen", "Туз мечей"), or -1. Strength is card 11 and Justice card 8, and the court
// cards take the traditional sequence: page, knight, queen, king.
int CardNamedBy(const QString& fileName);

// The proposed order: for each card number, the index of its picture among the names (given
// in natural order). Cards named by their words come first; the other pictures fill the
// remaining cards in their order. One card per picture.
QList<int> ProposeCardOrder(const QStringList& names);

// The picture at path, turned upright as its metadata says and scaled down to fit bound,
// keeping its shape; a null image with the reason when it cannot be read.
QImage ReadPicture(const QString& path, QSize bound, QString* reason = nullptr);

// The largest picture an imported deck keeps.
constexpr QSize kImportedCardBound{800, 1400};

// What one import writes: the pictures of sourceFolder (file names, in natural order) in the
// order given, into the new folder deckFolder.
struct DeckImportPlan {
    QString sourceFolder;
    QStringList pictures;
    QList<int> order;  // the picture index of each card number
    QString deckFolder;
};

// Writes a plan's cards on worker threads: the folder is made first, each card's picture is
// scaled down and written as N.jpg with the project's JPEG writer, and its explanation texts
// come along as UTF-8. A picture that cannot be read, a failed write or Cancel removes the new
// folder again, so no half-made deck is ever listed.
class DeckImporter : public QObject {
    Q_OBJECT

public:
    enum class Outcome { Imported, Cancelled, PictureUnreadable, NotWritten };
    Q_ENUM(Outcome)

    explicit DeckImporter(DeckImportPlan plan, QObject* parent = nullptr);
    // Stops the workers; a deck not yet finished is removed.
    ~DeckImporter() override;

    int CardCount() const { return static_cast<int>(cards_.size()); }
    // Makes the folder and starts the workers; finished() follows in every case.
    void Start();
    // The folder is removed once the workers have stopped, even when every card was written.
    void Cancel();

signals:
    void Progressed(int cardsWritten);
    // The reason names the file and what went wrong; empty for Imported and Cancelled.
    void Finished(DeckImporter::Outcome outcome, const QString& reason);

private:
    void WriteCard(int card);
    void Fail(Outcome outcome, const QString& reason);
    void Finish();

    DeckImportPlan plan_;
    QList<int> cards_;
    QStringList sourceEntries_;
    QFutureWatcher<void> watcher_;
    QAtomicInt stop_;
    QMutex failureLock_;
    Outcome failure_ = Outcome::Imported;
    QString reason_;
    bool cancelled_ = false;
    bool done_ = true;
};
