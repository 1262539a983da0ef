#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class MessageBoxes;
class MessageList;
class OpenFileDialog;
class QLabel;
class QToolButton;

// The association dialog: one row per spread of the catalogue, its name and the music file it
// is associated with. A click on a name chooses the file; a click on the file or on the remove
// button beside it removes it; OK writes the association file.
class TForm17 : public QDialog {
    Q_OBJECT

public:
    // appDir holds the Music folder; userDir the association file.
    TForm17(const MessageList& messages, const QString& appDir, const QString& userDir,
            const QStringList& spreadList, OpenFileDialog& fileDialog, MessageBoxes& messageBoxes,
            QWidget* parent = nullptr);

    // The file label of each row, in catalogue order (tests).
    QList<QLabel*> FileLabels() const;
    // The remove button of a row (tests).
    QToolButton* RemoveButton(int row) const;
    void labelclick(int row);
    void label2click(int row);
    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QLabel* spread;
        QLabel* file;
        QToolButton* remove;
    };
    void FormCreate(const MessageList& messages, const QStringList& spreadList);
    void ShowFile(const Row& row, const QString& file);
    // The name shown and stored for a file: relative under the Music folder, else full.
    QString StoredName(const QString& path) const;
    bool RefuseQuote(const QString& name);

    QString appDir_;
    QString userDir_;
    OpenFileDialog& fileDialog_;
    MessageBoxes& messageBoxes_;
    QList<Row> rows_;
};
