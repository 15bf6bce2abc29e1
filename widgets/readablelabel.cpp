#include "widgets/readablelabel.h"

#include <QAccessibleWidget>

using namespace Qt::StringLiterals;

namespace {
class ReadableLabelInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadableLabelInterface(QLabel *label)
        : QAccessibleWidget(label, QAccessible::EditableText)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = label().wordWrap();
        return state;
    }

    // Both: the widget's name and description, and the text as a text interface gives it.
    using QAccessibleWidget::text;
    QString text(int startOffset, int endOffset) const override
    {
        return label().text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(label().text().size()); }
    int cursorPosition() const override { return m_cursor; }
    void setCursorPosition(int position) override { m_cursor = position; }

    // Nothing is selected, and the reader asks for no places on screen.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        Q_UNUSED(offset);
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const QLabel &label() const { return *static_cast<const QLabel *>(object()); }

    int m_cursor = 0;
};

QAccessibleInterface *readableLabelInterface(const QString &className, QObject *object)
{
    return className == u"ReadableLabel"_s
               ? new ReadableLabelInterface(static_cast<QLabel *>(object))
               : nullptr;
}
} // namespace

// Given its parent only once it is a ReadableLabel: that is when a screen reader first asks
// about it, and the answer is kept for the label's life.
ReadableLabel::ReadableLabel(QWidget *parent)
{
    static const bool installed = (QAccessible::installFactory(&readableLabelInterface), true);
    Q_UNUSED(installed);
    setParent(parent);
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
}

ReadableLabel::~ReadableLabel()
{
    QAccessible::removeActivationObserver(this);
}

void ReadableLabel::accessibilityActiveChanged(bool active)
{
    setFocusPolicy(active ? Qt::TabFocus : Qt::NoFocus);
}
