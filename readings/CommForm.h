#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The comments window. A fresh instance is the modal dialog that asks for a reading's comment
// when it is saved: "OK" gives the memo's text, "No comments", Esc or closing give none. The
// main window's long-lived instance shows the comment of the reading last opened.
class TForm9 : public QDialog {
    Q_OBJECT

public:
    explicit TForm9(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1() const { return memo1_; }
    QPushButton* Button1() const { return button1_; }
    QPushButton* Button2() const { return button2_; }

    // The window's caption and its buttons' captions; a caption that does not fit widens its
    // button around the button's centre.
    void SetCaptions(const QString& caption, const QString& ok, const QString& noComments);
    // Makes this instance the long-lived comments window: stays on top without taking the
    // focus when shown, the "No comments" button hidden, "OK" centred.
    void MakeCommentsWindow();

    void Button1Click();
    void Button2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The buttons at their designed places, grown to fit their captions; the comments
    // window's only button centred.
    void PlaceButtons();

    QPlainTextEdit* memo1_;
    QPushButton* button1_;
    QPushButton* button2_;
    bool commentsWindow_ = false;
};
