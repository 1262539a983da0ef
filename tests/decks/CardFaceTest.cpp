#include <QImage>

#include <gtest/gtest.h>

#include "tools/deckgen/CardFace.h"

namespace {

// Regions of a 330 x 561 face: the plate at the top, the picture, and the banner below it.
const QRect kPlate(113, 26, 104, 46);
const QRect kPictureArea(30, 86, 270, 561 - 86 - 122);
const QRect kBanner(22, 561 - 110, 286, 80);

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
                const QImage face = PaintCardFace(*style, suitStart + rank);
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
        const QImage face = PaintCardFace(style, b.card);
        EXPECT_TRUE(Near(face.pixel(3, 3), b.palette->border, 2)) << "card " << b.card;
    }
    // The groups are told apart by their colours.
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) EXPECT_NE(style.suits[a].border, style.suits[b].border);
}

TEST(CardFaceTest, DrawsEveryKindOfCardAtAnySize) {
    const struct {
        int card;
        QSize size;
    } rows[] = {{0, {800, 1400}}, {40, {800, 1400}}, {46, {86, 146}}, {77, {200, 290}},
                {78, {200, 290}}, {21, {20, 34}},    {33, {20, 34}},  {60, {1, 2}}};
    for (const auto& row : rows) {
        const QImage face = PaintCardFace(VelmarStyle(), row.card, row.size);
        EXPECT_EQ(face.size(), row.size) << "card " << row.card;
        // The frame scales with the picture: its border colour still fills the corner.
        if (row.size.width() >= 86) {
            EXPECT_TRUE(Near(face.pixel(0, 0), VelmarStyle().paletteOf(row.card).border, 2))
                << "card " << row.card;
        }
    }
}

// Pixels that differ clearly between the same region of two faces.
int DifferingPixels(const QImage& a, const QImage& b, const QRect& region) {
    int differing = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
            if (std::abs(qRed(pa) - qRed(pb)) + std::abs(qGreen(pa) - qGreen(pb)) +
                    std::abs(qBlue(pa) - qBlue(pb)) >
                60)
                ++differing;
        }
    return differing;
}

TEST(CardFaceTest, TheBannerIsTheSameOnEveryCardOfAGroup) {
    // No words on the faces: the banner of a card tells only its group, never the card.
    const struct { int first, last; } groups[] = {{0, 21}, {22, 35}, {36, 49}, {50, 63}, {64, 77}};
    for (const DeckStyle* style : {&ArdentineStyle(), &VelmarStyle()}) {
        for (const auto& group : groups) {
            const QImage first = PaintCardFace(*style, group.first).copy(kBanner);
            for (int card = group.first + 1; card <= group.last; ++card)
                EXPECT_EQ(PaintCardFace(*style, card).copy(kBanner), first)
                    << style->name.toStdString() << " card " << card;
        }
    }
}

TEST(CardFaceTest, CourtRanksDifferInThePlateAndInTheFigure) {
    // Page, Knight, Queen and King of every suit are told apart without words: by the sign in
    // the plate and by the figure itself.
    for (const DeckStyle* style : {&ArdentineStyle(), &VelmarStyle()}) {
        for (const int firstCourt : {32, 46, 60, 74}) {
            QList<QImage> faces;
            for (int rank = 0; rank < 4; ++rank)
                faces.append(PaintCardFace(*style, firstCourt + rank));
            for (int a = 0; a < 4; ++a)
                for (int b = a + 1; b < 4; ++b) {
                    const std::string cards = style->name.toStdString() + " cards " +
                                              std::to_string(firstCourt + a) + " and " +
                                              std::to_string(firstCourt + b);
                    EXPECT_GT(DifferingPixels(faces[a], faces[b], kPlate), 150) << cards;
                    EXPECT_GT(DifferingPixels(faces[a], faces[b], kPictureArea), 1500) << cards;
                }
        }
    }
}

}  // namespace
