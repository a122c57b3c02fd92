#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace services {

// One error report, as it becomes one row of the remote table yiyao.
struct FeedbackReport {
    static constexpr int kFlagCount = 10;

    QString kemu;                          // subject name of this edition
    QString tihao;                         // question id
    QString tigan;                         // question stem
    std::array<bool, kFlagCount> flags{};  // problem boxes 1 … 10
    QString shuoming;                      // the user's remark

    // The fourteen values in the column order of the insert; a flag is "1" or "0".
    QStringList values() const {
        QStringList list{kemu, tihao, tigan};
        for (const bool flag : flags) list << (flag ? QStringLiteral("1") : QStringLiteral("0"));
        list << shuoming;
        return list;
    }
};

}  // namespace services
