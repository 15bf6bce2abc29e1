#include "widgets/optionbuttons.h"

#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleOption>

namespace {
// Light grey stands out from dark backgrounds (4:1 on #404040) and still shows on white.
constexpr QRgb Ring = 0xA0A0A0;
constexpr QRgb Face = 0xFFFFFF;
// A pressed or switched-off circle, as in a classic dialog.
constexpr QRgb GreyFace = 0xD4D0C8;
constexpr QRgb Dot = 0x000000;
constexpr QRgb GreyDot = 0x808080;

class ClassicOptionButtonStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect) {
            drawFocusMark(option, painter);
            return;
        }
        if (element != PE_IndicatorRadioButton) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const bool enabled = option->state & State_Enabled;
        const bool pressed = option->state & State_Sunken;
        const qreal size = qMin(option->rect.width(), option->rect.height()) - 1.0;
        QRectF circle(0, 0, size, size);
        circle.moveCenter(QRectF(option->rect).center());

        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(QColor(Ring), 1.0));
        painter->setBrush(QColor(enabled && !pressed ? Face : GreyFace));
        painter->drawEllipse(circle);
        if (option->state & State_On) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(QColor(enabled ? Dot : GreyDot));
            painter->drawEllipse(circle.center(), size * 0.2, size * 0.2);
        }
        painter->restore();
    }

private:
    // A dotted line around the caption in the caption's own colour: the desktop's faint tinted
    // box is all but lost on a dark window.
    static void drawFocusMark(const QStyleOption *option, QPainter *painter)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1.0, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};
} // namespace

void useClassicOptionButtons(QWidget &window)
{
    // Made after the buttons, so it outlives them when the window is discarded.
    auto *style = new ClassicOptionButtonStyle;
    style->setParent(&window);
    for (QRadioButton *button : window.findChildren<QRadioButton *>())
        button->setStyle(style);
}
