#include "widgets/mirroredforms.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace {
const char *const Mirrored = "zvMirrored";

// Qt's own parts of a control (named qt_..., or nameless) place themselves.
bool isFormControl(const QWidget &widget)
{
    const QWidget *parent = widget.parentWidget();
    return !widget.isWindow() && parent && !parent->layout() && !widget.objectName().isEmpty() &&
           !widget.objectName().startsWith(QLatin1StringView("qt_")) &&
           !parent->objectName().startsWith(QLatin1StringView("qt_"));
}

// Right to left, Qt sets a wrapped line that ends in a blank over by that blank, past the
// label's left side when the line fills it: the blank's room is kept free there.
void keepRoomForTrailingBlank(QWidget &control)
{
    auto *label = qobject_cast<QLabel *>(&control);
    if (!label || !label->wordWrap())
        return;
    const QMargins margins = label->contentsMargins();
    label->setContentsMargins(margins.left() + label->fontMetrics().horizontalAdvance(u' '),
                              margins.top(), margins.right(), margins.bottom());
}

void mirror(QWidget &control)
{
    if (control.property(Mirrored).toBool() || !isFormControl(control))
        return;
    control.setProperty(Mirrored, true);
    const QRect place = control.geometry();
    control.move(control.parentWidget()->width() - place.x() - place.width(), place.y());
    keepRoomForTrailingBlank(control);
}

class FormMirror : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() != QEvent::Polish || !object->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(object);
        if (!widget->isRightToLeft())
            return false;
        if (widget->isWindow()) {
            // A main window's layout gives its central widget the width its controls stand in.
            if (QLayout *layout = widget->layout())
                layout->activate();
            for (QWidget *control : widget->findChildren<QWidget *>())
                mirror(*control);
        } else if (widget->window()->property(Mirrored).toBool()) {
            // Added to a window already mirrored.
            mirror(*widget);
        }
        if (widget->isWindow())
            widget->setProperty(Mirrored, true);
        return false;
    }
};
} // namespace

void mirrorFormsRightToLeft()
{
    qApp->installEventFilter(new FormMirror(qApp));
}

bool isMirroredControl(const QWidget &control)
{
    return control.property(Mirrored).toBool();
}

void resizeFromLeadingEdge(QWidget &control, QSize size)
{
    const int right = control.x() + control.width();
    control.resize(size);
    if (isMirroredControl(control))
        control.move(right - control.width(), control.y());
}

void adjustSizeFromLeadingEdge(QWidget &control)
{
    const int right = control.x() + control.width();
    control.adjustSize();
    if (isMirroredControl(control))
        control.move(right - control.width(), control.y());
}
