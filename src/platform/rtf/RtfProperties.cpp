#include "RtfProperties.h"

#include <QFont>
#include <QList>
#include <QTextOption>
#include <algorithm>

namespace trelvan::rtf {
namespace {

QColor colourAt(const std::vector<QColor>& colours, int index) {
    if (index <= 0 || std::size_t(index) >= colours.size())
        return {};
    return colours[std::size_t(index)];
}

QTextOption::TabType tabType(std::uint8_t kind) {
    switch (kind) {
    case 1:
        return QTextOption::RightTab;
    case 2:
        return QTextOption::CenterTab;
    case 3:
        return QTextOption::DelimiterTab;
    default:
        return QTextOption::LeftTab;
    }
}

} // namespace

int clampTwips(int twips) {
    return std::clamp(twips, -31680, 31680);
}

QTextBlockFormat blockFormat(const ParaProps& props) {
    QTextBlockFormat format;
    switch (props.alignment) {
    case 1:
        format.setAlignment(Qt::AlignRight);
        break;
    case 2:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case 3:
        format.setAlignment(Qt::AlignJustify);
        break;
    default:
        format.setAlignment(Qt::AlignLeft);
        break;
    }
    if (props.leftIndent != 0)
        format.setLeftMargin(twipsToPixels(props.leftIndent));
    if (props.rightIndent != 0)
        format.setRightMargin(twipsToPixels(props.rightIndent));
    if (props.firstIndent != 0)
        format.setTextIndent(twipsToPixels(props.firstIndent));
    if (props.spaceBefore != 0)
        format.setTopMargin(twipsToPixels(props.spaceBefore));
    if (props.spaceAfter != 0)
        format.setBottomMargin(twipsToPixels(props.spaceAfter));
    if (props.lineSpacing != 0) {
        if (props.lineMultiple && props.lineSpacing > 0)
            format.setLineHeight(props.lineSpacing * 100.0 / 240.0,
                                 QTextBlockFormat::ProportionalHeight);
        else if (props.lineSpacing > 0)
            format.setLineHeight(twipsToPixels(props.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(twipsToPixels(-double(props.lineSpacing)),
                                 QTextBlockFormat::FixedHeight);
    }
    if (props.tabCount > 0) {
        QList<QTextOption::Tab> tabs;
        tabs.reserve(props.tabCount);
        for (int i = 0; i < props.tabCount; ++i) {
            const TabStop& stop = props.tabs[std::size_t(i)];
            QTextOption::Tab tab(twipsToPixels(stop.twips), tabType(stop.kind));
            if (stop.kind == 3)
                tab.delimiter = QLatin1Char(',');
            tabs.append(tab);
        }
        format.setTabPositions(tabs);
    }
    return format;
}

QTextCharFormat charFormat(const CharProps& props, const FontEntry* font,
                           const std::vector<QColor>& colours) {
    QTextCharFormat format;
    if (font != nullptr && !font->family.isEmpty()) {
        format.setFontFamilies(QStringList{font->family});
        format.setFontStyleHint(QFont::StyleHint(font->styleHint));
    }
    format.setFontPointSize(props.halfPoints / 2.0);
    format.setFontWeight(props.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(props.italic);
    format.setFontUnderline(props.underline);
    format.setFontStrikeOut(props.strike);
    if (props.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (props.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    const QColor foreground = colourAt(colours, props.foreground);
    if (foreground.isValid())
        format.setForeground(foreground);
    const QColor background = colourAt(colours, props.background);
    if (background.isValid())
        format.setBackground(background);
    return format;
}

} // namespace trelvan::rtf
