#include "widgets/linkbutton.h"

#include <QAccessibleWidget>

using namespace Qt::StringLiterals;

namespace {
// The text as read: "&&" is one "&", a lone "&" marks the access key.
QString withoutAccessKey(QString text)
{
    for (qsizetype at = text.indexOf(u'&'); at >= 0; at = text.indexOf(u'&', at + 1))
        text.remove(at, 1);
    return text;
}

class LinkButtonInterface : public QAccessibleWidget {
public:
    explicit LinkButtonInterface(QAbstractButton *button)
        : QAccessibleWidget(button, QAccessible::Link)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return withoutAccessKey(button().text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction())
            QAccessibleWidget::doAction(actionName);
        else if (button().isEnabled())
            button().click();
    }

private:
    QAbstractButton &button() const { return *static_cast<QAbstractButton *>(object()); }
};

QAccessibleInterface *linkButtonInterface(const QString &className, QObject *object)
{
    return className == u"LinkButton"_s
               ? new LinkButtonInterface(static_cast<QAbstractButton *>(object))
               : nullptr;
}
} // namespace

// Given its parent only once it is a LinkButton: that is when a screen reader first asks about
// it, and the answer is kept for the button's life.
LinkButton::LinkButton(QWidget *parent)
{
    static const bool installed = (QAccessible::installFactory(&linkButtonInterface), true);
    Q_UNUSED(installed);
    setParent(parent);
}
