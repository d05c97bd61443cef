// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "window_style.h"

#include "font_rendering.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include <optional>

namespace
{

// Every colour the style draws with. The panel's colours are the form's
// palette.
namespace Colour
{
const QColor ButtonFace(0, 192, 0);
const QColor ButtonText(Qt::black);
const QColor ButtonLit(160, 255, 160); // the raised edge's top and left
const QColor ButtonShaded(0, 64, 0);
const QColor ButtonFocused(Qt::white); // the whole edge of the focused button
const QColor Groove(72, 152, 72);
} // namespace Colour

// The framed group: a groove two pixels wide whose top runs through the
// middle of the title, which is set in from the left and kept clear of it.
constexpr int GrooveWidth = 2;
constexpr int FrameTop = 6;
constexpr int TitleLeft = 6;
constexpr int TitlePadding = 2;

// One ring of an edge: its top and left sides in one colour, its bottom
// and right in another.
struct Ring {
    QRect rect;
    QColor topLeft, bottomRight;
};

// Edges of one or more rings, drawn as Qt draws the borders of its style
// sheets, so that each side covers the same share of a device pixel at any
// scale: rectangles without a pen, antialiased, side by side from the
// bottom, right, left to the top, each over the corners of the ones before.
void drawRings(QPainter *painter, std::initializer_list<Ring> rings)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    for (int side = 0; side < 4; ++side) {
        for (const Ring &ring : rings) {
            const qreal x = ring.rect.x(), y = ring.rect.y(), w = ring.rect.width(), h = ring.rect.height();
            const QRectF sides[] = {{x, y + h - 1, w, 1}, {x + w - 1, y, 1, h}, {x, y, 1, h}, {x, y, w, 1}};
            painter->setBrush(side < 2 ? ring.bottomRight : ring.topLeft);
            painter->drawRect(sides[side]);
        }
    }
    painter->restore();
}

void drawEdge(QPainter *painter, const QRect &rect, const QColor &topLeft, const QColor &bottomRight)
{
    drawRings(painter, {{rect, topLeft, bottomRight}});
}

// An etched line: a sunk edge with a raised one just inside it.
void drawGroove(QPainter *painter, const QRect &rect, const QColor &colour)
{
    const QColor lit = colour.lighter();
    drawRings(painter, {{rect, colour, lit}, {rect.adjusted(1, 1, -1, -1), lit, colour}});
}

// Fusion, with push buttons as coloured faces in a raised edge and the
// group framed by a groove.
class WindowStyle : public QProxyStyle
{
  public:
    WindowStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (element != CE_PushButton || !button)
            return QProxyStyle::drawControl(element, option, painter, widget);
        const bool focused = button->state & State_HasFocus;
        const bool pressed = button->state & State_Sunken;
        painter->fillRect(button->rect, QBrush(Colour::ButtonFace));
        drawEdge(painter, button->rect,
                 focused   ? Colour::ButtonFocused
                 : pressed ? Colour::ButtonShaded
                           : Colour::ButtonLit,
                 focused   ? Colour::ButtonFocused
                 : pressed ? Colour::ButtonLit
                           : Colour::ButtonShaded);
        QStyleOptionButton label(*button);
        label.rect = subElementRect(SE_PushButtonContents, button, widget);
        label.palette.setColor(QPalette::ButtonText, Colour::ButtonText);
        QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);
        if (focused) {
            // Fusion's mark of keyboard focus, in the desktop's highlight:
            // the panel's white one would make it grey.
            QStyleOptionFocusRect mark;
            mark.QStyleOption::operator=(*button);
            mark.rect = subElementRect(SE_PushButtonFocusRect, button, widget);
            mark.palette.setBrush(QPalette::Highlight, QApplication::palette(widget).highlight());
            QProxyStyle::drawPrimitive(PE_FrameFocusRect, &mark, painter, widget);
        }
    }

    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        if (element != SE_PushButtonContents && element != SE_PushButtonFocusRect)
            return QProxyStyle::subElementRect(element, option, widget);
        // Inside the edge; pressed, the label moves right and down.
        QRect inside = option->rect.adjusted(1, 1, -1, -1);
        if (option->state & State_Sunken)
            inside.adjust(1, 1, 0, 0);
        return visualRect(option->direction, option->rect, inside);
    }

    // A button is as big as its label and its edge: no margins.
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        if (type == CT_PushButton)
            return size + QSize(2, 2);
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *group = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !group)
            return QProxyStyle::drawComplexControl(control, option, painter, widget);
        const QRect frame = subControlRect(CC_GroupBox, group, SC_GroupBoxFrame, widget);
        if (group->text.isEmpty()) {
            drawGroove(painter, frame, Colour::Groove);
            return;
        }
        const QRect title = subControlRect(CC_GroupBox, group, SC_GroupBoxLabel, widget);
        painter->save();
        painter->setClipRegion(QRegion(group->rect) - title.adjusted(-TitlePadding, 0, TitlePadding, 0));
        drawGroove(painter, frame, Colour::Groove);
        painter->restore();
        // Uncut where hinting at the screen's scale draws it a row taller
        // than its measured height: the frame's inside lies below it.
        int alignment = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip;
        if (!proxy()->styleHint(SH_UnderlineShortcut, group, widget))
            alignment |= Qt::TextHideMnemonic;
        proxy()->drawItemText(painter, title, alignment, group->palette, group->state & State_Enabled,
                              group->text, QPalette::WindowText);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        const auto *group = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !group)
            return QProxyStyle::subControlRect(control, option, part, widget);
        switch (part) {
        case SC_GroupBoxFrame:
            return group->rect.adjusted(0, FrameTop, 0, 0);
        case SC_GroupBoxContents:
            return group->rect.adjusted(GrooveWidth, FrameTop + GrooveWidth, -GrooveWidth, -GrooveWidth);
        case SC_GroupBoxLabel: {
            // The title and a space after it, measured as Qt's own styles do.
            const QFontMetrics &metrics = group->fontMetrics;
            return QRect(group->rect.x() + TitleLeft + TitlePadding, group->rect.y(),
                         metrics.size(Qt::TextShowMnemonic, group->text + u' ').width(), metrics.height());
        }
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
    }
};

// Chinese and Japanese are drawn from a face with bitmaps of 12 to 16
// pixels, Korean from one whose outlines were traced from bitmaps of 12, at
// 12 pixels, the smallest size their strokes stay apart, and regular: bold
// would be faked and fill them in. Qt draws a face's bitmaps only where it
// does not antialias it, so at the sizes drawn for the face antialiasing is
// off, and the strokes are the text's colour on the background; at other
// scales the outlines are drawn, antialiased.
struct EastAsianFace {
    QString family;
    QList<int> drawnSizes;
};

std::optional<EastAsianFace> eastAsianFace()
{
    switch (QLocale().script()) {
    case QLocale::SimplifiedHanScript:
    case QLocale::TraditionalHanScript:
    case QLocale::JapaneseScript:
        return EastAsianFace{QStringLiteral("WenQuanYi Zen Hei Sharp"), {12, 13, 14, 15, 16}};
    case QLocale::KoreanScript:
        return EastAsianFace{QStringLiteral("Baekmuk Gulim"), {12}};
    default:
        return std::nullopt;
    }
}

constexpr int EastAsianPixelSize = 12;
const QString Latin = QStringLiteral("DejaVu Sans Condensed");

qreal fontScale = 1;

QFont textFont()
{
    if (const std::optional<EastAsianFace> face = eastAsianFace()) {
        QFont font;
        // What the face lacks comes from the Latin one.
        font.setFamilies({face->family, Latin});
        font.setPixelSize(EastAsianPixelSize);
        font = renderedAlike(font);
        const qreal devicePixels = EastAsianPixelSize * fontScale;
        if (face->drawnSizes.contains(qRound(devicePixels)) &&
            qFuzzyCompare(devicePixels, qRound(devicePixels)))
            font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
        return font;
    }
    QFont font(Latin);
    font.setPointSizeF(7.5);
    return renderedAlike(font);
}

QFont latinCaptionFont()
{
    QFont font(Latin);
    font.setPointSizeF(8.25);
    font.setBold(true);
    // Stated, so that a control given this font does not take the
    // buttons' East Asian face's, unantialiased at its bitmaps' sizes.
    font.setStyleStrategy(QFont::PreferDefault);
    return renderedAlike(font);
}

} // namespace

QFont captionFont() { return eastAsianFace() ? textFont() : latinCaptionFont(); }

QFont symbolFont() { return latinCaptionFont(); }

void useWindowStyle()
{
    static const bool set = [] {
        QApplication::setStyle(new WindowStyle);
        // Fusion's colours beneath the form's, not the desktop theme's.
        QApplication::setPalette(QApplication::style()->standardPalette());
        return true;
    }();
    Q_UNUSED(set);
    // After the style, whose change resets the fonts of classes.
    useWindowFonts(qApp->devicePixelRatio());
}

void useWindowFonts(qreal scale)
{
    fontScale = scale;
    QApplication::setFont(textFont());
    QApplication::setFont(captionFont(), "QPushButton");
}
