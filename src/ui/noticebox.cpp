// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/noticebox.h"

#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "ui/dialogplacement.h"

namespace {

const QChar Ellipsis(0x2026);

// A message box's text is at most half the screen and 500 pixels wide; each
// paragraph fills at most this many lines.
constexpr int WidestLine = 500;
constexpr int LinesPerParagraph = 3;

} // namespace

TNoticeBox::TNoticeBox(Icon Kind, const QString& Title, const QString& Text, QWidget* Parent)
    : QMessageBox(Kind, Title, QString(), Ok, Parent)
{
    const QScreen* Screen = Parent ? Parent->screen() : screen();
    const QRect Area = Screen->availableGeometry();
    const QFontMetrics Metrics(font());
    // Room for the lines of text, less the buttons, margins and title bar.
    const int MaxLines = std::max(3, (Area.height() - 200) / std::max(1, Metrics.lineSpacing()));
    setTextFormat(Qt::PlainText);
    setText(Shortened(Text, Metrics, Area.width(), MaxLines));
}

QString TNoticeBox::Shortened(const QString& Text, const QFontMetrics& Metrics, int AvailableWidth, int MaxLines)
{
    const int LineWidth = std::clamp(AvailableWidth / 2, 100, WidestLine);
    QStringList Lines;
    int Used = 0;
    const QStringList Paragraphs = Text.split(u'\n');
    for (qsizetype i = 0; i < Paragraphs.size(); ++i) {
        if (Used >= MaxLines) {
            Lines.last() += Ellipsis;
            break;
        }
        // A word too long for a line is cut to one line; the whole paragraph
        // to the lines it may fill.
        QStringList Words = Paragraphs[i].split(u' ');
        for (QString& Word : Words)
            if (Metrics.horizontalAdvance(Word) > LineWidth)
                Word = Metrics.elidedText(Word, Qt::ElideRight, LineWidth * 9 / 10);
        const int Lines0 = std::min(LinesPerParagraph, MaxLines - Used);
        const QString Paragraph =
            Metrics.elidedText(Words.join(u' '), Qt::ElideRight, LineWidth * Lines0 * 8 / 10);
        Used += std::clamp(Metrics.horizontalAdvance(Paragraph) / LineWidth + 1, 1, Lines0);
        Lines << Paragraph;
    }
    return Lines.join(u'\n');
}

void TNoticeBox::showEvent(QShowEvent* Event)
{
    QMessageBox::showEvent(Event);
    // The label wraps at the width the box allows for it.
    if (auto* Label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        Label->setWordWrap(true);
    PlaceClearOf(this, Kept);
}
