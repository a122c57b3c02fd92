#include "exam/letter_selection.h"

#include "exam/paper_number.h"

namespace exam {

void selectOptionByLetter(ExamWindowHost& host, const QString& letter) {
    store::Connection& bank = host.connection();
    const store::Recordset row =
        bank.query(paperRowQuery(paperNumberText(host.examState().CurrentPaperNumber)));
    if (!row.isEmpty() && row.text(QStringLiteral("lx")) == QStringLiteral("a1")) {
        const auto form = host.page().formSnapshot();
        const QString wanted = letter.toUpper();
        store::Recordset options = bank.query(QStringLiteral("select * from opinion where questionid=") +
                                              row.text(QStringLiteral("tgid")));
        for (options.first(); !options.eof(); options.next()) {
            const QString id = options.text(QStringLiteral("id"));
            const auto element = form.constFind(id);
            if (element != form.constEnd() && element->value.trimmed() == wanted)
                host.page().setChecked(id, true);
        }
    }
    host.focusNextButton();
}

}  // namespace exam
