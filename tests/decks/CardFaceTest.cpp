#include <QImage>

#include <gtest/gtest.h>

#include "tools/deckgen/CardFace.h"

namespace {

// The region of a 330 x 561 face between the numeral plate and the title banner.
const QRect kPictureArea(30, 86, 270, 561 - 86 - 122);

bool Near(QRgb pixel, const QColor& colour, int tolerance) {
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// The shaded background of a face's panel on row y.
QColor Background(const CardPalette& palette, int y) {
    const double t = (y - 9) / (561.0 - 18);
    const auto mix = [t](int a, int b) { return int(a + (b - a) * t); };
    return QColor(mix(palette.panelTop.red(), palette.panelBottom.red()),
                  mix(palette.panelTop.green(), palette.panelBottom.green()),
                  mix(palette.panelTop.blue(), palette.panelBottom.blue()));
}

// Counts the separate blobs inside the rectangle that stand out clearly from the panel's
// background, looking at cells of 3 x 3 pixels so thin inner lines do not split a shape.
int CountBlobs(const QImage& image, const QRect& rect, const CardPalette& palette, int minCells) {
    constexpr int kCell = 3;
    const int columns = rect.width() / kCell, rows = rect.height() / kCell;
    std::vector<char> drawn(size_t(columns * rows), 0);
    for (int y = 0; y < rows * kCell; ++y)
        for (int x = 0; x < columns * kCell; ++x) {
            const QPoint p = rect.topLeft() + QPoint(x, y);
            if (!Near(image.pixel(p), Background(palette, p.y()), 50))
                drawn[size_t(y / kCell * columns + x / kCell)] = 1;
        }
    int blobs = 0;
    for (int start = 0; start < columns * rows; ++start) {
        if (drawn[size_t(start)] != 1) continue;
        int cells = 0;
        std::vector<int> stack{start};
        drawn[size_t(start)] = 2;
        while (!stack.empty()) {
            const int cell = stack.back();
            stack.pop_back();
            ++cells;
            const int cx = cell % columns, cy = cell / columns;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const int nx = cx + step.x(), ny = cy + step.y();
                if (nx < 0 || ny < 0 || nx >= columns || ny >= rows) continue;
                char& next = drawn[size_t(ny * columns + nx)];
                if (next != 1) continue;
                next = 2;
                stack.push_back(ny * columns + nx);
            }
        }
        if (cells >= minCells) ++blobs;
    }
    return blobs;
}

TEST(CardFaceTest, NumberCardsShowAsManyPipsAsTheirNumber) {
    // Coins and cups stand apart from each other, so each pip is one blob on the background.
    for (const DeckStyle* style : {&ArdentineStyle(), &VelmarStyle()}) {
        for (const int suitStart : {36, 64}) {
            for (int rank = 1; rank < 10; ++rank) {  // Two to Ten
                const QImage face = PaintCardFace(*style, suitStart + rank, "Title");
                EXPECT_EQ(CountBlobs(face, kPictureArea, style->paletteOf(suitStart), 8), rank + 1)
                    << style->name.toStdString() << " card " << suitStart + rank;
            }
        }
    }
}

TEST(CardFaceTest, EachCardTakesTheColoursOfItsGroup) {
    const DeckStyle& style = ArdentineStyle();
    const struct {
        int card;
        const CardPalette* palette;
    } bounds[] = {{0, &style.major},     {21, &style.major},    {22, &style.suits[0]},
                  {35, &style.suits[0]}, {36, &style.suits[1]}, {49, &style.suits[1]},
                  {50, &style.suits[2]}, {63, &style.suits[2]}, {64, &style.suits[3]},
                  {77, &style.suits[3]}, {78, &style.extra}};
    for (const auto& b : bounds) {
        EXPECT_EQ(&style.paletteOf(b.card), b.palette) << "card " << b.card;
        const QImage face = PaintCardFace(style, b.card, "Title");
        EXPECT_TRUE(Near(face.pixel(3, 3), b.palette->border, 2)) << "card " << b.card;
    }
    // The groups are told apart by their colours.
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) EXPECT_NE(style.suits[a].border, style.suits[b].border);
}

TEST(CardFaceTest, DrawsAtAnySizeAndWithAnyTitle) {
    const QImage large = PaintCardFace(VelmarStyle(), 40, "Letting Go", QSize(800, 1400));
    EXPECT_EQ(large.size(), QSize(800, 1400));
    // The frame scales with the picture: its border colour still fills the corner.
    EXPECT_TRUE(Near(large.pixel(8, 8), VelmarStyle().paletteOf(40).border, 2));
    // An empty title, one very long word and a title of many words all draw.
    for (const QString& title :
         {QString(), QString(200, QChar('W')), QString("word ").repeated(60), QString("XXI. ")})
        EXPECT_EQ(PaintCardFace(ArdentineStyle(), 21, title).size(), kFaceSize);
}

}  // namespace
