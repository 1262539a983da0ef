#include "app/About.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QtMath>

#include "platform/Interface.h"
#include "platform/TextFitting.h"

namespace {

constexpr int kWidth = 304;
constexpr int kHeight = 228;
constexpr int kReleaseLeft = 104;

// A small fanned hand of card backs.
void PaintFan(QPainter& painter) {
    const QPointF pivot(70, 200);
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(pivot);
        painter.rotate(-28 + i * 14);
        const QRectF card(-22, -118, 44, 76);
        painter.setPen(QPen(QColor(214, 178, 94), 1.5));
        painter.setBrush(QColor(38, 22, 70));
        painter.drawRoundedRect(card, 4, 4);
        painter.setPen(QPen(QColor(214, 178, 94, 160), 1));
        painter.drawRoundedRect(card.adjusted(4, 4, -4, -4), 2, 2);
        painter.setBrush(QColor(214, 178, 94));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(card.center(), 4, 4);
        painter.restore();
    }
}

// A crescent moon and scattered stars over a night-blue glow.
void PaintSky(QPainter& painter) {
    QRadialGradient glow(QPointF(210, 150), 180);
    glow.setColorAt(0, QColor(36, 30, 84));
    glow.setColorAt(1, QColor(0, 0, 0));
    painter.fillRect(QRect(0, 0, kWidth, kHeight), glow);

    QPainterPath moon;
    moon.addEllipse(QPointF(244, 150), 34, 34);
    QPainterPath bite;
    bite.addEllipse(QPointF(258, 140), 30, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 226, 170));
    painter.drawPath(moon.subtracted(bite));

    painter.setBrush(QColor(255, 255, 230));
    for (int i = 0; i < 40; ++i) {
        // A fixed scatter so the picture is the same every time.
        const qreal x = std::fmod(i * 73.7 + 11, kWidth);
        const qreal y = std::fmod(i * 41.3 + 7, kHeight * 0.8);
        painter.drawEllipse(QPointF(x, y), (i % 3) * 0.5 + 0.5, (i % 3) * 0.5 + 0.5);
    }
}

}  // namespace

QImage TForm6::Artwork() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintSky(painter);
    PaintFan(painter);
    return image;
}

TForm6::TForm6(const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), picture_(Artwork()) {
    setObjectName("TForm6");
    setWindowTitle(caption);
    setFixedSize(kWidth, kHeight);

    // The release name, bold 24-pixel letters; where the interface family is too wide for the
    // room right of the picture's left part, its condensed face, else a wider window.
    auto* release = new QLabel(ProgramTitle() + " 5.0a", this);
    release->setObjectName("Label1");
    QFont font = release->font();
    font.setPixelSize(24);
    font.setBold(true);
    if (QFontMetrics(font).horizontalAdvance(release->text()) > kWidth - kReleaseLeft)
        font.setStretch(QFont::Condensed);
    release->setFont(font);
    release->setStyleSheet("color: yellow;");
    release->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    release->setGeometry(kReleaseLeft, 40, kWidth - kReleaseLeft, QFontMetrics(font).height());
    FitTexts(this);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
}

void TForm6::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, picture_);
}

void TForm6::mousePressEvent(QMouseEvent*) { accept(); }
