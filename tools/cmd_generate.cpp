#include <QTextStream>

#include "bank_file_writer.h"
#include "bank_generator.h"
#include "command.h"
#include "core/error.h"

namespace {

qint64 number(const QStringList& args, const QString& flag, qint64 fallback, qint64 maximum) {
    const QString text = optionValue(args, flag, QString::number(fallback));
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < 0 || value > maximum)
        throw core::Error(QStringLiteral("%1 的值“%2”无效").arg(flag, text));
    return value;
}

int generate(const QStringList& args) {
    QTextStream err(stderr);
    const QString out = optionValue(args, QStringLiteral("--out"));
    if (out.isEmpty() || !args.contains(QStringLiteral("--questions"))) {
        err << "usage: vantrel-bank generate --questions N --out DIR [--seed S] "
               "[--chapter-questions N] [--nodes N]\n";
        return 2;
    }
    BankGenerator::Options options;
    options.questions = int(number(args, QStringLiteral("--questions"), 0, 10'000'000));
    options.chapterQuestions =
        int(number(args, QStringLiteral("--chapter-questions"), 0, 10'000'000));
    options.nodes = int(number(args, QStringLiteral("--nodes"), 0, 1'000'000));
    options.seed = quint32(number(args, QStringLiteral("--seed"), 1, 0xFFFFFFFFLL));

    BankGenerator generator(options);
    err << "正在生成 " << options.questions << " 题……\n";
    err.flush();
    const QByteArray rows = generator.rowsSql();
    err << "正在写入 " << BankFileWriter::bankPath(out) << "……\n";
    err.flush();
    BankFileWriter::write(out, {BankFileWriter::readScript(QStringLiteral(":/schema.sql")),
                                {QStringLiteral("generated rows"), rows}});
    err << "已生成：" << generator.nodeCount() << " 个节点，" << generator.questionCount()
        << " 题\n";
    if (options.chapterQuestions > 0) QTextStream(stdout) << generator.firstChapterId() << "\n";
    return 0;
}

const CommandRegistration registration({
    QStringLiteral("generate"),
    QStringLiteral(
        "generate --questions N --out DIR [--seed S] [--chapter-questions N] [--nodes N]\n"
        "      a synthetic bank; with --chapter-questions the first chapter holds N\n"
        "      questions of mixed types and its record id is printed on stdout"),
    generate,
});

}  // namespace
