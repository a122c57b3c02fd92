#include "exam/exam_settings_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>
#include <algorithm>

#include "core/error.h"
#include "core/messages.h"
#include "exam/exam_screen.h"
#include "store/connection_string.h"
#include "ui/focus_request.h"

namespace exam {

namespace {

constexpr QSize kOuterSize(499, 332);
constexpr QPoint kOffsetFromMainWindow(190, 150);
const QColor kBackground(232, 238, 249);

// Rows of the four counts: type name, field, "题:".
constexpr int kFirstRowTop = 62;
constexpr int kRowPitch = 38;
constexpr int kRowHeight = 26;
constexpr QRect kTypeName(126, 0, 110, kRowHeight);
constexpr QRect kField(244, 0, 64, kRowHeight);
constexpr QRect kUnit(314, 0, 30, kRowHeight);

const std::array<QString, kExamTypeCount> kTypeNames{
    QStringLiteral("单项选择题:"), QStringLiteral("多项选择题:"), QStringLiteral("案例分析题:"),
    QStringLiteral("配伍选择题:")};

// Only digits and backspace may be typed; control keys and shortcuts (Tab, Return, Ctrl+V …)
// pass, so pasted text still arrives and is checked on "确 定".
bool isDiscardedKey(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty() || key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.isPrint() && !(c >= u'0' && c <= u'9'); });
}

}  // namespace

TForm6::TForm6(const ExamContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      context_(context),
      bank_(store::ConnectionString::forDataDirectory(context.places.dataDir)) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("参数设置"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, kBackground);
    setPalette(background);
    setFont(pixelFont(14));
    createControls();
    setFixedSize(kOuterSize);
}

void TForm6::createControls() {
    Label1 = new QLabel(QStringLiteral("请您设置模拟考试题的参数"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pixelFont(16, true));
    Label1->setGeometry(36, 20, 420, 26);

    for (int row = 0; row < kExamTypeCount; ++row) createCountRow(row);

    Label4 = new QLabel(QStringLiteral("温馨提示：请您注意，每种题型不能设置超过50道题。"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(pixelFont(13, true));
    Label4->setStyleSheet(QStringLiteral("color: rgb(168, 52, 40);"));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setGeometry(12, 216, 467, 24);

    RzBitBtn1 = createButton(QStringLiteral("RzBitBtn1"), QStringLiteral("确 定"), 135);
    RzBitBtn2 = createButton(QStringLiteral("RzBitBtn2"), QStringLiteral("进 入"), 261);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TForm6::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TForm6::RzBitBtn2Click);
}

void TForm6::createCountRow(int row) {
    const int top = kFirstRowTop + row * kRowPitch;
    QLabel* name = new QLabel(kTypeNames[row], this);
    name->setObjectName(QStringLiteral("Label3"));
    name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    name->setGeometry(kTypeName.translated(0, top));
    Label3[row] = name;

    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("RzEdit%1").arg(row + 1));
    field->setAccessibleName(kTypeNames[row]);
    field->setAlignment(Qt::AlignCenter);
    field->setAttribute(Qt::WA_InputMethodEnabled, false);  // a count takes digits only
    field->setGeometry(kField.translated(0, top));
    field->installEventFilter(this);
    RzEdits[row] = field;

    QLabel* unit = new QLabel(QStringLiteral("题:"), this);
    unit->setObjectName(QStringLiteral("Label2"));
    unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    unit->setGeometry(kUnit.translated(0, top));
    Label2[row] = unit;
}

QPushButton* TForm6::createButton(const QString& name, const QString& text, int left) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);  // Return in a field saves nothing by itself
    button->setGeometry(left, 252, 96, 32);
    return button;
}

SettingFields TForm6::fieldTexts() const {
    SettingFields texts;
    for (int row = 0; row < kExamTypeCount; ++row) texts[row] = RzEdits[row]->text();
    return texts;
}

void TForm6::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;  // coming back from minimised is no new showing
    // The size is the outer size, frame included.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(kOuterSize.shrunkBy(frame));
    FormShow();
    ui::requestFocusOnceExposed(*this);
}

void TForm6::FormShow() {
    move(context_.mainWindow.pos() + kOffsetFromMainWindow);
    ExamEntryConfirmed = 0;
    withBank([this] {
        const SettingFields stored = readSettingFields(bank_);
        for (int row = 0; row < kExamTypeCount; ++row) RzEdits[row]->setText(stored[row]);
    });
}

void TForm6::RzBitBtn1Click() {
    switch (checkSettingFields(fieldTexts())) {
        case SettingsCheck::SettingError:
            context_.messages.info(kSettingError);
            return;
        case SettingsCheck::OverLimit:
            context_.messages.info(kOverLimit);
            FormShow();
            return;
        case SettingsCheck::Accepted:
            break;
    }
    if (withBank([this] { saveSettingFields(bank_, fieldTexts()); }))
        context_.messages.info(kSettingsSaved);
}

void TForm6::RzBitBtn2Click() {
    ExamEntryConfirmed = 1;
    close();
}

void TForm6::done(int result) {
    bank_.close();
    QDialog::done(result);
}

bool TForm6::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isDiscardedKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

// Every bank operation of the dialog opens the connection for itself and closes it again.
bool TForm6::withBank(const std::function<void()>& work) {
    try {
        work();
        bank_.close();
        return true;
    } catch (const core::Error& e) {
        bank_.close();
        context_.messages.reportError(e.message());
        return false;
    }
}

}  // namespace exam
