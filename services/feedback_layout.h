#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <array>

#include "services/feedback_report.h"

// Where the controls of the feedback window sit, in pixels of its client area.
namespace services::feedback_layout {

inline constexpr QSize kOuterSize{1005, 557};
inline constexpr QRect kPanel1{8, 8, 980, 287};
inline constexpr QSize kCheckBoxSize{17, 17};
// CheckBox1 … CheckBox5 in the left column, CheckBox6 … CheckBox10 in the right one.
inline constexpr std::array<QPoint, FeedbackReport::kFlagCount> kCheckBoxPositions{{
    {21, 322},
    {21, 346},
    {21, 370},
    {21, 393},
    {21, 416},
    {259, 321},
    {259, 345},
    {259, 369},
    {259, 392},
    {259, 415},
}};
inline constexpr QRect kMemo1{489, 320, 489, 113};
inline constexpr QRect kButton1{410, 474, 96, 31};
inline constexpr QRect kButton2{522, 474, 96, 31};

// The frames drawn on the background: the problem boxes and the remark. Their titles sit on
// the top lines, clear of the preview above and the boxes below.
inline constexpr QRect kProblemsGroup{10, 306, 462, 138};
inline constexpr QRect kRemarkGroup{481, 306, 505, 138};
// The band below both frames that holds the thanks line.
inline constexpr QRect kThanksBand{10, 448, 976, 22};

// The label of each problem box, in box order.
inline QStringList problemLabels() {
    return {
        QStringLiteral("试题图片不显示"),     QStringLiteral("试题不在考试大纲范围内"),
        QStringLiteral("试题不属于本学科"),   QStringLiteral("试题过于陈旧"),
        QStringLiteral("试题有错别字"),       QStringLiteral("解题思路与题干不符"),
        QStringLiteral("解题思路图片不显示"), QStringLiteral("解题思路与答案相互矛盾"),
        QStringLiteral("解题思路有错别字"),   QStringLiteral("试题与其他试题重复"),
    };
}

}  // namespace services::feedback_layout
