#include "export/PrintPages.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

#include "export/PrintDocument.h"

namespace {

constexpr double kMarginMm = 15;
constexpr double kGapMm = 4;
constexpr double kScreenDotsPerInch = 96;  // the screen's picture is printed at this size
constexpr qreal kTitlePoints = 18;
constexpr qreal kHeadingPoints = 12;
constexpr qreal kTextPoints = 10.5;

QFont PrintFont(qreal points, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The document's pages as they fill: where the next thing goes, in the device's pixels within
// the margins, and whether the device took every page.
class PageFlow {
public:
    PageFlow(QPagedPaintDevice& device, QPainter& painter)
        : device_(device), painter_(painter), width_(device.width()), height_(device.height()) {}

    qreal Mm(double mm) const { return mm * device_.logicalDpiY() / 25.4; }
    qreal Width() const { return width_; }
    qreal Height() const { return height_; }
    qreal Y() const { return y_; }
    int Pages() const { return pages_; }
    bool Failed() const { return failed_; }

    void Advance(qreal height) { y_ += height; }
    // A new page unless the height fits below what the page already holds.
    void Need(qreal height) {
        if (y_ > 0 && y_ + height > height_) NewPage();
    }
    void NewPage() {
        if (!device_.newPage()) failed_ = true;
        ++pages_;
        y_ = 0;
    }

    // The height of the text laid out at the width.
    qreal TextHeight(const QString& text, const QFont& font, qreal width) {
        qreal height = 0;
        for (const QString& paragraph : Paragraphs(text)) {
            QTextLayout layout(paragraph, font, &device_);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                height += line.height();
            }
            layout.endLayout();
        }
        return height;
    }

    // Writes the text line by line, going on to a new page where a line does not fit. Lines
    // above besideBottom on the page they start on begin at x; the rest take the full width.
    void Text(const QString& text, const QFont& font, qreal x, qreal besideBottom) {
        const int page = pages_;
        for (const QString& paragraph : Paragraphs(text)) {
            QTextLayout layout(paragraph, font, &device_);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                qreal left = pages_ == page && y_ < besideBottom ? x : 0;
                line.setLineWidth(width_ - left);
                if (y_ + line.height() > height_ && y_ > 0) {
                    NewPage();
                    left = 0;
                    line.setLineWidth(width_);
                }
                line.setPosition(QPointF(0, 0));
                line.draw(&painter_, QPointF(left, y_));
                y_ += line.height();
            }
            layout.endLayout();
        }
    }

private:
    // The text's paragraphs; a line of its own for each line break, whatever its kind.
    static QStringList Paragraphs(QString text) {
        text.replace("\r\n", "\n").replace('\r', '\n');
        return text.split('\n');
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    qreal width_;
    qreal height_;
    qreal y_ = 0;
    int pages_ = 1;
    bool failed_ = false;
};

// The size a picture is printed at: its width, and its height from its proportions, both made
// smaller to fit within the largest size.
QSizeF FittedSize(QSizeF picture, qreal width, QSizeF largest) {
    QSizeF size(width, picture.height() * width / std::max<qreal>(picture.width(), 1));
    if (size.width() > largest.width() || size.height() > largest.height())
        size.scale(largest, Qt::KeepAspectRatio);
    return size;
}

void PaintSpreadPicture(const PrintDocument& document, PageFlow& flow, QPainter& painter) {
    const QImage& picture = document.spreadPicture;
    const qreal screenWidth = picture.width() / qreal(std::max(document.spreadPictureScale, 1));
    const QSizeF size = FittedSize(picture.size(), flow.Mm(screenWidth * 25.4 / kScreenDotsPerInch),
                                   QSizeF(flow.Width(), std::min(flow.Mm(200), flow.Height())));
    flow.Need(size.height());
    painter.drawImage(QRectF(QPointF(0, flow.Y()), size), picture);
    flow.Advance(size.height() + flow.Mm(kGapMm));
}

void PaintEntry(const PrintDocument::Entry& entry, PageFlow& flow, QPainter& painter) {
    const QFont heading = PrintFont(kHeadingPoints, true);
    QSizeF picture;
    if (!entry.card.isNull())
        picture = FittedSize(entry.card.size(), flow.Mm(kCardWidthMm),
                             QSizeF(flow.Width() / 2, std::min(flow.Mm(120), flow.Height() / 2)));
    const qreal column = picture.isEmpty() ? 0 : picture.width() + flow.Mm(kGapMm);
    const qreal textWidth = flow.Width() - column;
    // The rule above the position, its heading, its card line and its picture go on one page
    // together.
    const qreal rule = flow.Mm(kGapMm);
    flow.Need(rule +
              std::max(picture.height(), flow.TextHeight(entry.heading, heading, textWidth) +
                                             flow.TextHeight(entry.cardLine, heading, textWidth)));
    if (flow.Y() > 0) {  // a page begins without it
        painter.setPen(QPen(Qt::gray, flow.Mm(0.2)));
        painter.drawLine(QPointF(0, flow.Y()), QPointF(flow.Width(), flow.Y()));
        painter.setPen(Qt::black);
        flow.Advance(rule);
    }
    const qreal top = flow.Y();
    if (!picture.isEmpty()) painter.drawImage(QRectF(QPointF(0, top), picture), entry.card);
    const qreal pictureBottom = top + picture.height();
    flow.Text(entry.heading, heading, column, pictureBottom);
    flow.Text(entry.cardLine, heading, column, pictureBottom);
    const int page = flow.Pages();
    if (!entry.explanation.isEmpty()) {
        flow.Advance(flow.Mm(1));
        flow.Text(entry.explanation, PrintFont(kTextPoints, false), column, pictureBottom);
    }
    if (flow.Pages() == page && flow.Y() < pictureBottom) flow.Advance(pictureBottom - flow.Y());
    flow.Advance(flow.Mm(kGapMm));
}

}  // namespace

QPageSize::PageSizeId PaperSizeFor(const QLocale& locale) {
    // The countries whose paper is Letter.
    static const QLocale::Territory letter[] = {
        QLocale::UnitedStates, QLocale::Canada,   QLocale::Mexico,      QLocale::Belize,
        QLocale::Chile,        QLocale::Colombia, QLocale::CostaRica,   QLocale::Guatemala,
        QLocale::Nicaragua,    QLocale::Panama,   QLocale::Philippines, QLocale::PuertoRico,
        QLocale::ElSalvador,   QLocale::Venezuela};
    return std::find(std::begin(letter), std::end(letter), locale.territory()) != std::end(letter)
               ? QPageSize::Letter
               : QPageSize::A4;
}

void SetUpPages(QPagedPaintDevice& device, QPageSize::PageSizeId paper) {
    device.setPageSize(QPageSize(paper));
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
}

int PaintPrintDocument(const PrintDocument& document, QPagedPaintDevice& device,
                       QString* errorString) {
    QPainter painter;
    if (!painter.begin(&device)) {
        if (errorString) *errorString = "The document could not be started on the device.";
        return 0;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PageFlow flow(device, painter);
    flow.Text(document.title, PrintFont(kTitlePoints, true), 0, 0);
    flow.Advance(flow.Mm(kGapMm));
    if (!document.comment.trimmed().isEmpty()) {
        flow.Need(flow.Mm(15));
        flow.Text(document.commentHeading, PrintFont(kHeadingPoints, true), 0, 0);
        flow.Text(document.comment, PrintFont(kTextPoints, false), 0, 0);
        flow.Advance(flow.Mm(kGapMm));
    }
    if (!document.spreadPicture.isNull()) PaintSpreadPicture(document, flow, painter);
    for (const PrintDocument::Entry& entry : document.entries) PaintEntry(entry, flow, painter);
    if (!painter.end() || flow.Failed()) {
        if (errorString) *errorString = "A page of the document could not be written.";
        return 0;
    }
    return flow.Pages();
}
