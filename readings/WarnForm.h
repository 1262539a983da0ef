#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The warning that a reading made with a 79-card deck needs such a deck to be opened.
class TForm14 : public QDialog {
    Q_OBJECT

public:
    // text: the warning; ok: the button's caption.
    TForm14(const QString& text, const QString& ok, QWidget* parent = nullptr);

    QLabel* Label1() const { return label1_; }
    QPushButton* Button1() const { return button1_; }

private:
    QLabel* label1_;
    QPushButton* button1_;
};
