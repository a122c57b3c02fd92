#include "x_server.h"

#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace xserver {

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QList<quint64> hexIds(const QString& text) {
    QList<quint64> ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (const QRegularExpressionMatch& match : hex.globalMatch(text))
        ids << match.captured().toULongLong(nullptr, 16);
    return ids;
}

// "PROPERTY(WINDOW): window id # 0x…" of the root window; empty without the property.
QList<quint64> rootWindows(const char* property) {
    const QString line =
        run(QStringLiteral("xprop"),
            {QStringLiteral("-root"), QStringLiteral("-notype"), QString::fromLatin1(property)});
    const qsizetype hash = line.indexOf(QLatin1Char('#'));
    return hash < 0 ? QList<quint64>() : hexIds(line.mid(hash));
}

}  // namespace

bool hasWindowManager() { return !rootWindows("_NET_SUPPORTING_WM_CHECK").isEmpty(); }

QList<quint64> stacking() {
    if (hasWindowManager()) return rootWindows("_NET_CLIENT_LIST_STACKING");
    // xwininfo lists the root's children as the server stacks them, top first.
    QList<quint64> mapped;
    const QStringList lines =
        run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")})
            .split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QList<quint64> ids = hexIds(line.section(QLatin1Char('"'), 0, 0));
        if (!ids.isEmpty() && line.startsWith(QStringLiteral("     0x")))
            mapped.prepend(ids.first());
    }
    return mapped;
}

quint64 topmost(const QList<QWidget*>& ours) {
    const QList<quint64> order = stacking();
    for (auto it = order.crbegin(); it != order.crend(); ++it)
        for (const QWidget* widget : ours)
            if (widget && widget->isVisible() && windowOf(*widget) == *it) return *it;
    return 0;
}

quint64 activeWindow() {
    if (!hasWindowManager()) return focusWindow();
    const QList<quint64> active = rootWindows("_NET_ACTIVE_WINDOW");
    return active.isEmpty() ? 0 : active.first();
}

quint64 focusWindow() {
    return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")})
        .trimmed()
        .toULongLong();
}

bool fillsScreen(const QWidget& window) {
    const QString info =
        run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(windowOf(window))});
    const auto field = [&](const char* name) {
        const QRegularExpression pattern(QString::fromLatin1(name) +
                                         QStringLiteral(":\\s+(-?\\d+)"));
        return pattern.match(info).captured(1).toInt();
    };
    const QScreen* screen = window.screen();
    return screen && info.contains(QStringLiteral("IsViewable")) &&
           QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                 field("Height")) == screen->geometry();
}

void click(const QWidget& widget) {
    const QPoint at = widget.mapToGlobal(widget.rect().center());
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
         QStringLiteral("click"), QStringLiteral("1")});
}

void pressKey(const QString& key) {
    run(QStringLiteral("xdotool"),
        {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), key});
}

quint64 windowOf(const QWidget& window) {
    return window.windowHandle() ? quint64(window.windowHandle()->winId()) : 0;
}

}  // namespace xserver
