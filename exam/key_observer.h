#pragma once

#include <QString>
#include <functional>

namespace exam {

// The exam window's key observer: whether it is installed, the install counter of the first
// activation, the key buffer, and what a released key does. Navigation takes it down around its
// message boxes and puts it back afterwards; hand-in and closing take it down for good.
class KeyObserver {
  public:
    virtual ~KeyObserver() = default;

    // End of the first activation: counts the installation; installs when the count becomes 1.
    void installByFirstActivation();
    // After a navigation message: counter reset, buffer cleared, installed again.
    void reinstall();
    // Before a navigation message, at hand-in and at close.
    void remove();

    bool isInstalled() const { return installed_; }
    const QString& keyBuffer() const { return keyBuffer_; }

    // What a letter "a" … "h" does (select the option on a single-choice page).
    void setLetterAction(std::function<void(const QString& letter)> action) {
        letterAction_ = std::move(action);
    }
    // A key was released at the keyboard position `scanCode` (the PC's set-1 code: 0x10 is the
    // key labelled Q on a US keyboard, whatever the layout makes it type). Ignored unless
    // installed.
    void keyReleased(quint32 scanCode);

    // The key table: "q" … "m" for the letter keys, "1" and "2" for the left and right arrows,
    // empty for every other key.
    static QString keyText(quint32 scanCode);

  protected:
    // Where a subclass starts and stops watching the keyboard.
    virtual void startObserving() {}
    virtual void stopObserving() {}

  private:
    void install();

    bool installed_ = false;
    quint16 installCounter_ = 0;
    QString keyBuffer_;
    std::function<void(const QString&)> letterAction_;
};

}  // namespace exam
