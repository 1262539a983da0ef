#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include <optional>

#include "i18n/MessageList.h"

class MessageBoxes;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TFreePanel;
struct Settings;

// Sides of the picture area accepted by Apply, in pixels.
constexpr int kSmallestImageSide = 1;
constexpr int kLargestImageSide = 5000;

// A side typed into a size field, once blanks around it are dropped: its value, or the message
// that refuses it (not a whole number, or a whole number outside the accepted range).
struct ImageSide {
    int value = 0;
    std::optional<int> refusal;  // a language message
};
ImageSide ParseImageSide(const QString& text);

// The Image settings dialog: a full-size mock-up of the card explanation window. Its own size
// is the window's, a white rectangle stands for the picture area and a panel for the text
// field. Save stores all of them with the two display switches; nothing else changes settings.
class TForm12 : public QDialog {
    Q_OBJECT

public:
    TForm12(const MessageList& messages, Settings& settings, MessageBoxes& messageBoxes,
            QWidget* parent = nullptr);

    QLabel* Label1() const { return label1_; }           // instruction
    QLineEdit* Edit1() const { return edit1_; }          // width
    QLineEdit* Edit2() const { return edit2_; }          // height
    QPushButton* Button1() const { return button1_; }    // Apply
    QPushButton* Button2() const { return button2_; }    // Save
    QPushButton* Button3() const { return button3_; }    // Cancel
    QCheckBox* CheckBox1() const { return checkBox1_; }  // do not reverse
    QCheckBox* CheckBox2() const { return checkBox2_; }  // do not enlarge
    TFreePanel* FreePanel1() const { return freePanel1_; }
    QWidget* Image1() const { return image1_; }  // the preview rectangle
    // The picture area as last applied.
    QSize PreviewSize() const { return previewSize_; }

    void Button1Click();  // Apply
    void Button2Click();  // Save

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowPreview(QSize size);
    // Places the controls that follow the right and bottom edges.
    void PlaceControls();
    // The smallest size of the dialog that shows every control whole and apart.
    void KeepControlsInside();
    // Keeps the panel 29 pixels from the right edge and 88 from the top.
    void AnchorPanel();

    Settings& settings_;
    MessageList messages_;
    MessageBoxes& messageBoxes_;
    QSize previewSize_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QPushButton* button1_;
    QPushButton* button2_;
    QPushButton* button3_;
    QCheckBox* checkBox1_;
    QCheckBox* checkBox2_;
    TFreePanel* freePanel1_;
    QWidget* image1_;
};
