#include "export/HtmlExport.h"

#include <algorithm>

namespace {

int SignificatorCount(const ReadingSnapshot& reading) {
    return static_cast<int>(
        std::count_if(reading.positions.begin(), reading.positions.end(),
                      [](const ReadingSnapshot::Position& p) { return p.significator; }));
}

}  // namespace

QString CardTitle(const CardTitleList& titles, int card) {
    return card >= 0 && card < static_cast<int>(titles.size()) ? titles[card] : QString();
}

QString HtmlEscaped(const QString& text) {
    QString escaped = text;
    escaped.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
    return escaped;
}

QString PositionHeading(const ReadingSnapshot& reading, int i, const QString& separator) {
    const ReadingSnapshot::Position& position = reading.positions[i];
    const int significators = SignificatorCount(reading);
    if (position.significator)
        return significators == 1 ? position.text
                                  : position.text + separator + QString::number(i + 1);
    return QString::number(i + 1 - significators) + ". " + position.text;
}

QString BuildHtmlPage(const ReadingSnapshot& reading, const CardTitleList& titles,
                      const PrintChoices& choices, const CardTextSource& explanation) {
    const QString crlf = "\r\n";
    const QString name = HtmlEscaped(reading.spreadName);
    QString page =
        "<HTML><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=utf-8\"><TITLE>" +
        name + "</TITLE></head>" + crlf;
    page += "<BODY BGCOLOR=\"#FFFFFF\" text=\"#000000\"><BLOCKQUOTE>" + crlf;
    page += "<font size=4><b>" + name + "&nbsp;&nbsp;</b></font>" + crlf;
    page += "<PRE>" + HtmlEscaped(reading.comment) + "</PRE><br>";
    if (choices.view) page += "<img src=1000.bmp border=0 alt=\"Spread\"><br>";
    for (int i = 0; i < reading.positions.size(); ++i) {
        const ReadingSnapshot::Position& position = reading.positions[i];
        page += "<hr width=100%></p><p><table width=90% border=0><tr>";
        if (choices.bigCards)
            page += "<td align=left valign=top width=10%><img src=" + QString::number(i) +
                    ".bmp border=0 hspace=20><br></td>";
        page += "<td align=left valign=top width=90%>";
        page += "<b>" + HtmlEscaped(PositionHeading(reading, i, " ")) + "</b><br>";
        page += "<b>" + HtmlEscaped(CardTitle(titles, position.card));
        if (position.reversed) page += " (reversed) ";
        page += "</b><br>";
        if (choices.expl && !position.significator) {
            QString text = HtmlEscaped(explanation(position.card, position.reversed));
            page += text.replace('\r', "<br>").replace('\n', ' ');
        }
        page += "</td></tr></table>";
    }
    page += "</p></BLOCKQUOTE></BODY></HTML>";
    return page;
}
