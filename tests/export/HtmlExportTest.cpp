#include <gtest/gtest.h>

#include "export/HtmlExport.h"
#include "support/RowName.h"

namespace {

// Two significators and one ordinary position holding a reversed card; texts with markup.
ReadingSnapshot Reading(const QString& comment) {
    ReadingSnapshot reading;
    reading.spreadName = "Love & <War>";
    reading.comment = comment;
    reading.positions = {{3, false, true, true, "You", "S1", {}},
                         {5, false, true, true, "Them", "S2", {}},
                         {7, true, true, false, "Past <i>", "1", {}}};
    return reading;
}

CardTitleList Titles() {
    CardTitleList titles;
    titles[3] = "Empress";
    titles[5] = "Hierophant";
    titles[7] = "Chariot & Co";
    return titles;
}

QString Explanation(int card, bool reversed) {
    return card == 7 && reversed ? "A <b>\r\nB" : "wrong text";
}

struct PageRow {
    const char* name;
    PrintChoices choices;
    QString comment;
};

class HtmlPageTest : public ::testing::TestWithParam<PageRow> {};

TEST_P(HtmlPageTest, IsBuiltPieceByPieceWithEveryTextEscaped) {
    const PageRow& row = GetParam();
    const auto cell = [&](int i) {
        return row.choices.bigCards
                   ? "<td align=left valign=top width=10%><img src=" + QString::number(i) +
                         ".bmp border=0 hspace=20><br></td>"
                   : QString();
    };
    const QString open = "<hr width=100%></p><p><table width=90% border=0><tr>";
    const QString text = "<td align=left valign=top width=90%>";
    const QString close = "</td></tr></table>";
    const QString expected =
        "<HTML><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
        "<TITLE>Love &amp; &lt;War&gt;</TITLE></head>\r\n"
        "<BODY BGCOLOR=\"#FFFFFF\" text=\"#000000\"><BLOCKQUOTE>\r\n"
        "<font size=4><b>Love &amp; &lt;War&gt;&nbsp;&nbsp;</b></font>\r\n"
        "<PRE>" +
        QString(row.comment.isEmpty() ? "" : "Line &lt;1&gt;\nLine 2") + "</PRE><br>" +
        (row.choices.view ? "<img src=1000.bmp border=0 alt=\"Spread\"><br>" : "") + open +
        cell(0) + text + "<b>You 1</b><br><b>Empress</b><br>" + close + open + cell(1) + text +
        "<b>Them 2</b><br><b>Hierophant</b><br>" + close + open + cell(2) + text +
        "<b>1. Past &lt;i&gt;</b><br><b>Chariot &amp; Co (reversed) </b><br>" +
        (row.choices.expl ? "A &lt;b&gt;<br> B" : "") + close + "</p></BLOCKQUOTE></BODY></HTML>";
    EXPECT_EQ(BuildHtmlPage(Reading(row.comment), Titles(), row.choices, Explanation), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, HtmlPageTest,
    ::testing::Values(PageRow{"AllOff", {false, false, false}, ""},
                      PageRow{"ViewOnly", {true, false, false}, "Line <1>\nLine 2"},
                      PageRow{"BigCardsOnly", {false, true, false}, ""},
                      PageRow{"ExplOnly", {false, false, true}, "Line <1>\nLine 2"},
                      PageRow{"ViewAndBigCards", {true, true, false}, ""},
                      PageRow{"ViewAndExpl", {true, false, true}, ""},
                      PageRow{"BigCardsAndExpl", {false, true, true}, "Line <1>\nLine 2"},
                      PageRow{"AllOn", {true, true, true}, "Line <1>\nLine 2"}),
    RowName());

TEST(PositionHeadingTest, OneSignificatorStandsAlone) {
    ReadingSnapshot reading;
    reading.positions = {{0, false, true, true, "You", "S", {}},
                         {1, false, true, false, "Past", "1", {}},
                         {2, false, true, false, "Now", "2", {}}};
    EXPECT_EQ(PositionHeading(reading, 0, " "), "You");
    EXPECT_EQ(PositionHeading(reading, 2, " "), "2. Now");
    reading.positions[1].significator = true;
    EXPECT_EQ(PositionHeading(reading, 1, ""), "Past2");
    EXPECT_EQ(PositionHeading(reading, 2, ""), "1. Now");
}

}  // namespace
