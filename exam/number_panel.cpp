#include "exam/number_panel.h"

#include <array>

#include "exam/paper_number.h"

namespace exam {

namespace {

constexpr int kLabelLeft = 30;
constexpr int kLabelWidth = 200;
constexpr int kItemHeight = 23;
constexpr int kButtonsPerRow = 6;

struct TypeSection {
    qint64 count;
    const char* label;
    bool cases;
};

const QStringList kExamTypes{QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"),
                             QStringLiteral("a4")};

}  // namespace

PaperNumbersByType paperNumbersByType(store::Recordset& paper) {
    PaperNumbersByType numbers;
    for (paper.first(); !paper.eof(); paper.next()) {
        const qsizetype type = kExamTypes.indexOf(paper.text(QStringLiteral("lx")));
        if (type >= 0) numbers[std::size_t(type)] << paper.text(QStringLiteral("tid"));
    }
    return numbers;
}

QList<NumberPanelItem> numberPanelLayout(const ExamCounts& counts,
                                         const PaperNumbersByType& numbers) {
    const std::array<TypeSection, 4> sections{{
        {counts.c1, "单项选择题:", false},
        {counts.c2, "多项选择题:", false},
        {counts.c3, "阅读案例分析题:", true},
        {counts.c4, "配伍选择题:", false},
    }};
    QList<NumberPanelItem> items;
    int r = 1, q = 0, y = 40;
    for (std::size_t type = 0; type < sections.size(); ++type) {
        const TypeSection& section = sections[type];
        if (section.count == 0) continue;
        items.append({NumberPanelItem::Kind::TypeLabel,
                      QString::fromUtf8(section.label),
                      {},
                      QRect(kLabelLeft, r * 25 + y + q, kLabelWidth, kItemHeight)});
        y += 50;

        const int width = section.cases ? 30 : 28;
        int u = 0;
        for (const QString& caption : numbers[type]) {
            items.append({NumberPanelItem::Kind::Button, caption, numberButtonName(caption),
                          QRect(35 * u + 10, r * 25 + q + y - 30, width, kItemHeight)});
            if (u == kButtonsPerRow - 1) {
                u = 0;
                q += 5;
                ++r;
            } else {
                ++u;
            }
        }
    }
    return items;
}

}  // namespace exam
