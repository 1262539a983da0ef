#pragma once

#include <QDialog>

class MessageList;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The Language dialog: every entry of AppDir/Langs, the current language selected.
class TForm20 : public QDialog {
    Q_OBJECT

public:
    TForm20(const MessageList& messages, const QString& appDir, const QString& languageName,
            QWidget* parent = nullptr);

    // The chosen language after OK.
    QString LanguageName() const;

private:
    void ListBox1Click();
    void ListBox1DblClick(QListWidgetItem* item);

    QListWidget* listBox1_;
    QPushButton* button1_;
    QPushButton* button2_;
};
