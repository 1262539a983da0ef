#pragma once

#include <QDialog>

class MessageList;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
struct Settings;

// The print settings dialog: the output format, what goes into the output and the comments
// for the web page, the printout and the PDF file. Loaded from the settings and comments; OK takes
// the choices back.
class TForm18 : public QDialog {
    Q_OBJECT

public:
    TForm18(const MessageList& messages, const Settings& settings, const QString& comments,
            QWidget* parent = nullptr);

    // Stores the choices in the print settings.
    void TakeChoices(Settings& settings) const;
    QString Comments() const;

private:
    void CheckBox1Click();
    void RadioGroup1Click();

    QGroupBox* radioGroup1_ = nullptr;
    QButtonGroup* printTypes_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QGroupBox* radioGroup2_ = nullptr;
    QButtonGroup* viewKinds_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QCheckBox* checkBox3_ = nullptr;
    QLabel* label1_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QString comments_;  // as the reading holds it
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
};
