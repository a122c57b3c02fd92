#include "correct_rate.h"

namespace practice {

QString correctRate(qint64 right, qint64 questions) {
    const double ratio = questions == 0 ? 0.0 : double(right) / double(questions);
    // Rounding through the two-decimal text keeps the printed rate a whole percent in all
    // ordinary cases; 15 significant digits hide the binary error of the multiplication.
    const double rounded = QString::asprintf("%.2f", ratio).toDouble();
    return QString::number(rounded * 100, 'g', 15);
}

}  // namespace practice
