#pragma once

#include <QDialog>

// The About window: a borderless black picture with the release name; a click or Esc closes it.
class TForm6 : public QDialog {
    Q_OBJECT

public:
    TForm6(const QString& caption, QWidget* parent = nullptr);

    // The built-in 304 x 228 picture behind the release name.
    static QImage Artwork();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};
