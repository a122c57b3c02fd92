#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "scripted_messages.h"
#include "services/backup_window.h"
#include "services/restore_window.h"
#include "store/bank_copy.h"
#include "temp_bank.h"
#include "test_material.h"

namespace {

QString subjectOf(const QString& file) {
    store::Connection connection(QStringLiteral("Data Source=") + file);
    return connection.query(QStringLiteral("select * from kemu")).text(QStringLiteral("ID"));
}

// A file choice that records where the file dialog would start and answers `answer`.
struct ScriptedChoice {
    QStringList starts;
    QString answer;
    services::BackupDialog::FileChoice choice() {
        return [this](const QString& start) {
            starts << start;
            return answer;
        };
    }
};

class BackupDialogs : public testing::Test {
  protected:
    void SetUp() override {
        bank.installPageAssets();
        bank.run(QStringLiteral("insert into kemu(ID, mz) values('内科', 'nk')"));
    }
    QString out(const QString& name) const { return folder.path() + QStringLiteral("/") + name; }

    TempBank bank;
    QTemporaryDir folder;
    ScriptedMessages messages;
    ScriptedChoice files;
};

TEST(BackupName, IsTheStemAndTheShortDateWithTheSeparatorsAFileNameCannotHold) {
    const QDate day(2013, 5, 2);
    EXPECT_EQ(services::defaultBackupName(day, QLocale(QLocale::Chinese, QLocale::China)),
              QStringLiteral("Vantrel医药软件数据备份2013-5-2"));
    EXPECT_EQ(services::defaultBackupName(day, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("Vantrel医药软件数据备份5-2-13"));
}

TEST_F(BackupDialogs, BackupNeedsAPathStaysOnFailureAndClosesOnceTheCopyIsMade) {
    services::TForm13 dialog(bank.programDir(), messages, nullptr, files.choice());
    dialog.open();
    EXPECT_EQ(dialog.Image1->pixmap().size(), QSize(400, 200));  // the picture with the labels
    dialog.Button2->click();
    EXPECT_EQ(messages.infos, QStringList{QStringLiteral("请选择备份路径！")});
    EXPECT_TRUE(dialog.isVisible());

    files.answer = out(QStringLiteral("gone/backup"));
    dialog.Button1->click();
    // Offered first in the data directory, where the bank lives.
    EXPECT_EQ(files.starts.last(),
              QDir(bank.programDir()).filePath(services::defaultBackupName(QDate::currentDate())));
    dialog.Button2->click();
    EXPECT_TRUE(messages.infos.last().startsWith(QStringLiteral("备份失败，请重试！\n")));
    EXPECT_TRUE(messages.infos.last().contains(out(QStringLiteral("gone/backup"))));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Edit1->text(), files.answer);

    files.answer.clear();  // the user cancels the save dialog
    dialog.Button1->click();
    EXPECT_EQ(dialog.Edit1->text(), out(QStringLiteral("gone/backup")));

    const QString target = out(services::defaultBackupName(QDate(2013, 5, 2)));
    files.answer = target;
    dialog.Button1->click();
    dialog.Button2->click();
    EXPECT_EQ(messages.infos.last(), QStringLiteral("备份成功！"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(subjectOf(target), QStringLiteral("内科"));

    dialog.open();
    EXPECT_EQ(dialog.Edit1->text(), target);  // kept between openings
    dialog.Button3->click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(BackupDialogs, RestoreTakesOnlyBackupsAndReplacesTheBankForEveryWindow) {
    const QString backup = out(QStringLiteral("Vantrel医药软件数据备份2013-5-2"));
    store::backupBank(bank.bankPath(), backup);
    bank.run(QStringLiteral("update kemu set ID='外科'"));
    const QString renamed = out(QStringLiteral("my bank.bak"));
    store::backupBank(bank.bankPath(), renamed);
    const QString broken = out(QStringLiteral("Vantrel医药软件数据备份（坏）"));
    ASSERT_TRUE(QFile(broken).open(QIODevice::WriteOnly));
    store::Connection window = bank.connect();
    EXPECT_EQ(window.query(QStringLiteral("select * from kemu")).text(QStringLiteral("ID")),
              QStringLiteral("外科"));

    services::TForm14 dialog(bank.programDir(), messages, nullptr, files.choice());
    dialog.open();
    dialog.Button2->click();
    EXPECT_EQ(messages.infos, QStringList{QStringLiteral("请选择恢复路径！")});

    files.answer = broken;
    dialog.Button1->click();
    dialog.Button2->click();
    // The fixed message, then why the file was refused.
    EXPECT_TRUE(messages.infos.last().startsWith(QStringLiteral("恢复失败，请重试!\n")));
    EXPECT_TRUE(messages.infos.last().contains(broken)) << messages.infos.last().toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Edit1->text(), broken);
    EXPECT_EQ(subjectOf(bank.bankPath()), QStringLiteral("外科"));

    files.answer = backup;
    dialog.Button1->click();
    files.answer = renamed;  // its path lost the stem
    dialog.Button1->click();
    EXPECT_EQ(messages.infos.last(), QStringLiteral("请恢复您备份的文件！"));
    EXPECT_EQ(dialog.Edit1->text(), backup);

    dialog.Button2->click();  // restores the file the path box still shows
    EXPECT_EQ(messages.infos.last(), QStringLiteral("成功恢复数据！"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(window.query(QStringLiteral("select * from kemu")).text(QStringLiteral("ID")),
              QStringLiteral("内科"));
    EXPECT_EQ(subjectOf(store::keptBankPaths(bank.bankPath()).value(0)), QStringLiteral("外科"));

    // The kept bank is a backup the dialog takes back: a wrong restore can be undone.
    dialog.open();
    files.answer = store::keptBankPaths(bank.bankPath()).value(0);
    dialog.Button1->click();
    dialog.Button2->click();
    EXPECT_EQ(messages.infos.last(), QStringLiteral("成功恢复数据！"));
    EXPECT_EQ(subjectOf(bank.bankPath()), QStringLiteral("外科"));
}

// A backup an earlier install made by copying its Access bank is converted on the way in; an
// Access file that is no bank is refused with the reason and changes nothing.
TEST_F(BackupDialogs, RestoreTakesAnAccessBackup) {
    SKIP_WITHOUT_TEST_MATERIAL();
    const QString notABank = out(store::kBackupNameStem + QStringLiteral("（罗斯文）.mdb"));
    ASSERT_TRUE(QFile::copy(testMaterial("testdata/jet/nwind.mdb"), notABank));
    const QString backup = out(store::kBackupNameStem + QStringLiteral("2013-5-2.mdb"));
    ASSERT_TRUE(QFile::copy(testMaterial("testdata/jet/sample-bank.mdb"), backup));
    store::Connection window = bank.connect();

    services::TForm14 dialog(bank.programDir(), messages, nullptr, files.choice());
    dialog.open();
    files.answer = notABank;
    dialog.Button1->click();
    dialog.Button2->click();
    EXPECT_EQ(messages.infos.last(), QStringLiteral("恢复失败，请重试!\n") + notABank +
                                         QStringLiteral(" 不是题库：缺少数据表 tree"));
    EXPECT_EQ(subjectOf(bank.bankPath()), QStringLiteral("内科"));
    EXPECT_TRUE(store::keptBankPaths(bank.bankPath()).isEmpty());

    files.answer = backup;
    dialog.Button1->click();
    dialog.Button2->click();
    EXPECT_EQ(messages.infos.last(), QStringLiteral("成功恢复数据！"));
    EXPECT_EQ(window.query(QStringLiteral("select * from kemu")).text(QStringLiteral("ID")),
              QStringLiteral("职业卫生（中级）"));
    EXPECT_EQ(window.query(QStringLiteral("select * from question")).count(), 300);
    EXPECT_EQ(subjectOf(store::keptBankPaths(bank.bankPath()).value(0)), QStringLiteral("内科"));
    EXPECT_EQ(QDir(bank.programDir() + "Data").entryList(QDir::Files).size(), 2)
        << "the bank and the bank it replaced, no temporary file";
}

// Every restore keeps the bank it replaced under the date and time it ran; the newest
// generations stay, the oldest go, and nothing else beside the bank is touched.
TEST_F(BackupDialogs, RestoresKeepTheNewestGenerationsOfTheReplacedBank) {
    const QDateTime start(QDate(2026, 12, 9), QTime(8, 0, 0));
    for (int i = 0; i < store::kKeptBankGenerations + 2; ++i) {
        QFile file(store::keptBankPath(bank.bankPath(), start.addSecs(i * 61)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString other = QFileInfo(bank.bankPath()).absolutePath() + u'/' +
                          store::kBackupNameStem + QStringLiteral("（还原前的题库）");
    ASSERT_TRUE(QFile(other).open(QIODevice::WriteOnly));
    store::removeOldKeptBanks(bank.bankPath());
    const QStringList kept = store::keptBankPaths(bank.bankPath());
    ASSERT_EQ(kept.size(), store::kKeptBankGenerations);
    EXPECT_EQ(kept.first(),
              store::keptBankPath(bank.bankPath(),
                                  start.addSecs((store::kKeptBankGenerations + 1) * 61)));
    EXPECT_EQ(kept.last(), store::keptBankPath(bank.bankPath(), start.addSecs(2 * 61)));
    EXPECT_TRUE(QFileInfo::exists(other));
    EXPECT_TRUE(QFileInfo::exists(bank.bankPath()));
}

// Runs `click` while a file dialog opens, and returns the patterns that dialog lists files by
// and the file it offers, then cancels it.
std::pair<QStringList, QString> fileDialogSeenBy(const std::function<void()>& click) {
    std::pair<QStringList, QString> seen;
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen = {dialog->findChild<QFileSystemModel*>()->nameFilters(),
                dialog->selectedFiles().value(0)};
        dialog->reject();
    });
    click();
    return seen;
}

TEST_F(BackupDialogs, BothFileDialogsListEveryFileWhateverTheFilterSays) {
    services::TForm13 backup(bank.programDir(), messages);
    backup.Edit1->setText(out(QStringLiteral("earlier")));
    const auto [savePatterns, offered] = fileDialogSeenBy([&] { backup.Button1Click(); });
    EXPECT_EQ(savePatterns, QStringList{QStringLiteral("*")});
    EXPECT_EQ(offered, out(services::defaultBackupName(QDate::currentDate())));
    EXPECT_EQ(backup.Edit1->text(), out(QStringLiteral("earlier")));  // cancelled

    services::TForm14 restore(bank.programDir(), messages);
    const auto [openPatterns, ignored] = fileDialogSeenBy([&] { restore.Button1Click(); });
    EXPECT_EQ(openPatterns, QStringList{QStringLiteral("*")});
    EXPECT_TRUE(restore.Edit1->text().isEmpty());
    EXPECT_TRUE(messages.infos.isEmpty());
}

}  // namespace
