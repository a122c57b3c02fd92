#include "record/hand_in_record.h"

#include <algorithm>
#include <numeric>

namespace record {

void HandInRecord::add(const QString& type, qint64 items, qint64 right) {
    if (items <= 0) return;
    const auto same = std::find_if(types.begin(), types.end(),
                                   [&](const TypeScore& score) { return score.type == type; });
    if (same == types.end()) {
        types.append({type, items, right});
        return;
    }
    same->items += items;
    same->right += right;
}

qint64 HandInRecord::items() const {
    return std::accumulate(types.begin(), types.end(), qint64(0),
                           [](qint64 sum, const TypeScore& score) { return sum + score.items; });
}

qint64 HandInRecord::right() const {
    return std::accumulate(types.begin(), types.end(), qint64(0),
                           [](qint64 sum, const TypeScore& score) { return sum + score.right; });
}

int wholePercent(qint64 right, qint64 items) {
    if (items <= 0) return 0;
    return int((200 * right + items) / (2 * items));
}

}  // namespace record
