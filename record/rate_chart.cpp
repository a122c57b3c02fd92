#include "record/rate_chart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace record {

namespace {

constexpr qint64 kDayMs = 24 * 60 * 60 * 1000;

// Hand-ins of one day are told apart by their time; longer spans by the day alone. A single
// hand-in still gets an axis some hours wide.
void fitTimeAxis(QDateTimeAxis& axis, qint64 firstMs, qint64 lastMs) {
    const qint64 span = lastMs - firstMs;
    axis.setFormat(span < 2 * kDayMs ? QStringLiteral("MM-dd hh:mm") : QStringLiteral("MM-dd"));
    const qint64 margin = std::max(span / 20, span < kDayMs ? qint64(kDayMs / 8) : kDayMs / 2);
    axis.setRange(QDateTime::fromMSecsSinceEpoch(firstMs - margin),
                  QDateTime::fromMSecsSinceEpoch(lastMs + margin));
}

// Hues a golden angle apart stay distinct for any number of types.
QColor typeColour(qsizetype index) {
    QColor colour = QColor::fromHsv(int((index * 137 + 200) % 360), 200, 215);
    colour.setAlphaF(0.65);
    return colour;
}

// A click on a legend entry hides its series or shows it again; the entry stays, faded.
void letLegendToggleSeries(QChart& chart) {
    chart.legend()->setToolTip(QStringLiteral("点击图例可以隐藏或显示这一条线"));
    for (QLegendMarker* marker : chart.legend()->markers()) {
        QObject::connect(marker, &QLegendMarker::clicked, marker, [marker] {
            QAbstractSeries* series = marker->series();
            series->setVisible(!series->isVisible());
            marker->setVisible(true);
            const qreal alpha = series->isVisible() ? 1.0 : 0.35;
            QColor label = marker->labelBrush().color();
            label.setAlphaF(alpha);
            marker->setLabelBrush(label);
            QColor face = marker->brush().color();
            face.setAlphaF(alpha);
            marker->setBrush(face);
        });
    }
}

}  // namespace

void showRates(QChart& chart, const QString& title, const QList<RateSeries>& series) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    chart.setTitle(series.isEmpty() ? title + QStringLiteral("：暂无记录") : title);

    auto* time = new QDateTimeAxis;
    time->setTickCount(6);
    auto* rate = new QValueAxis;
    rate->setRange(0, 100);
    rate->setTickCount(6);
    rate->setLabelFormat(QStringLiteral("%d%%"));
    chart.addAxis(time, Qt::AlignBottom);
    chart.addAxis(rate, Qt::AlignLeft);

    qint64 firstMs = std::numeric_limits<qint64>::max();
    qint64 lastMs = std::numeric_limits<qint64>::min();
    for (qsizetype i = 0; i < series.size(); ++i) {
        const RateSeries& one = series[i];
        const bool allTypes = one.type == kAllTypes;
        auto* line = new QLineSeries;
        line->setName(shortTypeName(one.type));
        line->setPointsVisible(true);
        line->setMarkerSize(allTypes ? 7 : 5);
        for (const RatePoint& point : one.points) {
            const qint64 at = point.at.toMSecsSinceEpoch();
            firstMs = std::min(firstMs, at);
            lastMs = std::max(lastMs, at);
            line->append(double(at), point.percent);
        }
        chart.addSeries(line);
        line->attachAxis(time);
        line->attachAxis(rate);
        // The types thin and light, each in a hue of its own (the theme has only five), their
        // sum heavy and dark: the line to follow first.
        QColor colour = allTypes ? QColor(60, 60, 60) : typeColour(i);
        line->setPen(QPen(colour, allTypes ? 3.5 : 1.5));
        line->setBrush(colour);
    }
    if (firstMs > lastMs) firstMs = lastMs = QDateTime::currentMSecsSinceEpoch();  // no point
    fitTimeAxis(*time, firstMs, lastMs);
    letLegendToggleSeries(chart);
}

}  // namespace record
