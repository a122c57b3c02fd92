#include "exam/letter_selection.h"

#include "exam/paper_number.h"
#include "pages/question_group.h"

namespace exam {

void selectOptionByLetter(ExamWindowHost& host, const QString& letter) {
    store::Connection& bank = host.connection();
    const store::Recordset row = bank.query(paperRowQuery(host.examState().CurrentPaperNumber));
    if (!row.isEmpty() && row.text(QStringLiteral("lx")) == QStringLiteral("a1")) {
        const auto form = host.page().formSnapshot();
        const QString wanted = letter.toUpper();
        for (const pages::fragments::OptionData& option :
             pages::readOptions(bank, row.text(QStringLiteral("tgid")))) {
            const auto element = form.constFind(option.id);
            if (element != form.constEnd() && element->value.trimmed() == wanted)
                host.page().setChecked(option.id, true);
        }
    }
    host.focusNextButton();
}

}  // namespace exam
