#pragma once

// The chart of My History: the four girths over time, one line each, and above them each
// entry's measured shape as a mark of its own, with a legend below. Painted with QPainter, as
// the result card is. It takes the focus by Tab so a screen reader reads its description,
// which says in words what the lines show.

#include "history/historyentry.h"

#include <QList>
#include <QWidget>

class HistoryChart : public QWidget {
    Q_OBJECT

public:
    explicit HistoryChart(QWidget *parent = nullptr);

    void showEntries(const QList<History::Entry> &entries, FigureRules::Unit unit);

    // "2 entries from 17 Nov 2026 to 7 Dec 2026. Latest: ...": what the chart shows, in words.
    QString summary() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<History::Entry> m_entries;
    FigureRules::Unit m_unit = FigureRules::Unit::Centimetres;
};

// The mark of each shape on the chart and in its legend; none for an entry without a shape.
void paintShapeMark(class QPainter &painter, QPointF centre, qreal size,
                    std::optional<modShapeTest::ShapeIndex> shape);
