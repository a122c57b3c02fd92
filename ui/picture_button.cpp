#include "picture_button.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {

struct FolderListing {
    QDateTime modified;
    QHash<QString, QString> nameOfLowerName;
};

// One listing per folder for all buttons: the toolbar and command strip share the folder tp.
QHash<QString, FolderListing>& listingCache() {
    static QHash<QString, FolderListing> cache;
    return cache;
}

const FolderListing& listingOf(const QString& folder) {
    const QDateTime modified = QFileInfo(folder).lastModified();
    FolderListing& listing = listingCache()[folder];
    if (listing.modified != modified || !modified.isValid()) {
        listing.modified = modified;
        listing.nameOfLowerName.clear();
        const QStringList names =
            QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& name : names) listing.nameOfLowerName.insert(name.toLower(), name);
    }
    return listing;
}

}  // namespace

QString findFileIgnoringCase(const QString& baseDir, const QString& relativePath) {
    QString path = QDir::cleanPath(baseDir);
    const QStringList parts =
        QDir::cleanPath(relativePath).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString exact = path + QLatin1Char('/') + part;
        if (QFileInfo::exists(exact)) {
            path = exact;
            continue;
        }
        const FolderListing& listing = listingOf(path);
        const auto found = listing.nameOfLowerName.constFind(part.toLower());
        if (found == listing.nameOfLowerName.constEnd()) return {};
        path += QLatin1Char('/') + found.value();
    }
    return QFileInfo(path).isFile() ? path : QString();
}

PictureButton::PictureButton(const QString& label, QWidget* parent)
    : QWidget(parent), label_(label) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setAccessibleName(label);
    setToolTip(label);
}

void PictureButton::setPictures(const QString& programDir, const QString& leave,
                                const QString& move, const QString& press) {
    programDir_ = programDir;
    leave_ = leave;
    move_ = move;
    press_ = press;
    loaded_.clear();
    failed_.clear();
    current_ = QPixmap();
    currentFile_.clear();
    showPicture(leave_);
}

QSize PictureButton::sizeHint() const {
    if (!current_.isNull()) return current_.size();
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, label_);
    return text + QSize(24, 12);
}

// A picture that is missing or unreadable keeps the current one: a mouse event must never fail.
void PictureButton::showPicture(const QString& name) {
    if (name.isEmpty() || failed_.contains(name)) return;
    auto found = loaded_.constFind(name);
    if (found == loaded_.constEnd()) {
        const QString file = findFileIgnoringCase(programDir_, name);
        QPixmap pixmap;
        if (file.isEmpty() || !pixmap.load(file)) {
            qWarning("picture button \"%s\": cannot read the picture %s", qUtf8Printable(label_),
                     qUtf8Printable(QDir::cleanPath(programDir_ + name)));
            failed_.insert(name);
            return;
        }
        found = loaded_.insert(name, pixmap);
    }
    current_ = found.value();
    currentFile_ = name;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (current_.isNull()) {
        paintLabel(painter);
        if (hasFocus()) paintFocusMark(painter);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), current_);
    if (hasFocus()) paintFocusMark(painter);
}

// The look without pictures: a calm rounded button, lighter under the mouse, darker while held.
void PictureButton::paintLabel(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    QColor face(236, 241, 247);
    if (leftDown_ || spaceDown_)
        face = QColor(205, 218, 232);
    else if (hovered_)
        face = QColor(247, 250, 253);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.fillPath(outline, face);
    painter.setPen(QColor(132, 152, 176));
    painter.drawPath(outline);
    painter.setPen(QColor(32, 42, 56));
    painter.drawText(rect().adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap, label_);
}

// Dashes of black over white, so that the mark shows on dark and light pictures alike. The
// style's own focus frame is not used: some styles draw it only after Tab navigation, and the
// exam window moves the focus by program.
void PictureButton::paintFocusMark(QPainter& painter) const {
    const QRect mark = rect().adjusted(2, 2, -3, -3);
    if (mark.width() < 2 || mark.height() < 2) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(mark);
    QPen dashes(Qt::black, 1);
    dashes.setDashPattern({2, 2});
    painter.setPen(dashes);
    painter.drawRect(mark);
    painter.restore();
}

void PictureButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QWidget::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    showMousePicture(leave_);
    update();
    QWidget::leaveEvent(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    showMousePicture(move_);
    event->accept();
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftDown_ = true;
    showMousePicture(press_);
    update();
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasDown = leftDown_ && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton) leftDown_ = false;
    update();
    event->accept();
    if (wasDown && rect().contains(event->position().toPoint())) emit clicked();
}

// While Space holds the button down the press picture stays; a mouse event in the meantime
// decides the picture shown after it.
void PictureButton::showMousePicture(const QString& name) {
    if (spaceDown_)
        afterSpace_ = name;
    else
        showPicture(name);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (!plain || (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key repeats its press; it clicks once all the same.
    if (event->isAutoRepeat()) return;
    if (key == Qt::Key_Space) {
        if (spaceDown_) return;
        afterSpace_ = currentFile_.isEmpty() ? leave_ : currentFile_;
        showPicture(press_);
        spaceDown_ = true;
        update();
        return;
    }
    emit clicked();
}

void PictureButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || !spaceDown_) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat()) return;
    releaseSpace();
    emit clicked();
}

// Space let go elsewhere (the focus moved on while it was held) is no click.
void PictureButton::focusOutEvent(QFocusEvent* event) {
    if (spaceDown_) releaseSpace();
    QWidget::focusOutEvent(event);
}

void PictureButton::releaseSpace() {
    spaceDown_ = false;
    showPicture(afterSpace_);
    afterSpace_.clear();
    update();
}

}  // namespace ui
