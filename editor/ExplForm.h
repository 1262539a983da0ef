#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The text dialog of the spread editor: the meaning of one position with its significator
// mark, or, in the EditsSpreadName mode, the name of a new spread.
class TForm7 : public QDialog {
    Q_OBJECT

public:
    struct Texts {
        QString caption;
        QString cancel;
        QString significatorText;  // the meaning put in while the box is checked
        QString significatorBox;   // the check box's caption
    };

    // A position's text dialog: the field shows `text`, or significatorText for a significator
    // position, whose box is checked.
    TForm7(const Texts& texts, const QString& text, bool significator, QWidget* parent = nullptr);
    // The EditsSpreadName mode: only the field, showing `name`.
    TForm7(const QString& caption, const QString& cancel, const QString& name,
           QWidget* parent = nullptr);

    const bool EditsSpreadName;
    QString SignificatorText;

    // The field's text on one line: line breaks pasted into it become spaces.
    QString text() const;
    bool significator() const;

private:
    TForm7(bool editsSpreadName, const QString& caption, const QString& cancel, QWidget* parent);
    void CheckBox1Click(bool checked);
    // Grows what its texts do not fit, then centres the dialog on the screen.
    void FitAndCentre();

    QLineEdit* edit1_;
    QCheckBox* checkBox1_;
    QPushButton* button1_;
    QPushButton* button2_;
};
