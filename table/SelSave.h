#pragma once

#include <QDialog>

class MessageList;
class QCheckBox;
class QPushButton;
struct CardSaveOptions;

// Where to save an explanation: with the current deck and/or as the language's default.
// Shows the options; "OK" accepts the dialog, and the caller takes the boxes' values then.
class TForm13 : public QDialog {
    Q_OBJECT

public:
    TForm13(const MessageList& messages, const CardSaveOptions& options, QWidget* parent = nullptr);

    QCheckBox* CheckBox1() const { return checkBox1_; }  // save with current deck
    QCheckBox* CheckBox2() const { return checkBox2_; }  // save as default meaning
    QPushButton* Button1() const { return button1_; }    // OK

    // The options as the boxes show them.
    CardSaveOptions Options() const;

private:
    QCheckBox* checkBox1_;
    QCheckBox* checkBox2_;
    QPushButton* button1_;
};
