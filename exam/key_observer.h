#pragma once

#include <QString>

namespace exam {

// The state of the exam window's key observer: whether it is installed, the install counter of
// the first activation and the key buffer. Navigation takes it down around its message boxes and
// puts it back afterwards; hand-in and closing take it down for good.
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
    quint16 installCounter() const { return installCounter_; }
    const QString& keyBuffer() const { return keyBuffer_; }

  protected:
    // Where a subclass starts and stops watching the keyboard.
    virtual void startObserving() {}
    virtual void stopObserving() {}
    QString keyBuffer_;

  private:
    void install();

    bool installed_ = false;
    quint16 installCounter_ = 0;
};

}  // namespace exam
