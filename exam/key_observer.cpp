#include "exam/key_observer.h"

namespace exam {

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
