#include "exam/key_observer.h"

namespace exam {

namespace {

// The letter rows of the keyboard by position, each from its first scan code.
struct KeyRow {
    quint32 first;
    const char* letters;
};
constexpr KeyRow kLetterRows[] = {{0x10, "qwertyuiop"}, {0x1E, "asdfghjkl"}, {0x2C, "zxcvbnm"}};
constexpr quint32 kLeftArrow = 0x4B;
constexpr quint32 kRightArrow = 0x4D;

}  // namespace

QString KeyObserver::keyText(quint32 scanCode) {
    for (const KeyRow& row : kLetterRows) {
        const quint32 length = quint32(qstrlen(row.letters));
        if (scanCode >= row.first && scanCode < row.first + length)
            return QString(QLatin1Char(row.letters[scanCode - row.first]));
    }
    if (scanCode == kLeftArrow) return QStringLiteral("1");
    if (scanCode == kRightArrow) return QStringLiteral("2");
    return {};
}

void KeyObserver::keyReleased(quint32 scanCode) {
    if (!installed_) return;
    keyBuffer_ += keyText(scanCode);
    const bool letter = keyBuffer_.size() == 1 && keyBuffer_[0] >= u'a' && keyBuffer_[0] <= u'h';
    const QString pressed = keyBuffer_;
    keyBuffer_.clear();
    if (letter && letterAction_) letterAction_(pressed);
}

void KeyObserver::installByFirstActivation() {
    ++installCounter_;
    if (installCounter_ == 1) install();
}

void KeyObserver::reinstall() {
    installCounter_ = 0;
    installed_ = false;
    install();
}

void KeyObserver::remove() {
    if (installed_) stopObserving();
    installed_ = false;
    installCounter_ = 0;
}

void KeyObserver::install() {
    keyBuffer_.clear();
    if (!installed_) startObserving();
    installed_ = true;
}

}  // namespace exam
