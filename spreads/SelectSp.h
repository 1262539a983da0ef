#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// The spread list: choose one spread of the catalogue by name. Without spreads it shows a
// notice and an OK that closes it as confirmed without a name.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    TForm2(const QStringList& spreads, const QString& currentSpread, const QString& caption,
           const QString& okCaption, const QString& cancelCaption, const QString& notice,
           QWidget* parent = nullptr);

    // The name confirmed with OK; empty when the list was empty.
    QString chosenName() const { return chosen_; }

private:
    void ShowList(const QStringList& spreads, const QString& currentSpread);
    void confirm();

    QListWidget* listBox1_;
    QLabel* label1_;
    QPushButton* button1_;
    QPushButton* button2_;
    QString chosen_;
};
